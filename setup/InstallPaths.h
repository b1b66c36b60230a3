#pragma once
// The folders of one installation, worked out from the wizard's state and
// the medium, as the copy run and the configuration use them. All end in
// "/"; the file names on the medium follow this platform (programs without
// ".exe").

#include <string>

namespace vorkel::setup {

struct WizardState;

struct InstallPaths {
  std::string sourceRoot;      // the medium: the setup program's folder
  std::string installRoot;
  std::string solverFolder;
  std::string generatorFolder;
  std::string dictionaryFolder;
  std::string drawerFolder;
  std::string pictureFolder;   // no "/" at the end
  std::string dictionaryBase;  // install root, or the source root when the generator is compact
  std::string programFolder;   // Programs folder + program-folder name
  std::string outputFolder;    // the generator's "Lager" (no "/" at the end)
  std::string templateFolder;  // the generator's "Model" (no "/")
  std::string pathFolder;      // the generator's "Vej" (no "/")
  std::string generatorIni;    // its profile, made from the medium's template

  static InstallPaths of(const WizardState& state, const std::string& sourceRoot);
};

// The generator's help: a folder of HTML pages beside the program, opened at
// its index page.
inline constexpr const char* GeneratorHelpFolder = "help";
inline constexpr const char* GeneratorHelpPage = "index.html";
// The uninstaller on the medium and in the install root.
inline constexpr const char* UninstallerName = "uninst";
inline constexpr const char* UninstallLogName = "UnInst.inf";
// The programs' icon, on the medium and in the install root, where every
// menu entry of a program names it by its full path.
inline constexpr const char* IconName = "vorkel.svg";
// The MIME types of templates and crosswords on the medium, and under the
// name the user's MIME database gets it ($XDG_DATA_HOME/mime/packages/).
inline constexpr const char* MimeTypesName = "vorkel-mime.xml";
inline constexpr const char* InstalledMimeTypesName = "vorkel.xml";
// The types the generator's menu entry opens: templates (.skb) and
// crosswords (.ktd).
inline constexpr const char* GeneratorMimeTypes =
    "application/x-vorkel-skabelon;application/x-vorkel-kryds;";

}  // namespace vorkel::setup
