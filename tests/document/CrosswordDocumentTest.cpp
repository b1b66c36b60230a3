#include "document/CrosswordDocument.h"

#include <gtest/gtest.h>

#include "platform/testing/ScriptedUi.h"
#include "tests/document/ModelPicture.h"

namespace vorkel {
namespace {

TEST(CrosswordDocument, CellAccess) {
  CrosswordDocument doc;
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(10, 10)), 0);
  doc.resize(4, 2);
  doc.cellAt(4, 1).typo.heights[0] = 9.0;
  CrosswordDocument::setLetter(doc.cellAt(4, 1), 'K');
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(4, 1)), 'K');
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(4, 2)), 0);  // columns and rows apart
  CrosswordDocument::setClue(doc.cellAt(4, 1), "ord");
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(4, 1)), 0);
  EXPECT_DOUBLE_EQ(doc.cellAt(4, 1).typo.heights[0], 9.0);  // typography stays
  CrosswordDocument::setLetter(doc.cellAt(4, 1), 0);
  EXPECT_FALSE(doc.cellAt(4, 1).isClue);
  EXPECT_EQ(doc.cellAt(4, 1).text, "");
}

CrosswordDocument fromPicture(const std::vector<std::string>& rows) { return testing::modelOf(rows); }

TEST(CrosswordDocument, LongRunsAreFound) {
  const std::string run26(26, '.');
  CrosswordDocument doc = fromPicture({"#" + run26 + "#" + std::string(22, '.'), std::string(50, '#')});
  std::vector<LongRun> runs = findLongRuns(doc);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].column, 2);
  EXPECT_EQ(runs[0].row, 1);
  EXPECT_EQ(runs[0].length, 26);
  EXPECT_FALSE(runs[0].down);
  ScriptedUi ui;
  EXPECT_FALSE(checkFillable(doc, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().caption, "Model kan ikke fyldes");

  std::vector<std::string> column(30, "#.");
  CrosswordDocument tall = fromPicture(column);
  runs = findLongRuns(tall);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].down);
  EXPECT_EQ(runs[0].column, 2);
  EXPECT_EQ(runs[0].length, 30);

  CrosswordDocument ok = fromPicture({std::string(25, '.') + "#" + std::string(24, '.')});
  EXPECT_TRUE(findLongRuns(ok).empty());
  EXPECT_TRUE(checkFillable(ok, ui));
}

}  // namespace
}  // namespace vorkel
