#include "setup/Selection.h"

#include <cmath>

namespace vorkel::setup {

namespace {

// Megabytes per program, and what its compact form leaves on the medium.
constexpr double kSolverMb = 88, kSolverCompactSavesMb = 85;
constexpr double kGeneratorMb = 20, kGeneratorCompactSavesMb = 10.3;
constexpr double kDrawerMb = 160, kDrawerCompactSavesMb = 55;
constexpr double kCommonFilesMb = 3;
constexpr double kPrerequisitesMb = 160;
// Below this a sum counts as nothing selected (the constants are not exact
// in binary).
constexpr double kNothingMb = 0.004;
constexpr long kPlentyMb = 1000;

long roundHalfEven(double x) { return static_cast<long>(std::nearbyint(x)); }

}  // namespace

ProgramSelection selectionForSetupType(SetupType type, const ProgramChecks& checks) {
  ProgramSelection s;
  switch (type) {
    case SetupType::Typical: break;
    case SetupType::Compact: s.solverCompact = true; break;
    case SetupType::Custom:
      s.solver = checks.solver;
      s.solverCompact = checks.solver && checks.solverCompact;
      s.generator = checks.generator;
      s.drawer = checks.drawer;
      break;
  }
  return s;
}

ProgramSelection generatorOnly() {
  ProgramSelection s;
  s.solver = false;
  s.drawer = false;
  return s;
}

void setStartLanguages(LanguageChoice& languages, InstallerLanguage language) {
  languages.generator = languages.drawer = windowsLanguageCode(language);
}

void setAllLanguages(LanguageChoice& languages, InstallerLanguage language) {
  setSolverLanguages(languages, language);
  setStartLanguages(languages, language);
}

void setSolverLanguages(LanguageChoice& languages, InstallerLanguage language) {
  const int code = windowsLanguageCode(language);
  languages.solverMain = languages.solverHelp = languages.solverDictionary = code;
}

double spaceNeededMb(const ProgramSelection& s, bool prerequisitesNeeded) {
  double mb = 0;
  if (s.solver) mb += kSolverMb - (s.solverCompact ? kSolverCompactSavesMb : 0);
  if (s.generator) mb += kGeneratorMb - (s.generatorCompact ? kGeneratorCompactSavesMb : 0);
  if (s.drawer) mb += kDrawerMb - (s.drawerCompact ? kDrawerCompactSavesMb : 0);
  if (mb <= kNothingMb) return mb;
  mb += kCommonFilesMb;
  if (prerequisitesNeeded) mb += kPrerequisitesMb;
  return mb;
}

long freeMegabytes(double bytes) {
  if (bytes < 0) return -1;
  return roundHalfEven(bytes / 1048576.0);
}

bool enoughSpace(double neededMb, long freeMb) { return static_cast<double>(freeMb) >= neededMb; }

std::string spaceAvailableText(long freeMb) {
  if (freeMb > kPlentyMb) return "Rigeligt";
  return std::to_string(freeMb) + " Mb";
}

std::string spaceNeededText(double neededMb) {
  if (neededMb >= 2) return std::to_string(roundHalfEven(neededMb)) + " Mb";
  return std::to_string(roundHalfEven(neededMb * 1024)) + " Kb";
}

}  // namespace vorkel::setup
