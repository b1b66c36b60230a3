#include "setup/Destination.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "setup/WizardState.h"
#include "../platform/TempFolder.h"

namespace vorkel::setup {
namespace {

TEST(Destination, ShortenedPathKeepsThirtyCharactersAndCutsThirtyOne) {
  const std::string base = "/home/user/programmer/";  // 22 characters
  EXPECT_EQ(shortenedPath(base, "Vendrik1"), "/home/user/programmer/Vendrik1");  // 30
  EXPECT_EQ(shortenedPath(base, "Vendrik12"), "/home/.../Vendrik12");            // 31
  // Characters count, not bytes: 30 characters with a two-byte ø stay whole.
  EXPECT_EQ(shortenedPath(base, "Vendrikø"), "/home/user/programmer/Vendrikø");
  EXPECT_EQ(shortenedPath(base, "Vendrikøx"), "/home/.../Vendrikøx");
  // The first separator counts only after the third character.
  EXPECT_EQ(shortenedPath("C:\\Program Files\\", "Plindra Programmer 2003"),
            "C:\\Program Files/.../Plindra Programmer 2003");
  // A base without such a separator is shown whole, without the name.
  EXPECT_EQ(shortenedPath("/a/", std::string(40, 'x')), "/a/");
}

TEST(Destination, SetDestinationNormalisesBaseAndName) {
  WizardState s;
  setDestination(s, "/opt", "\\Vendrik\\");
  EXPECT_EQ(s.destinationBase, "/opt/");
  EXPECT_EQ(s.destinationName, "Vendrik");
  EXPECT_EQ(s.installRoot(), "/opt/Vendrik/");
  setDestination(s, "/opt/", "//x//");  // only one separator goes at each end
  EXPECT_EQ(s.destinationName, "/x/");
}

TEST(Destination, DefaultFolderFromRegistryElseHome) {
  vorkel::testing::TempFolder t;
  Registry reg(t / "reg.ini");
  EXPECT_EQ(programFilesFolder(reg, "/home/u"), "/home/u");
  reg.setString(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                "ProgramFilesDir", "/opt");
  EXPECT_EQ(programFilesFolder(reg, "/home/u"), "/opt");
}

}  // namespace
}  // namespace vorkel::setup
