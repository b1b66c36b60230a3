#pragma once
// The typography block shared by a grid cell (`Cell`) and a code field
// (`CodeField`): per text line 0..9 (the file's `Lin`) its height (`heights`,
// the file's `Hoj`, percent of the cell size), whether it has its own weight
// (`ownWeights`, `defvaegt`), that weight (`weights`, `Vaegt`, a width factor)
// and its vertical offset (`offsets`, `Op`, a fraction of the cell size);
// plus `extra`, a fifth number of a letter cell that only the drawing program
// uses. A letter cell uses line 0 only.

#include <array>

namespace vorkel {

struct Typography {
  static constexpr int kLines = 10;
  static constexpr double kDefaultHeight = 45.0;
  static constexpr double kDefaultWeight = 0.36;

  std::array<double, kLines> heights{};
  std::array<bool, kLines> ownWeights{};
  std::array<double, kLines> weights{};
  std::array<double, kLines> offsets{};
  double extra = 0.0;

  // The typography of a new cell: height 45, default weight 0.36, offset 0
  // for line 0 and -0.1 for the lines below it.
  Typography() {
    heights.fill(kDefaultHeight);
    weights.fill(kDefaultWeight);
    offsets.fill(-0.1);
    offsets[0] = 0.0;
  }

  bool operator==(const Typography&) const = default;
};

}  // namespace vorkel
