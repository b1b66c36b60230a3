// Every stock language as a user meets it: `vorkel generate` on the
// language's stock templates, each raw crossword checked against the
// language's own word list by the independent checker; the language's
// letters through `dict search` and `anagram` on a UTF-8 terminal.
//
// A test run fills one stock model per language (a different one for each,
// so that together they cover all six); VORKEL_E2E_EVERY_MODEL=1 fills every
// stock model in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "CrosswordChecker.h"
#include "LanguageWords.h"
#include "VorkelProcess.h"

namespace vorkel::e2e {
namespace {

// The languages this build made stock dictionaries for ("sv:3,no:4,...").
struct Built {
  std::string code;
  int number;
};

void PrintTo(const Built& built, std::ostream* os) { *os << built.code << ":" << built.number; }

std::vector<Built> builtLanguages() {
  std::vector<Built> out;
  std::istringstream in(VORKEL_STOCK_LANGUAGES);
  for (std::string item; std::getline(in, item, ',');) {
    const std::size_t colon = item.find(':');
    if (colon != std::string::npos)
      out.push_back({item.substr(0, colon), std::stoi(item.substr(colon + 1))});
  }
  return out;
}

TEST(LanguageWordsTest, TheCheckerReadsEachLanguagesSpelling) {
  auto form = [](const char* code, const std::string& line) {
    const LanguageWords& language = languageWords(code);
    return gridForm(language, line, letterMap(language));
  };
  EXPECT_EQ(form("dk", "blåbær"), "BL\xC5" "B\xC6R");
  EXPECT_EQ(form("dk", "Aalborg"), "");
  EXPECT_EQ(form("sv", "sm\xF6r\r"), "SM\xD6R");  // ISO-8859-1, CR LF
  EXPECT_EQ(form("de", "Straße"), "STRA\xDF" "E");
  EXPECT_EQ(form("de", "GmbH"), "");
  EXPECT_EQ(form("es", "canción"), "CANCION");
  EXPECT_EQ(form("en", "dog's"), "");
  EXPECT_EQ(form("is", "þú"), "\xDE\xDA");
  EXPECT_EQ(form("is", "pizza"), "");
  EXPECT_EQ(form("is", "a"), "");
}

class LanguagesTest : public VorkelRunTest, public ::testing::WithParamInterface<Built> {};

TEST_P(LanguagesTest, EveryCrosswordIsAValidFillInTheLanguage) {
  const LanguageWords& language = languageWords(GetParam().code);
  ASSERT_EQ(language.code, GetParam().code) << "the checker has no word list for this language";
  const auto& words = wordsOf(language);
  ASSERT_GT(words.size(), 50000u);

  std::vector<int> models{language.model};
  if (const char* every = std::getenv("VORKEL_E2E_EVERY_MODEL"); every && *every == '1')
    models = {1, 2, 3, 4, 5, 6};
  for (int model : models) {
    const std::string skb = kStock + "/Model" + std::to_string(model) + "-" + language.code + ".skb";
    const std::string out = dir / ("out" + std::to_string(model));
    const Outcome r = vorkel({"generate", skb, "-n", "2", "-o", out, "--seed", "20", "--json"});
    ASSERT_EQ(r.exitCode, 0) << skb << "\n" << r.err;
    const auto saved = files(out);
    ASSERT_EQ(saved.size(), 2u) << skb;
    for (const auto& [name, bytes] : saved) {
      const std::vector<std::string> problems = checkCrossword(bytes, modelPicture(model), words);
      EXPECT_TRUE(problems.empty()) << skb << " " << name << ": " << problems.front() << "\n"
                                    << bytes;
    }
  }
}

std::string nameOf(const ::testing::TestParamInfo<Built>& info) { return info.param.code; }

INSTANTIATE_TEST_SUITE_P(Stock, LanguagesTest, ::testing::ValuesIn(builtLanguages()), nameOf);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LanguagesTest);

// A pattern and an anagram per language, with the letters that are its own,
// in and out as UTF-8 (the stock dictionaries are Windows-1252).
struct Sample {
  const char* code;
  const char* pattern;  // dict search
  const char* found;    // one of its matches
  const char* phrase;   // anagram --with
  const char* with;
  const char* line;     // one of the anagram's lines
};

class LanguageLettersTest : public VorkelRunTest, public ::testing::WithParamInterface<Built> {};

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_P(LanguageLettersTest, SearchAndAnagramsShowTheLanguagesLetters) {
  static const Sample samples[] = {
      {"sv", "smörg.s", "SMÖRGÅS", "år björn", "björn", "BJÖRN ÅR"},
      {"no", "blåb.r", "BLÅBÆR", "øl sjø", "sjø", "SJØ ØL"},
      {"de", "stra.e", "STRAßE", "fuß bär", "bär", "BÄR FUß"},
      {"es", "a.o", "AÑO", "sol niño", "niño", "NIÑO SOL"},
      {"en", "q..en", "QUEEN", "cat dog", "dog", "DOG CAT"},
      {"is", "b.rn", "BÖRN", "ást þú", "þú", "ÞÚ ÁST"},
  };
  const Built& built = GetParam();
  const Sample* sample = nullptr;
  for (const Sample& s : samples)
    if (built.code == s.code) sample = &s;
  ASSERT_NE(sample, nullptr);
  const std::string dic = kStock + "/" + built.code + "sort.dic";
  const std::string number = std::to_string(built.number);

  Outcome r = vorkel({"dict", "search", sample->pattern, dic, "--language", number});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(holds(linesOf(r.out), sample->found)) << r.out;

  // The given word holds letters of the language's own; the rest of the
  // phrase makes a word of the stock dictionary (in Icelandic one that
  // starts with Á, code 0).
  r = vorkel({"anagram", sample->phrase, "--with", sample->with, "--language", number,
              "--shortest", "2", "-o", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(holds(linesOf(r.out), sample->line)) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Stock, LanguageLettersTest, ::testing::ValuesIn(builtLanguages()),
                         nameOf);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LanguageLettersTest);

}  // namespace
}  // namespace vorkel::e2e
