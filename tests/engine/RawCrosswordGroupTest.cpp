#include "engine/RawCrosswordGroup.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include "engine/RawCrossword.h"
#include "engine/WorkingGrid.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

using testing::TempFolder;
using Saved = std::vector<std::pair<int, std::string>>;

WorkingGrid gridOf(int w, int h, char letter, Ui& ui) {
  WorkingGrid grid(w, h, ui);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) grid.put((x + y) % 3 == 0 ? '#' : letter, x, y);
  return grid;
}

// Every entry of the folder, hidden ones too.
std::vector<std::string> entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RawCrosswordGroup, NamesAppearOnlyAtACommitInIndexOrderSkippingTakenNames) {
  TempFolder dir;
  ScriptedUi ui;
  dir.write("x4_001.003", "old");
  std::int32_t counter = 0;
  Saved saved;
  RawCrosswordGroup group(dir.path(), counter,
                          [&](int index, const std::string& path) { saved.emplace_back(index, path); },
                          {3, std::chrono::hours(1)});
  const WorkingGrid grid = gridOf(4, 3, 'K', ui);
  for (int index : {0, 1}) ASSERT_TRUE(group.add(grid, index));
  EXPECT_TRUE(group.commitIfDue());  // not full yet, not old
  ASSERT_TRUE(group.add(grid, 5));
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"x4_001.003"});  // staged unseen
  EXPECT_TRUE(saved.empty());

  ASSERT_TRUE(group.add(grid, 6));  // the fourth commits the first three
  const Saved first = {{0, dir / "x4_000.003"}, {1, dir / "x4_002.003"}, {5, dir / "x4_005.003"}};
  EXPECT_EQ(saved, first);
  EXPECT_EQ(group.staged(), 1);
  ASSERT_TRUE(group.commit());
  EXPECT_EQ(saved.back(), std::make_pair(6, dir / "x4_006.003"));
  EXPECT_EQ(counter, 7);
  EXPECT_EQ(dir.read("x4_001.003"), "old");
  EXPECT_EQ(dir.read("x4_006.003"), formatRawCrossword(grid));
  EXPECT_EQ(entries(dir.path()).size(), 5u);  // no temporary left
}

TEST(RawCrosswordGroup, WhatIsNotCommittedLeavesNothingAndAFailureNamesTheFile) {
  TempFolder dir;
  ScriptedUi ui;
  std::int32_t counter = 2;
  Saved saved;
  const auto note = [&](int index, const std::string& path) { saved.emplace_back(index, path); };
  {
    RawCrosswordGroup dropped(dir.path(), counter, note);
    ASSERT_TRUE(dropped.add(gridOf(3, 3, 'A', ui), 0));
  }
  EXPECT_TRUE(entries(dir.path()).empty());
  EXPECT_EQ(counter, 2);

  RawCrosswordGroup missing(dir / "mangler", counter, note);
  EXPECT_FALSE(missing.add(gridOf(3, 3, 'A', ui), 0));
  EXPECT_EQ(missing.failedPath(), dir / "mangler/x3_002.003");

  // The folder goes away between the fill and the commit.
  std::filesystem::create_directory(dir / "ud");
  RawCrosswordGroup gone(dir / "ud", counter, note);
  ASSERT_TRUE(gone.add(gridOf(3, 3, 'A', ui), 0));
  std::filesystem::remove_all(dir / "ud");
  EXPECT_FALSE(gone.commit());
  EXPECT_EQ(gone.failedPath(), dir / "ud/x3_002.003");
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(counter, 2);
}

// A process writing groups of crosswords without end, killed at a random
// moment: every name holds a whole crossword and nothing else is left.
TEST(RawCrosswordGroup, AKillAtAnyMomentLeavesOnlyWholeNamedCrosswords) {
  TempFolder dir;
  ScriptedUi ui;
  const WorkingGrid grid = gridOf(40, 40, 'Q', ui);
  const std::string whole = formatRawCrossword(grid);
  for (int round = 0; round < 6; ++round) {
    const std::string folder = dir / ("ud" + std::to_string(round));
    std::filesystem::create_directory(folder);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      std::int32_t counter = 0;
      RawCrosswordGroup group(folder, counter, [](int, const std::string&) {},
                              {16, std::chrono::milliseconds(5)});
      for (int i = 0;; ++i)
        if (!group.add(grid, i)) ::_exit(1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + 11 * round));
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed before the kill";
    for (const std::string& name : entries(folder)) {
      EXPECT_NE(name[0], '.') << "a temporary was left: " << name;
      ASSERT_EQ(dir.read(std::filesystem::path(folder).filename().string() + "/" + name), whole)
          << name;
    }
  }
}

}  // namespace
}  // namespace vorkel
