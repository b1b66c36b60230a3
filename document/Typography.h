#pragma once
// The typography block shared by a grid cell (`Kpoint`) and a code field
// (`KodeFelt`): per text line `Lin` 0..9 its height (`Hoj`, percent of the
// cell size), whether it has its own weight (`defvaegt`), that weight
// (`Vaegt`, a width factor) and its vertical offset (`Op`, a fraction of the
// cell size); plus `extra`, a fifth number of a letter cell that only the
// drawing program uses. A letter cell uses line 0 only.

#include <array>

namespace vorkel {

struct Typography {
  static constexpr int kLines = 10;
  static constexpr double kDefaultHeight = 45.0;
  static constexpr double kDefaultWeight = 0.36;

  std::array<double, kLines> Hoj{};
  std::array<bool, kLines> defvaegt{};
  std::array<double, kLines> Vaegt{};
  std::array<double, kLines> Op{};
  double extra = 0.0;

  // The typography of a new cell: height 45, default weight 0.36, offset 0
  // for line 0 and -0.1 for the lines below it.
  Typography() {
    Hoj.fill(kDefaultHeight);
    Vaegt.fill(kDefaultWeight);
    Op.fill(-0.1);
    Op[0] = 0.0;
  }

  bool operator==(const Typography&) const = default;
};

}  // namespace vorkel
