#include "dictionary/AnagramFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "dictionary/AnagramSettings.h"
#include "dictionary/AnagramWordList.h"
#include "dictionary/Language.h"
#include "dictionary/LetterInventory.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8).value(); }

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

std::vector<std::string> wordsOf(const std::string& line) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at <= line.size()) {
    std::size_t end = line.find(' ', at);
    if (end == std::string::npos) end = line.size();
    out.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

std::string sortedLetters(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ') s.push_back(c);
  std::sort(s.begin(), s.end());
  return s;
}

class AnagramTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  WordStore dict{20000, language, ui};

  void add(std::initializer_list<const char*> words) {
    for (const char* w : words) dict.insertWord(cp(w));
  }
  AnagramSettings settings(int shortest, int longest, int words, int answers = 1000) {
    AnagramSettings s;
    s.shortestWord = shortest;
    s.longestWord = longest;
    s.maxWords = words;
    s.maxAnswers = answers;
    return s;
  }
};

TEST(LetterInventoryTest, CountsEveryByteButBlanksAndSubtractsWithoutGoingNegative) {
  Language language;
  const LetterInventory a = LetterInventory::fromText(cp("Åse 7 ås"), language, 3);
  EXPECT_EQ(a.total, 6);
  EXPECT_EQ(a.counts[29], 2);  // Å and å
  EXPECT_EQ(a.foreign, 1);     // the digit is no letter of the language
  EXPECT_EQ(a.counts[0], 0);
  EXPECT_EQ(a.counts['S' & 0x1F], 2);
  EXPECT_EQ(a.wordsLeft, 3);

  LetterInventory rest;
  ASSERT_TRUE(a.subtract(LetterInventory::fromLetters("S]", 0), rest));
  EXPECT_EQ(rest.total, 4);
  EXPECT_EQ(rest.wordsLeft, 2);
  EXPECT_EQ(rest.counts[29], 1);
  EXPECT_TRUE(rest.present & (1u << ('S' & 0x1F)));
  EXPECT_FALSE(rest.present & (1u << ('X' & 0x1F)));
  EXPECT_FALSE(a.subtract(LetterInventory::fromLetters("SSS", 0), rest));
  EXPECT_FALSE(a.subtract(LetterInventory::fromLetters("X", 0), rest));
}

TEST(AnagramSettingsTest, ReplacesValuesOutsideTheirRangesByFixedValues) {
  const AnagramSettings preset = AnagramSettings::fromTexts("3", "25", "2000", "3");
  EXPECT_EQ(preset.shortestWord, 3);
  EXPECT_EQ(preset.maxWords, 3);

  const AnagramSettings low = AnagramSettings::fromTexts("0", "3", "999", "0");
  EXPECT_EQ(low.shortestWord, 1);
  EXPECT_EQ(low.longestWord, 25);
  EXPECT_EQ(low.maxAnswers, 2000);
  EXPECT_EQ(low.maxWords, 6);

  const AnagramSettings high = AnagramSettings::fromTexts("6", "26", "10001", "16");
  EXPECT_EQ(high.shortestWord, 1);
  EXPECT_EQ(high.longestWord, 25);
  EXPECT_EQ(high.maxAnswers, 2000);
  EXPECT_EQ(high.maxWords, 6);

  const AnagramSettings edges = AnagramSettings::fromTexts("5", "4", "10000", "15");
  EXPECT_EQ(edges.shortestWord, 5);
  EXPECT_EQ(edges.longestWord, 4);
  EXPECT_EQ(edges.maxAnswers, 10000);
  EXPECT_EQ(edges.maxWords, 15);  // typed: the combo itself offers 1..12

  const AnagramSettings junk = AnagramSettings::fromTexts("", "abc", "-2000", "99999999999");
  EXPECT_EQ(junk.shortestWord, 1);
  EXPECT_EQ(junk.longestWord, 25);
  EXPECT_EQ(junk.maxAnswers, 2000);
  EXPECT_EQ(junk.maxWords, 6);
  EXPECT_EQ(AnagramSettings::fromTexts(" 4x", "7 ", "+3000", "2").shortestWord, 4);
  EXPECT_EQ(AnagramSettings::answersChoices().back(), "10000");
  EXPECT_EQ(AnagramSettings::wordsChoices().size(), 12u);
}

