#pragma once
// The scratch record of one fill: the slot being filled, its pattern and the
// crossing word at each of its positions.

#include <cstdint>

#include "engine/CrossInfo.h"
#include "engine/Slot.h"

namespace vorkel {

struct WordPattern {
  // Positions the crossing table covers. Slots longer than this (or than the
  // dictionary's longest word) never get candidates.
  static constexpr int MaxPositions = 26;

  char pattern[MaxPositions + 2] = {};  // the slot's current text, NUL-ended
  Slot* slot = nullptr;
  std::int32_t len = 0;
  CrossInfo cross[MaxPositions];
};

}  // namespace vorkel
