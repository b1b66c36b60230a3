// The copy run on a small medium: what lands where, the uninstall log, the
// registry values, the ini lines, the shortcuts and the questions.
#include "setup/InstallationRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "SetupTestSupport.h"
#include "setup/Selection.h"

namespace vorkel::setup {
namespace {

namespace fs = std::filesystem;
constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCR = RegistryRoot::ClassesRoot;

struct InstallationRunTest : ::testing::Test {
  testing::Machine m;
  WizardState state;
  testing::NoProgress progress;

  void SetUp() override {
    m.makeMedium();
    state.selection = generatorOnly();
    setAllLanguages(state.languages, InstallerLanguage::Danish);
    state.destinationBase = m.tmp / "home/";
    state.destinationName = "Vendrik";
    state.programFolderName = "Plindra";
    state.programsFolder = m.tmp / "home/.local/share/applications/";
  }

  bool install() {
    InstallationRun run(state, m.ports, progress);
    return run.run();
  }

  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    std::istringstream in(m.tmp.read("home/Vendrik/UnInst.inf"));
    for (std::string line; std::getline(in, line);) {
      EXPECT_FALSE(line.empty());
      EXPECT_EQ(line.back(), '\r');
      line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  std::vector<std::string> registryValues() const {
    std::vector<std::string> out;
    std::istringstream in(m.tmp.read("registry.ini"));
    std::string key;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[') key = line.substr(1, line.size() - 2);
      else out.push_back(key + " " + line);
    }
    return out;
  }
};

TEST_F(InstallationRunTest, GeneratorOnlyInstallation) {
  ASSERT_TRUE(install());
  EXPECT_TRUE(m.ui.messages.empty());
  const std::string root = m.installRoot();
  const std::string gen = root + "Vorkel/";

  // The uninstall log: every destination of the tables in copy order,
  // also those whose source the medium lacks.
  std::vector<std::string> lines = logLines();
  ASSERT_GE(lines.size(), 70u);
  EXPECT_EQ(lines[0], root + "uninst");
  EXPECT_EQ(lines[1], root + "Startup.bmp");
  EXPECT_EQ(lines[2], gen + "10d.skb");
  EXPECT_EQ(lines[24], gen + "10facil.skb");
  EXPECT_EQ(lines[25], gen + "q4");
  EXPECT_EQ(lines[26], gen + "vorkel");
  EXPECT_EQ(lines[30], gen + "help/index.html");
  EXPECT_EQ(lines[33], gen + "q4dk.ini");
  EXPECT_EQ(lines.back(), root + "Dic/SVsmall.dic");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), gen + "Model/Model3.ktd"), 1);

  // Copied files are there; missing sources left nothing behind.
  EXPECT_EQ(m.tmp.read("home/Vendrik/Vorkel/q4"), "q4 program");
  EXPECT_TRUE(fs::exists(gen + "Vej/Model6.vej"));
  EXPECT_TRUE(fs::is_directory(root + "Lager"));
  EXPECT_FALSE(fs::exists(root + "Startup.bmp"));
  EXPECT_FALSE(fs::exists(gen + "10d.skb"));
  EXPECT_EQ(m.tmp.read("home/Vendrik/Dic/SVbyg.dic").size(), 1000u);

  // The generator's profile: the template, then the six lines.
  EXPECT_EQ(m.tmp.read("home/Vendrik/Vorkel/q4dk.ini"),
            "[Opsat]\r\n\r\nGemmested=" + root + "Lager\r\nSkabelon=" + gen + "Model\r\nCDRom=" +
                m.tmp.path() + "/medium\r\nDictionary=" + root + "Dic\r\nModelOgVej=" + gen +
                "Vej\r\nParametre=" + gen + "Vej\r\n");

