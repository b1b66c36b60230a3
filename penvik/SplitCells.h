#pragma once
// The line of a split clue cell moved off the middle when one of its two
// clues needs more room than its half and the other can give it: a down
// clue of two lines under an across clue of one ("Mod det ydre" under
// "Rod") takes room from the upper half, and the other way round. The
// across arrow stays in the middle of its half. Where both fit at the
// middle, or no line position fits both, the cell is left as laid out.
//
//   GridPicture g = layoutGrid(...);
//   balanceSplitCells(g, [&](const std::string& text, const Rect& box) { return fits(text, box); });

#include <functional>
#include <string>

#include "penvik/PuzzleLayout.h"

namespace penvik {

// Whether a clue text (Windows-1252) fits a box, in the picture's units.
using TextFits = std::function<bool(const std::string& text, const Rect& box)>;

void balanceSplitCells(GridPicture& grid, const TextFits& fits);

}  // namespace penvik
