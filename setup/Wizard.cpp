#include "setup/Wizard.h"

#include "platform/Files.h"
#include "platform/Ui.h"
#include "setup/Destination.h"
#include "setup/InstallerLanguage.h"
#include "setup/InstallerTexts.h"
#include "setup/ProgramFolder.h"

namespace vorkel::setup {

namespace {

// A name of one or more folders below the chosen one: no empty part, no
// "." or "..", which would name the chosen folder or one above it.
bool isFolderName(std::string_view name) {
  for (;;) {
    const std::size_t end = name.find_first_of("/\\");
    const std::string_view part = name.substr(0, end);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == std::string_view::npos) return true;
    name.remove_prefix(end + 1);
  }
}

// The selection without the programs the medium does not hold.
ProgramSelection offeredOnly(ProgramSelection s, const MediumContents& medium) {
  if (!medium.solver) s.solver = s.solverCompact = false;
  if (!medium.generator) s.generator = s.generatorCompact = false;
  if (!medium.drawer) s.drawer = s.drawerCompact = false;
  return s;
}

}  // namespace

Wizard::Wizard(InstallerPorts& ports) : ports_(ports) {
  setStartLanguages(state_.languages, BuildLanguage);
  setup::setDestination(state_, programFilesFolder(ports.registry, ports.folders.home),
                        DefaultDestinationName);
  state_.programFolderName = texts::folderDefault;
  folderEdit = texts::folderDefault;
}

void Wizard::setDestination(const std::string& folder, const std::string& name) {
  setup::setDestination(state_, folder, name);
}

std::string Wizard::shortenedDestination() const {
  return shortenedPath(state_.destinationBase, state_.destinationName);
}

double Wizard::spaceNeeded() const {
  return spaceNeededMb(state_.selection,
                       prerequisitesNeeded(readSystemFacts(ports_.registry, ports_.system)));
}

long Wizard::spaceAvailable() const {
  return freeMegabytes(ports_.system.freeBytes(state_.installRoot()));
}

std::string Wizard::spaceNeededText() const { return setup::spaceNeededText(spaceNeeded()); }

std::string Wizard::spaceAvailableText() const {
  return setup::spaceAvailableText(spaceAvailable());
}

bool Wizard::spaceRefused() {
  if (enoughSpace(spaceNeeded(), spaceAvailable())) return false;
  ports_.ui.messageBox(texts::notEnoughSpace, texts::refusalCaption, Icon::None, Buttons::Ok);
  return true;
}

void Wizard::chooseSetupType(SetupType type) {
  state_.setupType = type;
  state_.selection = offeredOnly(selectionForSetupType(type, checks_), medium());
}

void Wizard::setChecks(const ProgramChecks& checks) {
  const MediumContents m = medium();
  checks_ = checks;
  checks_.solver = checks.solver && m.solver;
  checks_.generator = checks.generator && m.generator;
  checks_.drawer = checks.drawer && m.drawer;
  state_.selection = selectionForSetupType(SetupType::Custom, checks_);
}

bool Wizard::languageOffered(LanguageBox box, int index) const {
  if (index < 0 || index > 3) return false;
  if (isLinked(box)) return medium().linkedLanguage(index);
  if (box == LanguageBox::SolverHelp) return medium().solverHelp[index];
  return true;
}

void Wizard::setLanguageIndex(LanguageBox box, int index) {
  if (!languageOffered(box, index)) return;
  languageIndex_[static_cast<int>(box)] = index;
  if (isLinked(box))
    for (int b = 0; b < LanguageBoxCount; ++b)
      if (isLinked(static_cast<LanguageBox>(b))) languageIndex_[b] = index;
}

void Wizard::pickExistingFolder(std::size_t index) {
  if (index < existingFolders_.size()) folderEdit = existingFolders_[index];
}

void Wizard::storeFolderName() { state_.programFolderName = folderEdit; }

std::string Wizard::summary() const {
  std::string s = std::string(texts::summaryType) + "\n";
  s += std::string("   ") + texts::setupTypeItems[static_cast<int>(state_.setupType)] + "\n\n";
  s += std::string(texts::summaryFolder) + "\n";
  s += "   " + state_.destinationBase + state_.destinationName + "\n\n";
  s += std::string(texts::summaryIcons) + "\n";
  s += "   " + state_.programFolderName;
  return s;
}

