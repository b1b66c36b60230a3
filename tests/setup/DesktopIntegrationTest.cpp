// The desktop's side of an installation: every menu entry with its icon and
// category, the uninstaller's entry, the MIME types of templates and grids,
// and all of it gone again after an uninstall.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "SetupTestSupport.h"
#include "setup/InstallPaths.h"
#include "setup/Selection.h"
#include "setup/Uninstaller.h"

namespace vorkel::setup {
namespace {

namespace fs = std::filesystem;

using testing::tree;

// The keys of a desktop entry's group.
std::map<std::string, std::string> entryKeys(const std::string& text) {
  std::map<std::string, std::string> keys;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (auto eq = line.find('='); eq != std::string::npos) keys[line.substr(0, eq)] = line.substr(eq + 1);
  return keys;
}

struct DesktopIntegrationTest : ::testing::Test {
  testing::Machine m;
  WizardState state;
  std::string entries;

  void SetUp() override {
    m.makeMedium();
    m.addSolverAndDrawer(true);
    fs::create_directories(m.tmp / "home");
    state.selection = ProgramSelection{};
    setAllLanguages(state.languages, InstallerLanguage::Danish);
    state.destinationBase = m.tmp / "home/";
    state.destinationName = "Vendrik";
    state.programFolderName = "Plindra";
    state.programsFolder = m.tmp / "home/.local/share/applications/";
    entries = state.programsFolder + "Plindra/";
  }

  void install() {
    testing::NoProgress progress;
    ASSERT_TRUE(InstallationRun(state, m.ports, progress).run());
  }

  std::map<std::string, std::string> entry(const std::string& name) const {
    return entryKeys(m.tmp.read(fs::relative(entries + name + ".desktop", m.tmp.path()).string()));
  }
};

TEST_F(DesktopIntegrationTest, EveryEntryShowsAnIconInItsCategory) {
  install();
  const std::string root = m.installRoot();
  const std::string icon = root + IconName;
  ASSERT_TRUE(fs::is_regular_file(icon));
  const struct {
    const char* name;
    const char* icon;  // nullptr: the installation's own
    const char* categories;
    std::string exec;
  } cases[] = {
      {"Vorkel", nullptr, "Game;LogicGame;", "\"" + root + "Vorkel/q4\" %f"},
      {"Penvik", nullptr, "Game;LogicGame;", "\"" + root + "Penvik/penvik\" %f"},
      {"Rundel", nullptr, "Game;LogicGame;", "\"" + root + "XRundel/xrundel\""},
      {"Afinstaller", nullptr, "Settings;PackageManager;",
       "\"" + root + "uninst\" \"" + root + "\""},
      {"Hjælp til Vorkelen", "help-browser", "Game;LogicGame;Documentation;",
       "xdg-open \"" + root + "Vorkel/help/index.html\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto keys = entry(c.name);
    EXPECT_EQ(keys["Icon"], c.icon ? c.icon : icon);
    EXPECT_EQ(keys["Categories"], c.categories);
    EXPECT_EQ(keys["Exec"], c.exec);
  }
  // Templates and grids open in the generator with a double click.
  EXPECT_EQ(entry("Vorkel")["MimeType"], GeneratorMimeTypes);
  EXPECT_EQ(entry("Penvik").count("MimeType"), 0u);
  EXPECT_EQ(m.tmp.read("home/.local/share/mime/packages/vorkel.xml"), m.tmp.read("medium/vorkel-mime.xml"));
  EXPECT_EQ(m.system.databaseRefreshes, 1);
}

// desktop-file-validate (desktop-file-utils) accepts every file the run
// writes for the menu.
TEST_F(DesktopIntegrationTest, EveryWrittenEntryPassesTheValidator) {
  if (std::system("command -v desktop-file-validate > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
  install();
  std::vector<std::string> files;
  for (const auto& e : fs::directory_iterator(entries)) files.push_back(e.path().string());
  files.push_back(m.tmp / "home/.local/share/desktop-directories/vendrik-Plindra.directory");
  ASSERT_EQ(files.size(), 8u);
  for (const std::string& file : files) {
    const std::string out = m.tmp / "validate.txt";
    EXPECT_EQ(std::system(("desktop-file-validate \"" + file + "\" > \"" + out + "\" 2>&1").c_str()), 0)
        << file;
    EXPECT_EQ(m.tmp.read("validate.txt"), "") << file;
  }
}

// The uninstall takes the entries, the icon and the MIME types, and the
// caches the desktop built from them, unless someone else's are in them.
TEST_F(DesktopIntegrationTest, TheUninstallTakesTheDesktopsSideAlong) {
  const struct {
    const char* name;
    std::vector<std::string> usersFiles;  // below home, there before the installation
  } cases[] = {
      {"a home without a MIME database", {}},
      {"the user's own MIME package and a type association",
       {".local/share/mime/packages/mine.xml", ".local/share/applications/mine.desktop"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Machine machine;
    machine.makeMedium();
    fs::create_directories(machine.tmp / "home");
    for (const std::string& f : c.usersFiles) machine.tmp.write("home/" + f, "the user's");
    const std::vector<std::string> before = tree(machine.tmp / "home");
    WizardState s = state;
    s.selection = generatorOnly();
    s.destinationBase = machine.tmp / "home/";
    s.programsFolder = machine.tmp / "home/.local/share/applications/";
    testing::NoProgress progress;
    ASSERT_TRUE(InstallationRun(s, machine.ports, progress).run());
    // What the desktop's tools make of the types and entries.
    machine.tmp.write("home/.local/share/mime/mime.cache", "cache");
    machine.tmp.write("home/.local/share/mime/application/x-vorkel-kryds.xml", "type");
    machine.tmp.write("home/.local/share/applications/mimeinfo.cache", "[MIME Cache]\n");

    Uninstaller u(machine.ui, machine.registry, machine.system, machine.folders);
    ASSERT_TRUE(u.run(machine.installRoot(), /*confirm=*/false));
    std::vector<std::string> expected = before;
    if (!c.usersFiles.empty())  // the user's package keeps the database
      expected.insert(expected.end(), {".local/share/mime/application",
                                       ".local/share/mime/application/x-vorkel-kryds.xml",
                                       ".local/share/mime/mime.cache"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(tree(machine.tmp / "home"), expected);
    EXPECT_EQ(machine.system.databaseRefreshes, 2);  // after the install and the uninstall
  }
}

}  // namespace
}  // namespace vorkel::setup
