#pragma once
// Where everything of a crossword picture goes: the cells, the clue texts,
// their arrows, and on paper the two A4 pages (the puzzle with empty letter
// cells, then the solution with the letters). The window, the PDF and the
// SVG all draw from this one layout, so what is on screen is what is
// printed; the drawing itself (fonts, pens) is the front-end's.
//
//   GridPicture g = layoutGrid(grid, clues, {0, 0, 600, 400});  // on screen, pixels
//   PuzzlePages p = layoutPuzzle(grid, clues, "x13_000.009");     // on paper, millimetres
//
// Units are whatever the area is given in: pixels on screen, millimetres on
// paper. Texts of the crossword (letters, clue texts) are Windows-1252 bytes
// as in its files; page titles are UTF-8.
//
// A clue cell that starts one word holds one clue box filling the cell,
// less room for the arrow on the side the word lies. One that starts two
// is split across the middle: the across clue above with its arrow on the
// right edge, the down clue below with its arrow on the bottom edge. The
// drawing may move that line for clues that need it (penvik/SplitCells.h).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "penvik/ClueCells.h"
#include "penvik/Clues.h"
#include "penvik/RawGrid.h"

namespace penvik {

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
  bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
};

// A filled triangle pointing into the word.
struct Arrow {
  Direction direction = Direction::Across;
  Point tip, left, right;
};

struct CellPicture {
  int column = 0;  // 0-based
  int row = 0;
  Rect box;
  bool clue = false;
  char letter = ' ';  // the letter cell's letter; blank for none
};

struct ClueBox {
  ClueKey key;
  Rect box;          // where the text goes
  std::string text;  // Windows-1252; empty when not written yet
  bool draft = false;  // a draft not yet accepted (penvik/Clues.h)
};

struct GridPicture {
  Rect frame;  // the whole grid
  double cellSize = 0;
  int columns = 0;
  int rows = 0;
  std::vector<CellPicture> cells;  // row by row
  std::vector<ClueBox> clues;      // one per word a clue cell starts
  std::vector<Arrow> arrows;       // one per clue box
  std::vector<std::pair<Point, Point>> splits;  // the line across a cell with two clues

  // The cell under a point (0-based column and row), if any.
  std::optional<std::pair<int, int>> cellAt(Point p) const;
  // The clue box of a clue, if the grid has that clue.
  const ClueBox* clueBox(const ClueKey& key) const;
};

// The grid fitted into `area` (cells square, as large as fit but at most
// maxCellSize; centred across, at the top of the area).
GridPicture layoutGrid(const RawGrid& grid, const Clues& clues, Rect area,
                       double maxCellSize = 1e9);

// One A4 page, in millimetres.
struct Page {
  static constexpr double Width = 210;
  static constexpr double Height = 297;
  std::string title;     // UTF-8
  Rect titleBox;
  std::string subtitle;  // UTF-8: the crossword's name
  Rect subtitleBox;
  GridPicture grid;
  bool showLetters = false;
};

struct PuzzlePages {
  Page puzzle;    // empty letter cells, the clues
  Page solution;  // the letters, the clues
};

// Both pages of a crossword; `name` (UTF-8) is printed under the title.
PuzzlePages layoutPuzzle(const RawGrid& grid, const Clues& clues, std::string_view name);

}  // namespace penvik
