#pragma once
// One crossword with the fast fill (engine/FastFill.h), for the window's
// runs of a template that asks for it (Fyld=hurtig, app/Template.h).
//
// The words are the template's dictionary at its floor (MinScore, with the
// score file beside the dictionary; a word scored 0 is never used), in the
// word index kept beside the dictionary (engine/KeptWordIndex.h) or built
// when there is none. The context keeps the index, so the next run of the
// same words starts at once. A crossword is attempts with growing failure
// budgets (a Luby sequence) until the grid is filled, the user stops it, or
// no fill can exist.
//
//   FastAttempt attempts(context);
//   if (!attempts.ready()) return;                 // the problem was shown
//   if (attempts.make(false) == FillResult::Filled) save(attempts.grid());

#include <cstdint>
#include <memory>
#include <string>

#include "app/FastFillWords.h"
#include "engine/FillResult.h"
#include "engine/WordIndex.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

class ApplicationContext;
class FastFill;

class FastAttempt {
 public:
  // Loads the words when the context holds none for this template; a
  // problem (no dictionary, a score file that does not fit it) is shown.
  explicit FastAttempt(ApplicationContext& context);
  ~FastAttempt();
  FastAttempt(const FastAttempt&) = delete;
  FastAttempt& operator=(const FastAttempt&) = delete;

  bool ready() const { return fill_ != nullptr; }

  // One crossword from the document, with its letters or empty. Filled,
  // Stopped (Escape), or NotFilled when no fill exists (shown to the user).
  FillResult make(bool withLetters);
  // The grid of the last crossword: a crossword when it was filled.
  const WorkingGrid& grid() const { return grid_; }

 private:
  ApplicationContext& context_;
  std::shared_ptr<const WordIndex> words_;
  int floor_ = 0;  // of the words
  std::unique_ptr<FastFill> fill_;
  WorkingGrid grid_;
};

}  // namespace vorkel
