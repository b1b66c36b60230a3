#include "setup/MediumContents.h"

#include "platform/Files.h"
#include "setup/InstallerTexts.h"

namespace vorkel::setup {

const char* generatorProgramName(int language) {
  switch (language) {
    case 6: return "q4";
    case 7: return "q4de";
    case 10: return "q4es";
    default: return "q4us";
  }
}

const char* generatorHelpSource(int language) {
  switch (language) {
    case 6: return "help";
    case 7: return "hilfe";
    case 10: return "ayuda";
    default: return "help-en";
  }
}

const char* drawerHelpName(int language) {
  switch (language) {
    case 6: return "Penvik.chm";
    case 10: return "Dibujante.chm";
    default: return "Designer.chm";
  }
}

const char* solverHelpName(int language) {
  switch (language) {
    case 6: return "Rundel.chm";
    case 7: return "XRaetsel.chm";
    case 10: return "XCrucigrama.chm";
    default: return "XRundel.chm";
  }
}

MediumContents MediumContents::of(const std::string& sourceRoot) {
  const std::string root = Files::withTrailingSeparator(sourceRoot);
  auto file = [&](const char* name) { return Files::isFile(Files::findCaseInsensitive(root + name)); };
  auto folder = [&](const char* name) {
    return Files::isFolder(Files::findCaseInsensitive(root + name));
  };
  MediumContents m;
  m.solver = file(SolverProgramName);
  m.drawer = file(DrawerProgramName);
  for (int i = 0; i < 4; ++i) {
    const int code = texts::languageEntries[i].code;
    m.generatorLanguages[i] = file(generatorProgramName(code));
    m.generatorHelp[i] = folder(generatorHelpSource(code));
    m.solverHelp[i] = file(solverHelpName(code));
    m.generator = m.generator || m.generatorLanguages[i];
  }
  return m;
}

bool MediumContents::linkedLanguage(int index) const {
  if (index < 0 || index > 3) return false;
  if (!generator) return drawer;
  bool anyHelp = false;
  for (bool h : generatorHelp) anyHelp = anyHelp || h;
  return generatorLanguages[index] && (!anyHelp || generatorHelp[index]);
}

int MediumContents::firstLinkedLanguage() const {
  for (int i = 0; i < 4; ++i)
    if (linkedLanguage(i)) return i;
  return 0;
}

}  // namespace vorkel::setup
