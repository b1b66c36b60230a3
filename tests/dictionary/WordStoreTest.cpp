#include "dictionary/WordStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/DictionaryStatistics.h"
#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

// Test words are written in UTF-8 and stored as Windows-1252.
std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8).value(); }

class WordStoreTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  WordStore dict{130000, language, ui};

  // Display text (UTF-8) of every match, in the store's order.
  std::vector<std::string> matches(std::string_view pattern) {
    std::vector<std::string> out;
    const std::string p = cp(pattern);
    dict.forEachMatch(static_cast<int>(p.size()), p, [&](std::string_view w) {
      out.push_back(cp1252ToUtf8(dict.codesToText(w)));
      return true;
    });
    return out;
  }
  std::vector<std::string> candidates(std::string_view pattern, const std::vector<LetterSet>& sets) {
    std::vector<std::string> out;
    const std::string p = cp(pattern);
    dict.findCandidates(static_cast<int>(p.size()), p, sets.data(), [&](std::string_view w) {
      out.push_back(cp1252ToUtf8(dict.codesToText(w)));
      return true;
    });
    return out;
  }
  LetterSet bit(char upper) { return LetterSet{1} << (upper & 0x1F); }
  // possibleLetters for a crossing of three letters; widens `set`.
  bool ask(const char* pattern, int index, char letter, LetterSet& set) {
    Crossing c;
    std::snprintf(c.pattern, sizeof c.pattern, "%s", pattern);
    c.index = index;
    c.letter = letter;
    c.length = 3;
    c.letters = set;
    const bool any = dict.possibleLetters(c);
    set = c.letters;
    return any;
  }
};

