#pragma once
// The uninstaller: removes one installation, exactly what it made.
//
//   Uninstaller uninstaller(ui, registry, system, folders);
//   uninstaller.run(installRoot, /*confirm=*/true);
//
// It works from the record the copy run keeps beside the uninstall log
// (setup/InstallRecord.h): the files it copied or wrote, the registry
// values it wrote and the keys and folders it created. A file is removed
// only when the record names it; a dictionary that changed since it was
// copied is removed only when the user says so; the user's own files (the
// crosswords in the output folder, say) stay, and so do the folders that
// hold them. Registry keys and folders go when they are empty. Last go the
// log, the record and the install root itself when nothing is left in it.
// What the programs wrote on their own while they were used goes too, as
// long as it is this installation's (setup/ProgramTraces.h); the registry
// store goes once it holds nothing.

#include <string>
#include <vector>

#include "setup/InstallerSystem.h"

namespace vorkel {
class Registry;
class Ui;
}  // namespace vorkel

namespace vorkel::setup {

class Uninstaller {
 public:
  Uninstaller(Ui& ui, Registry& registry, InstallerSystem& system, DesktopFolders folders)
      : ui_(ui), registry_(registry), system_(system), folders_(std::move(folders)) {}

  // Removes the installation in `installRoot`. With `confirm`, asks first
  // and shows what was kept at the end. False when there is no installation
  // there or the user said No.
  bool run(const std::string& installRoot, bool confirm);

  // Files left behind because the installation did not make them or the
  // user kept them.
  const std::vector<std::string>& kept() const { return kept_; }

 private:
  bool mayRemove(const std::string& path, const std::string& installRoot) const;
  bool mayRemoveFolder(const std::string& folder, const std::string& installRoot) const;
  Ui& ui_;
  Registry& registry_;
  InstallerSystem& system_;
  DesktopFolders folders_;
  std::vector<std::string> kept_;
};

}  // namespace vorkel::setup