TEST_F(AnagramTest, APhraseThatIsOneWordGivesThatWord) {
  add({"kage"});
  AnagramFinder finder(dict, settings(3, 25, 1));
  const auto r = finder.searchAll("gaek");
  EXPECT_EQ(r.text, "KAGE\r\n");
  EXPECT_EQ(r.lines, 1);
}

// Every anagram of a phrase under the settings, found by brute force over
// the word list: the sorted word multisets.
std::set<std::vector<std::string>> bruteForce(const std::vector<std::string>& words,
                                              const std::string& phrase, const AnagramSettings& s) {
  std::set<std::vector<std::string>> out;
  const std::string target = sortedLetters(phrase);
  std::vector<std::string> chosen;
  auto rec = [&](auto& self, std::size_t from, std::string used) -> void {
    const std::string sorted = sortedLetters(used);
    if (sorted == target && !chosen.empty()) {
      std::vector<std::string> key = chosen;
      std::sort(key.begin(), key.end());
      out.insert(key);
      return;
    }
    if (static_cast<int>(chosen.size()) == s.maxWords) return;
    for (std::size_t i = from; i < words.size(); ++i) {
      const std::string& w = words[i];
      const int n = static_cast<int>(w.size());
      if (n < s.shortestWord || n > s.longestWord) continue;
      std::string next = sortedLetters(used + w);
      if (!std::includes(target.begin(), target.end(), next.begin(), next.end())) continue;
      chosen.push_back(w);
      self(self, i, used + w);
      chosen.pop_back();
    }
  };
  rec(rec, 0, "");
  return out;
}

TEST_F(AnagramTest, FindsEverySetOfWordsOnceInNonIncreasingOrderAsABruteForceCheckDoes) {
  std::mt19937 random(7);
  const std::string alphabet = "AEIOSTRNLK";
  for (int round = 0; round < 12; ++round) {
    WordStore local(20000, language, ui);
    std::set<std::string> wordSet;
    while (wordSet.size() < 60) {
      std::string w;
      const int n = 2 + static_cast<int>(random() % 4);
      for (int i = 0; i < n; ++i) w.push_back(alphabet[random() % 5 + (i % 2) * 5]);
      wordSet.insert(w);
    }
    const std::vector<std::string> words(wordSet.begin(), wordSet.end());
    for (const auto& w : words) local.insertWord(w);
    std::string phrase = words[random() % words.size()] + " " + words[random() % words.size()] +
                         words[random() % words.size()];
    const AnagramSettings s = settings(2 + round % 2, 4 + round % 3, 2 + round % 3, 100000);
    const AnagramFinder::Result r = AnagramFinder(local, s).searchAll(phrase);

    std::set<std::vector<std::string>> found;
    if (r.lines > 0) {
      for (const std::string& line : linesOf(r.text)) {
        const std::vector<std::string> ws = wordsOf(line);
        for (std::size_t i = 1; i < ws.size(); ++i) {
          ASSERT_LE(ws[i].size(), ws[i - 1].size()) << line;
          if (ws[i].size() == ws[i - 1].size()) {
            ASSERT_GE(ws[i], ws[i - 1]) << line;
          }
        }
        std::vector<std::string> key = ws;
        std::sort(key.begin(), key.end());
        ASSERT_TRUE(found.insert(key).second) << "twice: " << line;
      }
    } else {
      EXPECT_EQ(r.text, texts::anagramNoResult);
    }
    EXPECT_EQ(found, bruteForce(words, phrase, s)) << phrase << " round " << round;
  }
}

TEST_F(AnagramTest, ASingleLetterLeftEndsALineOnlyWhenItIsIOrOOrAWithShortestOne) {
  add({"kat"});
  AnagramFinder one(dict, settings(1, 25, 3));
  EXPECT_EQ(one.searchAll("kati").text, "KAT I\r\n");
  EXPECT_EQ(one.searchAll(cp("katø")).text, cp("KAT Ø\r\n"));
  EXPECT_EQ(one.searchAll(cp("åkat")).text, cp("KAT Å\r\n"));
  EXPECT_EQ(one.searchAll("katx").text, texts::anagramNoResult);
  AnagramFinder two(dict, settings(2, 25, 3));
  EXPECT_EQ(two.searchAll("kati").lines, 0);
  AnagramFinder oneWord(dict, settings(1, 25, 1));  // no word left for the letter
  EXPECT_EQ(oneWord.searchAll("kati").lines, 0);
}

