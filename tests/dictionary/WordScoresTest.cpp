// Score files: what a line may hold, what is refused with the line named,
// a file that belongs to another dictionary, and input of any bytes.

#include "dictionary/WordScores.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

namespace vorkel {
namespace {

std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8).value(); }

TEST(WordScoresTest, ReadsWordsInAnyCaseWithTheirScores) {
  Language language;
  std::string error;
  const std::optional<WordScores> scores = WordScores::parse(
      "kål\t80\r\nKAT\t0\n\nhund\t100\nHUND\t100\ncafé\t55", language, error);
  ASSERT_TRUE(scores) << error;
  EXPECT_EQ(scores->size(), 4u);
  EXPECT_EQ(scores->scoreOfText(cp("KÅL"), language), 80);
  EXPECT_EQ(scores->scoreOfText("kat", language), 0);
  EXPECT_EQ(scores->scoreOfText("hund", language), 100);
  EXPECT_EQ(scores->scoreOfText("CAFE", language), 55);  // é is read as E
  EXPECT_EQ(scores->scoreOfText("ko", language), -1);
}

TEST(WordScoresTest, RefusesABadLineAndNamesIt) {
  Language language;
  struct Case {
    const char* text;
    const char* says;
  } cases[] = {
      {"kat\t50\nhund 50\n", "line 2:"},              // no tab
      {"kat\t101\n", "not a whole number from 0 to 100"},
      {"kat\t-1\n", "not a whole number"},
      {"kat\t5x\n", "not a whole number"},
      {"kat\t\n", "not a whole number"},
      {"kat\t0050\n", "not a whole number"},
      {"\t50\n", "line 1:"},                           // no word
      {"k\t50\n", "2 to 25 letters"},
      {"abcdefghijklmnopqrstuvwxyz\t50\n", "2 to 25 letters"},
      {"k9t\t50\n", "2 to 25 letters"},
      {"to ord\t50\n", "2 to 25 letters"},
      {"\xE6\xF8\t50\n", "not UTF-8"},                  // Latin-1 bytes, not UTF-8
      {"kat\t50\nko\t1\nKAT\t60\n", "line 3: the word of line 1 again"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(WordScores::parse(c.text, language, error)) << c.text;
    EXPECT_NE(error.find(c.says), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(WordScoresTest, LenientReadingSkipsNonWordsAndKeepsTheLowerScoreOfTwoSpellings) {
  Language language;
  std::string error;
  const std::optional<WordScores> scores =
      WordScores::parse("a\t90\nA-vitamin\t80\narmé\t70\narme\t20\nkat\t50\n", language, error,
                        /*lenient=*/true);
  ASSERT_TRUE(scores) << error;
  EXPECT_EQ(scores->size(), 2u);
  EXPECT_EQ(scores->scoreOfText("ARME", language), 20);
  // A malformed score is still an error.
  EXPECT_FALSE(WordScores::parse("kat\tmange\n", language, error, true));
}

TEST(WordScoresTest, SurvivesRandomAndTruncatedInput) {
  Language language;
  Random random(7);
  const std::string good = "kat\t50\nhund\t60\nhest\t70\n";
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    const int n = random.next() % 200;
    for (int i = 0; i < n; ++i) bytes += static_cast<char>(random.next() & 0xFF);
    if (round % 3 == 0) bytes = good.substr(0, static_cast<std::size_t>(random.next()) % good.size()) + bytes;
    std::string error;
    const std::optional<WordScores> scores = WordScores::parse(bytes, language, error);
    EXPECT_TRUE(scores || !error.empty());
  }
  std::string error;
  // Cut inside the last score: "hest\t7" is still a line of its own.
  const std::optional<WordScores> cut = WordScores::parse(good.substr(0, good.size() - 2), language, error);
  ASSERT_TRUE(cut) << error;
  EXPECT_EQ(cut->scoreOfText("hest", language), 7);
}

TEST(WordScoresTest, CoverageFindsWordsOnlyOneSideHolds) {
  Language language;
  std::string error;
  const std::optional<WordScores> scores =
      WordScores::parse("kat\t50\nhund\t60\nhest\t70\n", language, error);
  ASSERT_TRUE(scores) << error;

  // The same words (a repeat and case do not matter).
  EXPECT_TRUE(scoreCoverage(*scores, "HEST\r\nkat\r\nhund\r\nkat\r\n", language).matches());

  // A dictionary word without score, and a scored word the dictionary lacks.
  const ScoreCoverage c = scoreCoverage(*scores, "kat\r\nhund\r\nko\r\ngris\r\n", language);
  EXPECT_FALSE(c.matches());
  EXPECT_EQ(c.unscored, 2u);
  EXPECT_EQ(c.unknown, 1u);
  EXPECT_EQ(c.unknownExamples, std::vector<std::string>{"HEST"});
  const std::string text = c.message("/d/SVbyg.score");
  EXPECT_NE(text.find("SVbyg.score does not match its dictionary"), std::string::npos) << text;
  EXPECT_NE(text.find("1 words it scores are not in the dictionary (HEST)"), std::string::npos) << text;
  EXPECT_NE(text.find("2 words of the dictionary have no score (KO, GRIS)"), std::string::npos) << text;
}

TEST(WordScoresTest, AScoreFileIsReadBackAsItWasWritten) {
  Language language;
  std::string error;
  const std::optional<WordScores> scores =
      WordScores::parse("\xC3\xA5l\t100\nkat\t50\nzebra\t3\n", language, error);
  ASSERT_TRUE(scores) << error;
  const std::string text = scoreFileText(*scores, language);
  EXPECT_EQ(text, "KAT\t50\nZEBRA\t3\n\xC3\x85L\t100\n");
  const std::optional<WordScores> again = WordScores::parse(text, language, error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(scoreFileText(*again, language), text);
}

TEST(WordScoresTest, TheScoreFileSitsBesideTheDictionary) {
  EXPECT_EQ(scorePathBeside("/a/SVbyg.dic"), "/a/SVbyg.score");
  EXPECT_EQ(scorePathBeside("ord.liste.txt"), "ord.liste.score");
  EXPECT_EQ(scorePathBeside("/a.b/ordbog"), "/a.b/ordbog.score");
  EXPECT_EQ(scorePathBeside(".dic"), ".dic.score");
}

}  // namespace
}  // namespace vorkel
