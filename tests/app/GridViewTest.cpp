#include "app/GridView.h"

#include <gtest/gtest.h>

#include "app/Texts.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

class GridViewTest : public ::testing::Test {
 protected:
  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;
  GridView view{c};

  void SetUp() override { c.editMode = true; }
  unsigned char letterAt(int column, int row) {
    return CrosswordDocument::letterOf(c.document.cellAt(column, row));
  }
  std::string rangeMessage(const char* name, int low, int high) {
    return std::string("Værdien for ") + name + " skal være mellem " + std::to_string(low) +
           " og " + std::to_string(high);
  }
};

TEST_F(GridViewTest, ResizeChecksBothBoundsReopensWithTheEntriesAndKeepsOverlappingCells) {
  struct Case {
    const char* width;
    const char* height;
    const char* refusedName;  // nullptr: accepted
  };
  const Case cases[] = {{"3", "3", nullptr},       {"40", "40", nullptr},
                        {"2", "10", "Bredde"},     {"41", "10", "Bredde"},
                        {"10", "2", "Højde"},      {"10", "41", "Højde"},
                        {"abc", "10", "Bredde"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.width) + " x " + k.height);
    c.document.resize(10, 10);
    s.ui.messages.clear();
    s.ui.dialogs.clear();
    s.ui.dialogAnswers = {{" OK ", {{"bredde", k.width}, {"hoejde", k.height}}},
                          {"Fortryd", {}}};
    const bool resized = view.resizeCommand();
    EXPECT_EQ(resized, k.refusedName == nullptr);
    if (k.refusedName) {
      ASSERT_EQ(s.ui.messages.size(), 1u);
      EXPECT_EQ(s.ui.messages[0].text, rangeMessage(k.refusedName, 3, 40));
      EXPECT_EQ(s.ui.messages[0].caption, "Indtastet forkert værdi");
      ASSERT_EQ(s.ui.dialogs.size(), 2u);  // opened again ...
      EXPECT_EQ(s.ui.dialogs[1].text("bredde"), k.width);  // ... with what was typed
      EXPECT_EQ(c.document.width(), 10);
    } else {
      EXPECT_EQ(c.document.width(), std::atoi(k.width));
      EXPECT_EQ(c.document.height(), std::atoi(k.height));
    }
  }
  // The first form shows the current size and the labels of the dialog.
  EXPECT_EQ(s.ui.dialogs[0].title, " Angiv størrelse ");
  EXPECT_EQ(s.ui.dialogs[0].prompt, "  Angiv Bredde og Højde på Kryds:");

  c.document.resize(10, 10);
  for (int col = 1; col <= 10; ++col)
    for (int row = 1; row <= 10; ++row)
      CrosswordDocument::setLetter(c.document.cellAt(col, row),
                                   static_cast<unsigned char>('A' + (col + row) % 26));
  CrosswordDocument::setClue(c.document.cellAt(10, 8), "ledeord");
  const CrosswordDocument old = c.document;
  s.ui.dialogAnswers = {{" OK ", {{"bredde", "12"}, {"hoejde", "8"}}}};
  ASSERT_TRUE(view.resizeCommand());
  for (int col = 1; col <= 12; ++col)
    for (int row = 1; row <= 8; ++row)
      EXPECT_EQ(c.document.cellAt(col, row), col <= 10 ? old.cellAt(col, row) : Cell{})
          << col << "," << row;
}

TEST_F(GridViewTest, TransposeTwiceRestoresGridAndPath) {
  apptest::setUpTinyModel(c);
  c.document.resize(3, 2);
  CrosswordDocument::setClue(c.document.cellAt(3, 1), "x");
  CrosswordDocument::setLetter(c.document.cellAt(1, 2), 'Q');
  c.document.cellAt(2, 2).rightLine = false;
  const CrosswordDocument before = c.document;
  const std::vector<PathStop> path = c.path.stops();

  view.transposeCommand();
  EXPECT_EQ(c.document.width(), 2);
  EXPECT_EQ(c.document.height(), 3);
  EXPECT_TRUE(c.document.cellAt(1, 3).isClue);
  EXPECT_EQ(letterAt(2, 1), 'Q');
  EXPECT_FALSE(c.document.cellAt(2, 2).rightLine);  // the whole record moves
  EXPECT_EQ(c.path.stops()[1].x, path[1].y);
  EXPECT_NE(c.path.stops()[1].direction, path[1].direction);

  view.transposeCommand();
  EXPECT_EQ(c.document.width(), before.width());
  for (int col = 1; col <= 3; ++col)
    for (int row = 1; row <= 2; ++row)
      EXPECT_EQ(c.document.cellAt(col, row), before.cellAt(col, row));
  EXPECT_EQ(c.path.stops(), path);
}

