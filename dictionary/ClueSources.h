#pragma once
// Everything clue drafts are made from, opened together: the Danish
// thesaurus (mythes-da) and hunspell dictionary (myspell-da) where Debian
// installs them, the user's clue database, and the stock word scores that
// say which words are common. A source that is missing or cannot be read
// is left out and named in `problems`; drafts are made from the rest.
//
//   ClueSources sources = openClueSources(ClueSourcePaths::danish(dbPath, stockDic));
//   for (const ClueDraft& d : sources.drafter().drafts("ØRN")) ...

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/ClueDatabase.h"
#include "dictionary/ClueDrafter.h"
#include "dictionary/Language.h"
#include "dictionary/StockClues.h"
#include "dictionary/Thesaurus.h"
#include "dictionary/WordForms.h"
#include "dictionary/WordScores.h"

namespace vorkel {

struct ClueSourcePaths {
  std::string thesaurus;  // a MyThes .dat file
  std::string hunspell;   // a hunspell dictionary without .aff/.dic
  std::string database;   // the clue database; empty: none
  std::string scores;     // a word score file; empty: none
  // Create the database when it is not there (a program that stores clues),
  // or use it only when it is (a program that only reads them).
  bool createDatabase = false;

  // The Danish sources in Debian's folders, the database and the score file given.
  static ClueSourcePaths danish(std::string database, std::string scores);
};

struct ClueSources {
  std::optional<Thesaurus> thesaurus;
  std::unique_ptr<WordForms> forms;
  std::unique_ptr<ClueDatabase> database;
  std::optional<WordScores> scores;
  std::optional<StockClues> stock;  // the clues that come with the program
  Language language;
  std::vector<std::string> problems;

  ClueDrafter drafter() const;
  // The texts of the drafts for a word, best first.
  std::vector<std::string> draftTexts(std::string_view word) const;
};

ClueSources openClueSources(const ClueSourcePaths& paths);

}  // namespace vorkel
