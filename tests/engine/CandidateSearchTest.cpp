#include "engine/CandidateSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FillTestSupport.h"

namespace vorkel {
namespace {

using filltest::FillFixture;

class CandidateSearchTest : public FillFixture {
 protected:
  WordPattern scratch;
  CandidateList list;

  bool search(int x, int y, Direction direction) {
    grid.buildSlots();
    Slot* slot = grid.findSlot(x, y, direction);
    grid.readSlot(*slot);
    FillContext c = context();
    return searchCandidates(c, *slot, scratch, list);
  }
  std::vector<std::string> stored() const {
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i)
      out.push_back(dict->codesToText(reinterpret_cast<const char*>(list.word(i))));
    return out;
  }
  // What the dictionary hands out for a pattern, in its order.
  std::vector<std::string> dictionaryOrder(const std::string& pattern) {
    std::vector<LetterSet> sets(pattern.size(), 0xFFFFFFFFu);
    std::vector<std::string> out;
    dict->findCandidates(static_cast<int>(pattern.size()), pattern, sets.data(),
                         [&](std::string_view w) {
                           out.push_back(dict->codesToText(w));
                           return true;
                         });
    return out;
  }
};

TEST_F(CandidateSearchTest, FewMatchesAreAllKeptInDictionaryOrder) {
  words({"KAT", "KOP", "KUR", "HUS"});
  setGrid({"K  "});
  params.keptCandidates = 10;
  ASSERT_TRUE(search(0, 0, Direction::Across));
  EXPECT_EQ(stored(), dictionaryOrder("K  "));
  EXPECT_EQ(stored(), (std::vector<std::string>{"KUR", "KOP", "KAT"}));
  EXPECT_EQ(std::string(list.saved.textView()), "K  ");
}

TEST_F(CandidateSearchTest, ReplacementsUnderTheSamplingLimits) {
  // 30 words "A??"; keep 10, replace with `percent` chance, at most 10 times.
  std::vector<std::string> all;
  for (char b = 'B'; b <= 'G'; ++b)
    for (char c = 'B'; c <= 'F'; ++c) all.push_back(std::string("A") + b + c);
  for (const std::string& w : all) dict->insertWord(w);
  setGrid({"A  "});
  params.keptCandidates = 10;
  params.maxReplacements = 10;
  const std::vector<std::string> order = dictionaryOrder("A  ");
  ASSERT_EQ(order.size(), 30u);

  // The same sampling by hand, on a copy of the generator. A draw equal to
  // the percentage must not replace: a seed is chosen whose draws hold one.
  struct Expected {
    std::vector<std::string> kept;
    Random after;
    bool drewThePercentage = false;
  };
  auto byHand = [&](Random r, int percent) {
    Expected e{std::vector<std::string>(order.begin(), order.begin() + 10), r};
    int remaining = params.maxReplacements;
    for (std::size_t j = 10; j < order.size() && remaining > 0; ++j) {
      const int draw = e.after.next() % 100;
      e.drewThePercentage |= draw == percent;
      if (draw < percent) {
        --remaining;
        e.kept[static_cast<std::size_t>(e.after.below(10))] = order[j];
      }
    }
    return e;
  };
  for (int percent : {0, 50, 100}) {
    params.replacePercent = percent;
    std::uint32_t seed = 1;
    while (percent < 100 && !byHand(Random(seed), percent).drewThePercentage) ++seed;
    random.seed(seed);
    const Expected expected = byHand(random, percent);
    ASSERT_TRUE(search(0, 0, Direction::Across));
    EXPECT_EQ(stored(), expected.kept) << percent;
    EXPECT_EQ(random.state(), expected.after.state()) << percent;
    if (percent == 0) {
      EXPECT_EQ(stored(), std::vector<std::string>(order.begin(), order.begin() + 10));
    }
    if (percent == 100) {
      // The eleventh match after the list was full stopped the walk without
      // drawing another number.
      EXPECT_EQ(counters.remaining, 0);
    }
  }
}

TEST_F(CandidateSearchTest, CrossingsPruneTheCandidates) {
  // Slot "   " across row 0; the middle column reads "?X", and only "BX"
  // is a word ending in X.
  words({"ABC", "ADC", "BX", "AA", "CC"});
  setGrid({"   ", "#X#"});
  ASSERT_TRUE(search(0, 0, Direction::Across));
  EXPECT_EQ(stored(), (std::vector<std::string>{"ABC"}));
  EXPECT_EQ(scratch.cross[0].allowed, 0xFFFFFFFFu);  // a one-cell crossing takes anything

  // A crossing no word can complete fails the search before any candidate.
  setGrid({"   ", "#Q#"});
  EXPECT_FALSE(search(0, 0, Direction::Across));
  // An open one-cell slot never has candidates.
  setGrid({" #"});
  EXPECT_FALSE(search(0, 0, Direction::Across));
}

TEST_F(CandidateSearchTest, KeptCandidatesFitTheBuffer) {
  params.keptCandidates = 5000;
  EXPECT_EQ(keptCandidates(params, 25), 30000 / 26);
  EXPECT_EQ(keptCandidates(params, 2), 5000);
  params.keptCandidates = 0;
  EXPECT_EQ(keptCandidates(params, 5), 1);

  // More 25-letter words than the buffer holds: the list stops at its size.
  Random letters(7);
  for (int i = 0; i < 1300; ++i) {
    std::string w;
    for (int k = 0; k < 25; ++k) w += static_cast<char>('A' + letters.below(26));
    dict->insertWord(w);
  }
  setGrid({std::string(25, ' ')});
  params.keptCandidates = 5000;
  params.maxReplacements = 50;
  ASSERT_TRUE(search(0, 0, Direction::Across));
  EXPECT_EQ(list.count(), 30000 / 26);
  EXPECT_LE(list.bytesUsed(), CandidateList::BufferSize);
}

}  // namespace
}  // namespace vorkel
