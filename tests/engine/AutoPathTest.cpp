#include "engine/AutoPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Path.h"
#include "engine/WorkingGrid.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/engine/WorkingGridOf.h"

namespace vorkel {
namespace {

using testing::gridOf;

// "x,y,r" per stop, end markers included.
std::vector<std::string> describe(const Path& path) {
  std::vector<std::string> out;
  for (const PathStop& s : path.stops())
    out.push_back(std::to_string(s.x) + "," + std::to_string(s.y) + "," + std::to_string(directionNumber(s.direction)));
  return out;
}

TEST(AutoPath, OpenSquareTakesRowZeroThenColumnZeroAndCoversEverySlot) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"   ", "   ", "   "}, ui);
  Path path;
  EXPECT_EQ(layAutoPath(grid, path), 6u);
  // Row 0 first (all equal, the first created wins), then column 0 (first of
  // the down slots crossing one covered cell), then the slots crossing most
  // covered cells; the last pass finds nothing open and takes the list's
  // first slot, column 2, whose cells are all covered by then.
  EXPECT_EQ(describe(path),
            (std::vector<std::string>{"0,0,0", "0,0,1", "0,1,0", "1,0,1", "0,2,0", "2,0,1",
                                      "-1,1,1", "-1,1,1"}));
  for (int y = 0; y < 3; ++y) EXPECT_EQ(grid.row(y), "XXX");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(AutoPath, MoreCoveredCellsBeatLengthAndPlacedLettersCount) {
  ScriptedUi ui;
  // The down slot of column 1 holds a placed letter, so it is taken before
  // the longer, untouched across slot of row 0.
  WorkingGrid grid = gridOf({"     ", "#A#  "}, ui);
  Path path;
  layAutoPath(grid, path);
  EXPECT_EQ(describe(path)[0], "1,0,1");
}

TEST(AutoPath, LastPassRepeatsTheListsFirstSlotWhenItWasVisited) {
  ScriptedUi ui;
  // One column: the down slot (newest, first in the list) wins against the
  // shorter one-cell across slots, and is chosen again once all is covered.
  WorkingGrid grid = gridOf({" ", " ", " "}, ui);
  Path path;
  EXPECT_EQ(layAutoPath(grid, path), 2u);
  EXPECT_EQ(describe(path),
            (std::vector<std::string>{"0,0,1", "0,0,1", "-1,1,1", "-1,1,1"}));
}

TEST(AutoPath, ReplacesTheOldStopsKeepsSeedsAndCopesWithoutLetterCells) {
  ScriptedUi ui;
  Path path;
  path.stops().assign(5, PathStop{});
  path.seeds().first = {3, 4, Direction::Down};
  WorkingGrid clues = gridOf({"##", "##"}, ui);
  EXPECT_EQ(layAutoPath(clues, path), 0u);
  EXPECT_EQ(describe(path), (std::vector<std::string>{"-1,1,1", "-1,1,1"}));
  EXPECT_EQ(path.seeds().first.x, 3);
}

}  // namespace
}  // namespace vorkel
