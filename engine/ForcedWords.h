#pragma once
// Forced words: words every crossword of a run must contain.
//
// They come from "tvang.txt" (typed into the dialog "Lav krydsord med
// bestemte ord") or are drawn at random from a word file. Both files are
// plain Windows-1252 text, one word per line; see readWordLines for how a
// line becomes a word.
//
//   ForcedWords words;
//   if (auto lines = readWordList(workFolder + "/tvang.txt", TvangLineLimit, language))
//     for (const std::string& w : *lines) words.add(w);
//   // engine/ForcedPlacement.h puts them into a grid, engine/ForcedAttempt.h
//   // fills around them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class Language;

struct ForcedWord {
  std::string word;  // upper case, in the current language's letters
  int len = 0;
};

// A table of at most Capacity words of at most MaxWordLength characters.
// Nothing longer than MaxWordLength can stand in a crossword (the dictionary
// holds words of at most 25 letters), so longer words and words beyond the
// table's size are refused, not cut: a cut word would be a different word.
class ForcedWords {
 public:
  static constexpr std::size_t Capacity = 100;
  static constexpr std::size_t MaxWordLength = 51;

  void clear() { words_.clear(); }
  // False (and nothing added) for an empty word, one longer than
  // MaxWordLength, one the table holds already (a crossword holds a word
  // once) and when the table is full.
  bool add(std::string_view word);

  bool empty() const { return words_.empty(); }
  std::size_t size() const { return words_.size(); }
  const ForcedWord& operator[](std::size_t i) const { return words_[i]; }
  const std::vector<ForcedWord>& words() const { return words_; }

 private:
  std::vector<ForcedWord> words_;
};

// Characters of a line that are read: the rest of a longer line is ignored.
inline constexpr std::size_t ForcedLineLimit = 99;
inline constexpr std::size_t WordFileLineLimit = 199;

// The words of a list, in file order: each line (LF, CR LF or CR) is cut
// to its first `lineLimit` bytes, bytes below 33 (blanks, tabs, control
// characters) are cut from both ends, empty lines are skipped, and the
// word is put into upper case by the language's alphabet.
std::vector<std::string> readWordLines(std::string_view bytes, std::size_t lineLimit,
                                       const Language& language);

// The same for a file; nullopt when it cannot be read (or is larger than
// any word list, 64 MiB).
std::optional<std::vector<std::string>> readWordList(std::string_view path,
                                                     std::size_t lineLimit,
                                                     const Language& language);

// Upper case by the language's alphabet: every byte the language reads as
// a letter becomes that letter as the grid shows it ("æ" -> "Æ", and in
// Danish "é" -> "E", as the dictionary stores it); other bytes stay as they
// are. The C library's conversion would leave "æ", "ø" and "å" in lower
// case, which never matches a letter of the grid.
std::string upperCaseWord(std::string_view word, const Language& language);

// True when every byte of the word is a letter of the language. A forced
// word with anything else (a blank inside, a digit, a hyphen) fits no slot.
bool isLetterWord(std::string_view word, const Language& language);

}  // namespace vorkel
