#include "engine/WorkingGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/CrosswordDocument.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/engine/WorkingGridOf.h"

namespace vorkel {
namespace {

using testing::gridOf;

const Slot* slotAt(const WorkingGrid& grid, int x, int y, Direction r) {
  for (const Slot& s : grid.slots())
    if (s.x == x && s.y == y && s.direction == r) return &s;
  return nullptr;
}

TEST(WorkingGrid, CreatePutGetAndCopy) {
  ScriptedUi ui;
  WorkingGrid grid(3, 2, ui);
  EXPECT_EQ(grid.row(0), "   ");
  grid.put('A', 2, 1);
  grid.put('\0', 0, 0);  // ignored, silently
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(grid.get(2, 1), 'A');
  EXPECT_EQ(grid.get(0, 0), ' ');
  EXPECT_EQ(grid.get(3, 0), '\0');

  grid.put('B', 3, 0);
  grid.put('B', 0, -1);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.lastMessage().text, "Fejlkald i simpelarr::put");
  EXPECT_EQ(ui.lastMessage().caption, "ERROR");
  EXPECT_EQ(grid.row(0), "   ");

  grid.buildSlots();
  WorkingGrid copy(grid);
  EXPECT_TRUE(copy.slots().empty());
  copy.put('C', 0, 0);
  EXPECT_EQ(grid.get(0, 0), ' ');
  EXPECT_EQ(copy.row(1), "  A");
  copy = grid;
  EXPECT_TRUE(copy.slots().empty());
  EXPECT_EQ(copy.get(0, 0), ' ');
}

TEST(WorkingGrid, SlotsOfARowWithAClueCell) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"A B#CD", "######"}, ui);
  grid.buildSlots();
  const Slot* first = slotAt(grid, 0, 0, Direction::Across);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->textView(), "A B");
  EXPECT_EQ(first->len, 3);
  const Slot* second = slotAt(grid, 4, 0, Direction::Across);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->textView(), "CD");
  EXPECT_EQ(second->len, 2);
  // Down: one-cell slots for every letter column, nothing for the "#" rows.
  EXPECT_EQ(grid.slots().size(), 2u + 5u);
  EXPECT_EQ(slotAt(grid, 3, 0, Direction::Down), nullptr);
  EXPECT_EQ(slotAt(grid, 1, 0, Direction::Down)->textView(), " ");

  // Single cells between clue cells and at the edges.
  WorkingGrid single = gridOf({"#A#", "B##", "#C#"}, ui);
  single.buildSlots();
  EXPECT_EQ(single.slots().size(), 6u);
  EXPECT_EQ(slotAt(single, 1, 0, Direction::Across)->len, 1);
  EXPECT_EQ(slotAt(single, 0, 1, Direction::Down)->len, 1);
  EXPECT_EQ(slotAt(single, 1, 2, Direction::Down)->textView(), "C");
}

TEST(WorkingGrid, SlotListOrderIsTheReverseOfCreation) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"ABC", "DEF"}, ui);
  grid.buildSlots();
  // Created: across row 0, row 1, down column 0, 1, 2; listed the other way.
  ASSERT_EQ(grid.slots().size(), 5u);
  const std::vector<std::string> texts = {"CF", "BE", "AD", "DEF", "ABC"};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(grid.slots()[i].textView(), texts[i]);
    EXPECT_EQ(grid.slots()[i].len, 3 - static_cast<int>(i < 3));
  }
}

TEST(WorkingGrid, FindSlotWalksBackToTheWordStart) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"#ABCD", "#E#F#", "GHIJK"}, ui);
  grid.buildSlots();
  Slot* slot = grid.findSlot(3, 0, Direction::Across);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->x, 1);
  EXPECT_EQ(slot->textView(), "ABCD");
  slot = grid.findSlot(3, 2, Direction::Down);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->y, 0);
  EXPECT_EQ(slot->textView(), "CFJ");
  slot = grid.findSlot(40, 40, Direction::Across);  // clamped to the last cell
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->textView(), "GHIJK");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(WorkingGrid, FindSlotOnAClueCellFallsBackToTheDiagonal) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"#ABC", "D EF", "GH#I"}, ui);
  grid.buildSlots();
  // A clue cell with a word on its left belongs to that word.
  Slot* slot = grid.findSlot(2, 2, Direction::Across);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->textView(), "GH");
  EXPECT_TRUE(ui.messages.empty());
  slot = grid.findSlot(0, 0, Direction::Across);  // "#" at the start of its row: no word
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, "Vej og model passer ikke sammen");
  EXPECT_EQ(ui.lastMessage().caption, "Ret vejen");
  EXPECT_EQ(ui.lastMessage().icon, Icon::Error);
  ASSERT_NE(slot, nullptr);  // the across slot through (1,1)
  EXPECT_EQ(slot->textView(), "D EF");

  WorkingGrid blocked = gridOf({"A#", "##"}, ui);
  blocked.buildSlots();
  EXPECT_EQ(blocked.findSlot(1, 1, Direction::Across), nullptr);

  // A slot list that no longer matches the cells ends the lookup, once.
  WorkingGrid stale = gridOf({"AB", "CD"}, ui);
  ui.messages.clear();
  EXPECT_EQ(stale.findSlot(1, 1, Direction::Across), nullptr);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(WorkingGrid, WrittenSlotShowsInTheCrossingSlot) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"   ", "#  ", "   "}, ui);
  grid.buildSlots();
  Slot* across = grid.findSlot(0, 2, Direction::Across);
  ASSERT_NE(across, nullptr);
  EXPECT_TRUE(WorkingGrid::hasEmptyCell(*across));
  ASSERT_TRUE(across->setText("SOL"));
  grid.writeSlot(*across);
  EXPECT_EQ(grid.row(2), "SOL");
  EXPECT_FALSE(WorkingGrid::hasEmptyCell(*across));
  Slot* down = grid.findSlot(2, 0, Direction::Down);
  ASSERT_NE(down, nullptr);
  grid.readSlot(*down);
  EXPECT_EQ(down->textView(), "  L");
  EXPECT_EQ(down->len, 3);

  Slot moved = *down;  // a slot whose first cell drifted into the word
  moved.y = 1;
  grid.readSlot(moved);
  EXPECT_EQ(moved.y, 0);
  EXPECT_EQ(moved.textView(), "  L");
}

