#include "dictionary/WordLookup.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

std::set<std::string> split(const std::string& text) {
  std::set<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.insert(w);
  return out;
}

class WordLookupTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  WordStore dict{20000, language, ui};
};

TEST_F(WordLookupTest, SearchCommandShowsMatchesForEveryWildcard) {
  for (const char* w : {"hus", "has", "hest", "bus", "k\xE5l"}) dict.insertWord(w);
  EXPECT_EQ(split(collectMatches(dict, "H?S")), (std::set<std::string>{"HUS", "HAS"}));
  EXPECT_EQ(split(collectMatches(dict, "H.S")), split(collectMatches(dict, "h s")));
  EXPECT_EQ(collectMatches(dict, "k?l"), "K\xC5L ");

  std::string last;
  ui.inputs = {std::string("kål"), std::string("h"), std::nullopt, std::string("zz?")};
  for (int i = 0; i < 4; ++i) searchWordCommand(dict, ui, last);
  ASSERT_EQ(ui.messages.size(), 6u);  // input boxes are recorded too
  EXPECT_EQ(ui.messages[0].text, "Skriv hvad du kender af ordet (? eller . for ukendte)");
  EXPECT_EQ(ui.messages[1].text + "|" + ui.messages[1].caption, "KÅL |Liste over fundne ord");
  EXPECT_EQ(ui.messages[5].text, "");  // nothing matched: an empty box
  EXPECT_EQ(last, "zz?");
}

// A long result stops at 2500 characters, whole words each followed by a
// blank, also when the walk goes on over all chains (no known letter).
TEST_F(WordLookupTest, LongResultIsCutAt2500Characters) {
  std::set<std::string> stored;
  for (int i = 0; i < 400; ++i) {
    std::string w = "ABCDEFGHI";
    for (int k = 0, n = i; k < 3; ++k, n /= 26)
      w[static_cast<std::size_t>(6 + k)] = static_cast<char>('A' + n % 26);
    w[0] = static_cast<char>('A' + i % 26);
    if (dict.insertWord(w)) stored.insert(w);
  }
  ASSERT_EQ(stored.size(), 400u);
  for (const char* pattern : {".........", "...D....."}) {
    const std::string found = collectMatches(dict, pattern);
    EXPECT_EQ(found.size(), 2500u);  // 250 words of 9 letters and a blank
    const std::set<std::string> words = split(found);
    EXPECT_EQ(words.size(), 250u);
    for (const auto& w : words) EXPECT_TRUE(stored.count(w)) << w;
  }
}

TEST_F(WordLookupTest, LookUpTellsWordsFromTextsThatCannotBeWords) {
  dict.insertWord("kat");
  EXPECT_EQ(lookUpWord(dict, "KAT ost"), WordStatus::Stored);
  EXPECT_EQ(lookUpWord(dict, "kot"), WordStatus::Missing);
  EXPECT_EQ(lookUpWord(dict, "k"), WordStatus::NotAWord);
  EXPECT_EQ(lookUpWord(dict, std::string(26, 'a')), WordStatus::NotAWord);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(lookUpWord(dict, "k4t"), WordStatus::NotAWord);
  EXPECT_EQ(ui.messages.size(), 1u);

  showStatisticsCommand(dict, ui);
  EXPECT_EQ(ui.lastMessage().caption, "Antal ord i ordbogen fordelt på ordlængde");
  EXPECT_NE(ui.lastMessage().text.find("03: 00001 (00200/0100)"), std::string::npos);
}

}  // namespace
}  // namespace vorkel
