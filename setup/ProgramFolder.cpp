#include "setup/ProgramFolder.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "setup/InstallRecord.h"
#include "setup/InstallerSystem.h"

namespace vorkel::setup {

namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::size_t kMaxGroupText = 255;

// Desktop-entry values escape backslashes and line breaks.
std::string entryValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

// An argument of Exec: quoted, with the characters the desktop-entry format
// reserves inside quotes escaped, and "%" doubled so it is no field code.
// The value is then escaped once more as any string value.
std::string execArgument(std::string_view arg) {
  std::string out = "\"";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  return out + "\"";
}

std::string xmlText(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A program-folder name as one file-name part: separators become "-".
std::string flatName(std::string_view name) {
  std::string out(name.substr(0, kMaxGroupText));
  while (!out.empty() && Files::isSeparator(out.back())) out.pop_back();
  for (char& c : out)
    if (Files::isSeparator(c)) c = '-';
  return out;
}

bool writeRecorded(const std::string& path, const std::string& text, InstallRecord& record) {
  if (!createFoldersRecorded(Files::parentFolder(path), record)) return false;
  if (!Files::writeFileAtomically(path, text)) return false;
  if (auto print = fingerprint(path)) record.addFile(*print);
  return true;
}

}  // namespace

std::string programsFolder(const Registry& registry, const DesktopFolders& folders) {
  std::string dir = registry.readString(RegistryRoot::CurrentUser, kShellFolders, "Programs");
  if (dir.empty()) dir = folders.dataHome + "/applications";
  return Files::withTrailingSeparator(dir);
}

std::vector<std::string> existingProgramFolders(const std::string& programsFolder) {
  std::vector<DirEntry> entries;
  std::vector<std::string> names;
  Files::listDirectory(Files::joinPath(programsFolder, "*.*"), entries);
  for (const auto& e : entries)
    if (e.isFolder) names.push_back(e.name);
  return names;
}

bool createShortcut(const Shortcut& shortcut, const std::string& linkFile) {
  std::string name(Files::fileName(linkFile));
  if (auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  std::string exec = execArgument(shortcut.target);
  if (shortcut.kind == ShortcutKind::Document) exec = "xdg-open " + exec;
  if (!shortcut.argument.empty()) exec += " " + execArgument(shortcut.argument);
  if (shortcut.takesFile) exec += " %f";
  // Where a desktop has no submenu for the program folder, the entries
  // still stand together: the programs and their help among the games, the
  // uninstaller among the settings.
  const char* categories = shortcut.kind == ShortcutKind::Program ? "Game;LogicGame;"
                           : shortcut.kind == ShortcutKind::Document
                               ? "Game;LogicGame;Documentation;"
                               : "Settings;PackageManager;";
  std::string text = "[Desktop Entry]\n"
                     "Type=Application\n"
                     "Name=" + entryValue(name) + "\n";
  // A comment that only repeats the name ("Hjælp til Vorkelen") is left
  // out: menus show it as a tooltip, and the desktop's checker warns.
  if (shortcut.description != name) text += "Comment=" + entryValue(shortcut.description) + "\n";
  text += "Exec=" + entryValue(exec) + "\n" +
          "Path=" + entryValue(shortcut.workingFolder) + "\n" +
          "Terminal=false\n" +
          "Icon=" + entryValue(shortcut.icon) + "\n" +
          "Categories=" + categories + "\n";
  if (!shortcut.mimeTypes.empty()) text += "MimeType=" + entryValue(shortcut.mimeTypes) + "\n";
  return Files::writeFileAtomically(linkFile, text);
}

std::string menuFileName(std::string_view programFolderName) {
  return "vendrik-" + flatName(programFolderName) + ".menu";
}

std::string directoryFileName(std::string_view programFolderName) {
  return "vendrik-" + flatName(programFolderName) + ".directory";
}

bool showProgramGroup(const std::string& programsFolder, std::string_view programFolderName,
                      const DesktopFolders& folders, InstallRecord& record) {
  std::string group(programFolderName.substr(0, kMaxGroupText));
  while (!group.empty() && Files::isSeparator(group.back())) group.pop_back();
  if (group.empty()) return false;

  // The desktop-file id of an entry below the applications folder is its
  // relative path with "/" turned into "-".
  std::vector<DirEntry> entries;
  Files::listDirectory(Files::joinPath(programsFolder + group, "*.desktop"), entries);
  std::string includes;
  for (const auto& e : entries)
    if (!e.isFolder) includes += "      <Filename>" + xmlText(flatName(group) + "-" + e.name) +
                                 "</Filename>\n";

  std::string directory = directoryFileName(group);
  std::string menu =
      "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
      " \"http://www.freedesktop.org/standards/menu-sp"
      "ec/1.0/menu.dtd\">\n"
      "<Menu>\n"
      "  <Name>Applications</Name>\n"
      "  <Menu>\n"
      "    <Name>" + xmlText(group) + "</Name>\n"
      "    <Directory>" + xmlText(directory) + "</Directory>\n"
      "    <Include>\n" + includes +
      "    </Include>\n"
      "  </Menu>\n"
      "</Menu>\n";
  std::string entry = "[Desktop Entry]\nType=Directory\nName=" + entryValue(group) +
                      "\nIcon=folder\n";
  bool ok = writeRecorded(folders.dataHome + "/desktop-directories/" + directory, entry, record);
  ok = writeRecorded(folders.configHome + "/menus/applications-merged/" + menuFileName(group), menu,
                     record) && ok;
  return ok;
}

}  // namespace vorkel::setup
