#pragma once
// The language the installer speaks to the user, fixed when it is built.
//
// This build speaks Danish only, so there is one enumerator and every text
// in InstallerTexts.h is Danish. A build for another language would add its
// enumerator and texts; the switches over this type name the places that
// depend on it (its code, the solver's dictionary number, the medium's
// prerequisite folder), and the copy tables of the solver would need its
// files, with English (9) for the languages a program does not have.
//
// The language is a type of its own, not a number: the numbers that the
// programs read (LanguageChoice, the solver's registry values) are Windows
// primary language codes, where 6 is Danish, while the generator numbers
// its languages differently. windowsLanguageCode() is the one place where
// the installer's language becomes such a code.

namespace vorkel::setup {

enum class InstallerLanguage { Danish };

// The language of this build.
inline constexpr InstallerLanguage BuildLanguage = InstallerLanguage::Danish;

// The Windows primary language code of the language, as it is written into
// LanguageChoice and from there into the registry and the choice of files.
constexpr int windowsLanguageCode(InstallerLanguage language) {
  switch (language) {
    case InstallerLanguage::Danish: return 6;
  }
  return 6;  // not reached: every enumerator is handled above
}

}  // namespace vorkel::setup
