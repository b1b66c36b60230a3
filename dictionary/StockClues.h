#pragma once
// Clues that come with the program for words the thesaurus gives none for:
// function words (IND: "Ikke ud"), forms it does not cover, common
// crossword words. The list is UTF-8 text, one clue a line as
// "WORD<TAB>clue", the best clue of a word first; lines starting with '#'
// and blank lines are skipped.
//
//   std::string error;
//   auto stock = StockClues::parse(stockCluesDanish(), error);
//   stock->clues("ind");   // {"Ikke ud"}: any case

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class StockClues {
 public:
  // The list in `text`; nullopt with `error` ("line N: ...") at the first
  // line that is not a word, a tab and a clue, or when the text is not UTF-8.
  static std::optional<StockClues> parse(std::string_view text, std::string& error);

  // The clues of a word (UTF-8, any case), best first; empty when it has none.
  const std::vector<std::string>& clues(std::string_view word) const;
  std::size_t words() const { return clues_.size(); }
  // Every word with its clues, in upper case.
  const std::map<std::string, std::vector<std::string>, std::less<>>& all() const { return clues_; }

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> clues_;  // by upper-case word
};

// The Danish list the program comes with (data/clues/da.tsv, built in).
std::string_view stockCluesDanish();

}  // namespace vorkel
