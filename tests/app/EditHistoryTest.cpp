#include "app/EditHistory.h"

#include <gtest/gtest.h>

#include "document/DocumentFile.h"

namespace vorkel {
namespace {

// The grid as a save writes it, so "the same" means byte for byte.
std::string bytes(const EditState& s) { return serializeDocument(s.document); }

TEST(EditHistory, UndoAndRedoWalkTheRecordedStatesByteForByte) {
  EditHistory history;
  EditState s;
  history.reset(s.document, s.path);
  std::vector<std::string> seen{bytes(s)};
  // Typed letters, a clue cell, a resize: each a step.
  CrosswordDocument::setLetter(s.document.cellAt(1, 1), 'A');
  ASSERT_TRUE(history.record(s.document, s.path));
  seen.push_back(bytes(s));
  CrosswordDocument::setClue(s.document.cellAt(2, 1), "Fugl");
  ASSERT_TRUE(history.record(s.document, s.path));
  seen.push_back(bytes(s));
  EXPECT_FALSE(history.record(s.document, s.path));  // nothing new
  s.document.resize(5, 7);
  s.path.stops().push_back(PathStop{});
  // Not recorded yet: the undo takes it as the newest step first.
  for (int i = 2; i >= 0; --i) {
    ASSERT_TRUE(history.undo(s));
    EXPECT_EQ(bytes(s), seen[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_FALSE(history.undo(s));
  EXPECT_EQ(bytes(s), seen[0]);
  ASSERT_TRUE(history.redo(s));
  EXPECT_EQ(bytes(s), seen[1]);
  // A new change forgets what could be redone.
  CrosswordDocument::setLetter(s.document.cellAt(3, 3), 'Z');
  history.record(s.document, s.path);
  EXPECT_FALSE(history.redo(s));
  EXPECT_TRUE(history.canUndo());
}

TEST(EditHistory, ARunIsOneStepAndTheOldestStepsGoFirst) {
  EditHistory history;
  EditState s;
  history.reset(s.document, s.path);
  history.pause();
  for (unsigned char c = 'A'; c <= 'J'; ++c) {
    CrosswordDocument::setLetter(s.document.cellAt(1, 1), c);
    EXPECT_FALSE(history.record(s.document, s.path));
  }
  history.resume(s.document, s.path);
  EXPECT_EQ(history.undoSteps(), 1u);
  for (std::size_t i = 0; i < EditHistory::Depth + 50; ++i) {
    CrosswordDocument::setLetter(s.document.cellAt(2, 2), static_cast<unsigned char>('A' + i % 26));
    CrosswordDocument::setLetter(s.document.cellAt(3, 3), static_cast<unsigned char>('A' + i / 26));
    history.record(s.document, s.path);
  }
  EXPECT_EQ(history.undoSteps(), EditHistory::Depth);
}

}  // namespace
}  // namespace vorkel
