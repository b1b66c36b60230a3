#include "engine/GridShapeCheck.h"
#include "tests/document/ModelPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorkel {
namespace {

using testing::modelOf;
CrosswordDocument docOf(const std::vector<std::string>& rows) { return modelOf(rows); }

using Cells = std::vector<GridShapeCheck::Cell>;

TEST(GridShapeCheck, LetterCellsNeedAWordOfTwoLettersOneWayAtLeast) {
  // Every letter cell has a neighbour across or down; several are crossed
  // one way only, including cells on the grid's edges.
  const GridShapeCheck check = GridShapeCheck::of(docOf({"#..#", "#.##", "..#.", "##.."}));
  EXPECT_TRUE(check.ok()) << check.describe();

  // (3,1) sits between clue cells on the top edge; (2,2) touches it only
  // diagonally; (1,3) is walled in on the left edge.
  const GridShapeCheck lonely = GridShapeCheck::of(docOf({"##.#", "#.##", ".#..", "##.#"}));
  EXPECT_FALSE(lonely.ok());
  EXPECT_EQ(lonely.lonelyCells(), (Cells{{3, 1}, {2, 2}, {1, 3}}));
  EXPECT_NE(lonely.describe().find("cell 1,3 (column,row, counted from 1)"), std::string::npos);
}

TEST(GridShapeCheck, RunsLongerThanTheLongestWordAreRefused) {
  std::vector<std::string> rows(3, std::string(26, '#'));
  rows[1] = "#" + std::string(25, '.');  // 25 letters: the longest word fits
  EXPECT_TRUE(GridShapeCheck::of(docOf(rows)).ok());

  rows[1] = std::string(26, '.');
  rows[0][0] = '.';
  const GridShapeCheck check = GridShapeCheck::of(docOf(rows));
  ASSERT_EQ(check.longRuns().size(), 1u);
  EXPECT_EQ(check.longRuns()[0].length, 26);
  EXPECT_FALSE(check.longRuns()[0].down);
  EXPECT_TRUE(check.lonelyCells().empty());
  EXPECT_NE(check.describe().find("across run of 26 letter cells from cell 1,2"),
            std::string::npos);
}

TEST(GridShapeCheck, AModelWithoutLetterCellsCannotBeFilled) {
  EXPECT_EQ(GridShapeCheck::of(docOf({"##", "##"})).describe(), "the model has no letter cells\n");
}

}  // namespace
}  // namespace vorkel
