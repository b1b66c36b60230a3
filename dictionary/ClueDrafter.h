#pragma once
// Clue drafts for a crossword answer: first the clues the clue database
// holds for it (typed by the user before, imported), then clues made from
// the thesaurus: what the answer is a kind of (ØRN: "Rovfugl") and its
// synonyms (MAD: "Føde"); a Danish number word gets its figure first (FEM:
// "5", TREDJE: "3."). An answer in an inflected form gets thesaurus
// clues in the same form (MADEN: "Føden"), or none from that word.
//
// No draft contains the answer or a word of its stem; vulgar and offensive
// synonyms are never drafted (the thesaurus leaves them out). Among the
// thesaurus clues the shorter come first, a single word before several.
//
//   ClueDrafter drafter(&thesaurus, forms.get(), database.get(), "da");
//   drafter.drafts("MADEN");   // {"Føden", "Kosten", ...}

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/ClueDatabase.h"

namespace vorkel {

class StockClues;
class Thesaurus;
class WordForms;

struct ClueDraft {
  std::string text;  // UTF-8, first letter a capital
  ClueSource source = ClueSource::ThesaurusSynonym;
};

// How common a word is (UTF-8, any case): 0..100, -1 for a word not known.
using WordCommonness = std::function<int(std::string_view word)>;

class ClueDrafter {
 public:
  // Each source may be null (or empty); the drafter uses those it has.
  // With `commonness`, a one-word thesaurus clue of a word scored below 50,
  // or not known, comes after the clues of common words, and a thesaurus
  // clue holding a word scored 0 (offensive, an abbreviation) is left out.
  // The clues of `stock`, the list that comes with the program, follow the
  // database's and come before the thesaurus'.
  ClueDrafter(const Thesaurus* thesaurus, const WordForms* forms, const ClueDatabase* database,
              std::string language, WordCommonness commonness = {},
              const StockClues* stock = nullptr);

  // The drafts for an answer (UTF-8, any case), best first, each once.
  std::vector<ClueDraft> drafts(std::string_view answer) const;

  // Whether a clue gives its answer away: it contains the answer, or a word
  // of it shares a base form with the answer.
  bool givesAway(std::string_view clue, std::string_view answer) const;

 private:
  std::vector<std::string> baseForms(const std::string& word) const;
  // givesAway with the answer in lower case and its base forms worked out.
  bool givesAway(std::string_view clue, const std::string& answer,
                 const std::vector<std::string>& answerBases) const;
  const Thesaurus* thesaurus_;
  const WordForms* forms_;
  const ClueDatabase* database_;
  const StockClues* stock_;
  std::string language_;
  WordCommonness commonness_;
};

// The clue with its first letter a capital (UTF-8, Latin-1 letters).
std::string capitalised(std::string_view clue);

}  // namespace vorkel
