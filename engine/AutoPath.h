#pragma once
// The automatic path: orders the word slots of a grid greedily, most
// constrained first, so that each slot the fill takes crosses as many
// already-filled cells as possible.
//
//   WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
//   layAutoPath(grid, path);      // path now lists every slot once, then two end markers
//   optimisePath(path, doc, ui);  // PathOptimiser.h: drops repeats, sets the back-jumps
//
// The grid is used as scratch: every letter cell it covers is marked "X".

#include <cstddef>

namespace vorkel {

class Path;
class WorkingGrid;

// Replaces the stops of `path` (its seeds stay) by a greedy order of the
// grid's slots:
//   - of the slots that still have a blank cell, the one with the most
//     non-blank cells wins; of equals the longer one, and of equally long
//     ones the one created first (the slot list is newest-first and later
//     entries win ties);
//   - the winner becomes a stop and its cells are marked "X";
//   - when the winner has no blank cell left (every cell is covered), its
//     stop is the last one and the loop ends.
// The path then ends with two end markers (x = -1, y = 1, down). A grid
// without any letter cell gives a path of the two end markers alone.
// Returns the number of stops before the end markers.
std::size_t layAutoPath(WorkingGrid& grid, Path& path);

}  // namespace vorkel
