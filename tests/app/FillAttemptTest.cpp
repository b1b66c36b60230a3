// One attempt of the path fill, shared by the window's runs and the batch.

#include <gtest/gtest.h>

#include "app/FillAttempt.h"
#include "engine/ForcedWords.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using testing::TempFolder;

std::string lettersOf(const WorkingGrid& grid) {
  std::string letters;
  for (int y = 0; y < grid.height(); ++y) letters += grid.row(y);
  return letters;
}

TEST(FillAttemptTest, AttemptsOfEveryKindShareOneEngineAndLeaveTheProgramsPathAlone) {
  TempFolder dir;
  apptest::Session s{dir.path()};
  ApplicationContext& c = s.context;
  apptest::setUpTinyModel(c);
  const std::vector<PathStop> path = c.path.stops();
  ForcedWords forced;
  forced.add("CD");

  FillAttempt attempts(c);
  // Plain, forced, plain again: each attempt is counted, each kind fills
  // (a forced word placed where no crossing word fits fails that attempt
  // only), and the forced attempts' own path never replaces the program's.
  const FillAttempt::Settings plain{};
  const FillAttempt::Settings withWord{false, &forced, 0};
  int made = 0;
  for (const FillAttempt::Settings* settings : {&plain, &withWord, &plain}) {
    FillAttempt::Outcome o;
    for (int i = 0; i < 50 && o.result != FillResult::Filled; ++i, ++made) o = attempts.make(*settings);
    EXPECT_EQ(o.result, FillResult::Filled);
    EXPECT_GT(o.entries, 0u);
    const std::string letters = lettersOf(attempts.grid());
    EXPECT_TRUE(letters == "ABCD" || letters == "ACBD") << letters;
  }
  EXPECT_EQ(c.run.tries, made);
  EXPECT_EQ(c.path.stops(), path);

  // A budget of one entry gives up before the fill is done; the next
  // attempt without a budget fills again.
  EXPECT_EQ(attempts.make({false, nullptr, 1}).result, FillResult::BudgetSpent);
  EXPECT_EQ(attempts.make(plain).result, FillResult::Filled);
}

}  // namespace
}  // namespace vorkel