TEST_F(AnagramTest, ACharacterOutsideTheLanguageGivesNoAnagram) {
  add({"kat", "tak", "ka"});
  AnagramFinder finder(dict, settings(2, 25, 3));
  EXPECT_EQ(finder.searchAll("kat").lines, 2);
  EXPECT_EQ(finder.searchAll("kat1").text, texts::anagramNoResult);
  EXPECT_EQ(finder.searchAll("ka-t").lines, 0);
}

TEST_F(AnagramTest, StopsRightAfterTheLineThatPassesTheMaximum) {
  // Two-letter words from a rich alphabet: thousands of 4-word anagrams.
  const std::string letters = "ABDEFGHIKLMNOPRSTUV";
  for (char a : letters)
    for (char b : letters) dict.insertWord(std::string{a, b});
  AnagramFinder finder(dict, settings(2, 2, 5, 2000));
  const auto r = finder.searchAll("ABDEFGHIKL");
  EXPECT_EQ(r.lines, 2001);
  EXPECT_EQ(linesOf(r.text).size(), 2001u);
}

TEST_F(AnagramTest, AGivenWordCountsTwiceAgainstTheMaximumNumberOfWords) {
  add({"ost", "hus", "tog", "huse"});
  const std::string noResult = "Kunne ikke finde anagrammer der opfyldt betingelserne - " +
                               cp("Prøv andet givet ord, eller lav om på de tilladte ordlængder "
                                  "og antal ord\r\n");
  // Three words: the given word and one more; "ost tog" would be two more.
  const auto three = AnagramFinder(dict, settings(3, 25, 3)).searchWithWord("togost hus", "hus");
  ASSERT_TRUE(three.has_value());
  EXPECT_EQ(three->text, noResult);
  EXPECT_EQ(three->lines, 0);
  EXPECT_EQ(AnagramFinder(dict, settings(3, 25, 3)).searchWithWord("tog hus", "hus")->text,
            "HUS TOG\r\n");

  const auto four = AnagramFinder(dict, settings(3, 25, 4)).searchWithWord("togost hus", "hus");
  EXPECT_EQ(four->text, "HUS OST TOG\r\n");

  // The given word need not be a dictionary word; it may hold blanks.
  EXPECT_EQ(AnagramFinder(dict, settings(3, 25, 4)).searchWithWord("ostkatab", " kat ab")->text,
            "KAT AB OST\r\n");

  // A maximum of one word leaves no room after the given word.
  EXPECT_EQ(AnagramFinder(dict, settings(3, 25, 1)).searchWithWord("tog hus", "hus")->lines, 0);
  EXPECT_EQ(AnagramFinder(dict, settings(3, 25, 2)).searchWithWord("tog hus", "hus")->lines, 0);

  EXPECT_FALSE(AnagramFinder(dict, settings(3, 25, 3)).searchWithWord("tog hus", "huse"));
}

// The finder under each language's tables: the given word is counted from
// its text (German letters once went through the input table twice and were
// refused), a word may start with any letter the language has (Icelandic
// gives code 0 to Á), and a single letter ends a line only where it is a word.
class AnagramLanguageTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;

  std::string run(int number, std::initializer_list<const char*> words, AnagramSettings s,
                  std::string_view phrase, std::string_view given = {}) {
    language.selectStored(number, ui);
    WordStore dict(20000, language, ui);
    for (const char* w : words) dict.insertWord(cp(w));
    AnagramFinder finder(dict, s);
    if (given.empty()) return cp1252ToUtf8(finder.searchAll(cp(phrase)).text);
    const auto found = finder.searchWithWord(cp(phrase), cp(given));
    return found ? cp1252ToUtf8(found->text) : "refused";
  }
  static AnagramSettings upTo(int words, int shortest = 2) {
    AnagramSettings s;
    s.shortestWord = shortest;
    s.maxWords = words;
    return s;
  }
};

