#pragma once
// The two directions a word runs in a crossword: across (along a row) and
// down (along a column). The numbers are those of the path and raw-crossword
// files (0 across, 1 down).

#include <cstdint>

namespace vorkel {

enum class Direction : std::uint8_t { Across = 0, Down = 1 };

// The direction of the words that cross a word running in `d`.
constexpr Direction crossing(Direction d) {
  return d == Direction::Across ? Direction::Down : Direction::Across;
}

// The direction a file's number stands for: 1 is down, anything else across.
constexpr Direction directionFromNumber(int n) { return n == 1 ? Direction::Down : Direction::Across; }

constexpr int directionNumber(Direction d) { return static_cast<int>(d); }

}  // namespace vorkel
