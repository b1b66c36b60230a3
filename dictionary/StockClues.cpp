#include "dictionary/StockClues.h"

#include <algorithm>

#include "dictionary/ClueDatabase.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

// Longer than any clue cell holds even in small type.
constexpr std::size_t kMaxClueBytes = 64;

}  // namespace

std::optional<StockClues> StockClues::parse(std::string_view text, std::string& error) {
  if (!isValidUtf8(text)) {
    error = "the clue list is not UTF-8";
    return std::nullopt;
  }
  StockClues list;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    const std::string_view word = line.substr(0, tab);
    const std::string_view clue = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    if (word.empty() || clue.empty() || clue.find('\t') != std::string_view::npos ||
        clue.size() > kMaxClueBytes || word.find(' ') != std::string_view::npos) {
      error = "line " + std::to_string(lineNumber) + ": expected a word, a tab and a clue";
      return std::nullopt;
    }
    std::vector<std::string>& clues = list.clues_[upperCaseWord(word)];
    if (std::find(clues.begin(), clues.end(), clue) == clues.end()) clues.emplace_back(clue);
  }
  return list;
}

const std::vector<std::string>& StockClues::clues(std::string_view word) const {
  static const std::vector<std::string> none;
  const auto it = clues_.find(upperCaseWord(word));
  return it == clues_.end() ? none : it->second;
}

}  // namespace vorkel
