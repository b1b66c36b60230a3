#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "platform/NameHash.h"
#include "platform/SharedBlock.h"
#include "platform/WindowMessages.h"
#include "platform/SystemClock.h"
#include "platform/testing/ManualClock.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/platform/TempFolder.h"

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
  EXPECT_FALSE(SharedBlock::openExisting(uniqueName(), 2001));  // by one byte
  EXPECT_TRUE(SharedBlock::openExisting(uniqueName(), 2000));
  second.reset();
  first.reset();  // the last holder removes the name
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

// Two generators share the block; the one that made it ends first. The
// other keeps handing names through it to a reader that opens it by name.
TEST(SharedBlock, LivesWhileAnyProcessHoldsItWhoeverMadeIt) {
  const std::string name = uniqueName() + "held";
  auto maker = SharedBlock::createOrOpen(name);
  auto other = SharedBlock::createOrOpen(name);
  ASSERT_TRUE(maker && other);
  maker.reset();
  ASSERT_TRUE(other->writeText("/ud/x10_001.010"));
  auto reader = SharedBlock::openExisting(name);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->readText(), "/ud/x10_001.010");
  reader.reset();  // a reader that goes leaves it too
  EXPECT_TRUE(SharedBlock::openExisting(name));

  // A holder in another process keeps it after this process let go.
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto held = SharedBlock::openExisting(name);
    char c = held ? 'y' : 'n';
    if (::write(ready[1], &c, 1) != 1 || ::read(done[0], &c, 1) != 1) std::_Exit(2);
    const bool ok = held && held->readText() == "after";
    held.reset();
    std::_Exit(ok && !SharedBlock::openExisting(name) ? 0 : 1);  // the last one removed it
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');
  other->writeText("after");
  other.reset();
  ASSERT_EQ(::write(done[1], "g", 1), 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  for (int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);
}

// A block belongs to the programs of one folder of windows: those of another
// folder (another session, another user) neither see it nor disturb it.
TEST(SharedBlock, ProgramsOfAnotherWindowFolderHaveTheirOwnBlock) {
  const std::string name = uniqueName() + "session";
  testing::TempFolder a, b;
  std::unique_ptr<SharedBlock> first;
  std::string firstName;
  {
    testing::ScopedEnvironment session({{"XDG_RUNTIME_DIR", a.path()}});
    first = SharedBlock::createOrOpen(name);
    firstName = SharedBlock::systemName(name);
  }
  ASSERT_TRUE(first);
  ASSERT_TRUE(first->writeText("/a/x10_000.010"));
  testing::ScopedEnvironment session({{"XDG_RUNTIME_DIR", b.path()}});
  EXPECT_NE(SharedBlock::systemName(name), firstName);
  EXPECT_FALSE(SharedBlock::openExisting(name));
  auto second = SharedBlock::createOrOpen(name);
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->created());
  EXPECT_EQ(second->readText(), "");
  EXPECT_EQ(first->readText(), "/a/x10_000.010");
}

// The block's name comes from a key only the session's programs can read:
// another user who makes a block under a name worked out from the folder
// alone does not take the hand-over away.
TEST(SharedBlock, ItsNameCannotBeWorkedOutByAnotherUser) {
  testing::TempFolder runtime;
  testing::ScopedEnvironment session({{"XDG_RUNTIME_DIR", runtime.path()}});
  const std::string name = uniqueName() + "guess";
  const std::string shm = SharedBlock::systemName(name);
  EXPECT_EQ(SharedBlock::systemName(name), shm);  // the same for every program of the session
  EXPECT_NE(shm, "/" + name + "." + nameHash(WindowFolder::defaultPath()));
  struct stat st {};
  ASSERT_EQ(::stat((runtime / "vorkel-windows/session-key").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  if (::geteuid() != 0) return;
  const std::string guessed = "/" + name + "." + nameHash(WindowFolder::defaultPath());
  const int fd = ::shm_open(guessed.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::fchown(fd, 65534, 65534), 0);
  ::close(fd);
  auto block = SharedBlock::createOrOpen(name);
  EXPECT_TRUE(block && block->created());
  ::shm_unlink(guessed.c_str());
}

// A block of that name that another user made (and left open to all) is
// not ours: names read from it could name anyone's files.
TEST(SharedBlock, ABlockOfAnotherUserIsNotOpened) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a block to another user";
  const std::string name = uniqueName() + "foreign";
  const std::string shm = SharedBlock::systemName(name);
  const int fd = ::shm_open(shm.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 2000), 0);
  ASSERT_EQ(::fchown(fd, 65534, 65534), 0);
  ::close(fd);
  EXPECT_FALSE(SharedBlock::openExisting(name));
  EXPECT_FALSE(SharedBlock::createOrOpen(name));
  ::shm_unlink(shm.c_str());
}

}  // namespace
}  // namespace vorkel
