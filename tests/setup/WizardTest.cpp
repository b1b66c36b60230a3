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
  go(Page::Destination);
  go(Page::Folder);
  wizard.back();
  wizard.activate();
  wizard.chooseSetupType(SetupType::Custom);
  go(Page::Custom);
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
