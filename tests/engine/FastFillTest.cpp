// The fast fill as its callers use it: words at most once (also where the
// crossings complete a word), the grid's letters kept, a seed reproducing a
// fill, Escape and the failure budget ending an attempt.

#include "engine/FastFill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "dictionary/WordScores.h"
#include "engine/WorkingGrid.h"
#include "engine/WordIndex.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

class FastFillTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  Random random{5};

  WordIndex indexOf(const std::string& words) { return WordIndex::fromWordFile(words, language, ui); }
  // Rows of cells: "#" clue cell, "." empty letter cell, a letter placed.
  WorkingGrid gridOf(const std::vector<std::string>& rows) {
    WorkingGrid g(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), ui);
    for (std::size_t y = 0; y < rows.size(); ++y)
      for (std::size_t x = 0; x < rows[y].size(); ++x)
        g.put(rows[y][x] == '.' ? ' ' : rows[y][x], static_cast<int>(x), static_cast<int>(y));
    return g;
  }
  static std::vector<std::string> rowsOf(const WorkingGrid& g) {
    std::vector<std::string> rows;
    for (int y = 0; y < g.height(); ++y) rows.emplace_back(g.row(y));
    return rows;
  }
  FastFillOutcome::Status fill(WorkingGrid& grid, const WordIndex& index, std::uint64_t budget = 0) {
    FastFill f(index, language);
    FastFillSettings settings;
    settings.failureBudget = budget;
    return f.fill(grid, random, ui, settings).status;
  }
};

TEST_F(FastFillTest, AWordStandsOnceEvenWhereItsCrossingsCompleteIt) {
  // In a 2 x 2 square each word is completed by the two crossing it. With
  // AB and BA only, every fill reads AB and BA twice.
  const WordIndex twice = indexOf("AB\nBA\n");
  WorkingGrid square = gridOf({"..", ".."});
  EXPECT_EQ(fill(square, twice), FastFillOutcome::Status::Unfillable);
  EXPECT_EQ(rowsOf(square), (std::vector<std::string>{"  ", "  "})) << "left as it was";

  // With four distinct words it fills: AB over CD, down AC and BD.
  const WordIndex four = indexOf("AB\nCD\nAC\nBD\n");
  EXPECT_EQ(fill(square, four), FastFillOutcome::Status::Filled);
  EXPECT_EQ(rowsOf(square), (std::vector<std::string>{"AB", "CD"}));

  // Two slots of the template's own letters reading the same word.
  const WordIndex words = indexOf("KAT\nKO\nAL\nTE\nOLE\n");
  WorkingGrid repeated = gridOf({"KAT", "###", "KAT"});
  EXPECT_EQ(fill(repeated, words), FastFillOutcome::Status::Unfillable);
}

TEST_F(FastFillTest, KeepsTheGridsLettersAndRefusesOnesNoWordHas) {
  const WordIndex words = indexOf("KAT\nHAT\nAL\nKO\n");
  WorkingGrid k = gridOf({"K..", "#.#"});
  ASSERT_EQ(fill(k, words), FastFillOutcome::Status::Filled);
  EXPECT_EQ(rowsOf(k), (std::vector<std::string>{"KAT", "#L#"}));
  WorkingGrid h = gridOf({"H..", "#.#"});
  ASSERT_EQ(fill(h, words), FastFillOutcome::Status::Filled);
  EXPECT_EQ(rowsOf(h), (std::vector<std::string>{"HAT", "#L#"}));
  // A letter no word has there, and a byte that is no letter at all.
  for (const char* first : {"Q..", "1.."}) {
    WorkingGrid g = gridOf({first, "#.#"});
    EXPECT_EQ(fill(g, words), FastFillOutcome::Status::Unfillable) << first;
  }
}

TEST_F(FastFillTest, ASeedReproducesItsFillAndOtherSeedsVary) {
  // Eight letters in two rows, down words of two letters: many fills.
  std::string list;
  for (char a = 'A'; a <= 'H'; ++a)
    for (char b = 'A'; b <= 'H'; ++b) {
      list += std::string{a, b} + "\n";
      for (char c = 'A'; c <= 'D'; ++c)
        for (char d = 'A'; d <= 'D'; ++d) list += std::string{a, b, c, d} + "\n";
    }
  const WordIndex words = indexOf(list);
  std::vector<std::vector<std::string>> fills;
  for (const std::uint32_t seed : {1u, 1u, 2u, 3u}) {
    random.seed(seed);
    WorkingGrid grid = gridOf({"....", "...."});
    ASSERT_EQ(fill(grid, words), FastFillOutcome::Status::Filled);
    fills.push_back(rowsOf(grid));
  }
  EXPECT_EQ(fills[0], fills[1]);
  EXPECT_FALSE(fills[0] == fills[2] && fills[0] == fills[3]);
}

TEST_F(FastFillTest, EscapeOrASpentBudgetEndsTheAttemptAndLeavesTheGrid) {
  const WordIndex words = indexOf("AB\nCD\nAC\nBD\n");
  WorkingGrid grid = gridOf({"..", ".."});
  ui.keys.push_back(KeyMessage{KeyMessage::Escape});
  EXPECT_EQ(fill(grid, words), FastFillOutcome::Status::Stopped);
  EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"  ", "  "}));

  // Dead ends until the budget is spent: every word of three letters
  // fits the across slot, but no down word of length 2 exists for them.
  const WordIndex dead = indexOf("ABC\nBCA\nCAB\nAA\nBB\nCC\nXY\n");
  WorkingGrid row = gridOf({"...", "..#"});
  EXPECT_EQ(fill(row, dead, 1), FastFillOutcome::Status::GaveUp);
  EXPECT_EQ(fill(row, dead, 0), FastFillOutcome::Status::Unfillable);
}

TEST_F(FastFillTest, PrefersTheBetterScoredWordsAmongThoseThatFit) {
  // One across slot of three letters, no crossings: every word fits as well
  // as another, so the scores alone decide among the draws.
  std::string list, scoreText;
  int n = 0;
  for (char a = 'A'; a <= 'H'; ++a)
    for (char b = 'A'; b <= 'H'; ++b) {
      const std::string word{a, b, 'S'};
      list += word + "\n";
      scoreText += word + "\t" + (n++ % 8 == 0 ? "100" : "10") + "\n";  // one word in eight is good
    }
  std::string error;
  const std::optional<WordScores> scores = WordScores::parse(scoreText, language, error);
  ASSERT_TRUE(scores) << error;
  const WordIndex plain = indexOf(list);
  const WordIndex scored = WordIndex::fromWordFile(list, language, ui, WordIndex::AllLengths, &*scores);
  const auto goodFills = [&](const WordIndex& index) {
    int good = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
      random.seed(seed);
      WorkingGrid grid = gridOf({"..."});
      EXPECT_EQ(fill(grid, index), FastFillOutcome::Status::Filled);
      if (scores->scoreOfText(grid.row(0), language) == 100) ++good;
    }
    return good;
  };
  // Taking the best of eight draws, a good word is chosen whenever one is
  // drawn: 1 - (7/8)^8, about 66 %, against 12.5 % without scores.
  EXPECT_LT(goodFills(plain), 45);
  EXPECT_GT(goodFills(scored), 100);
}

}  // namespace
}  // namespace vorkel
