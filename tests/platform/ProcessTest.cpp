#include "platform/Process.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace vorkel {
namespace {

using testing::TempFolder;

std::string makeScript(const TempFolder& t, std::string_view name, std::string_view body) {
  std::string p = t.write(name, "#!/bin/sh\n" + std::string(body) + "\n");
  ::chmod(p.c_str(), 0755);
  return p;
}

// Waits up to five seconds for a file the started program writes.
std::string waitForFile(const TempFolder& t, std::string_view name) {
  for (int i = 0; i < 500; ++i) {
    std::string text = t.read(name);
    if (!text.empty() && text.back() == '\n') return text;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return {};
}

TEST(ProcessCommandLine, WordsAndQuotes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Process::splitCommandLine("notepad anagram.txt"), (V{"notepad", "anagram.txt"}));
  EXPECT_EQ(Process::splitCommandLine("  Dcom95.exe   /c "), (V{"Dcom95.exe", "/c"}));
  EXPECT_EQ(Process::splitCommandLine("\"C:\\Program Files\\x.exe\" a\" b\"c \"\""),
            (V{"C:\\Program Files\\x.exe", "a bc", ""}));
  EXPECT_TRUE(Process::splitCommandLine(" \t ").empty());
}

TEST(ProcessFind, WorkingFolderCaseAndExeEnding) {
  TempFolder t;
  std::string penvik = makeScript(t, "PENVIK/penvik", "exit 0");
  t.write("PENVIK/notexec", "x");
  EXPECT_EQ(Process::findProgram("Penvik.exe", t / "penvik"), penvik);
  EXPECT_EQ(Process::findProgram("..\\PENVIK\\Penvik.exe", t / "PENVIK"), t / "PENVIK/../PENVIK/penvik");
  EXPECT_EQ(Process::findProgram("notexec", t / "PENVIK"), "");
  EXPECT_EQ(Process::findProgram("nothing-here.exe", t.path()), "");
  EXPECT_EQ(Process::findProgram("..\\sh", t.path()), "");  // a path never searches $PATH
  EXPECT_FALSE(Process::findProgram("sh", t.path()).empty());  // from $PATH
}

// A program planted in the current directory, by someone who could write
// there, never runs in place of the one on PATH, whatever PATH holds.
TEST(ProcessFind, NeverLooksInTheCurrentDirectory) {
  TempFolder t;
  const std::string planted = makeScript(t, "here/helper-tool", "exit 0");
  const std::string installed = makeScript(t, "bin/helper-tool", "exit 0");
  testing::InFolder here(t / "here");
  for (const std::string& path : {t / "bin", "." + (":" + t / "bin"), ":" + t / "bin", "here:" + t / "bin"}) {
    testing::ScopedEnvironment env(std::map<std::string, std::string>{{"PATH", path}});
    EXPECT_EQ(Process::findProgram("helper-tool"), installed) << path;
  }
  testing::ScopedEnvironment env(std::map<std::string, std::string>{{"PATH", ".::"}});
  EXPECT_EQ(Process::findProgram("helper-tool"), "");
  EXPECT_FALSE(Process::start("helper-tool"));
  EXPECT_EQ(Process::findProgram("./helper-tool"), "././helper-tool");  // a path the caller wrote
  EXPECT_EQ(Process::findProgram("helper-tool", t / "here"), planted);  // a folder the caller named
}

TEST(ProcessStart, RunsDetachedInItsFolderWithArguments) {
  TempFolder t;
  makeScript(t, "PENVIK/penvik", "pwd > \"$OUT\"; echo \"$#:$1:$2\" >> \"$OUT\"");
  ::setenv("OUT", (t / "out.txt").c_str(), 1);
  ASSERT_TRUE(Process::start("Penvik.exe \"a b\" c", t / "PENVIK"));
  std::string out = waitForFile(t, "out.txt");
  EXPECT_NE(out.find("/PENVIK\n2:a b:c\n"), std::string::npos) << out;
  ::unsetenv("OUT");
}

// A program that ends at once is seen to end; one that runs on is not.
TEST(ProcessStart, AWatchedProgramIsSeenToEnd) {
  TempFolder t;
  makeScript(t, "quick", "exit 0");
  makeScript(t, "slow", "sleep 3");
  std::optional<StartedProgram> quick = Process::startWatched("quick", t.path());
  std::optional<StartedProgram> slow = Process::startWatched("slow", t.path());
  ASSERT_TRUE(quick && slow);
  for (int i = 0; i < 200 && !quick->ended(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(quick->ended());
  EXPECT_FALSE(slow->ended());
}

TEST(ProcessStart, FailuresAreReported) {
  TempFolder t;
  EXPECT_FALSE(Process::start(""));
  EXPECT_FALSE(Process::start("nothing-here.exe"));
  std::string bad = t.write("broken", "#!/no/such/interpreter\n");
  ::chmod(bad.c_str(), 0755);
  EXPECT_FALSE(Process::start("broken", t.path()));  // found, but exec fails
  makeScript(t, "ok", "exit 0");
  EXPECT_FALSE(Process::start("ok", t / "no-such-folder"));
}

TEST(ProcessPriority, LowersToIdle) {
  // In a child, so the tests themselves keep their priority.
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    bool ok = Process::lowerToIdle();
    bool idle = ::sched_getscheduler(0) == SCHED_IDLE || ::getpriority(PRIO_PROCESS, 0) == 19;
    std::_Exit(ok && idle ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace vorkel
