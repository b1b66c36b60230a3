#include "setup/Prerequisites.h"

#include <gtest/gtest.h>

#include "SetupTestSupport.h"

namespace vorkel::setup {
namespace {

using Lines = std::vector<std::string>;
const std::string kRoot = "/media/cd/";
constexpr auto kDanish = InstallerLanguage::Danish;

TEST(Prerequisites, CommandsByTheMachinesState) {
  SystemFacts all{true, true, true, false};
  EXPECT_EQ(prerequisiteCommands(all, kDanish, kRoot), Lines{});
  EXPECT_FALSE(prerequisitesNeeded(all));

  SystemFacts noHtm{false, true, true, false};
  EXPECT_EQ(prerequisiteCommands(noHtm, kDanish, kRoot), Lines{"/media/cd/ie5/da/ie5setup.exe"});
  EXPECT_TRUE(prerequisitesNeeded(noHtm));

  SystemFacts noChmNoDcom{true, false, false, false};
  EXPECT_EQ(prerequisiteCommands(noChmNoDcom, kDanish, kRoot),
            (Lines{"/media/cd/HHUpd/da/hhupd.exe", "/media/cd/ie5/da/Dcom95.exe /c"}));
  EXPECT_FALSE(prerequisitesNeeded(noChmNoDcom));  // only Windows 95 needs them for space

  // Windows 95 without a ".chm" handler and without DCOM: the browser
  // installer, once.
  SystemFacts old{true, false, false, true};
  EXPECT_EQ(prerequisiteCommands(old, kDanish, kRoot), Lines{"/media/cd/ie5/da/ie5setup.exe"});
  EXPECT_TRUE(prerequisitesNeeded(old));
}

TEST(Prerequisites, FactsFromRegistryStoreAndDesktop) {
  testing::Machine m;
  m.system.mimeTypes.clear();
  SystemFacts f = readSystemFacts(m.registry, m.system);
  EXPECT_FALSE(f.htmOpens);
  EXPECT_FALSE(f.chmOpens);
  EXPECT_FALSE(f.dcomEnabled);
  EXPECT_FALSE(f.windows95);

  constexpr auto HKCR = RegistryRoot::ClassesRoot;
  m.registry.setString(HKCR, ".htm", "", "htmlfile");
  EXPECT_FALSE(readSystemFacts(m.registry, m.system).htmOpens);  // a class without a command
  m.registry.setString(HKCR, "htmlfile\\shell\\open\\command", "", "browser %1");
  EXPECT_TRUE(readSystemFacts(m.registry, m.system).htmOpens);

  m.system.mimeTypes = {"application/vnd.ms-htmlhelp"};
  EXPECT_TRUE(readSystemFacts(m.registry, m.system).chmOpens);
  m.registry.setString(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\OLE", "EnableDCOM", "  y");
  EXPECT_TRUE(readSystemFacts(m.registry, m.system).dcomEnabled);
  m.registry.setString(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\OLE", "EnableDCOM", "N");
  EXPECT_FALSE(readSystemFacts(m.registry, m.system).dcomEnabled);
}

TEST(Prerequisites, MimeDefaultsFromTheDesktopsLists) {
  testing::Machine m;
  DesktopFolders f = m.makeFolders();
  m.tmp.write("home/.config/mimeapps.list",
              "[Added Associations]\ntext/html=x.desktop;\n[Default Applications]\n"
              "application/pdf=viewer.desktop;\ntext/plain=;\n");
  m.tmp.write("usr/share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=firefox.desktop;\n");
  auto files = mimeDefaultFiles(f);
  EXPECT_TRUE(mimeTypeHasApplication(files, "application/pdf"));
  EXPECT_FALSE(mimeTypeHasApplication(files, "text/plain"));  // an empty list names nothing
  EXPECT_TRUE(mimeTypeHasApplication(files, "text/html"));
  EXPECT_FALSE(mimeTypeHasApplication(files, "application/x-chm"));
}

}  // namespace
}  // namespace vorkel::setup
