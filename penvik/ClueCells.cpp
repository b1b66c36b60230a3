#include "penvik/ClueCells.h"

namespace penvik {

namespace {

struct Step {
  int dx;
  int dy;
};

Step stepOf(Direction d) { return d == Direction::Across ? Step{1, 0} : Step{0, 1}; }

// Length of the run of letter cells from (column, row) on.
int runLength(const RawGrid& grid, int column, int row, Direction d) {
  const Step s = stepOf(d);
  int n = 0;
  while (grid.isLetterCell(column + n * s.dx, row + n * s.dy)) ++n;
  return n;
}

// True when a word of two or more letters begins at (column, row) going d.
bool wordStartsAt(const RawGrid& grid, int column, int row, Direction d) {
  const Step s = stepOf(d);
  return !grid.isLetterCell(column - s.dx, row - s.dy) && runLength(grid, column, row, d) >= 2;
}

}  // namespace

std::vector<Word> findWords(const RawGrid& grid) {
  std::vector<Word> words;
  for (Direction d : {Direction::Across, Direction::Down})
    for (int row = 0; row < grid.height; ++row)
      for (int column = 0; column < grid.width; ++column)
        if (wordStartsAt(grid, column, row, d))
          words.push_back({column, row, d, runLength(grid, column, row, d)});
  return words;
}

ClueCell clueCellAt(const RawGrid& grid, int column, int row) {
  ClueCell cell{column, row, false, false};
  if (!grid.contains(column, row) || !grid.isClue(column, row)) return cell;
  cell.across = wordStartsAt(grid, column + 1, row, Direction::Across);
  cell.down = wordStartsAt(grid, column, row + 1, Direction::Down);
  return cell;
}

std::vector<ClueCell> findClueCells(const RawGrid& grid) {
  std::vector<ClueCell> cells;
  for (int row = 0; row < grid.height; ++row)
    for (int column = 0; column < grid.width; ++column)
      if (grid.isClue(column, row)) cells.push_back(clueCellAt(grid, column, row));
  return cells;
}

std::vector<Word> wordsWithoutClueCell(const RawGrid& grid) {
  std::vector<Word> orphans;
  for (const Word& w : findWords(grid)) {
    const Step s = stepOf(w.direction);
    if (!grid.contains(w.column - s.dx, w.row - s.dy)) orphans.push_back(w);
  }
  return orphans;
}

}  // namespace penvik
