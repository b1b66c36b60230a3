#pragma once
// Which entries of a published word list go into a stock dictionary.
//
//   StockWordRule rule;                        // lower-case entries only
//   rule.capitalisedNouns = true;              // German: nouns too
//   if (rule.judge(cp1252Entry, language) == StockVerdict::Taken) dict.insertWord(entry);
//
// An entry is taken when it is a word of the language written the way its
// tables can hold it:
//
// - Case. Lower-case entries only: a capital marks a proper noun or, with
//   more of them, an abbreviation. With `capitalisedNouns` an entry whose
//   first letter alone is a capital is taken as well (German writes every
//   noun so); entries with a second capital ("GmbH", "ABC") are not.
// - Letters. Every character must be a letter of the language. A letter
//   with an accent the language does not write apart is taken folded onto
//   its plain letter, as the input table reads it ("armé" -> ARME,
//   "canción" -> CANCION). A character that the table reads as a different
//   letter makes the whole entry a misspelling and it is left out: "fôr"
//   would become FØR under the Danish tables, "pizza" PIÓÓA under the
//   Icelandic ones. Ö and Ø, Ä and Æ are one letter in the Nordic languages,
//   so Swedish reads "smørrebrød" as SMÖRREBRÖD.
// - Length: 2 to 25 letters, the lengths the store holds.
//
// Entries with a dot, a hyphen, an apostrophe or a blank (abbreviations,
// compounds written apart, English possessives) hold characters that are no
// letters and are left out by the second rule.

#include <string_view>

namespace vorkel {

class Language;

enum class StockVerdict {
  Taken,
  UpperCase,    // a capital where the rule takes none
  NotLetters,   // a character that is no letter of the language
  OtherLetter,  // a character the language would read as another letter
  BadLength,    // fewer than 2 or more than 25 letters
};

struct StockWordRule {
  bool capitalisedNouns = false;

  // `entry` is Windows-1252, without its line end.
  StockVerdict judge(std::string_view entry, const Language& language) const;
};

}  // namespace vorkel