TEST_F(WordStoreTest, InsertsEachWordOnceWhateverItsCase) {
  EXPECT_TRUE(dict.insertWord("ABE"));
  EXPECT_FALSE(dict.insertWord("ABE"));
  EXPECT_FALSE(dict.insertWord("abe"));
  EXPECT_TRUE(dict.insertWord(cp("blåbær")));
  EXPECT_FALSE(dict.insertWord("BL]B[R"));  // the 7-bit national forms are the same word
  EXPECT_EQ(dict.wordCount(), 2);
  EXPECT_EQ(dict.figures(3).count, 1);
  EXPECT_TRUE(dict.hasMatch("abe"));
  EXPECT_FALSE(dict.hasMatch("ABC"));
  EXPECT_EQ(matches("BL    "), (std::vector<std::string>{"BLÅBÆR"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WordStoreTest, WordEndsAtItsFirstBlank) {
  EXPECT_TRUE(dict.insertWord("KAT og hund"));
  EXPECT_TRUE(dict.hasMatch("KAT"));
  EXPECT_FALSE(dict.hasMatch("HUND"));
}

TEST_F(WordStoreTest, TextsThatCannotBeWordsAreIgnoredAndMatchAnyway) {
  EXPECT_FALSE(dict.insertWord("A"));
  EXPECT_FALSE(dict.insertWord(std::string(26, 'A')));
  EXPECT_TRUE(dict.insertWord(std::string(25, 'A')));
  EXPECT_EQ(dict.wordCount(), 1);
  EXPECT_TRUE(dict.hasMatch("A"));
  EXPECT_TRUE(dict.hasMatch(std::string(26, 'B')));
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_TRUE(dict.hasMatch("AB1CD"));
  EXPECT_FALSE(dict.insertWord(cp("ko-ø")));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].caption, "Sprog og tegnsæt passer ikke sammen");
  EXPECT_EQ(ui.messages[0].text, "1CD");
  EXPECT_EQ(ui.messages[1].text, "-ø");  // the rest of the text, shown as UTF-8
  EXPECT_EQ(dict.wordCount(), 1);
}

TEST_F(WordStoreTest, ChainsListNewestFirstAndKeepTheFirstWord) {
  for (const char* w : {"KAT", "KAR", "KAM", "SAT", "KOT"}) ASSERT_TRUE(dict.insertWord(w));
  EXPECT_TRUE(dict.hasMatch("KAT"));
  EXPECT_EQ(matches("KA "), (std::vector<std::string>{"KAM", "KAR", "KAT"}));
  EXPECT_EQ(matches("K?T"), (std::vector<std::string>{"KOT", "KAT"}));
  EXPECT_EQ(matches(".AT"), (std::vector<std::string>{"SAT", "KAT"}));
  EXPECT_EQ(matches("KAT"), (std::vector<std::string>{"KAT"}));
  EXPECT_TRUE(matches("KAX").empty());
  EXPECT_TRUE(matches("K1T").empty());  // a character outside the language matches nothing
  EXPECT_TRUE(ui.messages.empty());     // ... and patterns never complain

  std::set<std::string> all;
  Random random(7);
  dict.forEachWord(random, [&](std::string_view w) {
    EXPECT_TRUE(all.insert(std::string(w)).second);
    return true;
  });
  EXPECT_EQ(all, (std::set<std::string>{"KAT", "KAR", "KAM", "SAT", "KOT"}));
}

TEST_F(WordStoreTest, VisitorAnsweringFalseStopsEveryWalk) {
  for (const char* w : {"KAT", "KAR", "SUT", "BIL", "ELM"}) dict.insertWord(w);
  int seen = 0;
  auto once = [&](std::string_view) { return ++seen, false; };
  dict.forEachMatch(3, "   ", once);
  EXPECT_EQ(seen, 1);
  seen = 0;
  dict.forEachMatch(3, "K  ", once);
  EXPECT_EQ(seen, 1);
  seen = 0;
  const std::vector<LetterSet> all(3, ~LetterSet{0});
  dict.findCandidates(3, "   ", all.data(), once);
  EXPECT_EQ(seen, 1);
  seen = 0;
  Random random(1);
  EXPECT_FALSE(dict.forEachWord(random, once));
  EXPECT_EQ(seen, 1);
}

TEST_F(WordStoreTest, OpenPatternVisitsEveryWordOnceFromARotatingStart) {
  const std::vector<std::string> words = {"KAT", "KAR", "SUT", "BIL", "ELM", "ØRE", "ÅDE", "ABE"};
  for (const auto& w : words) dict.insertWord(cp(w));
  const std::vector<LetterSet> all(3, ~LetterSet{0});
  std::vector<std::vector<std::string>> runs;
  for (int run = 0; run < 3; ++run) {
    const int before = dict.queryCounter();
    runs.push_back(candidates("   ", all));
    EXPECT_NE(dict.queryCounter(), before);
    EXPECT_EQ(std::set<std::string>(runs.back().begin(), runs.back().end()),
              std::set<std::string>(words.begin(), words.end()));
    EXPECT_EQ(runs.back().size(), words.size());
  }
  EXPECT_TRUE(runs[0] != runs[1] || runs[1] != runs[2]);

  // The counter's steps: findCandidates 12 -> 13 (position 13 mod L) -> 14.
  dict.setQueryCounter(12);
  candidates("   ", all);
  EXPECT_EQ(dict.queryCounter(), 14);
  dict.setQueryCounter(31);
  matches("   ");
  EXPECT_EQ(dict.queryCounter(), 1);  // (31 + 1 + 1) & 31
}

TEST_F(WordStoreTest, CandidatesPassTheLetterSetsOfTheOpenPositions) {
  for (const char* w : {"KAT", "KAR", "KIT", "SAT", "SIR"}) dict.insertWord(w);
  const LetterSet any = ~LetterSet{0};
  // Open positions must pass their sets; known ones are not checked against them.
  EXPECT_EQ(candidates("K  ", {0, bit('A'), bit('T')}), (std::vector<std::string>{"KAT"}));
  EXPECT_EQ(candidates(" I ", {any, 0, any}), (std::vector<std::string>{"SIR", "KIT"}));
  EXPECT_EQ(candidates("   ", {bit('S'), any, bit('R') | bit('T')}).size(), 2u);
  EXPECT_EQ(candidates("KA ", {any, any, bit('R')}), (std::vector<std::string>{"KAR"}));
  EXPECT_TRUE(candidates("K  ", {any, bit('O'), any}).empty());
}

TEST_F(WordStoreTest, PossibleLettersOfACrossing) {
  for (const char* w : {"KAT", "KAR", "KIT", "SAT", "SIR"}) dict.insertWord(w);
  LetterSet set = 0;
  EXPECT_TRUE(ask("   ", 0, ' ', set));
  EXPECT_EQ(set, bit('K') | bit('S'));
  set = bit('Z');  // the call widens what is there
  EXPECT_TRUE(ask("K  ", 1, ' ', set));
  EXPECT_EQ(set, bit('Z') | bit('A') | bit('I'));
  set = 0;
  EXPECT_TRUE(ask("S T", 1, ' ', set));
  EXPECT_EQ(set, bit('A'));
  set = 0;
  EXPECT_FALSE(ask("S X", 1, ' ', set));
  EXPECT_EQ(set, 0u);
  set = 0;
  EXPECT_TRUE(ask("SIR", 1, 'I', set));  // a letter already in the cell is taken as it is
  EXPECT_EQ(set, bit('I'));
  EXPECT_FALSE(ask("SOR", 1, 'O', set));
  EXPECT_EQ(set, bit('I') | bit('O'));
  set = 0;
  EXPECT_FALSE(ask("   ", 3, ' ', set));  // shared cell outside the word
  EXPECT_FALSE(ask("K\x01 ", 1, ' ', set));
  EXPECT_EQ(set, 0u);
}

TEST_F(WordStoreTest, DeleteUnlinksFromEveryChainAndSlotsAreNotReused) {
  for (const char* w : {"KAT", "KAR", "KIT", "SAT", "SIR"}) dict.insertWord(w);
  dict.deleteWord("kar");
  EXPECT_FALSE(dict.hasMatch("KAR"));
  EXPECT_EQ(dict.figures(3).count, 4);
  EXPECT_TRUE(dict.insertWord("BOR"));
  EXPECT_EQ(dict.figures(3).count, 5);
  EXPECT_EQ(matches("K  "), (std::vector<std::string>{"KIT", "KAT"}));
  EXPECT_EQ(matches("  R"), (std::vector<std::string>{"BOR", "SIR"}));
  EXPECT_TRUE(dict.insertWord("KAR"));  // can come back, now newest
  EXPECT_EQ(matches("KA "), (std::vector<std::string>{"KAR", "KAT"}));
  EXPECT_TRUE(ui.messages.empty());

  dict.deleteWord("XYZ");  // not stored: reported once, nothing changes
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Mislykket forsøg på at slette");
  EXPECT_EQ(ui.messages[0].caption, "XYZ");
  EXPECT_EQ(dict.figures(3).count, 6);
  dict.deleteWord("A");  // outside 2..25: ignored
  EXPECT_EQ(ui.messages.size(), 1u);
}

// The per-letter chain counts answer the cheap questions (no known letter,
// or one): after a delete they must no longer offer the deleted word.
TEST_F(WordStoreTest, DeletedWordsLeaveNoLetterBehindInTheCounts) {
  for (const char* w : {"KAT", "KAR", "SIR"}) dict.insertWord(w);
  dict.deleteWord("SIR");
  LetterSet set = 0;
  EXPECT_TRUE(ask("   ", 0, ' ', set));  // S was only in SIR
  EXPECT_EQ(set, bit('K'));
  set = 0;
  EXPECT_TRUE(ask("   ", 1, ' ', set));
  EXPECT_EQ(set, bit('A'));
  set = 0;
  EXPECT_FALSE(ask("S  ", 0, 'S', set));  // the pattern test on one known letter
  set = 0;
  EXPECT_TRUE(ask("  R", 1, ' ', set));
  EXPECT_EQ(set, bit('A'));
  dict.deleteWord("KAT");
  dict.deleteWord("KAR");
  set = 0;
  EXPECT_FALSE(ask("   ", 1, 'A', set));  // the pattern test on no known letter
  EXPECT_FALSE(ask("   ", 0, ' ', set));
  EXPECT_EQ(set, bit('A'));  // only the letter that stood in the cell
}

TEST_F(WordStoreTest, StatisticsText) {
  dict.insertWord("KAT");
  dict.insertWord("KO");
  const std::string text = dictionaryStatistics(dict);
  EXPECT_EQ(text.substr(0, 50), "02: 00001 (00400/0050)  |  03: 00001 (01300/0100)\n");
  EXPECT_NE(text.find("16: 00000 (04444/0500)  |  17: 00000 (03900/0500)\n"), std::string::npos);
  EXPECT_NE(text.find("24: 00000 (00650/0100)  |  25: 00000 (00650/0100)\n"
                      "IALT:  Ord : 2  Afsat plads til "),
            std::string::npos);
  int room = 0;
  for (int length = 2; length <= 25; ++length) room += dict.figures(length).capacity;
  EXPECT_EQ(text.substr(text.rfind("til ")), "til " + std::to_string(room) + " ");
}

TEST_F(WordStoreTest, BucketsGrowByTheirStepAndKeepEveryWord) {
  std::vector<std::string> words;
  for (char a = 'A'; a <= 'Z'; ++a)
    for (char b = 'A'; b <= 'J'; ++b) words.push_back({a, b, 'E'});
  // Room made ahead of a load (too little, exact, too much) changes neither
  // the capacity the statistics show nor what is stored.
  for (int reserved : {0, 50, 260, 1000}) {
    WordStore small(0, language, ui);
    EXPECT_EQ(small.figures(3).capacity, 0);
    std::array<int, WordStore::MaxLength + 1> ahead{};
    ahead[3] = reserved;
    small.reserve(ahead);
    EXPECT_EQ(small.figures(3).capacity, 0);
    for (const auto& w : words) ASSERT_TRUE(small.insertWord(w)) << reserved;
    EXPECT_EQ(small.figures(3).capacity, 300) << reserved;
    EXPECT_EQ(small.figures(3).count, 260);
    for (const auto& w : words) EXPECT_TRUE(small.hasMatch(w));
    int seen = 0;
    small.forEachMatch(3, "  E", [&](std::string_view) { return ++seen, true; });
    EXPECT_EQ(seen, 260);
  }
}

// Words added in groups (as a file load does) are stored as one by one:
// the same words, the same order, duplicates within a group refused.
TEST_F(WordStoreTest, GroupsOfWordsAreStoredAsOneByOne) {
  Random random(7);
  std::vector<std::string> words;
  for (int i = 0; i < 300; ++i) {
    std::string w(static_cast<std::size_t>(2 + random.below(4)), 'A');
    for (char& c : w) c = static_cast<char>('A' + random.below(3));
    words.push_back(w);
  }
  words.push_back("K");  // too short: skipped in either way
  WordStore single(0, language, ui), grouped(0, language, ui);
  for (const auto& w : words) single.insertWord(w);
  const std::vector<std::string_view> views(words.begin(), words.end());
  grouped.insertWords(views);
  for (int length = 2; length <= 5; ++length) {
    EXPECT_EQ(grouped.figures(length).count, single.figures(length).count) << length;
    std::vector<std::string> a, b;
    single.forEachMatch(length, std::string(static_cast<std::size_t>(length), ' '),
                        [&](std::string_view w) { return a.emplace_back(w), true; });
    grouped.forEachMatch(length, std::string(static_cast<std::size_t>(length), ' '),
                         [&](std::string_view w) { return b.emplace_back(w), true; });
    EXPECT_EQ(a, b) << length;
  }
}

// Random dictionaries over a small alphabet against a plain list: every
// query finds exactly the matching words, and with a known letter in the
// pattern they come newest first.
TEST(WordStoreModelTest, QueriesAgreeWithAPlainList) {
  ScriptedUi ui;
  Language language;
  Random random(2024);
  for (int round = 0; round < 20; ++round) {
    WordStore dict(round * 50, language, ui);
    const int length = 2 + round % 6;
    std::vector<std::string> stored;  // insertion order, deleted words removed
    for (int step = 0; step < 400; ++step) {
      std::string w(static_cast<std::size_t>(length), 'A');
      for (char& c : w) c = static_cast<char>('A' + random.below(4));
      const bool present = std::find(stored.begin(), stored.end(), w) != stored.end();
      if (present && random.below(3) == 0) {
        dict.deleteWord(w);
        stored.erase(std::find(stored.begin(), stored.end(), w));
      } else {
        ASSERT_EQ(dict.insertWord(w), !present);
        if (!present) stored.push_back(w);
      }
    }
    ASSERT_EQ(dict.figures(length).count, static_cast<int>(stored.size()));

    for (int q = 0; q < 60; ++q) {
      std::string pattern(static_cast<std::size_t>(length), ' ');
      for (char& c : pattern)
        if (random.below(3) == 0) c = static_cast<char>('A' + random.below(4));
      std::vector<LetterSet> sets(static_cast<std::size_t>(length));
      for (auto& s : sets) s = static_cast<LetterSet>(random.next()) << 1;
      auto fits = [&](const std::string& w, bool useSets) {
        for (int i = 0; i < length; ++i) {
          if (pattern[i] != ' ' ? w[i] != pattern[i]
                                : useSets && !(sets[i] & (LetterSet{1} << (w[i] & 0x1F))))
            return false;
        }
        return true;
      };
      std::vector<std::string> expected;  // newest first
      for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        if (fits(*it, false)) expected.push_back(*it);
      std::vector<std::string> got;
      dict.forEachMatch(length, pattern, [&](std::string_view w) {
        got.emplace_back(w);
        return true;
      });
      if (pattern.find_first_not_of(' ') != std::string::npos) {
        EXPECT_EQ(got, expected) << pattern;
      } else {
        std::sort(got.begin(), got.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(got, expected);
      }

      std::multiset<std::string> candidates, wanted;
      dict.findCandidates(length, pattern, sets.data(), [&](std::string_view w) {
        candidates.emplace(w);
        return true;
      });
      for (const auto& w : stored)
        if (fits(w, true)) wanted.insert(w);
      EXPECT_EQ(candidates, wanted) << pattern;

      const int index = random.below(length);
      Crossing c;
      std::snprintf(c.pattern, sizeof c.pattern, "%s", pattern.c_str());
      c.index = index;
      c.length = length;
      if (pattern[index] != ' ') c.letter = pattern[index];
      LetterSet letters = 0;
      bool any = false;
      for (const auto& w : stored)
        if (fits(w, false)) any = true, letters |= LetterSet{1} << (w[index] & 0x1F);
      if (pattern[index] != ' ') letters = LetterSet{1} << (pattern[index] & 0x1F);
      EXPECT_EQ(dict.possibleLetters(c), any) << pattern;
      EXPECT_EQ(c.letters, letters) << pattern;
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vorkel
