// The wizard's flow as the pages drive it, without a window.
#include "setup/Wizard.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "SetupTestSupport.h"
#include "setup/InstallerTexts.h"

namespace vorkel::setup {
namespace {

constexpr double MB = 1048576.0;

struct WizardTest : ::testing::Test {
  testing::Machine m;
  Wizard wizard{m.ports};

  void go(Page expected) {
    wizard.next();
    ASSERT_EQ(wizard.page(), expected);
    wizard.activate();
  }
  // Welcome, destination, the folder page and back to the setup type:
  // "Tilpasset".
  void goToCustomPage() {
    go(Page::Destination);
    go(Page::Folder);
    wizard.back();
    wizard.activate();
    wizard.chooseSetupType(SetupType::Custom);
    go(Page::Custom);
  }
};

TEST_F(WizardTest, DefaultRouteInstallsTheGeneratorAlone) {
  m.makeMedium();
  EXPECT_EQ(wizard.page(), Page::Welcome);
  EXPECT_EQ(wizard.state().installRoot(), m.installRoot());
  go(Page::Destination);
  go(Page::Folder);
  EXPECT_EQ(wizard.state().selection, generatorOnly());
  EXPECT_EQ(wizard.state().languages.solverMain, 6);
  EXPECT_EQ(wizard.folderEdit, "Plindra");
  go(Page::Summary);
  // The summary says "Typisk" although the setup-type page was never shown.
  EXPECT_EQ(wizard.summary(), "Installations type:\n   Typisk\n\nInstalleres i biblioteket:\n   " +
                                  m.tmp.path() + "/home/Vendrik\n\nProgramikoner lægges i "
                                  "folderen:\n   Plindra");
  wizard.next();
  testing::NoProgress progress;
  wizard.activate(&progress);
  ASSERT_EQ(wizard.page(), Page::Complete);
  EXPECT_EQ(progress.positions.back(), 100);
  EXPECT_TRUE(m.ui.messages.empty());
  EXPECT_TRUE(std::filesystem::exists(m.installRoot() + "Vorkel/q4"));

  // A second activation of the copying page never copies again.
  wizard.activate(&progress);
  EXPECT_EQ(wizard.page(), Page::Complete);

  // "&Afslut" ends the installer; this machine opens ".htm" but has no
  // ".chm" handler and no DCOM: the help update and the DCOM installer.
  wizard.next();
  EXPECT_TRUE(wizard.terminated());
  EXPECT_EQ(m.system.started,
            (std::vector<std::string>{m.tmp.path() + "/medium/HHUpd/da/hhupd.exe",
                                      m.tmp.path() + "/medium/ie5/da/Dcom95.exe /c"}));
}

// The installation needs a folder of its own below the chosen one: an
// empty name, "." or ".." (which would name the chosen folder or one above
// it) keeps the destination page with a message.
TEST_F(WizardTest, TheDestinationNeedsAFolderNameOfItsOwn) {
  const struct {
    const char* name;
    bool accepted;
  } cases[] = {{"", false},      {".", false},        {"..", false}, {"a/../..", false},
               {"a//b", false},  {"Anden", true},     {"Programmer/Vendrik", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Wizard w(m.ports);
    w.next();  // the destination page
    w.activate();
    w.setDestination(m.tmp / "home", c.name);
    const std::size_t messages = m.ui.messages.size();
    w.next();
    EXPECT_EQ(w.page() != Page::Destination, c.accepted);
    EXPECT_EQ(m.ui.messages.size(), messages + (c.accepted ? 0 : 1));
  }
}

TEST_F(WizardTest, BackFromTheFolderPageReachesSetupTypeWithTypical) {
  m.makeMedium();
  m.addSolverAndDrawer(true);
  go(Page::Destination);
  go(Page::Folder);
  wizard.folderEdit = "Egen mappe";
  wizard.back();
  ASSERT_EQ(wizard.page(), Page::SetupType);
  EXPECT_EQ(wizard.state().programFolderName, "Egen mappe");  // Back stores the name too
  wizard.activate();
  EXPECT_EQ(wizard.state().setupType, SetupType::Typical);
  // Typisk now stands for all three programs, not the generator alone.
  EXPECT_EQ(wizard.state().selection, ProgramSelection{});
  EXPECT_EQ(wizard.spaceNeededText(), "271 Mb");
  go(Page::Folder);
  EXPECT_EQ(wizard.folderEdit, "Egen mappe");
  wizard.back();
  EXPECT_EQ(wizard.page(), Page::SetupType);
  wizard.back();
  EXPECT_EQ(wizard.page(), Page::Destination);
  wizard.back();
  EXPECT_EQ(wizard.page(), Page::Welcome);
}

TEST_F(WizardTest, SetupTypeRefusesTooLittleSpaceAndPassesExactlyEnough) {
  m.makeMedium();
  m.addSolverAndDrawer(true);
  go(Page::Destination);
  go(Page::Folder);
  wizard.back();
  wizard.activate();
  m.system.free = 270 * MB;
  wizard.next();
  EXPECT_EQ(wizard.page(), Page::SetupType);
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.lastMessage().caption, "Plindra ");
  EXPECT_EQ(m.ui.lastMessage().text, texts::notEnoughSpace);
  m.system.free = 271 * MB;
  wizard.next();
  EXPECT_EQ(wizard.page(), Page::Folder);
  m.system.free = 1001 * MB;
  EXPECT_EQ(wizard.spaceAvailableText(), "Rigeligt");
}

TEST_F(WizardTest, CustomPageChecksLanguagesAndRefusals) {
  m.makeMedium();
  m.addSolverAndDrawer(true);
  m.tmp.write("medium/q4us", "q4 in English");
  m.tmp.write("medium/help-en/index.html", "<html>help</html>");
  goToCustomPage();
  EXPECT_TRUE(wizard.languageBoxesFilled());
  // The generator's and the drawer's boxes move together.
  wizard.setLanguageIndex(LanguageBox::DrawerHelp, 1);
  EXPECT_EQ(wizard.languageIndex(LanguageBox::GeneratorMain), 1);
  EXPECT_EQ(wizard.languageIndex(LanguageBox::DrawerMain), 1);
  EXPECT_EQ(wizard.languageIndex(LanguageBox::SolverMain), 0);
  wizard.setLanguageIndex(LanguageBox::SolverDictionary, 2);

  wizard.setChecks({false, false, false, false});
  EXPECT_EQ(wizard.spaceNeededText(), "0 Kb");
  wizard.next();
  EXPECT_EQ(wizard.page(), Page::Custom);
  EXPECT_EQ(m.ui.lastMessage().text, texts::noProgramChosen);
  // With a failed free-space query even nothing is refused for space.
  m.system.free = -1;
  wizard.next();
  EXPECT_EQ(m.ui.lastMessage().text, texts::notEnoughSpace);

  m.system.free = 50e9;
  wizard.setChecks({true, true, true, false});
  wizard.next();
  ASSERT_EQ(wizard.page(), Page::Folder);
  EXPECT_EQ(wizard.state().languages.generator, 9);  // "Engelsk"
  EXPECT_EQ(wizard.state().languages.drawer, 9);
  EXPECT_EQ(wizard.state().languages.solverDictionary, 7);  // "Tysk"
  EXPECT_EQ(wizard.state().languages.solverMain, 6);

  // Back returns to the custom page, which keeps what the user chose.
  wizard.back();
  ASSERT_EQ(wizard.page(), Page::Custom);
  wizard.activate();
  EXPECT_EQ(wizard.languageIndex(LanguageBox::GeneratorHelp), 1);
  EXPECT_TRUE(wizard.checks().solverCompact);
}

// The pages offer only the programs and languages the medium holds: the
// typical route drops what is missing, the custom page keeps it unchecked
// and its language entries unchosen.
TEST_F(WizardTest, OnlyWhatTheMediumHoldsIsOffered) {
  const struct {
    const char* name;
    std::vector<const char*> files;  // on the medium
    ProgramSelection typical;
    std::vector<bool> linked;  // Dansk, Engelsk, Tysk, Spansk
  } cases[] = {
      {"generator alone, in Danish", {"q4", "help/index.html"},
       {false, false, true, false, false, false}, {true, false, false, false}},
      {"English program without its help", {"q4", "help/index.html", "q4us", "penvik"},
       {false, false, true, false, true, false}, {true, false, false, false}},
      {"German with help, Danish without", {"q4", "q4de", "hilfe/index.html", "xrundel"},
       {true, false, true, false, false, false}, {false, false, true, false}},
      {"drawing program alone", {"penvik"}, {false, false, false, false, true, false},
       {true, true, true, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Machine machine;
    for (const char* f : c.files) machine.tmp.write(std::string("medium/") + f, "x");
    Wizard w(machine.ports);
    w.chooseSetupType(SetupType::Typical);
    EXPECT_EQ(w.state().selection, c.typical);
    w.chooseSetupType(SetupType::Compact);
    EXPECT_EQ(w.state().selection.solverCompact, c.typical.solver);

    w.next();
    w.next();
    w.back();  // the setup-type page
    w.chooseSetupType(SetupType::Custom);
    w.next();
    ASSERT_EQ(w.page(), Page::Custom);
    w.activate();
    EXPECT_EQ(w.checks().solver, c.typical.solver);
    EXPECT_EQ(w.checks().generator, c.typical.generator);
    EXPECT_EQ(w.checks().drawer, c.typical.drawer);
    w.setChecks({true, false, true, true});  // a missing program cannot be checked
    EXPECT_EQ(w.checks().solver, c.typical.solver);
    EXPECT_EQ(w.checks().drawer, c.typical.drawer);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(w.languageOffered(LanguageBox::GeneratorHelp, i), c.linked[i]) << i;
      w.setLanguageIndex(LanguageBox::DrawerMain, i);
      EXPECT_EQ(w.languageIndex(LanguageBox::GeneratorMain) == i, c.linked[i]) << i;
    }
  }
}

// Help in English chosen for a generator the medium has only in Danish:
// the entry is not taken, and a state that names it anyway fails the run
// with a message before anything is copied.
TEST_F(WizardTest, AProgramTheMediumLacksIsAFailedInstallation) {
  m.makeMedium();
  goToCustomPage();
  wizard.setChecks({false, false, true, false});
  wizard.setLanguageIndex(LanguageBox::GeneratorHelp, 1);  // "Engelsk"
  EXPECT_EQ(wizard.languageIndex(LanguageBox::GeneratorMain), 0);
  go(Page::Folder);
  EXPECT_EQ(wizard.state().languages.generator, 6);

  wizard.state().languages.generator = 9;
  go(Page::Summary);
  wizard.next();
  wizard.activate();
  EXPECT_TRUE(wizard.terminated());
  EXPECT_TRUE(wizard.installationFailed());
  EXPECT_NE(wizard.page(), Page::Complete);
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.lastMessage().text,
            "Installationen må desværre afbrydes, da programmet Vorkel ikke findes på "
            "installationsmediet (" + m.tmp.path() + "/medium/q4us).");
  EXPECT_FALSE(std::filesystem::exists(m.installRoot()));
}

TEST_F(WizardTest, ProgramFoldersAreListedOnTheFirstActivationOnly) {
  m.tmp.write("home/.local/share/applications/Spil/a.desktop", "");
  m.tmp.write("home/.local/share/applications/Kontor/b.desktop", "");
  m.tmp.write("home/.local/share/applications/c.desktop", "");
  go(Page::Destination);
  go(Page::Folder);
  EXPECT_EQ(wizard.state().programsFolder, m.tmp.path() + "/home/.local/share/applications/");
  ASSERT_EQ(wizard.existingFolders(), (std::vector<std::string>{"Kontor", "Spil"}));
  wizard.pickExistingFolder(1);
  EXPECT_EQ(wizard.folderEdit, "Spil");
  wizard.pickExistingFolder(7);  // no such entry: nothing changes
  EXPECT_EQ(wizard.folderEdit, "Spil");

  m.tmp.write("home/.local/share/applications/Ny/d.desktop", "");
  wizard.next();
  wizard.back();
  wizard.activate();
  EXPECT_EQ(wizard.existingFolders().size(), 2u);
}

TEST_F(WizardTest, ACopyFailureEndsTheInstaller) {
  m.makeMedium();
  // An installed library of another size stops the run before anything
  // is copied.
  m.tmp.write("medium/Owl52.dll", std::string(300, 'x'));
  m.tmp.write("home/Vendrik/Vorkel/Owl52.dll", std::string(100, 'x'));
  go(Page::Destination);
  go(Page::Folder);
  go(Page::Summary);
  wizard.next();
  wizard.activate();
  EXPECT_TRUE(wizard.terminated());
  EXPECT_TRUE(wizard.installationFailed());  // setup exits with status 1
  EXPECT_EQ(wizard.page(), Page::Copying);
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.lastMessage().caption, "Advarsel");
  EXPECT_EQ(m.ui.lastMessage().text,
            "Installationen må desværre afbrydes, da det ikke er muligt at kopiere fra " +
                m.tmp.path() + "/medium/Owl52.dll til " + m.installRoot() + "Vorkel/Owl52.dll.");
  EXPECT_FALSE(std::filesystem::exists(m.installRoot() + "UnInst.inf"));
  EXPECT_TRUE(m.system.started.empty());
}

}  // namespace
}  // namespace vorkel::setup