  // Registry: the medium, the uninstall information, the generator's five
  // values and the uninstall entry; no solver or drawer value, and no font
  // value (the fonts key does not exist, and is not created).
  const std::string medium = m.tmp.path() + "/medium";
  std::vector<std::string> expected = {
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\CDROM\\Install \"Path\"=\"" + medium + "/\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\CDROM\\Install \"VersionDate\"=\"2003-01-05\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\Installations \"" + root + "\"=\"1\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\XRundel\\UnInstallInfo \"InstalledTo\"=\"" + root + "\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\XRundel\\UnInstallInfo \"FolderLocation\"=\"" +
          m.tmp.path() + "/home/.local/share/applications/Plindra/\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Dictionary @=\"" + root + "Dic\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Skabelon @=\"" + gen + "Model\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\ModelOgVej @=\"" + gen + "Vej\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Gemmested @=\"" + root + "Lager\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\CDRom @=\"" + medium + "\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Vendrik "
      "\"DisplayName\"=\"Plindra programmer\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Vendrik "
      "\"UninstallString\"=\"" + root + "uninst\""};
  std::vector<std::string> values = registryValues();
  std::sort(values.begin(), values.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(values, expected);

  // The two shortcuts of the generator and the uninstaller's, and the group
  // in the desktop's menu.
  std::vector<std::string> entries;
  for (const auto& e : fs::directory_iterator(state.programsFolder + "Plindra"))
    entries.push_back(e.path().filename().string());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"Afinstaller.desktop", "Hjælp til Vorkelen.desktop",
                                               "Vorkel.desktop"}));
  std::string menu = m.tmp.read("home/.config/menus/applications-merged/vendrik-Plindra.menu");
  EXPECT_NE(menu.find("<Filename>Plindra-Vorkel.desktop</Filename>"), std::string::npos);
  EXPECT_NE(menu.find("<Directory>vendrik-Plindra.directory</Directory>"), std::string::npos);
  EXPECT_TRUE(fs::exists(m.tmp / "home/.local/share/desktop-directories/vendrik-Plindra.directory"));

  // Fonts into the user's fonts folder, and the cache told.
  EXPECT_EQ(m.tmp.read("home/.local/share/fonts/techncln.ttf"), "font n");
  EXPECT_EQ(m.system.fontRefreshes, 1);
}

TEST_F(InstallationRunTest, TemplatesDoNotMoveTheBarAndItEndsFull) {
  ASSERT_TRUE(install());
  // 1 at the start, then one step per logged file after the templates.
  ASSERT_GE(progress.positions.size(), 30u);
  EXPECT_EQ(progress.positions[0], 1);
  EXPECT_EQ(progress.positions[1], 2);  // uninst
  EXPECT_EQ(progress.positions[2], 3);  // Startup.bmp
  for (int i = 3; i < 3 + 23; ++i) EXPECT_EQ(progress.positions[i], 3) << i;
  EXPECT_EQ(progress.positions[26], 4);  // q4
  EXPECT_EQ(progress.positions.back(), 100);
}

TEST_F(InstallationRunTest, ReinstallationAsksOnlyAboutAChangedDictionary) {
  ASSERT_TRUE(install());
  ASSERT_TRUE(install());
  EXPECT_TRUE(m.ui.messages.empty());
  // The log grows: the second run's lines follow the first's.
  EXPECT_EQ(logLines().size() % 2, 0u);

  // The user added a word: the size stays within the same 128-byte record.
  std::string changed = std::string(999, 'S') + "X";
  m.tmp.write("home/Vendrik/Dic/SVbyg.dic", changed);
  m.ui.answers = {Answer::No};
  ASSERT_TRUE(install());
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.lastMessage().text,
            "Vil du overskrive de ændringer du har lavet til ordforrådet 'SVbyg.dic' for "
            "byggeprogrammet?");
  EXPECT_EQ(m.ui.lastMessage().buttons, Buttons::YesNo);
  EXPECT_EQ(m.tmp.read("home/Vendrik/Dic/SVbyg.dic"), changed);

  m.ui.answers = {Answer::Yes};
  ASSERT_TRUE(install());
  EXPECT_EQ(m.ui.messages.size(), 2u);
  EXPECT_EQ(m.tmp.read("home/Vendrik/Dic/SVbyg.dic"), std::string(1000, 'S'));
}