TEST(WorkingGrid, SlotThatDoesNotFitIsNotWritten) {
  ScriptedUi ui;
  WorkingGrid grid(3, 3, ui);
  Slot slot;
  slot.x = 1;
  slot.y = 1;
  slot.len = 3;
  slot.direction = Direction::Down;
  ASSERT_TRUE(slot.setText("ABE"));
  grid.writeSlot(slot);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, "ABE");
  EXPECT_EQ(ui.lastMessage().caption, "For langt ord indsættes i kryds");
  slot.direction = Direction::Across;
  grid.writeSlot(slot);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(grid.row(1), "   ");
  EXPECT_EQ(grid.row(2), "   ");

  // A text longer than its slot stops at the edge.
  slot.len = 2;
  ASSERT_TRUE(slot.setText("ABCDEFGH"));
  grid.writeSlot(slot);
  EXPECT_EQ(grid.row(1), " AB");
}

TEST(WorkingGrid, SlotTextIsBoundedForLongRuns) {
  ScriptedUi ui;
  WorkingGrid grid(45, 1, ui);
  grid.buildSlots();
  const Slot* slot = slotAt(grid, 0, 0, Direction::Across);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->len, 45);
  EXPECT_EQ(slot->textView().size(), 39u);
  Slot copy = *slot;
  grid.readSlot(copy);
  EXPECT_EQ(copy.len, 45);
  EXPECT_EQ(copy.textView().size(), 39u);
  EXPECT_FALSE(copy.setText(std::string(40, 'A')));
  EXPECT_EQ(copy.textView().size(), 39u);
}

TEST(WorkingGrid, DuplicatesAreOtherSlotsWithTheSameText) {
  ScriptedUi ui;
  WorkingGrid grid = gridOf({"AB#", "#CD", "BA#"}, ui);
  grid.buildSlots();
  const Slot* ab = slotAt(grid, 0, 0, Direction::Across);
  const Slot* cd = slotAt(grid, 1, 1, Direction::Across);
  ASSERT_NE(ab, nullptr);
  ASSERT_NE(cd, nullptr);
  EXPECT_FALSE(grid.isDuplicate(*ab));
  grid.put('A', 1, 1);
  grid.put('B', 2, 1);
  grid.buildSlots();
  EXPECT_TRUE(grid.isDuplicate(*slotAt(grid, 0, 0, Direction::Across)));
  EXPECT_FALSE(grid.isDuplicate(*slotAt(grid, 0, 2, Direction::Across)));  // "BA"
}

TEST(WorkingGrid, FromTheDocumentAndBack) {
  ScriptedUi ui;
  CrosswordDocument doc;
  doc.resize(3, 2);
  CrosswordDocument::setClue(doc.cellAt(1, 1), "ledeord");
  CrosswordDocument::setLetter(doc.cellAt(2, 1), 'K');
  CrosswordDocument::setLetter(doc.cellAt(3, 1), ' ');
  // (1,2) never held a letter: stays blank.
  WorkingGrid bare = WorkingGrid::fromDocument(doc, ui, false);
  EXPECT_EQ(bare.row(0), "#  ");
  WorkingGrid full = WorkingGrid::fromDocument(doc, ui, true);
  EXPECT_EQ(full.row(0), "#K ");
  EXPECT_EQ(full.row(1), "   ");

  full.put('\xC6', 0, 1);
  full.put('O', 2, 0);
  full.copyLettersTo(doc);
  EXPECT_EQ(doc.cellAt(1, 1).text, "ledeord");
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(3, 1)), 'O');
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 2)), 0xC6);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(2, 2)), ' ');
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vorkel
