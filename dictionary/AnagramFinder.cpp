#include "dictionary/AnagramFinder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>
#include <vector>

#include "dictionary/AnagramWordList.h"
#include "dictionary/Language.h"
#include "dictionary/LetterInventory.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

constexpr int MinLength = WordStore::MinLength;
constexpr int MaxLength = WordStore::MaxLength;
constexpr std::size_t OutputSize = 241;  // the anagram being built, words and blanks

bool isLetterByte(unsigned char b) { return b >= 0x40 && b <= 0x5F; }

// One dictionary word that can be made from the letters the search starts
// with. `rank` is its place in letter order among the words of its length
// and first letter, so "not before the previous word" is one comparison.
struct Candidate {
  std::uint32_t offset;  // of its letters in Search::letters_
  std::uint32_t mask;    // its letter set
  std::uint32_t rank;
};

// One search run: the candidate words, the output buffer and the line count.
//
// The recursion is `extend` below. It walks, for each word length and first
// letter still available, the words of the dictionary's first-letter chain,
// newest first. Only the words that fit into the letters the search starts
// with are kept (in chain order): every remainder along the recursion is a
// part of those letters, so a word that does not fit them can never be taken
// and leaving it out changes neither the lines nor their order.
class Search {
 public:
  Search(WordStore& dict, const AnagramSettings& settings, std::string& out,
         const AnagramFinder::Progress& progress)
      : dict_(dict), language_(dict.language()), settings_(settings), out_(out),
        progress_(progress) {}

  // Collects the candidates for the letters of `root`, up to `longest` letters.
  void collect(const LetterInventory& root);

  // Puts text (a given or list word, as letter bytes) and a blank at the
  // start of the output; returns the position after the blank.
  int startWith(std::string_view letters) {
    std::memcpy(buffer_.data(), letters.data(), letters.size());
    buffer_[letters.size()] = ' ';
    return static_cast<int>(letters.size()) + 1;
  }

  // The first words' lengths from `first` down to the shortest word setting.
  bool run(int first, const LetterInventory& rest, int position) {
    for (int n = first; n >= settings_.shortestWord; --n)
      if (extend(n, rest, position, nullptr)) return true;
    return false;
  }

  int lines() const { return lines_; }
  bool stopped() const { return stopped_; }

 private:
  // Counts a word tried; true when the progress callback says to stop.
  bool stopNow() {
    if ((++tried_ % AnagramFinder::ProgressEvery) != 0 || !progress_) return false;
    stopped_ = !progress_(lines_, tried_);
    return stopped_;
  }
  bool extend(int length, const LetterInventory& rest, int position, const Candidate* previous);
  bool writeLine(int end);

  WordStore& dict_;
  const Language& language_;
  const AnagramSettings& settings_;
  std::string& out_;
  std::string letters_;
  std::vector<Candidate> candidates_;
  // Candidates of length L and first code c: [first_[L][c], first_[L][c + 1]).
  std::array<std::array<std::uint32_t, 33>, MaxLength + 1> first_{};
  std::array<unsigned char, OutputSize> buffer_{};
  int lines_ = 0;
  const AnagramFinder::Progress& progress_;
  std::uint64_t tried_ = 0;
  bool stopped_ = false;
};

