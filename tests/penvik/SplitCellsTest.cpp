#include "penvik/SplitCells.h"

#include <gtest/gtest.h>

namespace penvik {
namespace {

// A text fits when its box is at least as tall as it needs: a clue named
// "2" needs two lines, "1" one, and a line is a fifth of the cell. At the
// middle the upper half of a split cell holds two lines, the lower one.
TextFits linesFit(double cell) {
  return [cell](const std::string& text, const Rect& box) {
    const double lines = text.empty() ? 0 : std::stod(text);
    return box.height >= lines * cell / 5;
  };
}

TEST(SplitCells, TheLineMovesToWhicheverClueNeedsRoomIfTheOtherCanGiveIt) {
  RawGrid g;
  g.width = 3;
  g.height = 3;
  g.cells = "#AB"
            "CDE"
            "FGH";
  const double cell = 100;
  enum Move { Up, Down, Stays };
  const struct {
    const char* across;
    const char* down;
    Move move;
    bool bothFit;
  } cases[] = {
      {"1", "1", Stays, true},  {"2", "1", Stays, true},  {"1", "2", Up, true},
      {"", "2", Up, true},      {"2.5", "1", Down, true}, {"2", "2", Stays, false},
      {"3", "1", Stays, false},
  };
  for (const auto& c : cases) {
    Clues clues;
    clues.set({0, 0, Direction::Across}, c.across);
    clues.set({0, 0, Direction::Down}, c.down);
    const GridPicture before = layoutGrid(g, clues, {0, 0, 3 * cell, 3 * cell});
    GridPicture after = before;
    balanceSplitCells(after, linesFit(cell));
    const ClueBox& across = *after.clueBox({0, 0, Direction::Across});
    const ClueBox& down = *after.clueBox({0, 0, Direction::Down});
    const double line = after.splits[0].first.y, middle = before.splits[0].first.y;
    const std::string what = std::string(c.across) + "/" + c.down;
    EXPECT_EQ(c.move == Up ? line < middle : c.move == Down ? line > middle : line == middle, true)
        << what << ": line at " << line;
    EXPECT_EQ(linesFit(cell)(c.across, across.box) && linesFit(cell)(c.down, down.box), c.bothFit)
        << what;
    // The boxes keep to their sides of the line, inside the cell, and the
    // across arrow to the middle of its half.
    EXPECT_LE(across.box.bottom(), line) << what;
    EXPECT_GE(down.box.y, line) << what;
    EXPECT_GE(across.box.y, 0) << what;
    EXPECT_LE(down.box.bottom(), cell) << what;
    EXPECT_DOUBLE_EQ(after.arrows[0].tip.y, line / 2) << what;
    EXPECT_DOUBLE_EQ(after.splits[0].second.y, line) << what;
  }
}

}  // namespace
}  // namespace penvik
