#pragma once
// The dictionary's words as bit sets: what the fast fill (FastFill.h) asks
// instead of the word store.
//
// For every word length L the words of that length are numbered 0..N-1 in
// the order of their letter codes, so the words that begin with one letter
// have consecutive numbers. For every position i < L and letter code c the
// index holds the set of the words with c at i: N bits in 64-bit blocks,
// bit k of block b standing for word 64 b + k. A question such as "which
// candidates of this slot keep letter c here" is then one AND over a few
// hundred blocks, which a core streams at several billion blocks a second.
//
//   WordIndex index = WordIndex::fromWordFile(bytes, language, ui, graph.lengths());
//   const WordIndex::Block* e = index.withLetter(5, 0, code('E'));
//   // words of five letters that begin with E: the set bits of e[0 .. blocks)
//
// It is made from the bytes of a word file (a `.dic` or a plain list,
// dictionary/WordFile.h) and holds exactly the words a word store
// (WordStore) would hold after loading that file, read by the store's own
// rules: it stands in for the store where only the words matter, and
// building it directly takes a fraction of a store's load. Letter codes are
// the store's (the low five bits of a letter byte). Once built the index is
// never changed, so any number of fills and threads may read one index at
// once.
//
// With word scores (dictionary/WordScores.h) the index keeps each word's
// score for the fill's preference, and a floor leaves out every word below
// it (a word without a score counts as below any floor above 0).

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <string_view>

#include "dictionary/WordStore.h"
#include "dictionary/WordListEncoding.h"

namespace vorkel {

class Language;
class Ui;
class WordScores;

class WordIndex {
 public:
  using Block = std::uint64_t;
  static constexpr int BlockBits = 64;
  static constexpr int MinLength = WordStore::MinLength;
  static constexpr int MaxLength = WordStore::MaxLength;
  static constexpr std::uint32_t AllLengths = ~std::uint32_t{0};
  static constexpr int MaxScore = 100;

  WordIndex() = default;

  // The words of a word file whose length L has bit L set in `lengths`; the
  // other lengths stay empty. A word with a character outside `language` is
  // left out with the store's message through `ui`, whatever its length.
  static WordIndex fromWordFile(std::string_view bytes, const Language& language, Ui& ui,
                                std::uint32_t lengths = AllLengths,
                                const WordScores* scores = nullptr, int minScore = 0);

  // The same for the file at `path`, read as the word store's loader reads
  // it (a plain word list in `encoding`); nullopt (with the loader's
  // message through `ui`) when it cannot be read.
  static std::optional<WordIndex> loadWordFile(
      const std::string& path, const Language& language, Ui& ui,
      std::uint32_t lengths = AllLengths, WordListEncoding encoding = WordListEncoding::Cp1252,
      const WordScores* scores = nullptr, int minScore = 0);

  // Words of `length`, and the blocks of one of its sets. 0 outside 2..25.
  int wordCount(int length) const { return inRange(length) ? (*buckets_)[length].count : 0; }
  int blockCount(int length) const { return inRange(length) ? (*buckets_)[length].blocks : 0; }

  int totalCount() const {
    int total = 0;
    for (const Bucket& b : *buckets_) total += b.count;
    return total;
  }

  // The letter codes of word `word` of `length`: `length` bytes, 0..31.
  const std::uint8_t* letters(int length, int word) const {
    return (*buckets_)[length].letters +
           static_cast<std::size_t>(word) * static_cast<std::size_t>(length);
  }

  // The words of `length` with letter code `code` at `position`:
  // blockCount(length) blocks, all zero when no word has it. Requires
  // 2 <= length <= 25 and 0 <= position < length.
  const Block* withLetter(int length, int position, int code) const {
    const Bucket& b = (*buckets_)[length];
    return b.sets + b.setOffset[static_cast<std::size_t>(position * 32 + (code & 31))];
  }

  // The blocks of withLetter(length, position, code) that are not zero, in
  // ascending order, when they are at most a tenth of all (the rarer
  // letters): a question about such a letter need not look at the others.
  // {nullptr, nullptr} when the letter is too common for a list.
  struct BlockList {
    const std::uint32_t* begin = nullptr;
    const std::uint32_t* end = nullptr;
  };
  BlockList nonZeroBlocks(int length, int position, int code) const {
    const Bucket& b = (*buckets_)[length];
    const auto [first, last] = b.listRange[static_cast<std::size_t>(position * 32 + (code & 31))];
    if (first == kNoList) return {};
    return {b.lists + first, b.lists + last};
  }

  // The codes that stand at `position` in some word of `length`.
  LetterSet lettersAt(int length, int position) const {
    return inRange(length) && position >= 0 && position < length
               ? (*buckets_)[length].present[static_cast<std::size_t>(position)]
               : 0;
  }

  // Words of the file left out because the language cannot spell them
  // (each was reported through the ui).
  int skippedWords() const { return skippedWords_; }

  // Whether the words carry scores, and the score (0..100) of word `word`
  // of `length`; 100 for every word of an index made without scores.
  bool hasScores() const { return hasScores_; }
  int score(int length, int word) const {
    const Bucket& b = (*buckets_)[length];
    return b.scores == nullptr ? MaxScore : b.scores[static_cast<std::size_t>(word)];
  }

  // The number of the word with these `length` letter codes; -1 when the
  // index does not hold it.
  int find(int length, const std::uint8_t* codes) const;

  // Bytes held, for the memory figures.
  std::size_t memoryBytes() const;

  // One length's part of the index, as WordIndexFile stores and maps it:
  // the arrays point into memory the index keeps alive (its own vectors,
  // or a mapped file).
  struct Bucket {
    int count = 0;
    int blocks = 0;
    const std::uint8_t* letters = nullptr;  // count x length codes, in word order
    const Block* sets = nullptr;            // the present sets, then one zero set
    std::size_t setBlocks = 0;
    std::array<std::size_t, MaxLength * 32> setOffset{};  // in blocks, per (position, code)
    const std::uint32_t* lists = nullptr;  // the non-zero blocks of the rarer letters
    std::size_t listCount = 0;
    std::array<std::pair<std::uint32_t, std::uint32_t>, MaxLength * 32> listRange{};
    std::array<LetterSet, MaxLength> present{};
    const std::uint8_t* scores = nullptr;  // per word, when the index has scores
  };
  static constexpr std::uint32_t kNoList = ~std::uint32_t{0};
  const Bucket& bucket(int length) const { return (*buckets_)[length]; }
  // An index over buckets whose arrays live in `storage` (a mapped file).
  using Buckets = std::array<Bucket, MaxLength + 1>;
  static WordIndex fromBuckets(std::shared_ptr<Buckets> buckets, bool hasScores,
                               std::shared_ptr<const void> storage);

 private:
  struct Storage;
  explicit WordIndex(std::shared_ptr<Buckets> buckets) : buckets_(std::move(buckets)) {}
  static bool inRange(int length) { return length >= MinLength && length <= MaxLength; }
  // Sorts the words, drops repeats and makes the sets.
  void buildBucket(int length, const std::vector<std::uint8_t>& words, Storage& storage);

  // A third of a megabyte of offsets and ranges: kept on the heap, so that
  // an index is moved (out of a load, into a job) without copying them into
  // fresh pages, each first touch of which costs microseconds. Built once,
  // then only read: copies share it.
  std::shared_ptr<Buckets> buckets_ = std::make_shared<Buckets>();
  bool hasScores_ = false;
  int skippedWords_ = 0;
  std::shared_ptr<const void> storage_;  // what the buckets' arrays point into
};

}  // namespace vorkel