TEST_F(AnagramLanguageTest, AGivenWordWithTheLanguagesOwnLettersIsTakenFromThePhrase) {
  EXPECT_EQ(run(0, {"kål", "øl"}, upTo(3), "øl kål", "kål"), "KÅL ØL\r\n");
  EXPECT_EQ(run(3, {"år", "björn"}, upTo(3), "år björn", "björn"), "BJÖRN ÅR\r\n");
  EXPECT_EQ(run(4, {"øl", "sjø"}, upTo(3), "øl sjø", "sjø"), "SJØ ØL\r\n");
  EXPECT_EQ(run(2, {"fuß", "bär"}, upTo(3), "fuß bär", "bär"), "BÄR FUß\r\n");
  EXPECT_EQ(run(2, {"bär", "öde"}, upTo(4), "öde bär Fuß", "fuß"), "FUß BÄR ÖDE\r\n");
  EXPECT_EQ(run(9, {"niño", "sol"}, upTo(3), "sol niño", "niño"), "NIÑO SOL\r\n");
  EXPECT_EQ(run(10, {"cat", "dog"}, upTo(3), "cat dog", "dog"), "DOG CAT\r\n");
  EXPECT_EQ(run(5, {"ást", "þú"}, upTo(3), "ást þú", "þú"), "ÞÚ ÁST\r\n");
  // Letters the phrase lacks are refused in every language.
  EXPECT_EQ(run(2, {"bär"}, upTo(3), "bar", "bär"), "refused");
  EXPECT_EQ(run(5, {"ást"}, upTo(3), "ast", "ást"), "refused");
}

TEST_F(AnagramLanguageTest, IcelandicWordsStartWithAAcuteAndForeignCharactersStayForeign) {
  EXPECT_EQ(run(5, {"ás", "át"}, upTo(3), "tsáá"), "ÁS ÁT\r\n");
  // A digit is no Á: the phrase has no anagram, as in every language.
  EXPECT_EQ(run(5, {"ás", "át"}, upTo(3), "ts1á"), cp1252ToUtf8(cp(texts::anagramNoResult)));
}

TEST_F(AnagramLanguageTest, ASingleLetterEndsALineOnlyWhereItIsAWord) {
  const std::string none = cp1252ToUtf8(cp(texts::anagramNoResult));
  EXPECT_EQ(run(10, {"cat"}, upTo(3, 1), "cata"), "CAT A\r\n");
  EXPECT_EQ(run(10, {"cat"}, upTo(3, 1), "catø"), none);  // no English letter
  EXPECT_EQ(run(10, {"cat"}, upTo(3, 1), "cato"), none);
  EXPECT_EQ(run(9, {"sol"}, upTo(3, 1), "soly"), "SOL Y\r\n");
  EXPECT_EQ(run(5, {"kat"}, upTo(3, 1), "katí"), "KAT Í\r\n");
  EXPECT_EQ(run(5, {"kat"}, upTo(3, 1), "kati"), none);
  EXPECT_EQ(run(2, {"kat"}, upTo(3, 1), "katö"), none);
  EXPECT_EQ(run(3, {"kat"}, upTo(3, 1), "katö"), "KAT Ö\r\n");
}

TEST_F(AnagramTest, AListWordIsAlwaysFollowedByAtLeastOneMoreWord) {
  add({"ost", "tog", "gost", "to"});
  AnagramWordList list;
  list.read("tog\r\nostgot\r\n\r\n-komma\r\ngost og andet\r\n", language, ui);
  ASSERT_EQ(list.size(), 3u);  // "-komma" starts with no letter
  AnagramFinder finder(dict, settings(2, 25, 3));
  // "ostgot" uses every letter: no line for it alone. "gost" is found although
  // the rest of its line holds letters the phrase lacks.
  EXPECT_EQ(finder.searchWithList("togost", list).text, "TOG OST\r\nGOST TO\r\n");
  EXPECT_EQ(finder.searchWithList("tostog", AnagramWordList()).text, texts::anagramNoResult);
  EXPECT_EQ(finder.searchWithList("togost2", list).text, texts::anagramNoResult);
}

TEST_F(AnagramTest, AWordListKeepsItsFirst2000WordsAndSaysSoOnce) {
  std::string bytes;
  for (int i = 0; i < 2005; ++i) bytes += "ord" + std::string(1, static_cast<char>('a' + i % 26)) + "\n";
  bytes += std::string(150, 'x') + "\n";
  AnagramWordList list;
  list.read(bytes, language, ui);
  EXPECT_EQ(list.size(), 2000u);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, texts::anagramListFull);
  EXPECT_EQ(ui.messages[0].caption, texts::anagramListFullCaption);

  list.read(std::string(150, 'x'), language, ui);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list.words()[0].letters.size(), AnagramWordList::MaxLine);
}

}  // namespace
}  // namespace vorkel
