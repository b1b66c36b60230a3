#pragma once
// The configuration an installation leaves for the programs: registry
// values (HKEY_LOCAL_MACHINE\SOFTWARE\Vendrik and HKEY_CLASSES_ROOT), the
// lines appended to the programs' ini files, the two fonts and the system's
// uninstall entry. Every write ignores failures: a value that cannot be
// written is missing afterwards and the installation still completes.

#include <string>

#include "setup/InstallerLanguage.h"

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

struct InstallPaths;
struct WizardState;
struct DesktopFolders;
class InstallRecord;
class InstallerSystem;
class RecordingRegistry;

inline constexpr const char* VersionDate = "2003-01-05";

// HKLM\SOFTWARE\Vendrik\CDROM\Install: "Path" and "VersionDate".
void writeMediumLocation(RecordingRegistry& registry, const InstallPaths& paths);
// The solver's values under XRundel.
void writeSolverValues(RecordingRegistry& registry, const WizardState& state,
                       const InstallPaths& paths, InstallerLanguage language);
// XRundel\UnInstallInfo: "InstalledTo" and "FolderLocation".
void writeUninstallInfo(RecordingRegistry& registry, const InstallPaths& paths);
// Q4.Application: Dictionary, Skabelon, ModelOgVej, Gemmested, CDRom.
void writeGeneratorValues(RecordingRegistry& registry, const InstallPaths& paths);
// Penvik.Application\Tegninger.
void writeDrawerValue(RecordingRegistry& registry, const WizardState& state,
                      const InstallPaths& paths);
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\UnInstall\Vendrik.
void registerUninstaller(RecordingRegistry& registry, const InstallPaths& paths);

// Appends an empty line and the generator's six keys to its ini file; false
// (nothing written) when the file cannot be opened.
bool appendGeneratorSettings(const InstallPaths& paths);
// Appends an empty line and "Pix=" with the picture folder to penvik.ini.
bool appendDrawerSettings(const InstallPaths& paths);

// The fonts folder: the value "Fonts" of HKCU\...\Explorer\Shell Folders,
// else the user's fonts folder ($XDG_DATA_HOME/fonts); ends in "/".
std::string fontsFolder(const Registry& registry, const DesktopFolders& folders);

// Copies the two fonts from the medium's "Fonts" folder into the fonts
// folder without replacing existing files, refreshes the font cache and
// writes their registry values where they are missing. Copied fonts go into
// the record; nothing goes into the uninstall log.
void installFonts(RecordingRegistry& registry, const InstallPaths& paths,
                  const DesktopFolders& folders, InstallerSystem& system, InstallRecord& record);

}  // namespace vorkel::setup
