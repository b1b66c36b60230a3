#include "setup/InstallPaths.h"

#include "platform/Files.h"
#include "setup/WizardState.h"

namespace vorkel::setup {

namespace {

std::string generatorFolderName(int language) {
  switch (language) {
    case 6: return "Vorkel/";
    case 10: return "Constructor/";
    default: return "Builder/";
  }
}

std::string drawerFolderName(int language) {
  switch (language) {
    case 6: return "Penvik/";
    case 10: return "Dibujante/";
    default: return "Designer/";
  }
}

std::string outputFolderName(int language) {
  switch (language) {
    case 6: return "Lager";
    case 7: return "Lagern";
    case 10: return "Magasin";
    default: return "Store";
  }
}

std::string generatorIniName(int language) {
  switch (language) {
    case 6: return "q4dk.ini";
    case 7: return "q4de.ini";
    case 10: return "q4e.ini";
    default: return "q4us.ini";
  }
}

}  // namespace

InstallPaths InstallPaths::of(const WizardState& state, const std::string& sourceRoot) {
  InstallPaths p;
  p.sourceRoot = Files::withTrailingSeparator(sourceRoot);
  p.installRoot = state.installRoot();
  p.solverFolder = p.installRoot + "XRundel/";
  const int gen = state.languages.generator;
  p.generatorFolder = p.installRoot + generatorFolderName(gen);
  p.dictionaryFolder = p.installRoot + "Dic/";
  p.drawerFolder = p.installRoot + drawerFolderName(state.languages.drawer);
  const bool drawerCompact = state.selection.drawerCompact;
  if (drawerCompact) p.pictureFolder = p.sourceRoot + "bmps";
  else p.pictureFolder = p.installRoot + (state.languages.drawer == 6 ? "Billeder" : "Bmps");
  p.dictionaryBase = state.selection.generatorCompact ? p.sourceRoot : p.installRoot;
  std::string name = state.programFolderName;
  if (name.empty() || !Files::isSeparator(name.back())) name += '/';
  p.programFolder = state.programsFolder + name;
  p.outputFolder = p.installRoot + outputFolderName(gen);
  p.templateFolder = p.generatorFolder + (gen == 6 ? "Model" : "Skabelon");
  p.pathFolder = p.generatorFolder + (gen == 6 ? "Vej" : "Walk");
  p.generatorIni = p.generatorFolder + generatorIniName(gen);
  return p;
}

}  // namespace vorkel::setup
