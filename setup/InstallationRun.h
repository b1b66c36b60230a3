#pragma once
// The installation itself: one pass, run when the copying page is shown the
// first time. It checks the shared libraries already in place, asks before
// replacing dictionaries the user may have changed, creates the folders,
// copies the selected programs from the medium with a line per file in the
// uninstall log "UnInst.inf", makes the shortcuts and the program group,
// and writes the configuration.
//
//   InstallationRun run(state, ports, progress);
//   if (!run.run()) terminate();        // a copy failure, already reported
//
// The medium may lack files of the copy tables (the solver's, the Windows
// libraries): a missing source is passed over and its destination is still
// logged. A source that exists and cannot be copied is a copy failure: the
// message names both paths and the installer ends, leaving what it copied
// (the log and the record name it for the uninstaller).

#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "setup/InstallPaths.h"
#include "setup/InstallRecord.h"
#include "setup/InstallerSystem.h"
#include "setup/ProgramFolder.h"
#include "setup/WizardState.h"

namespace vorkel {
class Registry;
class Ui;
}  // namespace vorkel

namespace vorkel::setup {

// The copying page's progress bar (0..100).
class ProgressPort {
 public:
  virtual ~ProgressPort() = default;
  virtual void setProgress(int position) = 0;
};

// The services the installer works through.
struct InstallerPorts {
  Ui& ui;
  Registry& registry;
  InstallerSystem& system;
  DesktopFolders folders;
  std::string sourceRoot;  // the medium: the folder of the running setup
};

class InstallationRun {
 public:
  InstallationRun(const WizardState& state, InstallerPorts& ports, ProgressPort& progress);

  // The whole run; false when a copy failure ended it.
  bool run();

  // --- the copy primitives ---

  // Whether two files hold the same number of 128-byte records; a file that
  // cannot be opened answers "same". With `report`, a difference is shown
  // as a copy failure for the pair.
  bool sameSize(const std::string& source, const std::string& destination, bool report);

  // True when the destination may be replaced: it is missing, or holds the
  // same bytes as the source, or the user answers Yes to the question.
  bool confirmDictionaryOverwrite(const std::string& source, const std::string& destination,
                                  std::string_view subject);

  const InstallPaths& paths() const { return paths_; }
  int progress() const { return position_; }
  const InstallRecord& record() const { return record_; }

 private:
  struct Stopped {};  // a copy failure ends the run

  void advance(int steps = 1);
  void copyFailed(const std::string& source, const std::string& destination);
  void createFolder(const std::string& path);
  // A logged copy with progress; throws Stopped on a copy failure.
  void copyLogged(const std::string& source, const std::string& destination);
  void copyFolder(std::string source, std::string target);
  void logLine(const std::string& destination);
  void checkLibraries(const char* const* names, std::size_t count, const std::string& folder);

  void generatorChecks();
  void drawerChecks();
  // False, after a message, when a selected program is not on the medium.
  bool programsOnMedium();
  void installSolver();
  void installGenerator();
  void installDrawer();
  // Makes the menu entry `link` in the program folder, with its icon.
  void shortcut(Shortcut shortcut, const char* link);
  // Copies a file of the medium that the uninstall log does not list (the
  // icon, the MIME types) and records it; false when it was not copied.
  bool copyRecorded(const std::string& source, const std::string& destination);
  void installDesktopTypes();

  const WizardState& state_;
  InstallerPorts& ports_;
  ProgressPort& progress_;
  InstallPaths paths_;
  InstallRecord record_;
  std::FILE* log_ = nullptr;  // the uninstall log, open for appending during the run
  int position_ = 0;
  int step_ = 1;
  bool drawerWordFile_ = true;
  std::map<std::string, bool> dictionaryAnswers_;
};

}  // namespace vorkel::setup
