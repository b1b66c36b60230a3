#include "engine/Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/PathFile.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

class PathFileTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return dir_ / name; }
  void write(const std::string& name, const std::string& bytes) const { dir_.write(name, bytes); }
  std::string read(const std::string& name) const { return dir_.read(name); }
  testing::TempFolder dir_;
};

PathStop stop(int x, int y, int direction, int rc = 0, int type = 0) {
  PathStop s;
  s.x = x;
  s.y = y;
  s.direction = directionFromNumber(direction);
  s.backJump = rc;
  s.type = type;
  return s;
}

void expectStop(const PathStop& s, int x, int y, int direction, int nr, int rc, int type) {
  EXPECT_EQ(s.x, x);
  EXPECT_EQ(s.y, y);
  EXPECT_EQ(directionNumber(s.direction), direction);
  EXPECT_EQ(s.number, nr);
  EXPECT_EQ(s.backJump, rc);
  EXPECT_EQ(s.type, type);
}

TEST_F(PathFileTest, FileWithoutSeedLineTakesTheFirstStopAsSeed) {
  write("a.vej", "2 0 1 3 0\n0 4 0 0 1\n");
  Path path;
  ASSERT_TRUE(path.load(file("a.vej")));
  ASSERT_EQ(path.stops().size(), 3u);
  expectStop(path.stops()[0], 2, 0, 1, 1, 3, 0);
  expectStop(path.stops()[1], 0, 4, 0, 2, 0, 1);
  expectStop(path.stops()[2], -1, -1, 0, 0, 0, 0);
  EXPECT_EQ(path.length(), 2u);
  EXPECT_EQ(path.seeds().first, (SeedPositions::Seed{2, 0, Direction::Down}));
  EXPECT_LT(path.seeds().second.x, 0);
}

TEST_F(PathFileTest, SaveWritesTheExactFormatAndReadsBack) {
  write("a.vej", "2 0 1 3 0\r\n0 4 0 0 1\r\n");
  Path path;
  ASSERT_TRUE(path.load(file("a.vej")));
  path.seeds().second = {5, 6, Direction::Across};
  ASSERT_TRUE(path.save(file("b.vej")));
  EXPECT_EQ(read("b.vej"),
            "-2 2 0 1 5 6 0\r\n"
            "2 0 1 3 0 \r\n"
            "0 4 0 0 1 \r\n"
            "-1 -1 0 0 0 \r\n"
            "-1 -1 0 0 \r\n");

  Path again;
  ASSERT_TRUE(again.load(file("b.vej")));
  EXPECT_EQ(again.seeds().first, (SeedPositions::Seed{2, 0, Direction::Down}));
  EXPECT_EQ(again.seeds().second, (SeedPositions::Seed{5, 6, Direction::Across}));
  ASSERT_EQ(again.length(), 2u);
  expectStop(again.stops()[0], 2, 0, 1, 1, 3, 0);
  expectStop(again.stops()[1], 0, 4, 0, 2, 0, 1);
  // The saved marker and closing line come back as two stops behind the
  // active part, then the appended end marker.
  ASSERT_EQ(again.stops().size(), 5u);
  EXPECT_TRUE(again.stops()[2].isEndMarker());
  expectStop(again.stops()[4], -1, -1, 0, 0, 0, 0);

  // Saving the reloaded path gives the same file again.
  ASSERT_TRUE(again.save(file("c.vej")));
  EXPECT_EQ(read("c.vej"), read("b.vej"));
}

TEST_F(PathFileTest, MissingFileLeavesThePathAlone) {
  write("a.vej", "1 1 0\n");
  Path path;
  ASSERT_TRUE(path.load(file("a.vej")));
  EXPECT_FALSE(path.load(file("missing.vej")));
  EXPECT_EQ(path.length(), 1u);
  EXPECT_FALSE(path.save(file("no-such-folder/x.vej")));
}

TEST(PathFormat, ReadingStopsAtALineWithFewerThanTwoNumbers) {
  PathFileContents c = parsePathFile("1 2 0\n3 4 1\n7\n5 6 0\n");
  ASSERT_EQ(c.stops.size(), 3u);
  EXPECT_EQ(c.stops[1].x, 3);
  EXPECT_TRUE(c.stops[2].isEndMarker());

  EXPECT_EQ(parsePathFile("1 2 0\n\n5 6 0\n").stops.size(), 2u);
  EXPECT_EQ(parsePathFile("1 2 0\nabc\n5 6 0\n").stops.size(), 2u);

  // Or after the most stops a grid can have.
  std::string many;
  for (std::size_t i = 0; i < kMaxPathStops + 100; ++i) many += std::to_string(i % 50) + " 1 0\n";
  c = parsePathFile(many);
  ASSERT_EQ(c.stops.size(), kMaxPathStops + 1);
  EXPECT_EQ(c.stops[kMaxPathStops - 1].x, static_cast<int>((kMaxPathStops - 1) % 50));
  EXPECT_TRUE(c.stops.back().isEndMarker());
}

