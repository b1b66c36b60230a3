#include "engine/GridShapeCheck.h"

#include <string>

namespace vorkel {

namespace {

bool isLetter(const CrosswordDocument& doc, int column, int row) {
  return doc.contains(column, row) && !doc.cellAt(column, row).isClue;
}

}  // namespace

GridShapeCheck GridShapeCheck::of(const CrosswordDocument& doc) {
  GridShapeCheck check;
  for (int row = 1; row <= doc.height(); ++row)
    for (int column = 1; column <= doc.width(); ++column) {
      if (!isLetter(doc, column, row)) continue;
      check.hasLetterCells_ = true;
      // A neighbour letter cell along a line puts this cell in a run of two
      // or more in that direction.
      const bool across = isLetter(doc, column - 1, row) || isLetter(doc, column + 1, row);
      const bool down = isLetter(doc, column, row - 1) || isLetter(doc, column, row + 1);
      if (!across && !down) check.lonelyCells_.push_back({column, row});
    }
  check.longRuns_ = findLongRuns(doc, kMaxFillableRun);
  return check;
}

std::string GridShapeCheck::describe() const {
  std::string text;
  if (!hasLetterCells_) text += "the model has no letter cells\n";
  for (const Cell& c : lonelyCells_)
    text += "cell " + std::to_string(c.column) + "," + std::to_string(c.row) +
            " (column,row, counted from 1) is a letter cell in no word of 2 or more letters\n";
  for (const LongRun& r : longRuns_)
    text += std::string(r.down ? "down" : "across") + " run of " + std::to_string(r.length) +
            " letter cells from cell " + std::to_string(r.column) + "," + std::to_string(r.row) +
            " (column,row, counted from 1) is longer than the longest word (" +
            std::to_string(kMaxFillableRun) + " letters)\n";
  return text;
}

}  // namespace vorkel
