#include "engine/FillEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/PathFile.h"
#include "engine/Texts.h"
#include "FillTestSupport.h"

namespace vorkel {
namespace {

using filltest::FillFixture;
using filltest::stopAt;

class FillEngineTest : public FillFixture {};

TEST_F(FillEngineTest, PathOfOnlyTheEndMarkerFillsNothingAndSucceeds) {
  setGrid({"  ", "  "});
  setPath({});
  EXPECT_EQ(fill(), FillResult::Filled);
  EXPECT_EQ(rows(), (std::vector<std::string>{"  ", "  "}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FillEngineTest, EmptyPathIsAWrongCallNotASuccess) {
  setGrid({"  "});
  path.free();
  EXPECT_EQ(fill(), FillResult::NotFilled);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, texts::fillOutsideGrid);
  EXPECT_EQ(ui.messages[0].caption, "Generering");
}

TEST_F(FillEngineTest, CompleteSlots) {
  words({"ABE", "KAT"});
  // Not in the dictionary: the level fails at once.
  setGrid({"XYZ"});
  setPath({stopAt(0, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  // In the dictionary: on to the next stop.
  setGrid({"ABE"});
  EXPECT_EQ(fill(), FillResult::Filled);
  // The same word twice: the second stop refuses it (so does the first).
  setGrid({"ABE#ABE"});
  setPath({stopAt(0, 0, Direction::Across), stopAt(4, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  // One cell is no word; it is accepted even when another cell holds the
  // same letter.
  setGrid({"Q#Q"});
  setPath({stopAt(0, 0, Direction::Across), stopAt(2, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::Filled);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FillEngineTest, BadStopsAreReported) {
  words({"AB", "CD"});
  setGrid({"# ", " #"});
  // Outside the grid.
  setPath({stopAt(5, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, texts::fillOutsideGrid);
  // On a clue cell: reported with its position, then the next stop decides.
  ui.messages.clear();
  setPath({stopAt(0, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::Filled);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Prøver at finde et ord i et ledeordsfelt\nFejl i vejen");
  EXPECT_EQ(ui.messages[0].caption, "(0,0)");
  // No slot anywhere: the slot search complains, then the fill gives up.
  ui.messages.clear();
  setGrid({"#"});
  setPath({stopAt(1, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "Kan ikke finde ord via skafordet\nFejl i vejen");
  EXPECT_EQ(ui.messages[1].caption, "Afbryder");
}

TEST_F(FillEngineTest, NoCandidateJumpsBackByRc) {
  // Three independent two-letter slots and a three-letter slot that no
  // word fits. With rc = 2 each word of the first stop leads to exactly one
  // visit of stops 2, 3 and 4; with rc = 0 stops 2 and 3 try all theirs.
  words({"AB", "CD", "EF", "GH"});
  const std::vector<std::string> cells{"  #", "###", "  #", "###", "  #", "###", "   "};
  setGrid(cells);
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 2, Direction::Across), stopAt(0, 4, Direction::Across), stopAt(0, 6, Direction::Across, 2)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  EXPECT_EQ(counters.calls, 1u + 4u * 3u);
  EXPECT_EQ(rows(), cells);  // every level put its slot back

  counters = {};
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 2, Direction::Across), stopAt(0, 4, Direction::Across), stopAt(0, 6, Direction::Across, 0)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  EXPECT_EQ(counters.calls, 1u + 4u * (1u + 3u * (1u + 2u)));

  // A jump longer than the path runs out at the first stop.
  counters = {};
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 6, Direction::Across, 5)});
  EXPECT_EQ(fill(), FillResult::NotFilled);

  // A negative rc (from a hand-made path file) is plain backtracking, never
  // a success.
  setPath({stopAt(0, 6, Direction::Across, -3)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
}

TEST_F(FillEngineTest, AWordIsNeverPlacedTwice) {
  words({"AB"});
  setGrid({"  ", "##", "  "});
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 2, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  EXPECT_EQ(rows(), (std::vector<std::string>{"  ", "##", "  "}));
  words({"CD"});
  ASSERT_EQ(fill(), FillResult::Filled);
  EXPECT_NE(rows()[0], rows()[2]);
}

TEST_F(FillEngineTest, ASlotFilledByItsCrossingsNeverRepeatsAWord) {
  // The path lays only the two rows; the columns are filled by them. Every
  // fill of AB/BA would stand each word twice.
  words({"AB", "BA"});
  setGrid({"  ", "  "});
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 1, Direction::Across)});
  EXPECT_NE(fill(), FillResult::Filled);
  EXPECT_EQ(rows(), (std::vector<std::string>{"  ", "  "}));
  // With a word that breaks the symmetry a fill exists: AB over CD gives the
  // columns AC and BD.
  words({"CD", "AC", "BD"});
  ASSERT_EQ(fill(), FillResult::Filled);
  const auto r = rows();
  const std::vector<std::string> placed = {r[0], r[1], {r[0][0], r[1][0]}, {r[0][1], r[1][1]}};
  for (std::size_t i = 0; i < placed.size(); ++i)
    for (std::size_t j = i + 1; j < placed.size(); ++j) EXPECT_NE(placed[i], placed[j]);
}

TEST_F(FillEngineTest, KeysAtThePeriodicCheck) {
  // Five stacked two-letter slots; the first has a fixed A, so its words
  // come in chain order: AC, then AB.
  words({"AB", "AC", "DE", "FG", "HI", "JK", "LM"});
  const std::vector<std::string> cells{"A ", "##", "  ", "##", "  ", "##", "  ", "##", "  "};
  const std::vector<PathStop> stops{stopAt(0, 0, Direction::Across), stopAt(0, 2, Direction::Across), stopAt(0, 4, Direction::Across),
                                   stopAt(0, 6, Direction::Across), stopAt(0, 8, Direction::Across)};
  setGrid(cells);
  setPath(stops);
  ASSERT_EQ(fill(), FillResult::Filled);
  EXPECT_EQ(rows()[0], "AC");

  // Key 1 seen in stop 4: stops 3 and 2 are undone, stop 1 takes AB.
  setGrid(cells);
  counters = {};
  counters.calls = 124;
  ui.keys.push_back(KeyMessage{'1'});
  ASSERT_EQ(fill(), FillResult::Filled);
  EXPECT_EQ(rows()[0], "AB");
  ASSERT_FALSE(ui.progress.empty());
  EXPECT_EQ(ui.progress[0].substr(0, ui.progress[0].find('\n')), "vej nr: 4 (0,6) ret 0");

  // Escape ends the fill with a result the run reads as an abort.
  setGrid(cells);
  counters = {};
  counters.calls = 125;
  ui.keys.push_back(KeyMessage{KeyMessage::Escape});
  EXPECT_EQ(fill(), FillResult::Stopped);
  EXPECT_EQ(rows(), cells);
}

TEST_F(FillEngineTest, SeedLettersGoIntoTheSeedSlots) {
  words({"AB"});
  setGrid({"   ", "###", "   "});
  setPath({stopAt(0, 2, Direction::Across)});
  path.seeds().first = {1, 0, Direction::Across};   // the across slot of row 0
  path.seeds().second = {0, 0, Direction::Across};  // the path's second stop: there is none
  // The fill itself fails (no 3-letter words), the seed letter stays.
  EXPECT_EQ(fill(true), FillResult::NotFilled);
  const std::string row0 = rows()[0];
  int letters = 0;
  for (char c : row0)
    if (c != ' ') {
      ++letters;
      EXPECT_GE(c, 'A');
      EXPECT_LE(c, 'Z');
    }
  EXPECT_EQ(letters, 1);
  EXPECT_EQ(rows()[2], "   ");

  // x == 0 takes the first stop; a negative x places nothing.
  setGrid({"   ", "###", "   "});
  path.seeds().first = {0, 0, Direction::Across};
  path.seeds().second = {-1, 0, Direction::Across};
  EXPECT_EQ(fill(true), FillResult::NotFilled);
  EXPECT_EQ(rows()[0], "   ");
  const std::string row2 = rows()[2];
  EXPECT_EQ(std::count(row2.begin(), row2.end(), ' '), 2);
}

TEST_F(FillEngineTest, OverlongSlotsAreRefusedCleanly) {
  words({"AB", "CD"});
  // A 30-cell across slot: no word is that long, so no candidate.
  setGrid({std::string(30, ' ')});
  setPath({stopAt(0, 0, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  // A 2-cell slot crossing a 28-cell column: that column can never be a word.
  std::vector<std::string> cells(28, "#  ");
  cells[0] = "   ";
  cells[1] = "  #";
  setGrid(cells);
  setPath({stopAt(1, 1, Direction::Across)});
  EXPECT_EQ(fill(), FillResult::NotFilled);
  EXPECT_TRUE(ui.messages.empty());
}

// A path file may repeat its stops tens of thousands of times; once every
// slot is filled the rest only confirm complete slots. That took a stack
// frame per stop and overflowed the stack in debug builds.
TEST_F(FillEngineTest, APathLongerThanAnyGridFillsWithoutDeepRecursion) {
  words({"AB", "CD", "AC", "BD"});
  setGrid({"  ", "  "});
  std::string text;
  for (int i = 0; i < 15000; ++i) text += "0 0 0 0 0 \r\n0 1 0 0 0 \r\n0 0 1 0 0 \r\n1 0 1 0 0 \r\n";
  PathFileContents contents = parsePathFile(text);
  path.stops() = std::move(contents.stops);
  EXPECT_EQ(fill(), FillResult::Filled);
  EXPECT_EQ(rows(), (std::vector<std::string>{"AB", "CD"}));
}

}  // namespace
}  // namespace vorkel