void Wizard::activate(ProgressPort* progress) {
  switch (page_) {
    case Page::SetupType:
      chooseSetupType(state_.setupType);
      break;
    case Page::Custom:
      if (!languagesFilled_) {
        languagesFilled_ = true;
        setChecks(checks_);  // a program the medium lacks stays unchecked
        const MediumContents m = medium();
        for (int b = 0; b < LanguageBoxCount; ++b)
          languageIndex_[b] = isLinked(static_cast<LanguageBox>(b)) ? m.firstLinkedLanguage() : 0;
        for (int i = 0; i < 4; ++i)
          if (m.solverHelp[i]) {
            languageIndex_[static_cast<int>(LanguageBox::SolverHelp)] = i;
            break;
          }
        setSolverLanguages(state_.languages, BuildLanguage);
      }
      break;
    case Page::Folder:
      if (!foldersListed_) {
        foldersListed_ = true;
        state_.programsFolder = programsFolder(ports_.registry, ports_.folders);
        existingFolders_ = existingProgramFolders(state_.programsFolder);
      }
      break;
    case Page::Copying: {
      if (installed_) break;
      installed_ = true;
      struct NoProgress : ProgressPort {
        void setProgress(int) override {}
      } none;
      InstallationRun run(state_, ports_, progress ? *progress : none);
      if (run.run()) {
        page_ = Page::Complete;
      } else {
        terminated_ = true;
        installationFailed_ = true;
      }
      break;
    }
    default: break;
  }
}

void Wizard::next() {
  switch (page_) {
    case Page::Welcome: page_ = Page::Destination; break;
    case Page::Destination:
      // Without a folder name of its own the installation's files would lie
      // loose in the chosen folder (the home folder, say), and its removal
      // would offer to list all of that folder.
      if (!isFolderName(state_.destinationName)) {
        ports_.ui.messageBox(texts::destinationNameMissing, texts::refusalCaption, Icon::None,
                             Buttons::Ok);
        break;
      }
      state_.selection = generatorOnly();
      setAllLanguages(state_.languages, BuildLanguage);
      page_ = Page::Folder;
      break;
    case Page::SetupType:
      setSolverLanguages(state_.languages, BuildLanguage);
      if (state_.setupType == SetupType::Custom) {
        page_ = Page::Custom;
      } else if (!state_.selection.any()) {
        // The medium holds none of the programs.
        ports_.ui.messageBox(texts::noProgramChosen, texts::refusalCaption, Icon::None, Buttons::Ok);
      } else if (!spaceRefused()) {
        page_ = Page::Folder;
      }
      break;
    case Page::Custom: {
      if (spaceRefused()) break;
      if (!state_.selection.any()) {
        ports_.ui.messageBox(texts::noProgramChosen, texts::refusalCaption, Icon::None, Buttons::Ok);
        break;
      }
      auto code = [&](LanguageBox b) { return texts::languageEntries[languageIndex(b)].code; };
      state_.languages.solverMain = code(LanguageBox::SolverMain);
      state_.languages.solverDictionary = code(LanguageBox::SolverDictionary);
      state_.languages.solverHelp = code(LanguageBox::SolverHelp);
      state_.languages.generator = code(LanguageBox::GeneratorMain);
      state_.languages.drawer = code(LanguageBox::DrawerMain);
      page_ = Page::Folder;
      break;
    }
    case Page::Folder:
      storeFolderName();
      page_ = Page::Summary;
      break;
    case Page::Summary: page_ = Page::Copying; break;
    case Page::Copying: break;
    case Page::Complete: finish(); break;
  }
}

void Wizard::back() {
  switch (page_) {
    case Page::Destination: page_ = Page::Welcome; break;
    case Page::SetupType: page_ = Page::Destination; break;
    case Page::Custom: page_ = Page::SetupType; break;
    case Page::Folder:
      storeFolderName();
      page_ = state_.setupType == SetupType::Custom ? Page::Custom : Page::SetupType;
      break;
    case Page::Summary: page_ = Page::Folder; break;
    default: break;
  }
}

void Wizard::finish() {
  if (terminated_) return;
  terminated_ = true;
  SystemFacts facts = readSystemFacts(ports_.registry, ports_.system);
  for (const auto& line : prerequisiteCommands(facts, BuildLanguage, Files::withTrailingSeparator(ports_.sourceRoot))) {
    ports_.system.start(line);  // a start that fails is ignored
    started_.push_back(line);
  }
}

}  // namespace vorkel::setup
