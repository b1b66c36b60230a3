#include "engine/RawCrossword.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <thread>

#include "engine/WorkingGrid.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

using testing::TempFolder;

WorkingGrid filledGrid(int w, int h, Ui& ui) {
  WorkingGrid grid(w, h, ui);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) grid.put((x + y) % 4 == 0 ? '#' : static_cast<char>('A' + x), x, y);
  return grid;
}

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RawCrossword, FirstFileOfA13By9GridIsNamedAndLaidOutAsTheDrawingProgramReadsIt) {
  TempFolder dir;
  ScriptedUi ui;
  WorkingGrid grid = filledGrid(13, 9, ui);
  std::int32_t counter = 0;
  RawCrosswordResult r = saveRawCrossword(grid, dir.path(), counter);
  ASSERT_TRUE(r.saved);
  EXPECT_EQ(r.path, dir / "x13_000.009");
  EXPECT_EQ(counter, 1);
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"x13_000.009"});  // no temporary left

  std::string bytes = dir.read("x13_000.009");
  EXPECT_EQ(bytes.substr(0, 6), "13\t9\r\n");
  EXPECT_EQ(bytes.substr(6, 15), "#BCD#FGH#JKL#\r\n");
  std::size_t lines = 0;
  for (std::size_t pos = 0; (pos = bytes.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
  EXPECT_EQ(lines, 10u);
  EXPECT_EQ(bytes.size(), 6u + 9u * 15u);
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

TEST(RawCrossword, TakenNamesAreSkippedAndTheCounterGoesOnFromThere) {
  TempFolder dir;
  ScriptedUi ui;
  dir.write("x13_000.009", "old");
  dir.write("x13_001.009", "old");
  std::int32_t counter = 0;
  RawCrosswordResult r = saveRawCrossword(filledGrid(13, 9, ui), dir.path(), counter);
  ASSERT_TRUE(r.saved);
  EXPECT_EQ(r.path, dir / "x13_002.009");
  EXPECT_EQ(counter, 3);
  EXPECT_EQ(dir.read("x13_000.009"), "old");  // never overwritten

  r = saveRawCrossword(filledGrid(5, 4, ui), dir.path(), counter);
  EXPECT_EQ(r.path, dir / "x5_003.004");
  EXPECT_EQ(counter, 4);
}

TEST(RawCrossword, UnwritableFolderIsAFailureThatConsumesNoNumber) {
  TempFolder dir;
  ScriptedUi ui;
  std::int32_t counter = 4;
  RawCrosswordResult r = saveRawCrossword(filledGrid(3, 3, ui), dir / "mangler", counter);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.path, dir / "mangler/x3_004.003");
  EXPECT_EQ(counter, 4);

}

TEST(RawCrossword, WritersSharingAFolderNeverTakeTheSameName) {
  TempFolder dir;
  constexpr int kWriters = 4;
  constexpr int kEach = 40;
  std::vector<std::thread> writers;
  std::vector<int> saved(kWriters, 0);
  for (int w = 0; w < kWriters; ++w)
    writers.emplace_back([&, w] {
      ScriptedUi ui;
      WorkingGrid grid = filledGrid(6, 5, ui);
      grid.put(static_cast<char>('P' + w), 1, 1);  // tells the writers' files apart
      std::int32_t counter = 0;                   // each starts at 0, as a new process does
      for (int i = 0; i < kEach; ++i) saved[w] += saveRawCrossword(grid, dir.path(), counter).saved;
    });
  for (auto& t : writers) t.join();

  std::vector<std::string> names = filesIn(dir.path());
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kWriters * kEach));
  std::map<char, int> perWriter;
  for (const std::string& n : names) {
    std::string bytes = dir.read(n);
    ASSERT_EQ(bytes.size(), 5u + 5u * 8u) << n;  // every file whole: "6\t5\r\n" and 5 rows
    ++perWriter[bytes[5 + 8 + 1]];
  }
  for (int w = 0; w < kWriters; ++w) {
    EXPECT_EQ(saved[w], kEach);
    EXPECT_EQ(perWriter[static_cast<char>('P' + w)], kEach);
  }
}

}  // namespace
}  // namespace vorkel
