#pragma once
// The fill engine: turns a working grid with blocked cells (and maybe some
// letters) into a crossword whose every word is in the dictionary.
//
// It visits the slots in the order of the path and fills them by depth-first
// search with forward checking (see CandidateSearch.h). The recursion takes
// one path stop per level and answers
//    1  the path's end was reached: every slot is filled;
//    0  this stop found no (further) word, or its complete slot is not
//       acceptable: the level above tries its next candidate;
//   -n  jump back: each level that receives it restores its slot and passes
//       on -n + 1, so the stop n + 1 places back takes its next candidate.
// Jumps come from a stop whose slot has no candidate (its `rc`), from the
// keys and the clock (PeriodicCheck.h: Escape jumps past every level) and from
// a stop with no slot (-100). Only `fill` turns the number into a FillResult.
//
//   FillContext context{grid, path, parameters, dictionary, language, random,
//                       counters, ticks, ui, runCounters};
//   FillEngine engine(context);
//   FillResult result = engine.fill(/*seedLetters=*/true);
//
// After FillResult::Filled the grid holds the filled crossword; after any other it
// holds the letters it had before plus the seed letters.

#include <cstddef>
#include <vector>

#include "engine/CandidateList.h"
#include "engine/FillContext.h"
#include "engine/FillResult.h"
#include "engine/SlotIndex.h"
#include "engine/WordPattern.h"

namespace vorkel {

class FillEngine {
 public:
  explicit FillEngine(FillContext& context) : context_(context) {}
  FillEngine(const FillEngine&) = delete;
  FillEngine& operator=(const FillEngine&) = delete;

  // Fills one crossword. With `seedLetters` (only for grids without document
  // letters) up to two random letters are placed first, at the path's seed
  // positions.
  FillResult fill(bool seedLetters);

 private:
  // One level of the search, on the path stop at `stopIndex`.
  int level(std::size_t stopIndex, std::size_t depth);
  void placeSeed(int x, int y, Direction direction);
  // After `slot` was written: true when a crossing slot it completed now
  // holds a word that stands elsewhere in the grid. Refreshes the crossing
  // slots' texts from the cells either way.
  bool completesRepeat(const Slot& slot);
  void refreshCrossings(const Slot& slot);
  void placeSeedAtStop(std::size_t stopIndex);

  FillContext& context_;
  WordPattern scratch_;
  CandidateList working_;
  SlotIndex slotIndex_;  // valid while fill runs
  // Each depth's copy of its candidates; kept between levels and fills so
  // the search does not allocate once the buffers have grown.
  std::vector<std::vector<unsigned char>> levelCopies_;
};

// Fills one crossword with a fresh engine.
FillResult fillCrossword(FillContext& context, bool seedLetters);

}  // namespace vorkel