void Search::collect(const LetterInventory& root) {
  // A text byte that the language reads as each code, to select the chain
  // through forEachMatch; a code without one cannot start any stored word.
  std::array<char, 32> byteOf{};
  for (int b = 255; b >= 1; --b) {
    if (b == ' ' || b == '.' || b == '?') continue;
    const auto letter = static_cast<unsigned char>(language_.input(static_cast<unsigned char>(b)) & 0xDF);
    if (isLetterByte(letter)) byteOf[letter & 0x1F] = static_cast<char>(b);
  }

  const int longest = std::min({root.total, settings_.longestWord, MaxLength});
  for (int length = MinLength; length <= MaxLength; ++length) {
    for (int code = 0; code < 32; ++code) {
      first_[length][code] = static_cast<std::uint32_t>(candidates_.size());
      if (length > longest || root.counts[code] == 0 || byteOf[code] == 0) continue;
      const std::size_t begin = candidates_.size();
      std::string pattern(static_cast<std::size_t>(length), ' ');
      pattern[0] = byteOf[code];
      dict_.forEachMatch(length, pattern, [&](std::string_view word) {
        std::array<int, 32> need{};
        std::uint32_t mask = 0;
        for (char c : word) {
          const int k = c & 0x1F;
          if (++need[k] > root.counts[k]) return true;
          mask |= std::uint32_t{1} << k;
        }
        candidates_.push_back({static_cast<std::uint32_t>(letters_.size()), mask, 0});
        letters_.append(word);
        return true;
      });
      // Ranks in letter order; the words of a length are distinct.
      std::vector<std::uint32_t> order(candidates_.size() - begin);
      std::iota(order.begin(), order.end(), static_cast<std::uint32_t>(begin));
      const auto len = static_cast<std::size_t>(length);
      std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return letters_.compare(candidates_[a].offset, len, letters_, candidates_[b].offset, len) < 0;
      });
      for (std::size_t r = 0; r < order.size(); ++r)
        candidates_[order[r]].rank = static_cast<std::uint32_t>(r);
    }
    first_[length][32] = static_cast<std::uint32_t>(candidates_.size());
  }
}

bool Search::writeLine(int end) {
  for (int i = 0; i < end; ++i) {
    const unsigned char b = buffer_[static_cast<std::size_t>(i)];
    out_.push_back(b == ' ' ? ' ' : static_cast<char>(language_.nameOf(b & 0x1F)));
  }
  out_ += "\r\n";
  ++lines_;
  return lines_ > settings_.maxAnswers;
}

// Tries every word of `length` as the next word of the anagram whose first
// `position` bytes stand in the buffer, with the letters of `rest` left.
// True when the run has ended (the answer limit was passed).
bool Search::extend(int length, const LetterInventory& rest, int position,
                    const Candidate* previous) {
  // No more words may be added. (Below 0 as well: the given word counts
  // twice, and with a maximum of one word the remainder starts at -1.)
  if (length < MinLength || rest.wordsLeft <= 0) return false;
  // Room for the word, a blank and a closing one-letter word.
  if (static_cast<std::size_t>(position + length + 2) > OutputSize - 1) return false;
  const auto len = static_cast<std::size_t>(length);
  const char* letters = letters_.data();

  const int startCode = previous ? (letters[previous->offset] & 0x1F) : 0;
  for (int code = startCode; code < 32; ++code) {
    if (rest.counts[code] == 0) continue;
    const Candidate* end = candidates_.data() + first_[length][code + 1];
    for (const Candidate* w = candidates_.data() + first_[length][code]; w != end; ++w) {
      if (stopNow()) return true;
      if (w->mask & ~rest.present) continue;
      // Words of equal length in non-decreasing letter order: each set of
      // words once. Words with a later first letter are always later.
      if (previous && code == startCode && w->rank < previous->rank) continue;

      LetterInventory next = rest;
      const char* word = letters + w->offset;
      bool fits = true;
      for (std::size_t i = 0; i < len; ++i) {
        const int k = word[i] & 0x1F;
        if (--next.counts[static_cast<std::size_t>(k)] < 0) {
          fits = false;
          break;
        }
        if (next.counts[static_cast<std::size_t>(k)] == 0) next.present &= ~(std::uint32_t{1} << k);
      }
      if (!fits) continue;
      next.total -= length;
      next.wordsLeft -= 1;

      std::memcpy(buffer_.data() + position, word, len);
      const int after = position + length;
      if (next.total == 0) {
        if (writeLine(after)) return true;
      } else if (next.total == 1) {
        // A last single letter ends the line when it is a word by itself
        // (I, Ø or Å in Danish). A foreign character left is none.
        const int last = std::countr_zero(next.present);
        if (settings_.shortestWord == 1 && next.wordsLeft > 0 && next.foreign == 0 &&
            (language_.oneLetterWords() >> last & 1)) {
          buffer_[static_cast<std::size_t>(after)] = ' ';
          buffer_[static_cast<std::size_t>(after) + 1] = static_cast<unsigned char>(0x40 | last);
          if (writeLine(after + 2)) return true;
        }
      } else {
        buffer_[static_cast<std::size_t>(after)] = ' ';
        // Words never get longer along an anagram; stop once the words left
        // cannot cover the letters left.
        for (int k = std::min(next.total, length); k >= settings_.shortestWord && k >= MinLength;
             --k) {
          if (k * next.wordsLeft < next.total) break;
          if (extend(k, next, after + 1, k == length ? w : nullptr)) return true;
        }
      }
    }
  }
  return false;
}

