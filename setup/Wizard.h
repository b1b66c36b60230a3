#pragma once
// The installer wizard as a model: the pages, what each shows and stores,
// and the transitions between them. The Qt pages (setup/qt) are thin views
// of this object: they show the current page, put the user's input into it
// and call the button's operation.
//
//   Wizard wizard(ports);            // state at start, destination default
//   wizard.activate();               // the current page became active
//   wizard.next();                   // Next on the current page
//   if (wizard.page() == Page::Copying) wizard.activate();   // runs the copy
//
// Next takes this route: welcome, destination, program folder, summary,
// copying, completion. The setup-type and custom pages are reached by Back
// from the program-folder page. Messages (not enough space, no program,
// copy failure, dictionary questions) go through the ui port of `ports`.

#include <string>
#include <vector>

#include "setup/InstallationRun.h"
#include "setup/MediumContents.h"
#include "setup/Prerequisites.h"
#include "setup/WizardState.h"

namespace vorkel::setup {

enum class Page { Welcome, Destination, SetupType, Custom, Folder, Summary, Copying, Complete };

// The seven language boxes of the custom page.
enum class LanguageBox {
  SolverMain,
  SolverHelp,
  SolverDictionary,
  GeneratorMain,
  GeneratorHelp,
  DrawerMain,
  DrawerHelp
};
inline constexpr int LanguageBoxCount = 7;

// The generator's and the drawer's boxes (main and help language) show one
// entry together.
constexpr bool isLinked(LanguageBox box) {
  return box == LanguageBox::GeneratorMain || box == LanguageBox::GeneratorHelp ||
         box == LanguageBox::DrawerMain || box == LanguageBox::DrawerHelp;
}

class Wizard {
 public:
  explicit Wizard(InstallerPorts& ports);

  Page page() const { return page_; }
  WizardState& state() { return state_; }
  const WizardState& state() const { return state_; }
  // True once the installer is to end (exit dialog, copy failure, completion).
  bool terminated() const { return terminated_; }
  // The copy run ended without finishing: the program exits with status 1.
  bool installationFailed() const { return installationFailed_; }

  // --- buttons ---
  void next();
  void back();
  // "&Afslut" in the exit dialog: end with nothing undone.
  void exitInstaller() { terminated_ = true; }
  // "&Afslut" on the completion page (or closing it): end, then start the
  // prerequisite installers the machine needs.
  void finish();

  // The current page became active. First activations fill the custom
  // page's boxes and list the program folders; the copying page runs the
  // installation once and then moves on to the completion page.
  void activate(ProgressPort* progress = nullptr);

  // --- destination and folder browser ---
  void setDestination(const std::string& folder, const std::string& name);
  std::string shortenedDestination() const;

  // What the medium holds: the pages offer only these programs and languages.
  MediumContents medium() const { return MediumContents::of(ports_.sourceRoot); }

  // --- setup type ---
  // The selection of the type, without the programs the medium lacks.
  void chooseSetupType(SetupType type);

  // --- custom page ---
  const ProgramChecks& checks() const { return checks_; }
  void setChecks(const ProgramChecks& checks);
  int languageIndex(LanguageBox box) const { return languageIndex_[static_cast<int>(box)]; }
  // Choosing an entry in one of the generator's or drawer's boxes sets the
  // other three of those four to the same entry. An entry whose program or
  // help the medium lacks is not taken.
  void setLanguageIndex(LanguageBox box, int index);
  bool languageOffered(LanguageBox box, int index) const;
  bool languageBoxesFilled() const { return languagesFilled_; }

  // --- program folder ---
  std::string folderEdit;  // edProgramFolder
  const std::vector<std::string>& existingFolders() const { return existingFolders_; }
  void pickExistingFolder(std::size_t index);

  // --- texts of the pages ---
  std::string summary() const;
  double spaceNeeded() const;
  long spaceAvailable() const;
  std::string spaceNeededText() const;
  std::string spaceAvailableText() const;

  // The command lines `finish` started.
  const std::vector<std::string>& startedPrerequisites() const { return started_; }

 private:
  bool spaceRefused();
  void storeFolderName();

  InstallerPorts& ports_;
  WizardState state_;
  Page page_ = Page::Welcome;
  bool terminated_ = false;
  ProgramChecks checks_;
  int languageIndex_[LanguageBoxCount] = {};
  bool languagesFilled_ = false;
  bool foldersListed_ = false;
  bool installed_ = false;  // the copy run happens once
  bool installationFailed_ = false;
  std::vector<std::string> existingFolders_;
  std::vector<std::string> started_;
};

}  // namespace vorkel::setup