TEST_F(InstallationRunTest, ExistingFontsAndTheirRegistrationsStay) {
  const char* fontsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
  m.registry.setString(HKLM, fontsKey, "Technical (TrueType)", "mine.ttf");
  m.tmp.write("home/.local/share/fonts/techncln.ttf", "the user's own");
  ASSERT_TRUE(install());
  EXPECT_EQ(m.tmp.read("home/.local/share/fonts/techncln.ttf"), "the user's own");
  EXPECT_EQ(m.tmp.read("home/.local/share/fonts/techncli.ttf"), "font i");
  EXPECT_EQ(m.registry.readString(HKLM, fontsKey, "Technical (TrueType)"), "mine.ttf");
  EXPECT_EQ(m.registry.readString(HKLM, fontsKey, "Technical Italic (TrueType)"), "techncli.ttf");
}

TEST_F(InstallationRunTest, EverythingSelectedWritesTheSolverAndDrawerValues) {
  m.addSolverAndDrawer(true);
  state.selection = ProgramSelection{};
  state.languages = {6, 6, 6, 6, 6};
  ASSERT_TRUE(install());
  EXPECT_EQ(m.registry.readString(HKLM, "SOFTWARE\\Vendrik\\XRundel\\Quickstart", "ShowQuickStart"), "Yes");
  RegistryValue v;
  ASSERT_EQ(m.registry.getValue(HKLM, "SOFTWARE\\Vendrik\\XRundel\\Dictionary", "DictionaryNo", v),
            Registry::Success);
  EXPECT_EQ(v.number, 6u);
  EXPECT_EQ(m.registry.readString(HKCR, "Penvik.Application\\Tegninger"), m.installRoot() + "Bmps");
  std::vector<std::string> lines = logLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), m.installRoot() + "XRundel/sv3.cff"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), m.installRoot() + "Penvik/penvik.ini"), lines.end());
  // Seven shortcuts: three help entries, three programs and the uninstaller.
  int shortcuts = 0;
  for (const auto& e : fs::directory_iterator(state.programsFolder + "Plindra")) shortcuts += e.is_regular_file();
  EXPECT_EQ(shortcuts, 7);
}

