#pragma once
// How good a crossword word each word of a dictionary is: a score from 0
// (never use it) to 100 (a word every reader knows), kept in a score file
// beside the dictionary. The `.dic` format does not change.
//
// A score file has the dictionary's name with the extension ".score"
// ("SVbyg.dic" -> "SVbyg.score"). It is UTF-8 text, one word per line: the
// word, a tab, the score as a whole number 0..100. Case does not matter
// ("kål" and "KÅL" are one word); blank lines are skipped; a CR before the
// line end is allowed.
//
//   std::string error;
//   std::optional<WordScores> scores = WordScores::load(scorePathBeside(dic), language, error);
//   if (!scores) fail(error);                      // file and line in the text
//   ScoreCoverage c = scoreCoverage(*scores, dictionaryBytes, language);
//   if (!c.matches()) fail(c.message(scorePath));  // a stale or foreign file
//   int s = scores->score(codes, length);          // -1: no score
//
// Words are keyed by their letter codes (the low five bits of the
// language's letter bytes, as the word store and WordIndex hold them), so a
// lookup needs no text conversion.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace vorkel {

class Language;

class WordScores {
 public:
  static constexpr int MaxScore = 100;
  // A score file above this size is refused rather than read into memory.
  static constexpr std::size_t MaxFileBytes = 64u << 20;

  // The words and scores of a score file's bytes; nullopt with `error`
  // ("line N: ...") at the first line that is not "word<TAB>score", holds a
  // word outside the language or of a length the store cannot hold, a
  // score outside 0..100, or a word already given with another score.
  //
  // With `lenient` (for scores of a whole published word list, before the
  // entries a dictionary takes are chosen) a line whose word the store
  // would not hold is skipped, and a word given twice (also after folding
  // accents and case: "armé", "arme", "Pis", "pis") keeps its lowest
  // score: a variant spelling never lifts a word the list scores low.
  static std::optional<WordScores> parse(std::string_view utf8, const Language& language,
                                         std::string& error, bool lenient = false);
  // The same for a file; `error` names the file.
  static std::optional<WordScores> load(const std::string& path, const Language& language,
                                        std::string& error, bool lenient = false);

  // The score of the word with these letter codes; -1 when it has none.
  int score(const std::uint8_t* codes, int length) const;
  // The same for a word as the store's text (Windows-1252, any case).
  int scoreOfText(std::string_view text, const Language& language) const;

  // The number of the word among the scored words of its length (0 ..
  // count(length)-1, in the order of the codes); -1 when it has no score.
  int find(const std::uint8_t* codes, int length) const;
  int count(int length) const;
  std::size_t size() const;

  // Every word as letter codes with its score, by length and then codes.
  void forEach(const std::function<void(const std::uint8_t* codes, int length, int score)>& visit) const;

  // A builder: add words in any order (`tag`, e.g. a line number, names
  // the entry in a conflict), then finish().
  void add(const std::uint8_t* codes, int length, int score, std::uint32_t tag = 0);
  // Sorts the words. A word added twice keeps its lowest score; when the
  // scores differ and `conflict` is given, the tags of the two entries are
  // written there (the first such pair found) and the answer is false.
  bool finish(std::pair<std::uint32_t, std::uint32_t>* conflict = nullptr);

 private:
  static constexpr int kMinLength = 2;
  static constexpr int kMaxLength = 25;
  struct Bucket {
    std::vector<std::uint8_t> codes;   // count x length, sorted after finish()
    std::vector<std::uint8_t> scores;  // per word
    std::vector<std::uint32_t> tags;   // per word until finish()
    // After finish(): word number + 1 by a hash of its codes (0: empty),
    // open addressing; a lookup of every word of a dictionary is most of a
    // template's load, and a binary search compares about 18 times.
    std::vector<std::uint32_t> table;
  };
  static std::uint64_t hashOf(const std::uint8_t* codes, std::size_t length);
  std::array<Bucket, kMaxLength + 1> buckets_{};
};

// "dir/SVbyg.dic" -> "dir/SVbyg.score" (the last extension replaced, or
// added when the name has none).
std::string scorePathBeside(const std::string& dictionaryPath);

// Whether a score file belongs to a dictionary: words it scores that the
// dictionary lacks, and words of the dictionary it gives no score.
struct ScoreCoverage {
  std::size_t unknown = 0;   // scored words the dictionary does not hold
  std::size_t unscored = 0;  // dictionary words without a score
  std::vector<std::string> unknownExamples;   // a few of each, UTF-8, upper case
  std::vector<std::string> unscoredExamples;

  bool matches() const { return unknown == 0 && unscored == 0; }
  // "SVbyg.score does not match its dictionary: 3 words it scores are not
  // in the dictionary (AB, ...); 2 words of the dictionary have no score
  // (...)".
  std::string message(const std::string& scorePath) const;
};

// Compares `scores` with the words of a word file's bytes (a `.dic` or a
// Windows-1252 list, dictionary/WordFile.h).
ScoreCoverage scoreCoverage(const WordScores& scores, std::string_view dictionaryBytes,
                            const Language& language);

// The score file of `scores`: one "word<TAB>score" line per word, UTF-8,
// upper case, sorted by the words' bytes so the file is reproducible.
std::string scoreFileText(const WordScores& scores, const Language& language);

}  // namespace vorkel
