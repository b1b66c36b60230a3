#pragma once
// The word store of the generator, the "Trie-ordbog".
//
// Despite the name it is not a prefix tree but a positional index. For each
// word length L (2..25) it keeps the words' letters in 32-bit cells and, for
// every position i and letter code k, a chain of the words that have code k
// at position i, newest first. A query walks the shortest chain its fixed
// letters select and tests the second-rarest letter before the full
// comparison; that is what makes the fill engine's questions cheap:
//
//   possibleLetters  which letters can still stand in one cell of a crossing
//   findCandidates   which words of length L fit a partly filled slot
//
// Letters. Inside the store a letter is a byte 0x40..0x5F whose low five bits
// are its code; a letter set is a 32-bit mask, bit k for code k; a blank
// (0x20) in a pattern is a letter not yet known. Text (Windows-1252) enters
// through the current language's input table (normaliseWord,
// normalisePattern) and leaves through its name table (codesToText). The
// store reads the Language it was built with at every call, so switching the
// language changes how later text is read, not the stored codes.
//
// Order of calls:
//   1. Build an empty store for a planned number of words (the table in
//      planCapacity gives each length its capacity and growth step).
//   2. Fill it: insertWord, or loadWordFile (dictionary/WordFile.h).
//   3. Ask: hasMatch, findCandidates, possibleLetters, forEachMatch,
//      forEachWord; statistics text in dictionary/DictionaryStatistics.h.
//   4. Replace it whole to start over; buckets only grow.
//
// Example:
//   Language language;                     // Danish
//   WordStore dict(130000, language, ui);
//   dict.insertWord("kat");
//   dict.insertWord("kål");
//   dict.forEachMatch(3, "K  ", [&](std::string_view w) {
//     std::cout << cp1252ToUtf8(dict.codesToText(w)) << '\n';  // KÅL, KAT
//     return true;
//   });
//
// Failures (a character outside the language, no memory to grow a bucket, a
// word that cannot be unlinked) are shown through the Ui given at
// construction, with the texts of dictionary/Texts.h. Nothing throws.
//
// Single-threaded; one store per application context. The Language and the
// Ui must outlive the store.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <span>
#include <string_view>

#include "dictionary/LengthBucket.h"
#include "dictionary/WordVisitor.h"

namespace vorkel {

class Language;
class Random;
class Ui;

using LetterSet = std::uint32_t;

// What the fill engine knows about one crossing slot when it asks which
// letters can stand in the cell the slot shares with the slot being filled.
// The pattern holds letter bytes (0x40..0x5F), not text; a byte that is
// neither a letter byte nor a blank matches no word.
struct Crossing {
  char pattern[26] = {};  // letter bytes, ' ' where unknown, NUL-ended
  int index = 0;          // position of the shared cell in the crossing word
  char letter = ' ';      // letter byte already in the shared cell, or ' '
  int length = 0;         // the crossing word's length
  LetterSet letters = 0;  // widened by possibleLetters
};

// How the word store reads a word: its text up to the first blank or NUL
// as letter bytes, NUL-ended in `out` (at most 25 written). Returns the
// number of letters, which may exceed 25; 0 when a character is outside
// the language, and then `foreign` (when given) is the text from that
// character on. WordStore::normaliseWord is this with a message.
int wordLetters(const Language& language, std::string_view text, char (&out)[26],
                std::string_view* foreign = nullptr);

class WordStore {
 public:
  static constexpr int MinLength = 2;
  static constexpr int MaxLength = 25;
  static constexpr char Blank = ' ';
  static constexpr int InitialQueryCounter = 12;

  // planCapacity: an empty store planned for `plannedWords` words in total.
  WordStore(int plannedWords, const Language& language, Ui& ui);
  WordStore(const WordStore&) = delete;
  WordStore& operator=(const WordStore&) = delete;

