#pragma once
// The shape the fast fill works on: the words of a grid (every across and
// down run of two or more letter cells) and where they cross.
//
// Cells are numbered y * width + x. A run of one cell is no word and gets
// no slot: its letter is bound only by the word in the other direction.
// Slots are numbered across first (row by row, left to right), then down
// (column by column, top to bottom).
//
//   SlotGraph graph = SlotGraph::of(grid);
//   for (const SlotGraph::Slot& s : graph.slots) ...
//
// Built once per fill from the grid's "#" cells; the letters in the grid
// are not part of the shape.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/Slot.h"

namespace vorkel {

class WorkingGrid;

struct SlotGraph {
  static constexpr int MaxLength = 25;

  struct Slot {
    int x = 0;  // first cell
    int y = 0;
    Direction direction = Direction::Across;
    int length = 0;
    std::array<int, MaxLength> cell{};      // cell number at each position
    std::array<int, MaxLength> crossing{};  // slot crossing there, -1 for none
    std::array<int, MaxLength> crossingPosition{};  // its position in that slot
    int crossings = 0;                      // positions with a crossing slot
  };

  int width = 0;
  int height = 0;
  std::vector<Slot> slots;
  // Runs longer than MaxLength: no word fits them, the grid cannot be filled.
  int tooLong = 0;
  // Letter cells in no slot: nothing would ever fill them.
  int lonelyCells = 0;

  static SlotGraph of(const WorkingGrid& grid);

  // Bit L set when some slot has L letters.
  std::uint32_t lengths() const;
};

}  // namespace vorkel
