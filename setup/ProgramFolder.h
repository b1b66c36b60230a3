#pragma once
// The user's program menu: its folder, the existing program folders in it,
// the shortcuts (freedesktop desktop entries) and the group that shows a
// program folder as a submenu.
//
// The applications folder of the freedesktop conventions
// ($XDG_DATA_HOME/applications/) is the Programs folder; a program folder is
// a subfolder of it; a shortcut is a desktop-entry file there. Desktop menus
// show subfolders only when a menu file asks for them, so showing the group
// writes a menu-merge file ($XDG_CONFIG_HOME/menus/applications-merged/)
// and a directory entry ($XDG_DATA_HOME/desktop-directories/) that name the
// program folder's entries.
//
//   std::string programs = programsFolder(registry, folders);
//   createShortcut(target, programs + "Plindra/Vorkel.desktop", "Generator", folder);
//   showProgramGroup(programs, "Plindra", folders, record);

#include <string>
#include <string_view>
#include <vector>

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

struct DesktopFolders;
class InstallRecord;

// The value "Programs" of the key
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders, else the user's applications
// folder; always with a "/" at its end.
std::string programsFolder(const Registry& registry, const DesktopFolders& folders);

// The names of the folders in the Programs folder, sorted; empty when it
// cannot be listed.
std::vector<std::string> existingProgramFolders(const std::string& programsFolder);

// How a shortcut starts its target: a program is run, any other file
// (help pages) is opened with the desktop's handler.
enum class ShortcutKind { Program, Document, Uninstaller };

// One menu entry: what it starts and how the menu shows it.
struct Shortcut {
  std::string target;         // the program, or the file it opens
  std::string argument;       // one argument after a program ("" for none)
  bool takesFile = false;     // the program opens the file it is given ("%f")
  std::string description;    // the entry's comment
  std::string workingFolder;
  ShortcutKind kind = ShortcutKind::Program;
  std::string icon;           // an absolute file, or a name of the icon theme
  std::string mimeTypes;      // the types it opens, each followed by ";"
};

// Writes the desktop entry `linkFile` (a ".desktop" path) for `shortcut`,
// its name the file's name without ".desktop". False when it cannot be
// written.
bool createShortcut(const Shortcut& shortcut, const std::string& linkFile);

// The names the menu files of a program folder get (without folders).
std::string menuFileName(std::string_view programFolderName);
std::string directoryFileName(std::string_view programFolderName);

// Shows the program folder as a submenu of the desktop's menu, holding the
// desktop entries that are in it now. Files made are added to the record.
// False when a file could not be written.
bool showProgramGroup(const std::string& programsFolder, std::string_view programFolderName,
                      const DesktopFolders& folders, InstallRecord& record);

}  // namespace vorkel::setup
