#pragma once
// What the installed programs leave behind on their own once they are used,
// beyond what the installation recorded, and how the uninstaller takes it
// away again without touching what belongs to someone else:
//
//  - the generator registers the template file type at every start: ".skb"
//    and "Q4.Application\DefaultIcon" name its program file,
//    "Q4.Document.1\DefaultIcon" the same followed by ",1";
//  - the drawing program logs every crossword handed over to it
//    ($XDG_STATE_HOME/vorkel/penvik.log);
//  - the registry store keeps a lock file beside itself;
//  - the window link keeps its sockets in a folder ($XDG_RUNTIME_DIR, else
//    ~/.cache);
//  - the user's MIME and desktop-entry caches, rebuilt from the files the
//    installation put there.
//
// The folders for these are made by the programs, not by the installer, so
// the installer records the ones missing when it runs (without making them):
//
//   recordProgramFolders(registry.filePath(), folders, record);  // setup
//   removeGeneratorRegistration(registry, installRoot);          // uninst
//   removeHandOverLog(folders, installRoot);
//   removeEmptyStore(registry);

#include <string>
#include <vector>

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

struct DesktopFolders;
class InstallRecord;
class InstallerSystem;

// The drawing program's log where it keeps it by default.
std::string handOverLogPath(const DesktopFolders& folders);

// Records the levels, missing now, of the folders the programs will make
// in the user's home (the registry store's, the log's, the window link's);
// nothing is made. The uninstaller removes them again once they are empty.
void recordProgramFolders(const std::string& registryFile, const DesktopFolders& folders,
                          InstallRecord& record);

// Deletes the generator's file-type values while they name a program below
// `installRoot` (another installation's or the package's stay), then their
// keys once they are empty.
void removeGeneratorRegistration(Registry& registry, const std::string& installRoot);

// Deletes the drawing program's log while every crossword it names lies
// below `installRoot`; a log that names anything else stays whole. False
// when there is a log and it stays.
bool removeHandOverLog(const DesktopFolders& folders, const std::string& installRoot);

// The folder of the window link's sockets and its session key.
std::string windowFolderPath(const DesktopFolders& folders);

// Deletes the window link's session key while no window is open (the
// folder holds nothing else).
void removeIdleWindowFolder(const DesktopFolders& folders);

// Deletes the registry store and its lock file once the store holds no key
// at all.
void removeEmptyStore(const Registry& registry);

// After the installation's MIME types and desktop entries are gone: rebuilds
// the user's caches, then removes them where the installation made their
// folder and nothing but the caches is left in it (no MIME package of anyone
// else, no other file in the applications folder).
void removeDesktopCaches(const DesktopFolders& folders, const std::vector<std::string>& madeFolders,
                         InstallerSystem& system);

}  // namespace vorkel::setup
