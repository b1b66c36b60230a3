#include "penvik/HandOverReceiver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <regex>
#include <sstream>

#include "platform/SharedBlock.h"
#include "platform/testing/ManualClock.h"
#include "tests/platform/TempFolder.h"

namespace penvik {
namespace {

using vorkel::testing::TempFolder;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ReceiveLog, PathComesFromPenvikLogThenXdgStateThenHome) {
  std::map<std::string, std::string> env;
  const auto lookup = [&](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "");
  env["HOME"] = "/home/ida";
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "/home/ida/.local/state/vorkel/penvik.log");
  env["XDG_STATE_HOME"] = "relative/state";  // not absolute: ignored
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "/home/ida/.local/state/vorkel/penvik.log");
  env["XDG_STATE_HOME"] = "/var/state/";
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "/var/state/vorkel/penvik.log");
  env["PENVIK_LOG"] = "";
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "/var/state/vorkel/penvik.log");
  env["PENVIK_LOG"] = "test.log";
  EXPECT_EQ(ReceiveLog::defaultPath(lookup), "test.log");
}

TEST(ReceiveLog, OneLinePerHandOverWhateverTheNameHolds) {
  TempFolder dir;
  const ReceiveLog log(dir / "state/vorkel/penvik.log");  // folders made on the way
  std::string error;
  ASSERT_TRUE(log.append(1765205188, "/data/x10_000.010", "", error)) << error;
  ASSERT_TRUE(log.append(1765205189, "/data/odd\tname\nwith\\lines\x01", "", error)) << error;
  ASSERT_TRUE(log.append(1765205190, "", "no name in the shared block", error)) << error;
  const std::vector<std::string> lines = linesOf(dir.read("state/vorkel/penvik.log"));
  ASSERT_EQ(lines.size(), 3u);
  const std::regex iso(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)");
  for (const std::string& line : lines)
    EXPECT_TRUE(std::regex_match(line.substr(0, line.find('\t')), iso)) << line;
  EXPECT_EQ(lines[0].substr(lines[0].find('\t')), "\t/data/x10_000.010");
  EXPECT_EQ(lines[1].substr(lines[1].find('\t')), "\t/data/odd\\tname\\nwith\\\\lines\\x01");
  EXPECT_EQ(lines[2].substr(lines[2].find('\t')), "\t\tno name in the shared block");

  EXPECT_FALSE(ReceiveLog(dir / "state/vorkel/penvik.log/inside").append(0, "x", "", error));
  EXPECT_NE(error, "");

  // The names handed over are the user's own business: the log is private,
  // also one made readable by others before.
  const std::string old = dir.write("old.log", "");
  ::chmod(old.c_str(), 0644);
  for (const std::string& path : {dir / "state/vorkel/penvik.log", old}) {
    ASSERT_TRUE(ReceiveLog(path).append(0, "x", "", error)) << error;
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << path;
  }
}

class HandOverReceiverTest : public ::testing::Test {
 protected:
  TempFolder dir;
  vorkel::ManualClock clock;
  // A block of our own, so tests running at once do not share one.
  const std::string blockName = "penvik-test-" + std::to_string(::getpid());
  std::vector<std::string> opened;
  std::vector<std::int64_t> forward;
  HandOverReceiver receiver{blockName, ReceiveLog(dir / "penvik.log"), clock,
                            {[this](const std::string& f) { opened.push_back(f); },
                             [this](std::int64_t w) { forward.push_back(w); }, nullptr}};

  std::int64_t send(std::int64_t wParam, std::int64_t lParam = 0,
                    const char* name = HandOverMessage) {
    return receiver.handle({name, wParam, lParam, false});
  }
};

TEST_F(HandOverReceiverTest, TakesTheNameOutOfTheBlockBeforeAnsweringAndLogsIt) {
  auto block = vorkel::SharedBlock::createOrOpen(blockName, SharedBlockSize);
  ASSERT_TRUE(block);
  for (const char* name : {"/data/Lager/x10_000.010", "/data/Lager/x10_001.010"}) {
    ASSERT_TRUE(block->writeText(name));
    EXPECT_EQ(send(1, 4242), 1);
    // The generator reuses the block as soon as the answer is back.
    ASSERT_TRUE(block->writeText("overwritten"));
  }
  EXPECT_EQ(send(2, 77), 1);
  const std::vector<std::string> expected = {"/data/Lager/x10_000.010", "/data/Lager/x10_001.010"};
  EXPECT_EQ(receiver.received(), expected);
  EXPECT_EQ(opened, expected);
  EXPECT_EQ(forward, std::vector<std::int64_t>{77});
  const std::vector<std::string> lines = linesOf(dir.read("penvik.log"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(lines[1].find('\t') + 1), expected[1]);

  // Other messages and parameters are answered 0 and change nothing.
  EXPECT_EQ(send(3), 0);
  EXPECT_EQ(send(1, 0, "OrvaAndPimMsg"), 0);
  EXPECT_EQ(send(0), 0);
  EXPECT_EQ(receiver.received().size(), 2u);
  EXPECT_EQ(forward.size(), 1u);
}

TEST_F(HandOverReceiverTest, NoBlockAnEmptyNameOrANameWithoutEndTakeNothingButAreLogged) {
  EXPECT_EQ(send(1), 0);  // no block at all
  auto block = vorkel::SharedBlock::createOrOpen(blockName, SharedBlockSize);
  ASSERT_TRUE(block);
  EXPECT_EQ(send(1), 0);  // a new block is empty
  // A block filled to its end without a NUL: a cut name, not taken.
  const int fd = ::shm_open(vorkel::SharedBlock::systemName(blockName).c_str(), O_RDWR, 0600);
  ASSERT_GE(fd, 0);
  void* memory = ::mmap(nullptr, SharedBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  ::close(fd);
  ASSERT_NE(memory, MAP_FAILED);
  std::memset(memory, 'a', SharedBlockSize);
  ::munmap(memory, SharedBlockSize);
  EXPECT_EQ(send(1), 0);
  EXPECT_TRUE(receiver.received().empty());
  EXPECT_TRUE(opened.empty());
  const std::vector<std::string> lines = linesOf(dir.read("penvik.log"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("\t\tno shared block"), std::string::npos);
  EXPECT_NE(lines[1].find("\t\tno name in the shared block"), std::string::npos);
  EXPECT_NE(lines[2].find("\t\tthe name in the shared block has no end"), std::string::npos);
}

}  // namespace
}  // namespace penvik
