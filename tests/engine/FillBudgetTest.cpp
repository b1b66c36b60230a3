// The entry budget of a fill: a batch run's restart policy ends an attempt
// after a number of entries into the search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FillEngine.h"
#include "FillTestSupport.h"

namespace vorkel {
namespace {

using filltest::FillFixture;
using filltest::stopAt;

class FillBudgetTest : public FillFixture {
 protected:
  FillResult fillWithBudget(std::uint64_t budget, std::uint64_t* entries = nullptr) {
    FillContext c = context();
    c.entryBudget = budget;
    const FillResult result = fillCrossword(c, false);
    if (entries) *entries = c.entries;
    return result;
  }
};

TEST_F(FillBudgetTest, SpentBudgetGivesUpAndRestoresTheGrid) {
  words({"ABE", "KAT", "SOL"});
  setGrid({"   ", "###", "   "});
  setPath({stopAt(0, 0, Direction::Across), stopAt(0, 2, Direction::Across)});

  std::uint64_t entries = 0;
  // One entry per stop: no limit and a budget of exactly two both fill.
  EXPECT_EQ(fillWithBudget(0, &entries), FillResult::Filled);
  EXPECT_EQ(entries, 2u);
  setGrid({"   ", "###", "   "});
  EXPECT_EQ(fillWithBudget(2, &entries), FillResult::Filled);

  // The second stop's entry is one too many: no further candidate is tried
  // anywhere, and every slot is given back.
  setGrid({"   ", "###", "   "});
  EXPECT_EQ(fillWithBudget(1, &entries), FillResult::BudgetSpent);
  EXPECT_EQ(entries, 2u);
  EXPECT_EQ(rows(), (std::vector<std::string>{"   ", "###", "   "}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FillBudgetTest, GivingUpOnADeepPathNeverReadsAsTheUsersEscape) {
  // 220 complete two-letter words, then an empty slot: the complete slots
  // pass a jump on unchanged, so the budget's jump at depth 220 reaches the
  // top as a jump of 221 levels, as deep as an Escape might; it is the budget.
  std::vector<std::string> picture;
  std::vector<PathStop> stops;
  for (int i = 0; i < 220; ++i) {
    std::string word{static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)};
    dict->insertWord(word);
    picture.push_back(word);
    picture.push_back("##");
    stops.push_back(stopAt(0, 2 * i, Direction::Across));
  }
  picture.push_back("  ");
  stops.push_back(stopAt(0, 440, Direction::Across));
  setGrid(picture);
  setPath(stops);

  std::uint64_t entries = 0;
  EXPECT_EQ(fillWithBudget(220, &entries), FillResult::BudgetSpent);
  EXPECT_EQ(entries, 221u);
  EXPECT_EQ(picture.size(), rows().size());
  EXPECT_EQ(rows().back(), "  ");
}

}  // namespace
}  // namespace vorkel
