#pragma once
// Where the fill puts its random start letters when the grid holds no
// document letters: two cells with a direction. A seed whose x is negative is
// ignored; x == 0 means "use the first (second) stop of the path instead".

#include <cstdint>

#include "document/Direction.h"

namespace vorkel {

struct SeedPositions {
  struct Seed {
    std::int32_t x = -1;
    std::int32_t y = 0;
    Direction direction = Direction::Across;
    bool operator==(const Seed&) const = default;
  };
  Seed first;
  Seed second;
  bool operator==(const SeedPositions&) const = default;
};

}  // namespace vorkel
