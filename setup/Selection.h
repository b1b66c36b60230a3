#pragma once
// What the installer installs: the three programs with their compact flags,
// the languages each program gets, and the disk space that needs.
//
//   ProgramSelection s = selectionForSetupType(SetupType::Typical, checks);
//   double mb = spaceNeededMb(s, prerequisitesNeeded);   // 271 for everything
//   if (!enoughSpace(mb, freeMegabytes(bytes))) ...      // refuse
//
// The solver and the drawing program lie outside this system; their flags
// still decide what the copy run copies from the medium.

#include <string>

#include "setup/InstallerLanguage.h"

namespace vorkel::setup {

struct ProgramSelection {
  bool solver = true;
  bool solverCompact = false;
  bool generator = true;
  bool generatorCompact = false;
  bool drawer = true;
  bool drawerCompact = false;

  bool any() const { return solver || generator || drawer; }
  bool operator==(const ProgramSelection&) const = default;
};

// Windows primary language codes: 6 Danish, 7 German, 9 English,
// 10 Spanish, 29 Swedish (solver dictionaries only).
struct LanguageChoice {
  int solverMain = 0;
  int solverHelp = 0;
  int solverDictionary = 0;
  int generator = 0;
  int drawer = 0;

  bool operator==(const LanguageChoice&) const = default;
};

enum class SetupType { Typical = 0, Custom = 1, Compact = 2 };

// The check boxes of the custom page. The generator's and the drawer's
// compact boxes are hidden, so their flags stay false.
struct ProgramChecks {
  bool solver = true;
  bool solverCompact = false;
  bool generator = true;
  bool drawer = true;
};

// The selection a setup type stands for; "Selvvalgt" reads the check boxes,
// where a compact box counts only while its program is checked.
ProgramSelection selectionForSetupType(SetupType type, const ProgramChecks& checks);

// Next on the destination page: the generator alone, nothing compact.
ProgramSelection generatorOnly();

// The languages the background form sets at start: the generator's and the
// drawer's become the installer's language.
void setStartLanguages(LanguageChoice& languages, InstallerLanguage language);
// Next on the destination page: all five become the installer's language.
void setAllLanguages(LanguageChoice& languages, InstallerLanguage language);
// Next on the setup-type page: the solver's three become the installer's
// language; the generator's and the drawer's stay as they are.
void setSolverLanguages(LanguageChoice& languages, InstallerLanguage language);

// Megabytes the selection needs, including the common files and, when
// `prerequisitesNeeded`, the help-system installers.
double spaceNeededMb(const ProgramSelection& selection, bool prerequisitesNeeded);

// Free bytes as whole megabytes, halves rounded to even; a failed query
// (negative bytes) is -1, so that every selection fails the space check.
long freeMegabytes(double bytes);

// The wizard goes on only with at least as many free megabytes as needed.
bool enoughSpace(double neededMb, long freeMb);

// "1000 Mb"; above 1000 MB "Rigeligt".
std::string spaceAvailableText(long freeMb);
// "23 Mb"; below 2 MB the kilobytes, "0 Kb" for nothing.
std::string spaceNeededText(double neededMb);

}  // namespace vorkel::setup
