// Forced words: reading the lists, the table's limits, placing the words
// into a grid, drawing them from a word file, and one forced attempt.

#include "engine/ForcedWords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "FillTestSupport.h"
#include "engine/ForcedAttempt.h"
#include "engine/ForcedPlacement.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

using filltest::FillFixture;
using Words = std::vector<std::string>;

TEST(ForcedWordList, LinesAreCutTrimmedUpperCasedAndEmptyOnesSkipped) {
  Language danish;
  // A word between blanks and an empty line give one word of three letters.
  EXPECT_EQ(readWordLines(" ost \r\n\r\n", ForcedLineLimit, danish), Words{"OST"});
  // Every kind of line end, tabs and control bytes at both ends, no end at all.
  EXPECT_EQ(readWordLines("kat\rhund\n\tfisk\t\x01\r\n  \n\nmus", ForcedLineLimit, danish),
            (Words{"KAT", "HUND", "FISK", "MUS"}));
  // A longer line: its first characters are the word, the rest is no word.
  const std::string longLine = std::string(ForcedLineLimit, 'a') + "bcd\nko";
  EXPECT_EQ(readWordLines(longLine, ForcedLineLimit, danish),
            (Words{std::string(ForcedLineLimit, 'A'), "KO"}));
  // By the language's alphabet: æ ø å become Æ Ø Å, é becomes E as the
  // dictionary keeps it; what is no letter stays.
  EXPECT_EQ(readWordLines("bl\xE5" "b\xE6r\nr\xF8" "dgr\xF8" "d\ncaf\xE9\nk-2 x", ForcedLineLimit, danish),
            (Words{"BL\xC5" "B\xC6R", "R\xD8" "DGR\xD8" "D", "CAFE", "K-2 X"}));
  EXPECT_TRUE(isLetterWord("BL\xC5" "B\xC6R", danish));
  EXPECT_FALSE(isLetterWord("K-2 X", danish));
}

TEST(ForcedWordList, RandomAndTruncatedInputNeverGivesABadWord) {
  Language danish;
  Random random(99);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(static_cast<std::size_t>(random.below(600)), '\0');
    for (char& c : bytes) c = static_cast<char>(random.below(256));
    for (const std::size_t limit : {ForcedLineLimit, WordFileLineLimit})
      for (const std::string& w : readWordLines(bytes, limit, danish)) {
        ASSERT_FALSE(w.empty());
        ASSERT_LE(w.size(), limit);
        ASSERT_GE(static_cast<unsigned char>(w.front()), 33);
        ASSERT_GE(static_cast<unsigned char>(w.back()), 33);
        ASSERT_EQ(w.find_first_of("\r\n"), std::string::npos);
      }
  }
  testing::TempFolder dir;
  EXPECT_FALSE(readWordList(dir / "none.txt", ForcedLineLimit, danish).has_value());
  EXPECT_FALSE(readWordList(dir.path(), ForcedLineLimit, danish).has_value()) << "a folder";
  dir.write("empty.txt", "");
  EXPECT_EQ(readWordList(dir / "empty.txt", ForcedLineLimit, danish), Words{});
}

TEST(ForcedWordTable, HoldsAHundredDifferentWordsOfAtMost51Characters) {
  ForcedWords words;
  EXPECT_TRUE(words.add("OST"));
  EXPECT_EQ(words[0].len, 3);
  EXPECT_FALSE(words.add("OST")) << "a crossword holds a word once";
  EXPECT_FALSE(words.add(""));
  EXPECT_TRUE(words.add(std::string(ForcedWords::MaxWordLength, 'A')));
  EXPECT_FALSE(words.add(std::string(ForcedWords::MaxWordLength + 1, 'B')));
  for (int i = 0; words.size() < ForcedWords::Capacity; ++i) words.add("W" + std::to_string(i));
  EXPECT_FALSE(words.add("ONE MORE"));
  EXPECT_EQ(words.size(), ForcedWords::Capacity);
}

