#include "penvik/ClueCells.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace penvik {
namespace {

RawGrid gridOf(std::initializer_list<std::string> rows) {
  RawGrid g;
  g.height = static_cast<int>(rows.size());
  g.width = static_cast<int>(rows.begin()->size());
  for (const std::string& r : rows) g.cells += r;
  return g;
}

// "A" for across, "D" for down, "AD" for both, "" for none, per clue cell.
std::string arrows(const RawGrid& g, int column, int row) {
  const ClueCell c = clueCellAt(g, column, row);
  return std::string(c.across ? "A" : "") + (c.down ? "D" : "");
}

TEST(ClueCells, ArrowsFollowTheWordsACellStarts) {
  // A clue cell with both words, clue cells over columns and before rows,
  // and the corner that starts nothing.
  const RawGrid g = gridOf({"#OST",
                            "#RM#",
                            "#Y#A",
                            "##BE"});
  EXPECT_EQ(arrows(g, 0, 0), "A");  // "OST"; below it a clue cell
  EXPECT_EQ(arrows(g, 0, 1), "A");  // "RM"
  EXPECT_EQ(arrows(g, 0, 2), "");   // a single letter is no word
  EXPECT_EQ(arrows(g, 2, 2), "");   // nor is "A" at the edge, nor "B" below
  EXPECT_EQ(arrows(g, 3, 1), "D");  // "AE"
  EXPECT_EQ(arrows(g, 1, 3), "A");  // "BE"
  EXPECT_EQ(arrows(g, 0, 3), "");   // the bottom edge
  // A letter cell is no clue cell.
  EXPECT_EQ(arrows(g, 1, 1), "");
  EXPECT_FALSE(clueCellAt(g, 9, 9).startsAny());

  const RawGrid corner = gridOf({"#AB",
                                 "CEF",
                                 "DGH"});
  EXPECT_EQ(arrows(corner, 0, 0), "AD");
}

TEST(ClueCells, WordsAtTheEdgeHaveNoClueCell) {
  const RawGrid g = gridOf({"#OST",
                            "ORM#",
                            "SY##"});
  EXPECT_EQ(arrows(g, 0, 0), "AD");  // "OST" across, "OS" down
  const std::vector<Word> orphans = wordsWithoutClueCell(g);
  // "ORM" and "SY" start at the left edge, "ORY" and "SM" at the top edge;
  // "OS" down has the corner above it.
  const std::vector<Word> expected = {{0, 1, Direction::Across, 3},
                                      {0, 2, Direction::Across, 2},
                                      {1, 0, Direction::Down, 3},
                                      {2, 0, Direction::Down, 2}};
  EXPECT_EQ(orphans, expected);
}

// The stock models are made for clue cells: every word of them gets exactly
// one arrow, and none begins at the edge.
TEST(ClueCells, EveryWordOfTheStockModelsGetsOneArrow) {
  const std::filesystem::path models = std::filesystem::path(VORKEL_SOURCE_DIR) / "data/models";
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(models)) {
    std::ifstream in(entry.path());
    RawGrid g;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      g.width = static_cast<int>(line.size());
      ++g.height;
      for (char& c : line) c = c == '.' ? 'A' : '#';
      g.cells += line;
    }
    ASSERT_EQ(g.cells.size(), static_cast<std::size_t>(g.width * g.height)) << entry.path();
    std::size_t arrowCount = 0;
    for (const ClueCell& c : findClueCells(g)) arrowCount += c.across + c.down;
    EXPECT_EQ(arrowCount, findWords(g).size()) << entry.path();
    EXPECT_TRUE(wordsWithoutClueCell(g).empty()) << entry.path();
    if (entry.path().filename() == "Model1.txt") {
      EXPECT_EQ(arrowCount, 33u);
    }
    ++checked;
  }
  EXPECT_GE(checked, 6);
}

}  // namespace
}  // namespace penvik
