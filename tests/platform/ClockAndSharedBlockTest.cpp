#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "platform/SharedBlock.h"
#include "platform/SystemClock.h"
#include "platform/testing/ManualClock.h"

namespace vorkel {
namespace {

TEST(Clock, CalendarTextLikeCtime) {
  const char* saved = std::getenv("TZ");
  std::string keep = saved ? saved : "";
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  EXPECT_EQ(calendarTimeText(315626635), "Wed Jan  2 02:03:55 1980");
  std::time_t now = std::time(nullptr);
  std::string c = std::ctime(&now);
  c.pop_back();  // ctime's line end
  EXPECT_EQ(calendarTimeText(now), c);
  if (saved) ::setenv("TZ", keep.c_str(), 1);
  else ::unsetenv("TZ");
  ::tzset();
}

TEST(Clock, SystemTicksMoveOnAndManualClockWraps) {
  SystemClock sys;
  std::uint32_t a = sys.tickCount();
  ::usleep(20000);
  std::uint32_t elapsed = sys.tickCount() - a;
  EXPECT_GE(elapsed, 15u);
  EXPECT_LT(elapsed, 5000u);
  EXPECT_NEAR(static_cast<double>(sys.now()), static_cast<double>(std::time(nullptr)), 2.0);

  ManualClock m;
  m.ticks = 0xFFFFFFF0u;
  std::uint32_t start = m.tickCount();
  m.advanceMilliseconds(0x20);
  EXPECT_EQ(m.tickCount() - start, 0x20u);  // differences survive the wrap
}

std::string uniqueName() { return "VorkelTestBlock" + std::to_string(::getpid()); }

TEST(SharedBlock, CreateOpenWriteRead) {
  auto first = SharedBlock::createOrOpen(uniqueName(), 2000);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->created());
  EXPECT_EQ(first->readText(), "");  // a new block is zero-filled

  auto second = SharedBlock::createOrOpen(uniqueName(), 2000);
  ASSERT_TRUE(second);
  EXPECT_FALSE(second->created());
  ASSERT_TRUE(first->writeText("C:\\Lager\\x13_000.010"));
  EXPECT_EQ(second->readText(), "C:\\Lager\\x13_000.010");

  EXPECT_TRUE(second->writeText(std::string(1999, 'a')));
  EXPECT_FALSE(second->writeText(std::string(2000, 'b')));  // no room for the NUL: refused
  EXPECT_EQ(first->readText(), std::string(1999, 'a'));
  EXPECT_TRUE(second->writeText("short"));
  EXPECT_EQ(first->readText(), "short");

  EXPECT_FALSE(SharedBlock::openExisting(uniqueName(), 4096));  // larger than the block
  second.reset();
  first.reset();  // the creator removes the name
  EXPECT_FALSE(SharedBlock::openExisting(uniqueName()));
  EXPECT_FALSE(SharedBlock::createOrOpen("", 10));
}

TEST(SharedBlock, AnotherProcessReadsWhatWasWritten) {
  const std::string name = uniqueName() + "x";  // the child has another pid
  auto block = SharedBlock::createOrOpen(name);
  ASSERT_TRUE(block);
  ASSERT_TRUE(block->writeText("/home/u/Lager/x10_004.010"));
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    auto seen = SharedBlock::openExisting(name);
    bool ok = seen && seen->readText() == "/home/u/Lager/x10_004.010" && seen->writeText("reply");
    std::_Exit(ok ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(block->readText(), "reply");
}

}  // namespace
}  // namespace vorkel