TEST(PathFormat, EmptyOrSeedOnlyFileGivesTheEndMarkerAlone) {
  for (const char* bytes : {"", "\n", "-2 1 2 0 3 4 1\n", "-2 1 2 0 3 4 1"}) {
    PathFileContents c = parsePathFile(bytes);
    ASSERT_EQ(c.stops.size(), 1u) << bytes;
    EXPECT_TRUE(c.stops[0].isEndMarker());
    EXPECT_EQ(c.stops[0].number, 0);
  }
  EXPECT_EQ(parsePathFile("-2 1 2 0 3 4 1").seeds.second, (SeedPositions::Seed{3, 4, Direction::Down}));
}

TEST(PathFormat, ShortLinesKeepDefaultsAndLongLinesAreCut) {
  PathFileContents c = parsePathFile("4 5\n");
  expectStop(c.stops[0], 4, 5, 0, 1, 0, 0);

  // Only the first 89 characters of a line count; the rest is skipped.
  std::string longLine = "1 2" + std::string(86, ' ') + "1 9 9\n3 4 1\n";
  c = parsePathFile(longLine);
  ASSERT_EQ(c.stops.size(), 3u);
  expectStop(c.stops[0], 1, 2, 0, 1, 0, 0);
  expectStop(c.stops[1], 3, 4, 1, 2, 0, 0);
}

TEST(PathFormat, DamagedSeedLineLeavesMissingSeedsIgnored) {
  PathFileContents c = parsePathFile("-2 3 4 1 x\n1 1 0\n");
  EXPECT_EQ(c.seeds.first, (SeedPositions::Seed{3, 4, Direction::Down}));
  EXPECT_LT(c.seeds.second.x, 0);
  ASSERT_EQ(c.stops.size(), 2u);
  EXPECT_EQ(c.stops[0].x, 1);
}

TEST(PathFormat, RandomAndTruncatedBytesNeverBreakTheReader) {
  const std::string good = formatPathFile({stop(1, 2, 0, 3, 1), stop(4, 5, 1), PathStop{}},
                                          SeedPositions{{1, 2, Direction::Across}, {4, 5, Direction::Down}});
  for (std::size_t n = 0; n <= good.size(); ++n) {
    PathFileContents c = parsePathFile(good.substr(0, n));
    ASSERT_FALSE(c.stops.empty());
    EXPECT_TRUE(c.stops.back().isEndMarker());
  }
  Random random(7);
  const std::string alphabet = "-0123456789 \t\r\n+x\0\xFF";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(static_cast<std::size_t>(random.below(300)), ' ');
    for (char& ch : bytes)
      ch = round % 2 ? static_cast<char>(random.below(256))
                     : alphabet[static_cast<std::size_t>(random.below(static_cast<int>(alphabet.size())))];
    PathFileContents c = parsePathFile(bytes);
    ASSERT_FALSE(c.stops.empty());
    EXPECT_TRUE(c.stops.back().isEndMarker());
  }
  PathFileContents huge = parsePathFile("99999999999999 -99999999999999 300 1\n");
  EXPECT_EQ(huge.stops[0].x, 2147483647);
  EXPECT_EQ(huge.stops[0].y, -2147483647 - 1);
}

TEST(PathList, RenumberStopBeforeUnlinkTranspose) {
  Path path;
  path.stops() = {stop(1, 2, 0), stop(3, 4, 1), stop(5, 6, 0), PathStop{}};
  path.renumber();
  EXPECT_EQ(path.stops()[0].number, 1);
  EXPECT_EQ(path.stops()[2].number, 3);
  EXPECT_EQ(path.stops()[3].number, 0);  // the last stop has no successor

  EXPECT_EQ(path.stopBefore(2, 1), 1u);
  EXPECT_EQ(path.stopBefore(2, 2), 0u);
  EXPECT_EQ(path.stopBefore(2, 5), 0u);

  const std::vector<PathStop> before = path.stops();
  path.transpose();
  EXPECT_EQ(path.stops()[0].x, 2);
  EXPECT_EQ(path.stops()[0].y, 1);
  EXPECT_EQ(path.stops()[0].direction, Direction::Down);
  EXPECT_EQ(path.stops()[3].x, -1);
  path.transpose();
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(path.stops()[i].x, before[i].x);
    EXPECT_EQ(path.stops()[i].y, before[i].y);
    EXPECT_EQ(path.stops()[i].direction, before[i].direction);
  }

  PathStop first = path.unlink(0);
  EXPECT_EQ(first.x, 1);
  EXPECT_EQ(path.stops()[0].x, 3);
  EXPECT_EQ(path.length(), 2u);
  path.free();
  EXPECT_TRUE(path.empty());
}

}  // namespace
}  // namespace vorkel
