#include "dictionary/WordScores.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <utility>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr std::size_t kExamples = 5;

// The letter codes of a Windows-1252 word as the store reads it; empty when
// it holds a character outside the language or a blank, or its length is
// outside what the store holds.
std::string codesOf(std::string_view text, const Language& language) {
  if (text.find_first_of(std::string_view(" \0", 2)) != std::string_view::npos) return {};
  char letters[WordStore::MaxLength + 1];
  const int length = wordLetters(language, text, letters);
  if (length < WordStore::MinLength || length > WordStore::MaxLength) return {};
  std::string codes(static_cast<std::size_t>(length), '\0');
  for (int i = 0; i < length; ++i) codes[static_cast<std::size_t>(i)] = static_cast<char>(letters[i] & 31);
  return codes;
}

std::string displayText(const std::string& codes, const Language& language) {
  std::string text;
  for (const char c : codes) text += static_cast<char>(language.nameOf(c));
  return cp1252ToUtf8(text);
}

std::string lineError(std::size_t line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

std::string shown(std::string_view utf8) {
  // A line of random bytes is not echoed whole.
  std::string s(utf8.substr(0, 40));
  if (!isValidUtf8(s)) return "(not UTF-8)";
  return "'" + s + (utf8.size() > 40 ? "...'" : "'");
}

}  // namespace

std::optional<WordScores> WordScores::parse(std::string_view utf8, const Language& language,
                                            std::string& error, bool lenient) {
  WordScores scores;
  std::size_t lineNumber = 0;
  std::size_t at = 0;
  while (at < utf8.size()) {
    std::size_t end = utf8.find('\n', at);
    if (end == std::string_view::npos) end = utf8.size();
    std::string_view line = utf8.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0) {
      error = lineError(lineNumber, shown(line) + " is not a word, a tab and a score");
      return std::nullopt;
    }
    const std::string_view word = line.substr(0, tab);
    const std::string_view number = line.substr(tab + 1);
    int value = -1;
    const auto [end2, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc{} || end2 != number.data() + number.size() || value < 0 ||
        value > MaxScore || number.empty() || number.size() > 3) {
      error = lineError(lineNumber, "the score " + shown(number) + " is not a whole number from 0 to 100");
      return std::nullopt;
    }
    std::string text;
    const bool converted = utf8ToCp1252Exact(word, text);
    const std::string codes = converted ? codesOf(text, language) : std::string();
    if (lenient && codes.empty()) continue;
    if (!converted) {
      error = lineError(lineNumber, shown(word) + " is not UTF-8 text of the language's letters");
      return std::nullopt;
    }
    if (codes.empty()) {
      error = lineError(lineNumber, shown(word) +
                                        " is not a word of 2 to 25 letters of the dictionary's language");
      return std::nullopt;
    }
    scores.add(reinterpret_cast<const std::uint8_t*>(codes.data()), static_cast<int>(codes.size()),
               value, static_cast<std::uint32_t>(lineNumber));
  }
  std::pair<std::uint32_t, std::uint32_t> conflict;
  if (!scores.finish(lenient ? nullptr : &conflict)) {
    error = lineError(conflict.second, "the word of line " + std::to_string(conflict.first) +
                                           " again, with another score");
    return std::nullopt;
  }
  return scores;
}

std::optional<WordScores> WordScores::load(const std::string& path, const Language& language,
                                           std::string& error, bool lenient) {
  const std::optional<std::string> bytes = Files::readFile(path, MaxFileBytes);
  if (!bytes) {
    error = "cannot read the score file " + path + " (missing, unreadable or above 64 MB)";
    return std::nullopt;
  }
  std::optional<WordScores> scores = parse(*bytes, language, error, lenient);
  if (!scores) error = path + ", " + error;
  return scores;
}

std::uint64_t WordScores::hashOf(const std::uint8_t* codes, std::size_t length) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  for (std::size_t i = 0; i < length; ++i) h = (h ^ codes[i]) * 0x100000001B3ull;
  return h ^ (h >> 29);
}

