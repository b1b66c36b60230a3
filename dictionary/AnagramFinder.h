#pragma once
// The anagram finder: multi-word anagrams of a name, word or sentence, made
// of the words of a dictionary.
//
//   AnagramSettings settings;                         // 3..25 letters, 3 words, 2000 answers
//   AnagramFinder finder(dict, settings);
//   AnagramFinder::Result r = finder.searchAll(cp1252Phrase);
//   Files::writeFileAtomically("anagram.txt", r.text);
//
// Four searches: all combinations; those that hold a given word (which need
// not be in the dictionary); those that start with a word of a list (the
// verb search is the list search with "verbs.txt"). Each answers the whole
// result file: one line per anagram (display text, words separated by single
// blanks, CR LF), or, when nothing was found, the search kind's no-result
// text alone.
//
// Every set of words is found once: a line's words never get longer, and
// words of equal length follow in non-decreasing order. Words are taken from
// the dictionary's first-letter chains, newest first, which fixes the order
// of the lines. A search ends right after the line that makes the count
// exceed the maximum number of answers, so a full file holds one line more
// than the maximum.
//
// With the shortest word setting 1, a single letter left over ends a line
// when the language has it as a word by itself (Language::oneLetterWords:
// I, Ø or Å in Danish).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/AnagramSettings.h"

namespace vorkel {

class AnagramWordList;
class WordStore;

class AnagramFinder {
 public:
  // Longest phrase and given word taken, in bytes (the dialog's buffers).
  static constexpr std::size_t MaxPhrase = 99;
  static constexpr std::size_t MaxGivenWord = 79;

  struct Result {
    std::string text;  // the content of the result file (Windows-1252)
    int lines = 0;     // anagram lines written; 0 when `text` is the no-result text
    bool stopped = false;  // the progress callback ended the search early
  };

  // Told now and then during a search (every ProgressEvery words tried)
  // the lines found and the words tried so far; answering false ends the
  // search, which then answers with what it has found. Long searches (a
  // long phrase and many words) run for minutes: this is how a front-end
  // shows they are alive and lets the user stop them.
  static constexpr std::uint64_t ProgressEvery = 1u << 16;
  using Progress = std::function<bool(int lines, std::uint64_t tried)>;
  void setProgress(Progress progress) { progress_ = std::move(progress); }

  // The dictionary must outlive the finder; its language reads the phrases.
  AnagramFinder(WordStore& dict, const AnagramSettings& settings);

  Result searchAll(std::string_view phrase);

  // nullopt when `word` cannot be made from the letters of `phrase`. The
  // word counts as two of the maximum number of words, so with the preset 3
  // every line holds the word and one more.
  std::optional<Result> searchWithWord(std::string_view phrase, std::string_view word);

  // Lines that start with a list word (in list order) followed by at least
  // one dictionary word.
  Result searchWithList(std::string_view phrase, const AnagramWordList& list);

 private:
  WordStore& dict_;
  AnagramSettings settings_;
  Progress progress_;
};

}  // namespace vorkel
