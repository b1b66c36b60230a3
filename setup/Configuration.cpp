#include "setup/Configuration.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/Files.h"
#include "setup/InstallPaths.h"
#include "setup/InstallRecord.h"
#include "setup/InstallerSystem.h"
#include "setup/InstallerTexts.h"
#include "setup/WizardState.h"

namespace vorkel::setup {

namespace {

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCR = RegistryRoot::ClassesRoot;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kVendrik = "SOFTWARE\\Vendrik\\";
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kFontsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";

struct Font {
  const char* file;
  const char* valueName;
};
constexpr Font kFonts[] = {{"techncln.ttf", "Technical (TrueType)"},
                           {"techncli.ttf", "Technical Italic (TrueType)"}};

std::string withoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && Files::isSeparator(path.back())) path.pop_back();
  return path;
}

// The line end the file already uses: CR LF unless its first line ends in a
// bare LF (a profile edited on this system).
std::string lineEndOf(const std::string& path) {
  constexpr std::uint64_t kLimit = 1 << 20;
  const auto bytes = Files::readFile(path, kLimit);
  if (!bytes) return "\r\n";
  const std::size_t lf = bytes->find('\n');
  if (lf == std::string::npos || (lf > 0 && (*bytes)[lf - 1] == '\r')) return "\r\n";
  return "\n";
}

// Appends lines to an existing file, in one write, ending them as the
// file's own lines end. `lines` ends each line with "\n".
bool appendToFile(const std::string& path, const std::string& lines) {
  std::string found = Files::findCaseInsensitive(path);
  const std::string lineEnd = lineEndOf(found);
  std::string text;
  for (char c : lines) {
    if (c == '\n') text += lineEnd;
    else text += c;
  }
  int fd = ::open(found.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = Files::writeAll(fd, text);
  return ::close(fd) == 0 && ok;
}

// The solver's "DictionaryNo": the number of the dictionary it opens first,
// which comes with the installer's language.
std::uint32_t dictionaryNumber(InstallerLanguage language) {
  switch (language) {
    case InstallerLanguage::Danish: return 6;
  }
  return 6;  // not reached: every enumerator is handled above
}

}  // namespace

void writeMediumLocation(RecordingRegistry& registry, const InstallPaths& paths) {
  const std::string key = std::string(kVendrik) + "CDROM\\Install";
  registry.setString(HKLM, key, "Path", paths.sourceRoot);
  registry.setString(HKLM, key, "VersionDate", VersionDate);
}

void writeSolverValues(RecordingRegistry& registry, const WizardState& state,
                       const InstallPaths& paths, InstallerLanguage language) {
  const std::string base = std::string(kVendrik) + "XRundel\\";
  const LanguageChoice& l = state.languages;
  registry.setString(HKLM, base + "InstallDir", "Path", paths.sourceRoot);
  registry.setDword(HKLM, base + "Language", "MainLanguage", static_cast<std::uint32_t>(l.solverMain));
  registry.setDword(HKLM, base + "Language", "HelpLanguage", static_cast<std::uint32_t>(l.solverHelp));
  registry.setDword(HKLM, base + "Language", "DictionaryLanguage",
                    static_cast<std::uint32_t>(l.solverDictionary));
  registry.setString(HKLM, base + "Quickstart", "ShowQuickStart", "Yes");
  registry.setDword(HKLM, base + "Dictionary", "DictionaryNo", dictionaryNumber(language));
}

void writeUninstallInfo(RecordingRegistry& registry, const InstallPaths& paths) {
  const std::string key = std::string(kVendrik) + "XRundel\\UnInstallInfo";
  registry.setString(HKLM, key, "InstalledTo", paths.installRoot);
  registry.setString(HKLM, key, "FolderLocation", paths.programFolder);
}

void writeGeneratorValues(RecordingRegistry& registry, const InstallPaths& paths) {
  registry.setString(HKCR, "Q4.Application\\Dictionary", "", paths.dictionaryBase + "Dic");
  registry.setString(HKCR, "Q4.Application\\Skabelon", "", paths.templateFolder);
  registry.setString(HKCR, "Q4.Application\\ModelOgVej", "", paths.pathFolder);
  registry.setString(HKCR, "Q4.Application\\Gemmested", "", paths.outputFolder);
  registry.setString(HKCR, "Q4.Application\\CDRom", "", withoutTrailingSeparator(paths.sourceRoot));
}

void writeDrawerValue(RecordingRegistry& registry, const WizardState& state,
                      const InstallPaths& paths) {
  const std::string& base = state.selection.drawerCompact ? paths.sourceRoot : paths.installRoot;
  registry.setString(HKCR, "Penvik.Application\\Tegninger", "", base + "Bmps");
}

void registerUninstaller(RecordingRegistry& registry, const InstallPaths& paths) {
  const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Vendrik";
  registry.setString(HKLM, key, "DisplayName", texts::uninstallDisplayName);
  registry.setString(HKLM, key, "UninstallString", paths.installRoot + UninstallerName);
}

bool appendGeneratorSettings(const InstallPaths& paths) {
  std::string text = "\n";
  text += "Gemmested=" + paths.outputFolder + "\n";
  text += "Skabelon=" + paths.templateFolder + "\n";
  // The whole medium: a folder name may hold a ':' ("/media/cd:1"), and
  // there is no drive letter to cut it at.
  text += "CDRom=" + withoutTrailingSeparator(paths.sourceRoot) + "\n";
  text += "Dictionary=" + paths.installRoot + "Dic\n";
  text += "ModelOgVej=" + paths.pathFolder + "\n";
  text += "Parametre=" + paths.pathFolder + "\n";
  return appendToFile(paths.generatorIni, text);
}

bool appendDrawerSettings(const InstallPaths& paths) {
  return appendToFile(paths.drawerFolder + "penvik.ini", "\nPix=" + paths.pictureFolder + "\n");
}

std::string fontsFolder(const Registry& registry, const DesktopFolders& folders) {
  std::string dir = registry.readString(HKCU, kShellFolders, "Fonts");
  if (dir.empty()) dir = folders.dataHome + "/fonts";
  return Files::withTrailingSeparator(dir);
}

void installFonts(RecordingRegistry& registry, const InstallPaths& paths,
                  const DesktopFolders& folders, InstallerSystem& system, InstallRecord& record) {
  const std::string dir = fontsFolder(registry.registry(), folders);
  createFoldersRecorded(dir, record);
  bool copied = false;
  for (const Font& font : kFonts) {
    const std::string target = dir + font.file;
    if (Files::copyFile(paths.sourceRoot + "Fonts/" + font.file, target, /*failIfExists=*/true)) {
      if (auto print = fingerprint(target)) record.addFile(*print);
      copied = true;
    }
  }
  if (copied) system.refreshFonts(withoutTrailingSeparator(dir));
  for (const Font& font : kFonts)
    registry.setStringIfMissing(HKLM, kFontsKey, font.valueName, font.file);
}

}  // namespace vorkel::setup