int WordScores::find(const std::uint8_t* codes, int length) const {
  if (length < kMinLength || length > kMaxLength) return -1;
  const Bucket& b = buckets_[static_cast<std::size_t>(length)];
  if (b.table.empty()) return -1;
  const auto len = static_cast<std::size_t>(length);
  const std::size_t mask = b.table.size() - 1;
  for (std::size_t slot = hashOf(codes, len) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = b.table[slot];
    if (entry == 0) return -1;
    const std::size_t word = entry - 1;
    if (std::memcmp(b.codes.data() + word * len, codes, len) == 0) return static_cast<int>(word);
  }
}

int WordScores::score(const std::uint8_t* codes, int length) const {
  const int word = find(codes, length);
  return word < 0 ? -1 : buckets_[static_cast<std::size_t>(length)].scores[static_cast<std::size_t>(word)];
}

int WordScores::scoreOfText(std::string_view text, const Language& language) const {
  const std::string codes = codesOf(text, language);
  return score(reinterpret_cast<const std::uint8_t*>(codes.data()), static_cast<int>(codes.size()));
}

int WordScores::count(int length) const {
  return length < kMinLength || length > kMaxLength
             ? 0
             : static_cast<int>(buckets_[static_cast<std::size_t>(length)].scores.size());
}

std::size_t WordScores::size() const {
  std::size_t total = 0;
  for (const Bucket& b : buckets_) total += b.scores.size();
  return total;
}

void WordScores::forEach(
    const std::function<void(const std::uint8_t* codes, int length, int score)>& visit) const {
  for (int length = kMinLength; length <= kMaxLength; ++length) {
    const Bucket& b = buckets_[static_cast<std::size_t>(length)];
    for (std::size_t w = 0; w < b.scores.size(); ++w)
      visit(b.codes.data() + w * static_cast<std::size_t>(length), length, b.scores[w]);
  }
}

void WordScores::add(const std::uint8_t* codes, int length, int score, std::uint32_t tag) {
  if (length < kMinLength || length > kMaxLength) return;
  Bucket& b = buckets_[static_cast<std::size_t>(length)];
  b.codes.insert(b.codes.end(), codes, codes + length);
  b.scores.push_back(static_cast<std::uint8_t>(std::clamp(score, 0, MaxScore)));
  b.tags.push_back(tag);
}

bool WordScores::finish(std::pair<std::uint32_t, std::uint32_t>* conflict) {
  bool clean = true;
  for (int length = kMinLength; length <= kMaxLength; ++length) {
    Bucket& b = buckets_[static_cast<std::size_t>(length)];
    const auto len = static_cast<std::size_t>(length);
    std::vector<std::uint32_t> order(b.scores.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<std::uint32_t>(k);
    const auto word = [&](std::uint32_t k) { return b.codes.data() + k * len; };
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
      return std::memcmp(word(x), word(y), len) < 0;
    });
    Bucket sorted;
    for (const std::uint32_t k : order) {
      const std::size_t n = sorted.scores.size();
      if (n > 0 && std::memcmp(sorted.codes.data() + (n - 1) * len, word(k), len) == 0) {
        if (sorted.scores[n - 1] != b.scores[k] && clean && conflict != nullptr) {
          *conflict = {std::min(sorted.tags[n - 1], b.tags[k]), std::max(sorted.tags[n - 1], b.tags[k])};
          clean = false;
        }
        sorted.scores[n - 1] = std::min(sorted.scores[n - 1], b.scores[k]);
        continue;
      }
      sorted.codes.insert(sorted.codes.end(), word(k), word(k) + len);
      sorted.scores.push_back(b.scores[k]);
      sorted.tags.push_back(b.tags[k]);
    }
    sorted.tags.clear();
    sorted.tags.shrink_to_fit();
    // The table: at least twice the words, a power of two.
    std::size_t size = 16;
    while (size < 2 * sorted.scores.size()) size *= 2;
    sorted.table.assign(size, 0);
    for (std::size_t w = 0; w < sorted.scores.size(); ++w) {
      std::size_t slot = hashOf(sorted.codes.data() + w * len, len) & (size - 1);
      while (sorted.table[slot] != 0) slot = (slot + 1) & (size - 1);
      sorted.table[slot] = static_cast<std::uint32_t>(w + 1);
    }
    b = std::move(sorted);
  }
  return clean;
}

