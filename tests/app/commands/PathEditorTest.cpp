#include "app/commands/PathEditor.h"

#include <gtest/gtest.h>

#include "document/CrosswordDocument.h"
#include "engine/Path.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

PathStop stop(int x, int y, std::uint8_t r) {
  PathStop s;
  s.x = x;
  s.y = y;
  s.direction = directionFromNumber(r);
  return s;
}

// A 5 x 4 grid with clue cells down column 0 and at (3, 2): the across
// words of each row start at column 1.
class PathEditorTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  CrosswordDocument doc;
  Path path;

  void SetUp() override {
    doc.resize(5, 4);
    for (int r = 1; r <= 4; ++r) CrosswordDocument::setClue(doc.cellAt(1, r), "");
    CrosswordDocument::setClue(doc.cellAt(4, 3), "");
    for (PathStop s : {stop(1, 0, 0), stop(2, 0, 1), stop(4, 1, 1)}) path.stops().push_back(s);
    path.stops().push_back(PathStop{});  // end marker
  }
  std::vector<int> xs() {
    std::vector<int> out;
    for (const PathStop& s : path.stops())
      if (!s.isEndMarker()) out.push_back(s.x);
    return out;
  }
};

TEST_F(PathEditorTest, StepsThroughTheStopsDrawingTheWordsUpToTheCurrentOne) {
  auto editor = PathEditor::open(path, doc, ui);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(ui.statusTexts.back(),
            "Afbryd: Esc - Indsæt nyt: Tast Ins og marker ordet med mus - slet med Del - "
            "Næste/Forrige: pile-tasterne");
  EXPECT_EQ(editor->lines(), (std::vector<PathEditor::Line>{{1, 0, 4, 0}}));
  EXPECT_EQ(editor->stopText(), "Vejstop nr. 1 position: (1,0 - Hen)");
  editor->key(PathEditor::Key::Next);
  editor->key(PathEditor::Key::Next);
  editor->key(PathEditor::Key::Next);  // no further: the last real stop stays current
  EXPECT_EQ(editor->current(), 2u);
  // The third stop's word is walked back to its first cell: (4, 0) down to (4, 3).
  EXPECT_EQ(editor->lines().back(), (PathEditor::Line{4, 0, 4, 3}));
  EXPECT_EQ(path.stops()[2].y, 0);
  editor->key(PathEditor::Key::Previous);
  EXPECT_EQ(editor->lines().size(), 2u);
  EXPECT_EQ(editor->lines().back(), (PathEditor::Line{2, 0, 2, 3}));
  editor->close();
  EXPECT_EQ(ui.statusTexts.back(), "");
}

TEST_F(PathEditorTest, DeleteInsertAndTypeAsTheUserDoesThem) {
  auto editor = PathEditor::open(path, doc, ui);
  editor->key(PathEditor::Key::Delete);  // the first stop: its successor becomes the first
  EXPECT_EQ(xs(), (std::vector<int>{2, 4}));
  EXPECT_EQ(editor->current(), 0u);
  editor->key(PathEditor::Key::Next);
  editor->key(PathEditor::Key::Delete);  // a later stop: the one before becomes current
  EXPECT_EQ(xs(), (std::vector<int>{2}));
  EXPECT_EQ(editor->current(), 0u);

  // Insert, then a mostly vertical drag from cell (2, 3): a down stop there,
  // after the current one.
  editor->key(PathEditor::Key::Insert);
  EXPECT_TRUE(editor->awaitingDrag());
  editor->drag(2, 3, 5, 40);
  EXPECT_EQ(editor->current(), 1u);
  const PathStop& inserted = path.stops()[1];
  EXPECT_EQ(inserted.direction, Direction::Down);
  EXPECT_EQ(inserted.x, 2);
  EXPECT_EQ(inserted.y, 0);  // drawn: moved back to its word's first cell
  editor->key(PathEditor::Key::Insert);
  editor->drag(1, 2, 30, -5);  // mostly across
  EXPECT_EQ(path.stops()[2].direction, Direction::Across);

  for (int i = 0; i < 3; ++i) editor->key(PathEditor::Key::CycleType);
  EXPECT_EQ(path.stops()[2].type, 3);
  editor->key(PathEditor::Key::CycleType);  // four times: back where it was
  EXPECT_EQ(path.stops()[2].type, 0);
  editor->close();
  EXPECT_EQ(path.stops()[1].number, 2);  // renumbered
}

// A drag that starts beside the grid (the view's margin gives -1, or a cell
// past the last) inserts nothing: the path keeps every stop, and the user
// is told. Inside the grid, up to its last cell, the drag inserts.
TEST_F(PathEditorTest, ADragFromBesideTheGridInsertsNoStop) {
  const struct {
    int x, y;
    bool inserts;
  } cases[] = {{-1, 2, false}, {2, -1, false}, {5, 0, false}, {0, 4, false},
               {-1, -1, false}, {4, 3, true}, {0, 0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    Path before = path;
    auto editor = PathEditor::open(path, doc, ui);
    const std::size_t messages = ui.messages.size();
    editor->key(PathEditor::Key::Insert);
    editor->drag(c.x, c.y, 30, 2);
    EXPECT_EQ(path.stops().size(), before.stops().size() + (c.inserts ? 1 : 0));
    EXPECT_EQ(path.length(), before.length() + (c.inserts ? 1 : 0));  // no end marker inside
    if (!c.inserts) {
      ASSERT_EQ(ui.messages.size(), messages + 1);
      EXPECT_EQ(ui.messages.back().text, "Forkert vejstop-enhed\nslet den hellere");
    }
    editor->close();
    path = before;
  }
}

TEST_F(PathEditorTest, StopsOnClueCellsAreMovedWithTheirMessages) {
  path.free();
  for (PathStop s : {stop(0, 1, 0), stop(3, 2, 1), stop(0, 3, 1), stop(2, -1, 0)})
    path.stops().push_back(s);
  path.stops().push_back(PathStop{});
  // Each stop is corrected when it is drawn: the current ones, and the one
  // after the current one as it is wiped.
  auto editor = PathEditor::open(path, doc, ui);
  for (int i = 0; i < 3; ++i) editor->key(PathEditor::Key::Next);
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{
                                   "Rammer et ledeord",  // (0, 1) across: to (1, 1)
                                   "Rammer et ledeord",  // (3, 2) down: to (3, 3)
                                   // (0, 3) down in the last row: to the next column's top
                                   "For mange stjerner\nKan ikke finde vej",
                                   "Forkert vejstop-enhed\nslet den hellere",  // y = -1
                                   "Forkert vejstop-enhed\nslet den hellere"}));
  EXPECT_EQ(path.stops()[0].x, 1);
  EXPECT_EQ(path.stops()[1].y, 3);
  EXPECT_EQ(path.stops()[2].x, 1);
  EXPECT_EQ(path.stops()[2].y, 0);
  // The moved stops are drawn where they went; the negative one is not drawn.
  EXPECT_EQ(editor->lines().size(), 3u);

  path.free();
  ui.messages.clear();
  EXPECT_EQ(PathEditor::open(path, doc, ui), nullptr);
  EXPECT_EQ(ui.lastMessage().caption, "Intet at se");
}

}  // namespace
}  // namespace vorkel
