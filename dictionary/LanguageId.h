#pragma once
// The generator's languages. Each is known by the number that templates
// store (Sprog=), that the "Skift sprog" dialog passes and that --language
// takes; the number is read and written only where a file or a command line
// holds it (toNumber, languageFromNumber). No language has the number 1.
// French and Dutch are offered but have no letter tables yet.

#include <array>
#include <optional>

namespace vorkel {

enum class LanguageId : int {
  Danish = 0,
  German = 2,
  Swedish = 3,
  Norwegian = 4,  // reads and shows the Danish letters
  Icelandic = 5,
  French = 6,
  Dutch = 7,
  Italian = 8,  // takes the English tables
  Spanish = 9,
  English = 10,
};

// Every language, in the order of their numbers.
inline constexpr std::array<LanguageId, 10> allLanguages{
    LanguageId::Danish,  LanguageId::German, LanguageId::Swedish, LanguageId::Norwegian,
    LanguageId::Icelandic, LanguageId::French, LanguageId::Dutch, LanguageId::Italian,
    LanguageId::Spanish, LanguageId::English};

inline constexpr int toNumber(LanguageId id) { return static_cast<int>(id); }

// The language of a stored number; nullopt for a number no language has
// (1, 11, -1).
std::optional<LanguageId> languageFromNumber(int number);

// "Danish", for help texts and messages.
const char* englishName(LanguageId id);

inline constexpr bool hasLetterTables(LanguageId id) {
  return id != LanguageId::French && id != LanguageId::Dutch;
}

}  // namespace vorkel
