#pragma once
// The letters of a phrase, a word or what is left of a phrase, counted per
// letter code, as the anagram finder subtracts word after word from it.
//
//   LetterInventory phrase = LetterInventory::fromText("Ole Bole", language, 3);
//   LetterInventory word = LetterInventory::fromLetters("OLE", 0);
//   LetterInventory rest;
//   if (phrase.subtract(word, rest)) ...   // rest: B L O E, words left 2
//
// Codes are the low five bits of the language's letter bytes. A character the
// language does not know counts as foreign: no dictionary word holds one, so
// a phrase holding one has no anagram. (It has a count of its own rather than
// code 0, since Icelandic gives code 0 to the letter Á.)

#include <array>
#include <cstdint>
#include <string_view>

namespace vorkel {

class Language;

struct LetterInventory {
  int total = 0;                  // number of letters, foreign characters included
  std::array<int, 32> counts{};   // letters per code
  int foreign = 0;                // characters outside the language
  std::uint32_t present = 0;      // bit k set when counts[k] > 0
  int wordsLeft = 0;              // how many more words the anagram may take

  // Every byte of `text` except a blank counts once, under the code the
  // language's input table gives it, or as foreign.
  static LetterInventory fromText(std::string_view text, const Language& language, int wordsLeft);

  // From letter bytes (0x40..0x5F) as the dictionary hands them out.
  static LetterInventory fromLetters(std::string_view letters, int wordsLeft);

  void add(int code) {
    ++counts[static_cast<std::size_t>(code)];
    present |= std::uint32_t{1} << code;
    ++total;
  }

  // rest = *this - other, with one word less left. False, and `rest`
  // unspecified, as soon as a count would go negative.
  bool subtract(const LetterInventory& other, LetterInventory& rest) const;
};

}  // namespace vorkel
