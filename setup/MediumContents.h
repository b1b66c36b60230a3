#pragma once
// What the distribution medium holds: which of the three programs, and in
// which languages. The wizard offers only these, so that an installation
// never promises a program or a help file it cannot copy.
//
//   MediumContents medium = MediumContents::of(sourceRoot);
//   if (!medium.generator) ...                  // the check box is disabled
//   if (!medium.linkedLanguage(2)) ...          // "Tysk" is not offered
//
// Languages are indexes of the custom page's entries (texts::languageEntries).

#include <array>
#include <string>

namespace vorkel::setup {

// The file names on the medium, by a program's language (a Windows primary
// language code). The copy run installs them under the same names.
const char* generatorProgramName(int language);
const char* generatorHelpSource(int language);  // a folder of pages
inline constexpr const char* DrawerProgramName = "penvik";
const char* drawerHelpName(int language);
inline constexpr const char* SolverProgramName = "xrundel";
const char* solverHelpName(int language);

struct MediumContents {
  bool solver = false;     // its program is on the medium
  bool generator = false;  // its program in at least one language
  bool drawer = false;
  std::array<bool, 4> generatorLanguages{};  // its program in that language
  std::array<bool, 4> generatorHelp{};       // its help in that language
  std::array<bool, 4> solverHelp{};          // the solver's help file

  static MediumContents of(const std::string& sourceRoot);

  // Whether an entry of the four linked boxes (the generator's and the
  // drawer's main and help language) can be chosen: the generator's
  // program and, where the medium has help at all, its help exist in that
  // language. The drawer's program is one for every language.
  bool linkedLanguage(int index) const;
  // The first entry of the linked boxes that can be chosen, 0 if none.
  int firstLinkedLanguage() const;
};

}  // namespace vorkel::setup
