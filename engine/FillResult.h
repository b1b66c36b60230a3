#pragma once
// How one fill of a crossword ended. The search inside the fill engine
// passes back-jumps between its levels as numbers; this is what reaches
// the callers.

#include <cstdint>

namespace vorkel {

enum class FillResult : std::uint8_t {
  Filled,       // every slot holds a word: the grid is a crossword
  NotFilled,    // the search ran out of words, or a back-jump ran past the first stop
  Stopped,      // the user pressed Escape
  BudgetSpent,  // the attempt's entry budget ran out
  NotPlaced,    // the forced words found no place in the grid
};

}  // namespace vorkel