TEST_F(GridViewTest, ZoomAcceptsFiveToThreeThousandPercentAndKeepsTheOldValueOnRefusal) {
  EXPECT_EQ(GridView::zoomText(1.09), "109.0");
  struct Case {
    const char* entry;
    bool accepted;
  };
  for (const Case& k : {Case{"5", true}, Case{"3000", true}, Case{"4.9", false},
                        Case{"3001", false}, Case{"zoom", false}}) {
    SCOPED_TRACE(k.entry);
    GridView fresh(c);
    s.ui.messages.clear();
    s.ui.inputs = {k.entry, std::nullopt};  // a refused value asks again; cancel
    EXPECT_EQ(fresh.zoomCommand(), k.accepted);
    if (k.accepted) {
      EXPECT_DOUBLE_EQ(fresh.zoom(), std::atof(k.entry) / 100);
      EXPECT_EQ(fresh.scrollRangeY(), static_cast<int>(fresh.zoom() * 80));
    } else {
      EXPECT_DOUBLE_EQ(fresh.zoom(), GridView::InitialZoom);
      // The input box, the range message, the input box again.
      ASSERT_EQ(s.ui.messages.size(), 3u);
      EXPECT_EQ(s.ui.messages[0].caption, "Zoom");
      EXPECT_EQ(s.ui.messages[1].text, rangeMessage("Zoomværdi", 5, 3000));
    }
  }
}

TEST_F(GridViewTest, TypingMovesInItsDirectionStopsAtTheEdgeAndBeepsOnClueCells) {
  c.document.resize(4, 4);
  view.leftClick({3, 1});
  EXPECT_TRUE(view.character('a'));
  EXPECT_TRUE(view.character(0xE6));  // æ
  EXPECT_EQ(letterAt(3, 1), 'A');
  EXPECT_EQ(letterAt(4, 1), 0xC6);     // Æ, written in the last column ...
  EXPECT_EQ(view.cursor(), (GridCell{4, 1}));  // ... where the cursor stays
  EXPECT_FALSE(view.character('1'));   // not a letter: ignored
  EXPECT_TRUE(s.ui.tones.empty());

  CrosswordDocument::setClue(c.document.cellAt(4, 2), "ledeord");
  view.key(GridKey::Down);  // direction: down
  EXPECT_TRUE(view.typeDown());
  view.character('b');
  EXPECT_EQ(s.ui.tones, (std::vector<std::pair<int, int>>{{100, 100}}));
  EXPECT_EQ(view.cursor(), (GridCell{4, 2}));
  EXPECT_TRUE(c.document.cellAt(4, 2).isClue);

  // Backspace at the first column across blanks it without moving.
  view.leftClick({1, 3});
  view.key(GridKey::Left);
  view.character('q');
  view.key(GridKey::Left);
  view.key(GridKey::Backspace);
  EXPECT_EQ(view.cursor(), (GridCell{1, 3}));
  EXPECT_EQ(letterAt(1, 3), ' ');

  // Right click toggles a cell between letter and clue.
  EXPECT_TRUE(view.rightClick({2, 2}));
  EXPECT_EQ(c.document.cellAt(2, 2).text, "??");
  EXPECT_TRUE(view.rightClick({2, 2}));
  EXPECT_EQ(letterAt(2, 2), ' ');
}

TEST_F(GridViewTest, WithoutEditModeOnlyTheLeftClickActsEverythingElseBeeps) {
  c.editMode = false;
  c.document.resize(3, 3);
  const CrosswordDocument before = c.document;
  EXPECT_FALSE(view.character('a'));
  EXPECT_FALSE(view.key(GridKey::Right));
  EXPECT_FALSE(view.rightClick({1, 1}));
  EXPECT_EQ(s.ui.tones, (std::vector<std::pair<int, int>>(3, {200, 200})));
  EXPECT_TRUE(view.leftClick({2, 3}));
  EXPECT_EQ(view.cursor(), (GridCell{2, 3}));
  for (int col = 1; col <= 3; ++col)
    for (int row = 1; row <= 3; ++row)
      EXPECT_EQ(c.document.cellAt(col, row), before.cellAt(col, row));
}

TEST_F(GridViewTest, PixelsMapToCellsWithScrollingAndOffTheGridToNothing) {
  c.document.resize(10, 10);
  const GridLayout g = view.layout(600);  // 600 * 1.09 / 12
  EXPECT_EQ(g.cellSize, 54);
  EXPECT_EQ(view.cellAt(10, 10, 600), (GridCell{1, 1}));
  EXPECT_EQ(view.cellAt(10 + 54, 10 + 2 * 54 + 1, 600), (GridCell{2, 3}));
  EXPECT_EQ(view.cellAt(10 + 540, 10 + 540, 600), (GridCell{10, 10}));  // the far edge
  EXPECT_EQ(view.cellAt(9, 100, 600), std::nullopt);
  EXPECT_EQ(view.cellAt(10 + 541, 100, 600), std::nullopt);
  // Two scroll units (30 pixels) to the right: the point lies 30 further on.
  EXPECT_EQ(view.cellAt(10 + 40, 20, 600, 2, 0), (GridCell{2, 1}));
}

}  // namespace
}  // namespace vorkel