std::string_view cut(std::string_view text, std::size_t size) { return text.substr(0, size); }

// The given word as letter bytes for the output, blanks kept as separators; a
// character outside the language becomes code 0.
std::string givenWordLetters(std::string_view word, const Language& language) {
  const std::size_t first = word.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  word = word.substr(first, word.find_last_not_of(' ') - first + 1);
  std::string out;
  for (char c : word) {
    const auto b = static_cast<unsigned char>(c);
    const auto letter = static_cast<unsigned char>(language.input(b) & 0xDF);
    out.push_back(b == ' ' ? ' ' : isLetterByte(letter) ? static_cast<char>(letter) : '\x40');
  }
  return out;
}

// A text of this subsystem (UTF-8) as a line of the result file.
std::string fileText(std::string_view text) {
  std::string out;
  for (char c : utf8ToCp1252(text).value_or(std::string())) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

AnagramFinder::AnagramFinder(WordStore& dict, const AnagramSettings& settings)
    : dict_(dict), settings_(settings) {}

AnagramFinder::Result AnagramFinder::searchAll(std::string_view phrase) {
  Result result;
  const LetterInventory letters =
      LetterInventory::fromText(cut(phrase, MaxPhrase), dict_.language(), settings_.maxWords);
  Search search(dict_, settings_, result.text, progress_);
  search.collect(letters);
  search.run(std::min(letters.total, settings_.longestWord), letters, 0);
  result.lines = search.lines();
  result.stopped = search.stopped();
  if (result.lines == 0) result.text = fileText(texts::anagramNoResult);
  return result;
}

std::optional<AnagramFinder::Result> AnagramFinder::searchWithWord(std::string_view phrase,
                                                                   std::string_view word) {
  const Language& language = dict_.language();
  const LetterInventory letters =
      LetterInventory::fromText(cut(phrase, MaxPhrase), language, settings_.maxWords);
  const std::string given = givenWordLetters(cut(word, MaxGivenWord), language);
  LetterInventory rest;
  // The word's letters are counted from its text, as the phrase's are: its
  // letter bytes would go through the input table a second time.
  if (!letters.subtract(LetterInventory::fromText(cut(word, MaxGivenWord), language, 0), rest))
    return std::nullopt;
  rest.wordsLeft -= 1;

  Result result;
  Search search(dict_, settings_, result.text, progress_);
  search.collect(rest);
  const int position = given.empty() ? 0 : search.startWith(given);
  search.run(std::min(rest.total, settings_.longestWord), rest, position);
  result.lines = search.lines();
  result.stopped = search.stopped();
  if (result.lines == 0) result.text = fileText(texts::anagramNoResultWithWord);
  return result;
}

AnagramFinder::Result AnagramFinder::searchWithList(std::string_view phrase,
                                                    const AnagramWordList& list) {
  Result result;
  const LetterInventory letters =
      LetterInventory::fromText(cut(phrase, MaxPhrase), dict_.language(), settings_.maxWords);
  Search search(dict_, settings_, result.text, progress_);
  search.collect(letters);
  for (const AnagramWordList::Entry& entry : list.words()) {
    if (entry.letterSet & ~letters.present) continue;
    LetterInventory rest;
    if (!letters.subtract(LetterInventory::fromLetters(entry.letters, 0), rest)) continue;
    rest.wordsLeft = settings_.maxWords - 1;
    const int position = search.startWith(entry.letters);
    // The words after the list word take what it leaves, up to the longest
    // word setting.
    if (search.run(std::min(rest.total, settings_.longestWord), rest, position)) break;
  }
  result.lines = search.lines();
  result.stopped = search.stopped();
  if (result.lines == 0) result.text = fileText(texts::anagramNoResult);
  return result;
}

}  // namespace vorkel
