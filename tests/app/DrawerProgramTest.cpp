// Where the generator finds the drawing program: beside its start folder,
// in its own folder, on PATH; never in the current directory.
#include "app/DrawerProgram.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "tests/platform/ScopedEnvironment.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

using testing::TempFolder;

TEST(DrawerProgram, FoundBesideTheStartFolderThenBesideTheProgramThenOnPath) {
  struct Case {
    const char* name;
    std::vector<std::string> executables;  // below the temporary folder
    std::vector<std::string> plain;        // not executable
    std::string path;                      // PATH, "@" for the temporary folder
    std::string expected;                  // "" for none
  };
  const Case cases[] = {
      {"installed beside the start folder", {"PENVIK/penvik", "lib/penvik", "bin/penvik"}, {},
       "@/bin", "PENVIK/penvik"},
      {"name found without regard to case", {"Penvik/Penvik"}, {}, "@/bin", "Penvik/Penvik"},
      {"packaged: the program's own folder", {"lib/penvik", "bin/penvik"}, {}, "@/bin",
       "lib/penvik"},
      {"packaged: PATH", {"bin/penvik"}, {}, "/nonexistent:@/bin", "bin/penvik"},
      {"a file that cannot run is passed over", {"bin/penvik"}, {"PENVIK/penvik", "lib/penvik"},
       "@/bin", "bin/penvik"},
      {"the current directory is never searched", {"Vorkel/penvik"}, {}, ".::Vorkel", ""},
      {"nowhere", {}, {}, "@/bin", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder t;
    t.write("Vorkel/q4.ini", "");
    for (const auto& f : c.executables) {
      t.write(f, "#!/bin/sh\n");
      ::chmod((t / f).c_str(), 0755);
    }
    for (const auto& f : c.plain) t.write(f, "#!/bin/sh\n");
    std::string path = c.path;
    for (std::size_t at; (at = path.find('@')) != std::string::npos;) path.replace(at, 1, t.path());
    testing::ScopedEnvironment env(std::map<std::string, std::string>{{"PATH", path}});
    testing::InFolder here(t / "Vorkel");
    const std::optional<DrawerProgram> found = findDrawerProgram(t / "Vorkel", t / "lib");
    if (c.expected.empty()) {
      EXPECT_FALSE(found) << found->program;
      continue;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found->program, t / c.expected);
    EXPECT_EQ(found->folder, (t / c.expected).substr(0, (t / c.expected).rfind('/')));
  }
}

}  // namespace
}  // namespace vorkel