class ForcedPlacementTest : public FillFixture {
 protected:
  ForcedWords forced(std::initializer_list<const char*> list) {
    ForcedWords w;
    for (const char* s : list) w.add(s);
    return w;
  }
  // The word read from the grid along a placed slot.
  std::string wordAt(const PlacedWord& p) const {
    std::string s;
    for (std::size_t i = 0; i < p.word.size(); ++i)
      s += p.direction == Direction::Across ? grid.get(p.x + static_cast<int>(i), p.y)
                            : grid.get(p.x, p.y + static_cast<int>(i));
    return s;
  }
};

TEST_F(ForcedPlacementTest, AWordOfALengthNoSlotHasFailsEveryPlacementAndLeavesTheGrid) {
  setGrid({"   #", "####", "  # "});  // slots of length 3, 2 and 1
  const auto before = rows();
  std::vector<PlacedWord> placed;
  EXPECT_FALSE(placeForcedWordsRetrying(grid, forced({"OST", "HUND"}), language, random, *dict, placed));
  EXPECT_EQ(rows(), before);
  EXPECT_TRUE(placed.empty());
  // A word with a character that is no letter fits nowhere either.
  EXPECT_FALSE(placeForcedWordsRetrying(grid, forced({"O-T"}), language, random, *dict, placed));

  // The attempt gives up before the fill and fills nothing.
  setPath({filltest::stopAt(0, 0, Direction::Across)});
  std::vector<PlacedWord> where;
  FillContext c = context();
  EXPECT_EQ(fillForced(c, path, forced({"HUND"}), where), FillResult::NotPlaced);
  EXPECT_EQ(rows(), before);
}

TEST_F(ForcedPlacementTest, WordsOfOneLengthCrossOnlyWhereTheirLettersAgree) {
  // Six slots of length 3. ABC and XYZ share no letter, so they can never
  // cross; ABC and AQR may cross only at their first cell.
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    random.seed(seed);
    for (const auto& pair : {forced({"ABC", "XYZ"}), forced({"ABC", "AQR"})}) {
      setGrid({"   ", "   ", "   "});
      std::vector<PlacedWord> placed;
      ASSERT_TRUE(placeForcedWords(grid, pair, language, random, placed));
      ASSERT_EQ(placed.size(), 2u);
      for (const PlacedWord& p : placed) {
        EXPECT_EQ(wordAt(p), p.word) << "overwritten";
      }
      if (placed[0].direction != placed[1].direction && pair[1].word == "AQR") {
        EXPECT_EQ(placed[0].x, placed[1].x);
        EXPECT_EQ(placed[0].y, placed[1].y);
      }
      if (pair[1].word == "XYZ") {
        EXPECT_EQ(placed[0].direction, placed[1].direction);
      }
    }
  }
}

TEST_F(ForcedPlacementTest, APlacementThatCompletesAWordOutsideTheDictionaryIsTriedAgain) {
  // In a 2 x 2 grid AB and CD can only lie side by side, which completes
  // the two crossing words: AC and BD, or CA and DB.
  setGrid({"  ", "  "});
  std::vector<PlacedWord> placed;
  EXPECT_FALSE(placeForcedWordsRetrying(grid, forced({"AB", "CD"}), language, random, *dict, placed));
  EXPECT_EQ(rows(), (std::vector<std::string>{"  ", "  "}));

  // Every way of laying them completes one word that starts in the cell
  // where a forced word starts, the other way (AC or CA): it is checked too.
  words({"bd", "db"});
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    random.seed(seed);
    EXPECT_FALSE(placeForcedWordsRetrying(grid, forced({"AB", "CD"}), language, random, *dict, placed))
        << "seed " << seed << ": placed with a word outside the dictionary";
    EXPECT_EQ(rows(), (std::vector<std::string>{"  ", "  "}));
  }

  words({"ac", "bd"});
  ASSERT_TRUE(placeForcedWordsRetrying(grid, forced({"AB", "CD"}), language, random, *dict, placed));
  EXPECT_TRUE(rows() == (std::vector<std::string>{"AB", "CD"}) ||
              rows() == (std::vector<std::string>{"AC", "BD"}));
}

