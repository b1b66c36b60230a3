#pragma once
// One stop of the fill path: a word slot named by one of its cells and its
// direction, with the back-jump distance the fill uses when the slot has no
// candidate.

#include <cstdint>

#include "document/Direction.h"

namespace vorkel {

struct PathStop {
  std::int32_t x = -1;  // column of a cell of the slot; negative in an end marker
  std::int32_t y = -1;  // row
  Direction direction = Direction::Across;
  std::int32_t number = 0;  // 1-based number in path order
  std::int32_t backJump = 0;  // back-jump distance; 0 = back to the previous stop
  // The slot the path optimisation found for this stop, as an index into the
  // optimisation's own slot list; -1 outside it. Never owns anything.
  std::int32_t slot = -1;
  std::int32_t type = 0;  // 0..3, the editor's choice, saved with the path

  // Every consumer of a path stops at the first end marker.
  bool isEndMarker() const { return x < 0; }

  bool operator==(const PathStop&) const = default;
};

}  // namespace vorkel
