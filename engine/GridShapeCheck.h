#pragma once
// Checks that a model grid can be filled along an automatic path at all.
//
// Two shapes make a fill run forever instead of failing:
//   - a letter cell that lies in no word of two or more letters, neither
//     across nor down: its one-cell slot becomes a path stop, and no word of
//     the dictionary (2 to 25 letters) ever fits it;
//   - a run of more than 25 letter cells, longer than any word.
// Commands that lay a path or start a fill check the model first and refuse
// such grids, naming the cells.
//
//   GridShapeCheck check = GridShapeCheck::of(doc);
//   if (!check.ok()) err << check.describe();

#include <string>
#include <vector>

#include "document/CrosswordDocument.h"

namespace vorkel {

class GridShapeCheck {
 public:
  struct Cell {
    int column = 0;  // 1-based, as the document addresses cells
    int row = 0;
    bool operator==(const Cell&) const = default;
  };

  static GridShapeCheck of(const CrosswordDocument& doc);

  bool ok() const { return hasLetterCells_ && lonelyCells_.empty() && longRuns_.empty(); }
  bool hasLetterCells() const { return hasLetterCells_; }
  // Letter cells in no word of two or more letters, in reading order.
  const std::vector<Cell>& lonelyCells() const { return lonelyCells_; }
  // Runs longer than kMaxFillableRun, across runs first.
  const std::vector<LongRun>& longRuns() const { return longRuns_; }

  // One line per problem (English, for the command line), naming cells as
  // 1-based column,row; empty when the model is fine.
  std::string describe() const;

 private:
  bool hasLetterCells_ = false;
  std::vector<Cell> lonelyCells_;
  std::vector<LongRun> longRuns_;
};

}  // namespace vorkel