  static std::unique_ptr<WordStore> planCapacity(int plannedWords, const Language& language,
                                                  Ui& ui) {
    return std::make_unique<WordStore>(plannedWords, language, ui);
  }

  // Adds a word (its text up to the first blank). False when it is already
  // stored, has fewer than 2 or more than 25 letters, holds a character
  // outside the language (message shown) or memory ran out (message shown).
  bool insertWord(std::string_view text);
  // Adds several words as insertWord does, one after the other, looking each
  // up while the next ones' index entries are fetched: a long load spends
  // most of its time waiting for memory otherwise.
  void insertWords(std::span<const std::string_view> texts);

  // Makes room, ahead of a load, for about `words[L]` more words of each
  // length L (a hint: counted by bytes, not letters). Only the storage is
  // sized; the capacities the statistics show still grow step by step.
  void reserve(const std::array<int, MaxLength + 1>& words);

  // Removes a stored word; ignores lengths outside 2..25. A word that is not
  // stored changes nothing and is reported once.
  void deleteWord(std::string_view text);

  // Membership of a word (its text up to the first blank). True as well for
  // texts that cannot be words: under 2 or over 25 letters, or a character
  // outside the language (message shown).
  bool hasMatch(std::string_view text);

  // The engine's query: hands every word of `length` that matches `pattern`
  // (text; ' ', '.', '?' are unknown) to `sink`, where a word's letter at an
  // unknown position i must be in sets[i]. `sets` holds at least `length`
  // entries. Steps the query counter when the pattern has no known letter.
  void findCandidates(int length, std::string_view pattern, const LetterSet* sets,
                      WordVisitor sink);

  // Adds to crossing.letters every letter that some word matching
  // crossing.pattern has at crossing.index; answers whether any word matches.
  // A letter already in the shared cell is added as it is.
  bool possibleLetters(Crossing& crossing) const;

  // Every stored word of `length` matching `pattern` (as in findCandidates,
  // without letter sets), in the order of the chain the pattern selects.
  void forEachMatch(int length, std::string_view pattern, WordVisitor visitor);

  // Every stored word once, lengths 2..25 in turn; within a length along a
  // randomly chosen position. False when the visitor stopped the walk.
  bool forEachWord(Random& random, WordVisitor visitor) const;

  // Text -> letter bytes, NUL-ended in `out`. Returns the number of letters
  // (which may exceed MaxLength; then only the first MaxLength are written),
  // 0 after a character outside the language (message shown). The word ends
  // at a blank or a NUL.
  int normaliseWord(std::string_view text, char (&out)[MaxLength + 1]) const;
  bool insertLetters(const char* word, int length);

  // Pattern text -> letter bytes and blanks, without messages: ' ', '.' and
  // '?' become blank; a character outside the language becomes 0x01, which
  // matches no word. Writes at most MaxLength bytes; returns the count.
  int normalisePattern(std::string_view pattern, char (&out)[MaxLength + 1]) const;

  // Letter bytes -> the language's display text (upper case).
  std::string codesToText(std::string_view letters) const;

  // Size figures of one length (2..25), for the statistics text and tests.
  struct BucketFigures {
    int count = 0;
    int capacity = 0;
    int growthStep = 0;
  };
  BucketFigures figures(int length) const;
  int wordCount() const;

  // The counter that rotates open queries (patterns without a known letter).
  int queryCounter() const { return queryCounter_; }
  void setQueryCounter(int value) { queryCounter_ = value; }

  const Language& language() const { return language_; }
  Ui& ui() const { return ui_; }

 private:
  struct Plan;
  bool makePlan(int length, const char* pattern, Plan& plan) const;
  bool patternTest(int length, const char* letters) const;
  void reportForeignCharacter(std::string_view rest) const;

  const Language& language_;
  Ui& ui_;
  std::array<LengthBucket, MaxLength + 1> buckets_;  // 0 and 1 unused
  int queryCounter_ = InitialQueryCounter;
};

}  // namespace vorkel