std::string scorePathBeside(const std::string& dictionaryPath) {
  const std::string_view name = Files::fileName(dictionaryPath);
  const std::size_t dot = name.rfind('.');
  const std::size_t cut = dot == std::string_view::npos || dot == 0
                              ? dictionaryPath.size()
                              : dictionaryPath.size() - name.size() + dot;
  return dictionaryPath.substr(0, cut) + ".score";
}

std::string ScoreCoverage::message(const std::string& scorePath) const {
  const auto list = [](const std::vector<std::string>& words, std::size_t count) {
    std::string s;
    for (const std::string& w : words) s += (s.empty() ? "" : ", ") + w;
    if (count > words.size()) s += ", ...";
    return s;
  };
  std::string text = std::string(Files::fileName(scorePath)) + " does not match its dictionary";
  if (unknown > 0)
    text += ": " + std::to_string(unknown) + " words it scores are not in the dictionary (" +
            list(unknownExamples, unknown) + ")";
  if (unscored > 0)
    text += std::string(unknown > 0 ? ";" : ":") + " " + std::to_string(unscored) +
            " words of the dictionary have no score (" + list(unscoredExamples, unscored) + ")";
  return text + "; make the score file again for this dictionary, or remove it";
}

ScoreCoverage scoreCoverage(const WordScores& scores, std::string_view dictionaryBytes,
                            const Language& language) {
  ScoreCoverage coverage;
  std::array<std::vector<bool>, WordStore::MaxLength + 1> held;
  for (int length = WordStore::MinLength; length <= WordStore::MaxLength; ++length)
    held[static_cast<std::size_t>(length)].assign(static_cast<std::size_t>(scores.count(length)), false);
  forEachFileWord(dictionaryBytes, language, [&](std::string_view text) {
    const std::string codes = codesOf(text, language);
    if (codes.empty()) return true;  // the loaders leave it out as well
    const auto* c = reinterpret_cast<const std::uint8_t*>(codes.data());
    const int length = static_cast<int>(codes.size());
    const int word = scores.find(c, length);
    if (word >= 0) {
      held[codes.size()][static_cast<std::size_t>(word)] = true;
    } else {
      if (coverage.unscoredExamples.size() < kExamples)
        coverage.unscoredExamples.push_back(displayText(codes, language));
      ++coverage.unscored;
    }
    return true;
  });
  scores.forEach([&](const std::uint8_t* codes, int length, int) {
    const int word = scores.find(codes, length);
    if (held[static_cast<std::size_t>(length)][static_cast<std::size_t>(word)]) return;
    if (coverage.unknownExamples.size() < kExamples)
      coverage.unknownExamples.push_back(
          displayText(std::string(reinterpret_cast<const char*>(codes), static_cast<std::size_t>(length)), language));
    ++coverage.unknown;
  });
  return coverage;
}

std::string scoreFileText(const WordScores& scores, const Language& language) {
  std::vector<std::pair<std::string, int>> lines;
  lines.reserve(scores.size());
  scores.forEach([&](const std::uint8_t* codes, int length, int score) {
    lines.emplace_back(
        displayText(std::string(reinterpret_cast<const char*>(codes), static_cast<std::size_t>(length)), language),
        score);
  });
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const auto& [word, score] : lines) text += word + "\t" + std::to_string(score) + "\n";
  return text;
}

}  // namespace vorkel
