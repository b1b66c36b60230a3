#include "engine/PeriodicCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ProgressDisplay.h"
#include "FillTestSupport.h"

namespace vorkel {
namespace {

using filltest::FillFixture;
using filltest::stopAt;

class PeriodicCheckTest : public FillFixture {
 protected:
  PathStop stop = stopAt(3, 4, Direction::Down);
  int check() {
    FillContext c = context();
    return periodicCheck(c, stop);
  }
  // Runs the check with its bit due.
  int checkNow() {
    counters.calls = 127;
    return check();
  }
};

TEST(KeyJumpTest, DigitsOfBothRowsAndEscape) {
  const int jumps[10] = {20, 2, 4, 6, 8, 10, 12, 14, 16, 18};
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(keyJump('0' + d), jumps[d]) << d;
    EXPECT_EQ(keyJump(96 + d), jumps[d]) << d;
  }
  EXPECT_EQ(keyJump(27), 10000);
  EXPECT_EQ(keyJump('/'), 0);
  EXPECT_EQ(keyJump(':'), 0);
  EXPECT_EQ(keyJump(106), 0);
  EXPECT_EQ(keyJump(KeyMessage::Enter), 0);
}

TEST_F(PeriodicCheckTest, LooksAtTheQueueEvery128Entries) {
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(check(), 0);
  EXPECT_EQ(ui.polls, 1000 / 128);
  EXPECT_TRUE(ui.progress.empty());
}

TEST_F(PeriodicCheckTest, KeysAskForJumps) {
  ui.keys.push_back(KeyMessage{'3'});
  EXPECT_EQ(checkNow(), 6);
  // The counter keeps its value: the very next entry looks again.
  ui.keys.push_back(KeyMessage{KeyMessage::Escape});
  EXPECT_EQ(check(), 10000);
  EXPECT_EQ(ui.polls, 2);
  ASSERT_EQ(ui.progress.size(), 2u);
  EXPECT_EQ(ui.progress[0].substr(0, ui.progress[0].find('\n')), "vej nr: 0 (3,4) ret 1");

  // Another key is dropped and the check goes on to the clock (first look:
  // no jump), which restarts the count.
  ui.keys.push_back(KeyMessage{'x'});
  EXPECT_EQ(check(), 0);
  EXPECT_TRUE(counters.started);
  EXPECT_EQ(counters.calls, 0u);
  EXPECT_TRUE(ui.keys.empty());
}

TEST_F(PeriodicCheckTest, TimedJumpsSmallThenLarge) {
  params.timedJumpSeconds = 1;
  params.smallJumpsPerLarge = 3;
  params.smallJump = 2;
  params.largeJump = 10;
  ticks.now = 100000;
  EXPECT_EQ(checkNow(), 0);  // the first look only notes the time
  ticks.now += 1000;
  EXPECT_EQ(checkNow(), 0);  // not more than a second
  std::vector<int> jumps;
  for (int i = 0; i < 8; ++i) {
    ticks.now += 1001;
    jumps.push_back(checkNow());
    EXPECT_EQ(counters.calls, static_cast<std::uint32_t>(jumps.back()));
  }
  EXPECT_EQ(jumps, (std::vector<int>{2, 2, 2, 10, 2, 2, 2, 10}));

  // The tick count may wrap around.
  counters.lastTick = 0xFFFFFF00u;
  ticks.now = 0x10;
  EXPECT_EQ(checkNow(), 0);
  ticks.now = 0x10 + 1000;
  EXPECT_EQ(checkNow(), 2);

  // Negative sizes from a parameter file are no jump.
  params.smallJump = -5;
  ticks.now += 5000;
  EXPECT_EQ(checkNow(), 0);
}

TEST_F(PeriodicCheckTest, SimpleModeRedrawsGridAndCounters) {
  simpleMode = true;
  setGrid({"AB#", "  \xC6"});
  run.saved = 3;
  run.tries = 7;
  run.attemptStart = 0;
  EXPECT_EQ(checkNow(), 0);
  ASSERT_EQ(ui.progress.size(), 2u);
  EXPECT_EQ(ui.progress[0], "vej nr: 0 (3,4) ret 1\nAB#\n  Æ");
  EXPECT_EQ(ui.progress[1],
            "VORKEL: gemt: 3  forsøg 7  Esc-tast stopper       \n" + calendarTimeText(0));
}

}  // namespace
}  // namespace vorkel
