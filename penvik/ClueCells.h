#pragma once
// Where the clues of a raw crossword go, and which way their arrows point.
//
// A word is a run of two or more letter cells across or down. A clue cell
// starts the across word that begins in the cell to its right, and the
// down word that begins in the cell below it: those are the one or two
// clues it holds, each with an arrow pointing into its word. A clue cell
// next to a single letter cell, or next to another clue cell, starts no
// word that way; a word that begins at the grid's edge has no clue cell.
//
//   for (const ClueCell& c : findClueCells(grid))
//     if (c.starts(Direction::Across)) drawArrowRight(c.column, c.row);

#include <vector>

#include "document/Direction.h"
#include "penvik/RawGrid.h"

namespace penvik {

using vorkel::Direction;

// A word of the grid: its first letter cell (0-based), its direction and length.
struct Word {
  int column = 0;
  int row = 0;
  Direction direction = Direction::Across;
  int length = 0;
  friend bool operator==(const Word&, const Word&) = default;
};

struct ClueCell {
  int column = 0;  // 0-based
  int row = 0;
  bool across = false;  // starts the across word to its right
  bool down = false;    // starts the down word below it
  bool starts(Direction d) const { return d == Direction::Across ? across : down; }
  bool startsAny() const { return across || down; }
  friend bool operator==(const ClueCell&, const ClueCell&) = default;
};

// Every word of the grid, across words first, each group in reading order.
std::vector<Word> findWords(const RawGrid& grid);

// Every clue cell of the grid in reading order, with the words it starts.
std::vector<ClueCell> findClueCells(const RawGrid& grid);

// The clue cell at (column, row) with its words, or a cell that starts
// nothing when (column, row) is no clue cell.
ClueCell clueCellAt(const RawGrid& grid, int column, int row);

// The words whose first cell has no clue cell before it (at the grid's
// left or top edge): nothing in the grid can hold their clue.
std::vector<Word> wordsWithoutClueCell(const RawGrid& grid);

}  // namespace penvik