TEST_F(ForcedPlacementTest, DrawingTakesOnlyWordsThatFitAndLowersTheCount) {
  setGrid({"    #", "#####", "   ##"});  // slots of length 4 and 3
  // Four fitting words (one twice), one too long, one too short, one with a digit.
  const Words list{"KAT", "HUND", "MUS", "KAT", "HEST", "ELEFANT", "KO", "R2D2"};
  int number = 6;
  ForcedWords drawn;
  ASSERT_EQ(drawForcedWords(list, grid, language, number, random, drawn), DrawResult::Drawn);
  EXPECT_EQ(number, 4);
  std::set<std::string> got;
  for (const ForcedWord& w : drawn.words()) got.insert(w.word);
  EXPECT_EQ(got, (std::set<std::string>{"KAT", "HUND", "MUS", "HEST"}));

  number = 2;
  ASSERT_EQ(drawForcedWords(list, grid, language, number, random, drawn), DrawResult::Drawn);
  EXPECT_EQ(number, 2);
  EXPECT_EQ(drawn.size(), 2u);

  number = 3;
  EXPECT_EQ(drawForcedWords({"ELEFANT", "KO"}, grid, language, number, random, drawn),
            DrawResult::NoWordFits);
  EXPECT_TRUE(drawn.empty());
  number = -5;
  ASSERT_EQ(drawForcedWords(list, grid, language, number, random, drawn), DrawResult::Drawn);
  EXPECT_EQ(number, 0);
  EXPECT_TRUE(drawn.empty());
}

TEST_F(ForcedPlacementTest, DrawingReachesEveryWordOfALongList) {
  // Longer than the generator's range of 32768 numbers.
  Words list;
  for (int i = 0; i < 40000; ++i) {
    std::string w(4, 'A');
    for (int k = 0, n = i; k < 4; ++k, n /= 26) w[static_cast<std::size_t>(k)] = static_cast<char>('A' + n % 26);
    list.push_back(w);
  }
  setGrid({"    "});
  std::set<std::string> late(list.begin() + 32768, list.end());
  int number = 100;
  ForcedWords drawn;
  ASSERT_EQ(drawForcedWords(list, grid, language, number, random, drawn), DrawResult::Drawn);
  int fromTheEnd = 0;
  for (const ForcedWord& w : drawn.words()) fromTheEnd += static_cast<int>(late.count(w.word));
  EXPECT_GT(fromTheEnd, 0);
}

TEST_F(ForcedPlacementTest, TheAttemptPlacesTheWordsAndFillsAroundThem) {
  // One 3 x 3 square, rows CAT ORE WET and columns COW ARE TET; CAT can
  // stand in its first row or, with the square turned, its first column.
  setGrid({"   ", "   ", "   "});
  words({"cat", "ore", "wet", "cow", "are", "tet"});
  // The program's path is not consulted: the attempt lays its own.
  setPath({filltest::stopAt(1, 1, Direction::Across)});
  std::vector<PlacedWord> placed;
  FillResult result = FillResult::NotFilled;
  for (std::uint32_t seed = 1; seed < 40 && result != FillResult::Filled; ++seed) {
    random.seed(seed);
    setGrid({"   ", "   ", "   "});
    FillContext c = context();
    result = fillForced(c, path, forced({"CAT"}), placed);
  }
  ASSERT_EQ(result, FillResult::Filled);
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0].x, 0);
  EXPECT_EQ(placed[0].y, 0);
  EXPECT_EQ(rows(), placed[0].direction == Direction::Across ? (std::vector<std::string>{"CAT", "ORE", "WET"})
                                             : (std::vector<std::string>{"COW", "ARE", "TET"}));
  // The path: every slot but the forced one, no back-jumps. (Its last stop
  // repeats the slot list's first slot, as the automatic path does.)
  std::set<std::pair<int, Direction>> stops;
  for (const PathStop& s : path.stops()) {
    if (s.isEndMarker()) break;
    EXPECT_EQ(s.backJump, 0);
    EXPECT_FALSE(s.x == 0 && s.y == 0 && s.direction == placed[0].direction) << "the forced slot";
    stops.insert({s.x * 10 + s.y, s.direction});
  }
  EXPECT_EQ(stops.size(), 5u);
  // The first stop crosses the placed word.
  EXPECT_NE(path.stops().front().direction, placed[0].direction);
  ASSERT_FALSE(ui.progress.empty());
  bool shown = false;
  for (const std::string& p : ui.progress) shown = shown || p.rfind(ForcedStartLine, 0) == 0;
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace vorkel
