#include "engine/ForcedWords.h"

#include <algorithm>

#include "dictionary/Language.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// A word list larger than this is no word list (the stock dictionary's
// list is about 3 MiB).
constexpr std::uint64_t kMaxListBytes = 64u << 20;

bool isSpaceOrControl(char c) { return static_cast<unsigned char>(c) < 33; }

}  // namespace

bool ForcedWords::add(std::string_view word) {
  if (word.empty() || word.size() > MaxWordLength || words_.size() >= Capacity) return false;
  if (std::any_of(words_.begin(), words_.end(), [&](const ForcedWord& w) { return w.word == word; }))
    return false;
  words_.push_back({std::string(word), static_cast<int>(word.size())});
  return true;
}

std::vector<std::string> readWordLines(std::string_view bytes, std::size_t lineLimit,
                                       const Language& language) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, std::min(end - pos, lineLimit));
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;

    while (!line.empty() && isSpaceOrControl(line.back())) line.remove_suffix(1);
    while (!line.empty() && isSpaceOrControl(line.front())) line.remove_prefix(1);
    if (!line.empty()) words.push_back(upperCaseWord(line, language));
  }
  return words;
}

std::optional<std::vector<std::string>> readWordList(std::string_view path,
                                                     std::size_t lineLimit,
                                                     const Language& language) {
  const std::optional<std::string> bytes = Files::readFile(path, kMaxListBytes);
  if (!bytes) return std::nullopt;
  return readWordLines(*bytes, lineLimit, language);
}

std::string upperCaseWord(std::string_view word, const Language& language) {
  std::string upper(word);
  for (char& c : upper)
    if (const unsigned char letter = language.input(static_cast<unsigned char>(c)); letter != 0)
      c = static_cast<char>(language.nameOf(letter & 0x1F));
  return upper;
}

bool isLetterWord(std::string_view word, const Language& language) {
  return std::all_of(word.begin(), word.end(), [&](char c) {
    return language.input(static_cast<unsigned char>(c)) != 0;
  });
}

}  // namespace vorkel
