#include "document/GridExport.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "IpuzRules.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

class GridExportTest : public ::testing::Test {
 protected:
  CrosswordDocument grid(const std::string& text) {
    CrosswordDocument doc;
    EXPECT_TRUE(parseDocument(doc, text, language, ui));
    return doc;
  }
  Language language;
  ScriptedUi ui;
};

// A raw crossword (Windows-1252) with Danish letters, letter cells that
// are in a word one way only, and two words that start in the same cell.
const char* kRaw = "5\t4\r\n#K\xC6R#\r\nHUS#O\r\n#R#\xC5L\r\n#EN#E\r\n";

TEST_F(GridExportTest, WordsAreNumberedInReadingOrderAsInNumberedCrosswords) {
  const CrosswordDocument doc = grid(kRaw);
  std::vector<std::string> listed;
  for (const GridWord& w : gridWords(doc))
    listed.push_back(std::to_string(w.number) + (w.down ? "D " : "A ") +
                     std::to_string(w.column) + "," + std::to_string(w.row) + " " + w.text);
  EXPECT_EQ(listed, (std::vector<std::string>{"1A 2,1 KÆR", "3A 1,2 HUS", "5A 4,3 ÅL",
                                              "6A 2,4 EN", "1D 2,1 KURE", "2D 3,1 ÆS",
                                              "4D 5,2 OLE"}));
  EXPECT_EQ(gridText(doc), "#KÆR#\nHUS#O\n#R#ÅL\n#EN#E\n");
}

TEST_F(GridExportTest, IpuzOfARawCrosswordAndOfAModelFollowTheFormatsRules) {
  const std::string filled = gridIpuz(grid(kRaw), "x5_000.004");
  EXPECT_EQ(testing::ipuzProblems(filled), std::vector<std::string>{}) << filled;
  const nlohmann::json raw = nlohmann::json::parse(filled);
  EXPECT_EQ(raw["solution"][0][2], "Æ");
  EXPECT_EQ(raw["puzzle"][1][0], 3);

  // A model: letter cells without letters give no solution.
  const std::string model = gridIpuz(grid("3\t2\r\n#\xDB\xDB\r\n\xDB\xDB\xDB\r\n"), "m\xE6");  // not UTF-8
  EXPECT_EQ(testing::ipuzProblems(model), std::vector<std::string>{}) << model;
  EXPECT_FALSE(nlohmann::json::parse(model).contains("solution"));

  // The rules catch what a broken writer would do.
  nlohmann::json broken = raw;
  broken["dimensions"]["width"] = 6;
  EXPECT_FALSE(testing::ipuzProblems(broken.dump()).empty());
  broken = raw;
  broken["solution"][0][0] = "A";
  EXPECT_FALSE(testing::ipuzProblems(broken.dump()).empty());
  broken = raw;
  broken["clues"]["Down"].push_back({99, ""});
  EXPECT_FALSE(testing::ipuzProblems(broken.dump()).empty());
}

TEST_F(GridExportTest, SvgShadesClueCellsAndShowsLetters) {
  const std::string svg = gridSvg(grid(kRaw));
  const auto count = [&](const std::string& what) {
    std::size_t n = 0;
    for (std::size_t p = svg.find(what); p != std::string::npos; p = svg.find(what, p + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("fill=\"#b0b0b0\""), 7u);     // the clue cells
  EXPECT_EQ(count("fill=\"white\"/>\n"), 14u);  // the letter cells and the background
  EXPECT_NE(svg.find(">Å</text>"), std::string::npos);
  EXPECT_EQ(svg.find("<svg"), svg.find("\n") + 1);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

}  // namespace
}  // namespace vorkel
