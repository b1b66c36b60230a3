#include "engine/FillObstacles.h"

#include "FillTestSupport.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"

namespace vorkel::filltest {
namespace {

// The model, 0-based (x, y):      slots
//   # . . . #                      across (1,0) of 3
//   # . # . #                      down (1,0) and (3,0) of 2
class FillObstaclesTest : public FillFixture {
 protected:
  void SetUp() override {
    model("5 2\n#\xDB\xDB\xDB#\n#\xDB#\xDB#\n");  // 0xDB: an empty letter cell
    words({"kat", "ko", "to"});
    setPath({stopAt(1, 0, Direction::Across), stopAt(1, 0, Direction::Down), stopAt(3, 0, Direction::Down)});
  }
  void model(const std::string& text) { ASSERT_TRUE(parseDocument(doc, text, language, ui)); }
  // "kind column,row stop" per obstacle.
  std::vector<std::string> found(bool withLetters = false) {
    std::vector<std::string> out;
    for (const FillObstacle& o : findFillObstacles(doc, path, *dict, withLetters))
      out.push_back(std::to_string(static_cast<int>(o.kind)) + " " + std::to_string(o.column) +
                    "," + std::to_string(o.row) + " " + std::to_string(o.stop));
    return out;
  }
  using K = FillObstacle::Kind;
  static std::string at(K kind, int column, int row, int stop = 0) {
    return std::to_string(static_cast<int>(kind)) + " " + std::to_string(column) + "," +
           std::to_string(row) + " " + std::to_string(stop);
  }
  CrosswordDocument doc;
};

TEST_F(FillObstaclesTest, AFillableModelHasNone) {
  EXPECT_EQ(found(), std::vector<std::string>{});
  EXPECT_EQ(found(true), std::vector<std::string>{});
}

TEST_F(FillObstaclesTest, StopsOfAnotherModelAreNamedByNumberAndCell) {
  // A stop one beyond the last column is read on the last column, as the
  // fill reads it: there a clue cell, so no word.
  setPath({stopAt(1, 0, Direction::Across), stopAt(0, 1, Direction::Across), stopAt(9, 0, Direction::Down), stopAt(5, 1, Direction::Across),
           stopAt(1, 0, Direction::Down), stopAt(3, 0, Direction::Down)});
  EXPECT_EQ(found(), (std::vector<std::string>{at(K::StopOnClue, 1, 2, 2),
                                               at(K::StopOutsideGrid, 10, 1, 3),
                                               at(K::StopOnNoSlot, 6, 2, 4)}));
  const FillObstacle first = findFillObstacles(doc, path, *dict, false).front();
  EXPECT_EQ(first.describe(),
            "path stop 2 (cell 1,2 across) is on a clue cell: the path does not belong to this "
            "model");
}

TEST_F(FillObstaclesTest, CellsThePathNeverVisitsAreNamed) {
  setPath({stopAt(2, 0, Direction::Across)});
  EXPECT_EQ(found(), (std::vector<std::string>{at(K::CellOffPath, 2, 2), at(K::CellOffPath, 4, 2)}));
}

TEST_F(FillObstaclesTest, LengthsWithoutWordsAndLettersWithoutAMatch) {
  dict = std::make_unique<WordStore>(1000, language, ui);
  words({"kat", "\xF8st"});
  // No word of 2 letters: named once, at the first such slot.
  EXPECT_EQ(found(), std::vector<std::string>{at(K::NoWordOfLength, 2, 1)});

  words({"ko", "to"});
  model("5 2\n#\xD8\xDB\xDB#\n#\xDB#\xDB#\n");  // Ø fixed at (1,0)
  // The fixed letters count only in a fill with the model's letters.
  EXPECT_EQ(found(), std::vector<std::string>{});
  EXPECT_EQ(found(true), std::vector<std::string>{at(K::NoWordForLetters, 2, 1)});
  EXPECT_EQ(findFillObstacles(doc, path, *dict, true).front().describe(),
            "no word of the dictionary fits the letters Ø. of the slot down from cell 2,1");
}

}  // namespace
}  // namespace vorkel::filltest
