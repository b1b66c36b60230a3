#include "engine/PathOptimiser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/CrosswordDocument.h"
#include "engine/BackJumps.h"
#include "engine/Slot.h"
#include "engine/Path.h"
#include "engine/WorkingGrid.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/document/ModelPicture.h"

namespace vorkel {
namespace {

using testing::modelOf;
CrosswordDocument docOf(const std::vector<std::string>& rows) { return modelOf(rows); }

PathStop stop(int x, int y, int direction, int rc = 0, int nr = 0, int type = 0) {
  PathStop s;
  s.x = x;
  s.y = y;
  s.direction = directionFromNumber(direction);
  s.backJump = rc;
  s.number = nr;
  s.type = type;
  return s;
}

Path pathOf(std::vector<PathStop> stops) {
  Path path;
  path.stops() = std::move(stops);
  path.stops().push_back(PathStop{});
  return path;
}

Slot slot(int x, int y, int direction, int len) {
  Slot s;
  s.x = x;
  s.y = y;
  s.direction = direction ? Direction::Down : Direction::Across;
  s.len = len;
  return s;
}

TEST(PathOptimiser, TouchesCountsCrossingsSharedCrossersAndTheCellPastAnEnd) {
  ScriptedUi ui;
  CrosswordDocument doc = docOf({"##.", "##.", "..#"});
  WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
  // The down word ends just above the row of the across word, which ends
  // just left of its column: diagonal neighbours touch, both ways.
  EXPECT_TRUE(touches(grid, slot(0, 2, 0, 2), slot(2, 0, 1, 2)));
  EXPECT_TRUE(touches(grid, slot(2, 0, 1, 2), slot(0, 2, 0, 2)));

  CrosswordDocument apart = docOf({"..#..", ".####", "..#.."});
  WorkingGrid g2 = WorkingGrid::fromDocument(apart, ui, false);
  // Column 0 crosses both words on the left: they touch through it.
  EXPECT_TRUE(touches(g2, slot(0, 0, 0, 2), slot(0, 2, 0, 2)));
  // Nothing links the left and right words of a row.
  EXPECT_FALSE(touches(g2, slot(0, 0, 0, 2), slot(3, 0, 0, 2)));
  EXPECT_FALSE(touches(g2, slot(3, 0, 0, 2), slot(3, 2, 0, 2)));
}

TEST(PathOptimiser, BackJumpGoesToTheNearestTouchingStop) {
  ScriptedUi ui;
  CrosswordDocument doc = docOf({"..#..", ".####", "..#.."});
  Path path = pathOf({stop(3, 0, 0, 9, 1), stop(0, 0, 0, 9, 2), stop(3, 2, 0, 9, 3),
                      stop(0, 2, 0, 9, 4), stop(0, 0, 1, 9, 5)});
  optimisePath(path, doc, ui);
  std::vector<int> rc;
  for (std::size_t k = 0; k < path.length(); ++k) rc.push_back(path.stops()[k].backJump);
  // First keeps its own; second always 0; third touches nothing and goes
  // back to the first; fourth touches the second through column 0; fifth
  // crosses its predecessor.
  EXPECT_EQ(rc, (std::vector<int>{9, 0, 1, 1, 0}));
  EXPECT_EQ(path.stops()[4].number, 5);
}

TEST(PathOptimiser, BackJumpLooksAt249StopsAtMost) {
  ScriptedUi ui;
  // Two-letter across words on every other row, no down word of two letters:
  // no two words touch.
  std::string letters;
  for (int i = 0; i < 16; ++i) letters += "..#";
  letters += "..";
  std::vector<std::string> rows;
  for (int r = 0; r < 50; ++r) rows.push_back(r % 2 == 0 ? letters : std::string(50, '#'));
  CrosswordDocument doc = docOf(rows);
  std::vector<PathStop> stops;
  for (int y = 0; y < 50 && stops.size() < 260; y += 2)
    for (int x = 0; x < 50 && stops.size() < 260; x += 3) stops.push_back(stop(x, y, 0, 7));
  Path path = pathOf(stops);
  optimisePath(path, doc, ui);
  const std::vector<PathStop>& out = path.stops();
  ASSERT_EQ(path.length(), 260u);
  EXPECT_EQ(out[100].backJump, 99);
  EXPECT_EQ(out[249].backJump, 248);  // the first stop is 249 places back: still seen
  EXPECT_EQ(out[250].backJump, 7);    // 250 places back: out of reach, rc kept
  EXPECT_EQ(out[259].backJump, 7);
}

TEST(PathOptimiser, RepeatedSlotsKeepOnlyTheirFirstVisit) {
  ScriptedUi ui;
  CrosswordDocument doc = docOf({"   ", "   ", "   "});
  // (2,0) across and (1,2) down name the words of earlier stops by a later
  // cell; the stop behind the end marker is not part of the path.
  Path path = pathOf({stop(0, 0, 0, 0, 1, 2), stop(1, 0, 1, 0, 2), stop(2, 0, 0, 0, 3),
                      stop(1, 2, 1, 0, 4), stop(0, 1, 0, 0, 5)});
  path.stops().push_back(stop(0, 0, 0, 0, 7));
  optimisePath(path, doc, ui);
  const std::vector<PathStop>& out = path.stops();
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[0].type, 2);
  EXPECT_EQ(out[1].number, 2);
  EXPECT_EQ(out[2].number, 5);
  EXPECT_EQ(out[4].number, 7);
}

TEST(PathOptimiser, StopMatchingNoSlotTakesTheFallbackSlotAfterAMessage) {
  ScriptedUi ui;
  CrosswordDocument doc = docOf({"   ", "## ", "   "});
  // (1,1) is a clue cell: the slot search complains and offers the across
  // word through (2,2), which the first stop already visits.
  Path path = pathOf({stop(0, 2, 0), stop(1, 1, 0), stop(2, 0, 1)});
  optimisePath(path, doc, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, "Vej og model passer ikke sammen");
  EXPECT_EQ(ui.lastMessage().caption, "Ret vejen");
  ASSERT_EQ(path.length(), 2u);
  EXPECT_EQ(path.stops()[1].x, 2);
}

TEST(PathOptimiser, Commands) {
  ScriptedUi ui;
  CrosswordDocument doc = docOf({"   ", "   "});
  Path path;
  EXPECT_FALSE(optimiseCommand(doc, path, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, "Ingen Vejstop-liste\nIngen optimering");
  EXPECT_EQ(ui.lastMessage().caption, "Vejstop Optimering");
  EXPECT_TRUE(path.empty());

  path = pathOf({stop(0, 0, 0), stop(1, 0, 1), stop(0, 1, 0), stop(0, 0, 0)});
  EXPECT_TRUE(optimiseCommand(doc, path, ui));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.lastMessage().text,
            "Det er nu sikret at du ikke besøger samme ord flere gange og alle felter bliver "
            "besøgt");
  EXPECT_EQ(ui.lastMessage().caption, "Vejen Optimeret/korrigeret");
  EXPECT_EQ(path.length(), 3u);

  // One column: the automatic path visits its down word twice; the
  // optimisation keeps one visit.
  CrosswordDocument column = docOf({" ", " ", " "});
  EXPECT_EQ(newPathCommand(column, path, ui), 1u);
  ASSERT_EQ(path.stops().size(), 3u);
  EXPECT_TRUE(path.stops()[1].isEndMarker());
  EXPECT_EQ(path.stops()[1].y, 1);

  EXPECT_EQ(autoPathCommand(doc, path, ui), 4u);
  EXPECT_EQ(ui.cursors, (std::vector<Cursor>{Cursor::Wait, Cursor::Arrow}));
}

}  // namespace
}  // namespace vorkel