// A menu entry is made only for a file the run installed: help the medium
// lacks gets none, and the solver's help entry opens the help language
// chosen for it.
TEST_F(InstallationRunTest, MenuEntriesOnlyForInstalledFiles) {
  const struct {
    const char* name;
    bool otherHelp;
    bool generatorHelp;
    int solverHelp;
    std::vector<std::string> entries;
  } cases[] = {
      {"all help", true, true, 6,
       {"Afinstaller", "Hjælp til Penviken", "Hjælp til Rundelen", "Hjælp til Vorkelen", "Penvik",
        "Rundel", "Vorkel"}},
      {"no help but the generator's", false, true, 6,
       {"Afinstaller", "Hjælp til Vorkelen", "Penvik", "Rundel", "Vorkel"}},
      {"no help at all", false, false, 6, {"Afinstaller", "Penvik", "Rundel", "Vorkel"}},
      {"solver help in English, which the medium lacks", true, true, 9,
       {"Afinstaller", "Hjælp til Penviken", "Hjælp til Vorkelen", "Penvik", "Rundel", "Vorkel"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Machine machine;
    machine.makeMedium();
    machine.addSolverAndDrawer(c.otherHelp);
    if (!c.generatorHelp) fs::remove_all(machine.tmp / "medium/help");
    WizardState s = state;
    s.destinationBase = machine.tmp / "home/";
    s.programsFolder = machine.tmp / "home/.local/share/applications/";
    s.selection = ProgramSelection{};
    s.languages = {6, c.solverHelp, 6, 6, 6};
    InstallationRun run(s, machine.ports, progress);
    ASSERT_TRUE(run.run());
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(s.programsFolder + "Plindra")) {
      entries.push_back(e.path().stem().string());
      // Every entry's target is there.
      const std::string text = machine.tmp.read(fs::relative(e.path(), machine.tmp.path()).string());
      const std::size_t from = text.find('"', text.find("Exec=")) + 1;
      EXPECT_TRUE(fs::is_regular_file(text.substr(from, text.find('"', from) - from))) << text;
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, c.entries);
  }
}

// A selected program whose file the medium lacks stops the run before
// anything is copied, with a message that names it.
TEST_F(InstallationRunTest, ASelectedProgramMissingFromTheMediumFailsTheRun) {
  const struct {
    const char* name;
    ProgramSelection selection;
    int generatorLanguage;
    const char* program;
    const char* file;
  } cases[] = {
      {"the solver", ProgramSelection{}, 6, "Rundel", "xrundel"},
      {"the drawing program", {false, false, true, false, true, false}, 6, "Penvik", "penvik"},
      {"the generator in English", generatorOnly(), 9, "Vorkel", "q4us"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Machine machine;
    machine.makeMedium();
    WizardState s = state;
    s.destinationBase = machine.tmp / "home/";
    s.selection = c.selection;
    s.languages.generator = c.generatorLanguage;
    InstallationRun run(s, machine.ports, progress);
    EXPECT_FALSE(run.run());
    ASSERT_EQ(machine.ui.messages.size(), 1u);
    EXPECT_EQ(machine.ui.lastMessage().caption, "Advarsel");
    EXPECT_EQ(machine.ui.lastMessage().text,
              std::string("Installationen må desværre afbrydes, da programmet ") + c.program +
                  " ikke findes på installationsmediet (" + machine.tmp.path() + "/medium/" +
                  c.file + ").");
    EXPECT_FALSE(fs::exists(machine.installRoot()));
  }
}

// The lines added to the profiles end as the file's own lines end, and the
// medium is named whole, also with a ':' in its path.
TEST_F(InstallationRunTest, SettingsKeepTheFilesLineEndsAndTheWholeMediumPath) {
  m.addSolverAndDrawer(false);
  fs::rename(m.tmp / "medium", m.tmp / "cd:1");
  m.ports.sourceRoot = m.tmp / "cd:1/";
  state.selection = {false, false, true, false, true, false};
  ASSERT_TRUE(install());
  const std::string root = m.installRoot();
  EXPECT_EQ(m.tmp.read("home/Vendrik/Penvik/penvik.ini"),
            "[Penvik]\nPapir=A4\n\nPix=" + root + "Billeder\n");
  const std::string profile = m.tmp.read("home/Vendrik/Vorkel/q4dk.ini");
  EXPECT_NE(profile.find("\r\nCDRom=" + m.tmp.path() + "/cd:1\r\n"), std::string::npos) << profile;
  EXPECT_EQ(profile.find("\n", profile.find("Gemmested")) - 1,
            profile.find("\r", profile.find("Gemmested")));
  EXPECT_EQ(m.registry.readString(HKCR, "Q4.Application\\CDRom"), m.tmp.path() + "/cd:1");
}

TEST_F(InstallationRunTest, ADestinationThatCannotBeWrittenIsACopyFailure) {
  // A folder where the program should go: no copy can replace it.
  fs::create_directories(m.installRoot() + "Vorkel/q4");
  EXPECT_FALSE(install());
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.lastMessage().caption, "Advarsel");
  EXPECT_NE(m.ui.lastMessage().text.find("Vorkel/q4."), std::string::npos);
  // What was copied before is named for the uninstaller.
  EXPECT_EQ(logLines().front(), m.installRoot() + "uninst");
}

}  // namespace
}  // namespace vorkel::setup
