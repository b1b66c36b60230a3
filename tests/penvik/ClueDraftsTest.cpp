#include "penvik/ClueDrafts.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace penvik {
namespace {

RawGrid gridOf(std::initializer_list<std::string> rows) {
  RawGrid g;
  g.height = static_cast<int>(rows.size());
  for (const auto& r : rows) {
    g.width = static_cast<int>(r.size());
    g.cells += r;
  }
  return g;
}

// In Windows-1252: the clue cell at (0,0) starts ØRN across, the one at
// (0,2) starts ÆBL across.
const RawGrid grid = gridOf({"#\xD8RN", "MAD ", "#\xC6" "BL"});

TEST(ClueDrafts, WordsAreReadInUtf8AndOnlyWhenComplete) {
  const RawGrid g = gridOf({"#\xD8RN", "\xC6" "A\xC6" "N", "#A B"});
  const struct {
    ClueKey key;
    std::string word;
  } cases[] = {
      {{0, 0, Direction::Across}, "ØRN"},
      {{0, 0, Direction::Down}, ""},    // a single letter, then a clue cell
      {{0, 2, Direction::Across}, ""},  // a blank cell in the word
  };
  for (const auto& c : cases)
    EXPECT_EQ(clueWord(g, c.key), c.word) << c.key.column << "," << c.key.row;
  EXPECT_EQ(clueWord(grid, {0, 2, Direction::Across}), "ÆBL");
}

TEST(ClueDrafts, DraftOnlyWhereNothingIsTypedAndNeverTheSameClueTwice) {
  // ØRN's and ÆBL's first proposals are one clue: the second word takes its next.
  const std::map<std::string, std::vector<std::string>> proposals{
      {"ØRN", {"Rovfugl", "Fugl"}},
      {"ÆBL", {"fugl", "Frugt (første tre)"}},
  };
  auto lookup = [&](std::string_view word) {
    const auto it = proposals.find(std::string(word));
    return it == proposals.end() ? std::vector<std::string>{} : it->second;
  };
  Clues typed;
  Clues drafts = draftClues(grid, typed, lookup);
  EXPECT_EQ(drafts.text({0, 0, Direction::Across}), "Rovfugl");
  EXPECT_EQ(drafts.text({0, 2, Direction::Across}), "fugl");
  EXPECT_EQ(drafts.size(), 2u);

  // A typed clue is never replaced by a draft, and no draft repeats it.
  typed.set({0, 0, Direction::Across}, "FUGL");
  drafts = draftClues(grid, typed, lookup);
  EXPECT_EQ(drafts.text({0, 0, Direction::Across}), "");
  const Clues shown = withDrafts(typed, drafts);
  EXPECT_EQ(shown.text({0, 0, Direction::Across}), "FUGL");
  EXPECT_EQ(shown.text({0, 2, Direction::Across}), "Frugt (f\xF8rste tre)");

  // Texts Windows-1252 cannot hold, or too long for a clue, are passed over.
  const struct {
    std::string proposal;
    bool drafted;
  } texts[] = {
      {"Ørnens fjende", true},
      {"Орёл", false},
      {std::string(MaxClueText, 'x'), true},
      {std::string(MaxClueText + 1, 'x'), false},
      {"", false},
  };
  for (const auto& t : texts) {
    const Clues d = draftClues(grid, {}, [&](std::string_view) {
      return std::vector<std::string>{t.proposal};
    });
    EXPECT_EQ(!d.text({0, 0, Direction::Across}).empty(), t.drafted) << t.proposal;
  }
}

// A proposal that would not print whole is passed over for one that would;
// when none would, the first is kept.
TEST(ClueDrafts, ADraftThatFitsItsBoxComesFirst) {
  const RawGrid grid = *parseRawGrid("3\t2\r\n#OS\r\n#AB\r\n").grid;
  const auto lookup = [](std::string_view) {
    return std::vector<std::string>{"Meget lang ledetekst", "Kort"};
  };
  const ClueKey first{0, 0, Direction::Across};
  const auto shortOnes = [](const ClueKey&, const std::string& text) { return text.size() <= 5; };
  EXPECT_EQ(draftClues(grid, {}, lookup, shortOnes).text(first), "Kort");
  EXPECT_EQ(draftClues(grid, {}, lookup).text(first), "Meget lang ledetekst");
  const auto none = [](const ClueKey&, const std::string&) { return false; };
  EXPECT_EQ(draftClues(grid, {}, lookup, none).text(first), "Meget lang ledetekst");
}

}  // namespace
}  // namespace penvik
