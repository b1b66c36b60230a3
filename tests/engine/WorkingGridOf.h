#pragma once
// A working grid from rows of cell bytes, for the tests ("#" a clue cell,
// a blank an empty letter cell, a letter a placed one).

#include <string>
#include <vector>

#include "engine/WorkingGrid.h"

namespace vorkel::testing {

inline WorkingGrid gridOf(const std::vector<std::string>& rows, Ui& ui) {
  WorkingGrid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), ui);
  for (int y = 0; y < grid.height(); ++y)
    for (int x = 0; x < grid.width(); ++x)
      grid.put(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], x, y);
  return grid;
}

}  // namespace vorkel::testing
