#include "dictionary/ClueDrafter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

#include "dictionary/ClueDatabase.h"
#include "dictionary/StockClues.h"
#include "dictionary/Thesaurus.h"
#include "dictionary/WordForms.h"

namespace vorkel {
namespace {

// A thesaurus in the stock file's format, with the words the cases need.
const char* kThesaurus =
    "utf-8\n"
    "mad|2\n"
    "|kost|madvare|føde|ædelse\n"
    "|babymad (underbegreb)|snask (vulgær)\n"
    "tæsk|1\n"
    "|bank|røvfuld (vulgær)|klø (daglig tale)|(én) på tæven\n"
    "rovfugl|1\n"
    "|ørn (underbegreb)|falk (underbegreb)\n"
    "is|1\n"
    "|istap (underbegreb)|frost\n"
    "kat|1\n"
    "|mis\n"
    "dyr|1\n"
    "|kat (underbegreb)|væsen\n"
    "alkymi|1\n"
    "|alkemi|guldmageri\n"
    "galmyg|1\n"
    "|cecidomyiidae|myg\n"
    "lov|1\n"
    "|vedtægt|statut\n"
    "regel|3\n"
    "|lov (underbegreb)\n|vedtægt (underbegreb)\n|statut (underbegreb)\n"
    "frihed|1\n"
    "|lov (underbegreb)\n"
    "kragefugl|1\n"
    "|krage (underbegreb)\n"
    "fugl|1\n"
    "|kragefugl (underbegreb)\n"
    "lede|1\n"
    "|søge|føre\n"
    "sportsrekvisit|1\n"
    "|ski (underbegreb)\n"
    "ab|1\n"
    "|fra\n"
    "primat|1\n"
    "|abe (underbegreb)\n";

std::vector<std::string> textsOf(const std::vector<ClueDraft>& drafts) {
  std::vector<std::string> texts;
  for (const ClueDraft& d : drafts) texts.push_back(d.text);
  return texts;
}

TEST(Thesaurus, MarkersMakeKindsAndKeepVulgarWordsOut) {
  std::string error;
  const auto t = Thesaurus::parse(kThesaurus, error);
  ASSERT_TRUE(t) << error;
  EXPECT_EQ(t->synonyms("mad"), (std::vector<std::string>{"kost", "madvare", "føde", "ædelse"}));
  EXPECT_EQ(t->synonyms("tæsk"), (std::vector<std::string>{"bank", "klø"}));
  EXPECT_EQ(t->broaderTerms("ørn"), (std::vector<std::string>{"rovfugl"}));
  EXPECT_EQ(t->narrowerCount("rovfugl"), 2u);
  EXPECT_TRUE(t->broaderTerms("snask").empty());
  // Not a UTF-8 thesaurus, and a file cut in the middle of an entry.
  EXPECT_FALSE(Thesaurus::parse("ISO8859-1\nmad|1\n|kost\n", error));
  const auto cut = Thesaurus::parse("utf-8\nmad|3\n|kost|fø", error);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->synonyms("mad"), (std::vector<std::string>{"kost", "fø"}));
}

// Entries are kept as places in the file and read when asked for: a
// headword given twice, empty and stray lines, and terms of another
// headword between them must not mix.
TEST(Thesaurus, HeadwordGivenTwiceKeepsBothEntries) {
  std::string error;
  const auto t = Thesaurus::parse(
      "utf-8\r\nbil|1\r\n|vogn|sedan (underbegreb)\r\n\r\n |løs\nørn|1\n|rovfugl\n"
      "bil|2\n|vogn|automobil\n|stationcar (underbegreb)|bil\n",
      error);
  ASSERT_TRUE(t) << error;
  EXPECT_EQ(t->headwords(), 2u);
  EXPECT_EQ(t->synonyms("bil"), (std::vector<std::string>{"vogn", "automobil"}));
  EXPECT_EQ(t->narrowerTerms("bil"), (std::vector<std::string>{"sedan", "stationcar"}));
  EXPECT_EQ(t->entrySize("bil"), 5u);
  EXPECT_EQ(t->narrowerCount("bil"), 2u);
  EXPECT_EQ(t->broaderTerms("sedan"), (std::vector<std::string>{"bil"}));
  EXPECT_EQ(t->synonyms("ørn"), (std::vector<std::string>{"rovfugl"}));
  EXPECT_TRUE(t->synonyms("løs").empty());
  EXPECT_TRUE(t->synonyms("bi").empty());
  // A headword on the last line, without a line break or meanings.
  const auto last = Thesaurus::parse("utf-8\nbil|1\n|vogn\nørn|1", error);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->synonyms("bil"), (std::vector<std::string>{"vogn"}));
  EXPECT_TRUE(last->synonyms("ørn").empty());
}

class ClueDrafterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    thesaurus_ = Thesaurus::parse(kThesaurus, error);
    forms_ = WordForms::open("/usr/share/hunspell/da_DK");
    if (!forms_) GTEST_SKIP() << "no Danish hunspell dictionary (myspell-da)";
  }
  std::optional<Thesaurus> thesaurus_;
  std::unique_ptr<WordForms> forms_;
};

TEST_F(ClueDrafterTest, DraftsFitTheAnswerAndNeverGiveItAway) {
  const ClueDrafter drafter(&*thesaurus_, forms_.get(), nullptr, "da");
  const struct {
    const char* answer;
    std::vector<std::string> drafts;
  } cases[] = {
      {"ØRN", {"Rovfugl"}},                      // a kind, with a capital
      {"MAD", {"Kost", "Føde", "Ædelse"}},       // not Madvare: it holds the answer
      {"MADEN", {"Kosten", "Føden"}},            // the answer's form, never Fødeen
      {"TÆSK", {"Bank", "Klø"}},                 // no vulgar word, no bracket
      {"ISTAP", {}},                             // "Is" is part of the answer
      {"KATTEN", {"Dyret", "Missen"}},           // katten's doubled t is no ending
      {"ALKYMI", {"Guldmageri"}},                // Alkemi is the answer spelt otherwise
      {"FEM", {"5"}},                            // a number word: its figure
      {"TREDJE", {"3."}},
      {"LOV", {"Regel", "Frihed", "Vedtægt", "Statut"}},  // the kind its synonyms share first
      {"KRAGE", {"Fugl"}},           // "Kragefugl" holds the answer: its own kind
      {"LEDTE", {"Søgte", "Førte"}},  // a past that drops the stem's e, and its clues too
      {"ABER", {"Primater"}},         // "ab" has the larger entry but no plural clue
      {"XYZZY", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(textsOf(drafter.drafts(c.answer)), c.drafts) << c.answer;
  // A letter with a mark is one letter changed: ØSTEN is OSTEN spelt otherwise.
  EXPECT_TRUE(drafter.givesAway("Østen", "OSTEN"));
  EXPECT_FALSE(drafter.givesAway("Østen", "OST"));
  // A clue word that starts with the answer's stem.
  EXPECT_TRUE(drafter.givesAway("Bloddryppende", "BLODIG"));
  EXPECT_FALSE(drafter.givesAway("Blødende", "BLODIG"));
}

TEST_F(ClueDrafterTest, CatchAllKindsAreNoClue) {
  // "beskaffenhed" stands over a thousand adjectives; "tilstand" over a few.
  std::string text = "utf-8\nbeskaffenhed|1\n|intim (underbegreb)";
  for (int i = 0; i < 1000; ++i) text += "|ord" + std::to_string(i) + " (underbegreb)";
  text += "\ntilstand|1\n|intim (underbegreb)|ord1 (underbegreb)\n";
  std::string error;
  const auto t = Thesaurus::parse(text, error);
  ASSERT_TRUE(t) << error;
  const ClueDrafter drafter(&*t, forms_.get(), nullptr, "da");
  EXPECT_EQ(textsOf(drafter.drafts("INTIM")), (std::vector<std::string>{"Tilstand"}));
}

TEST(StockClues, ListsAreReadLineByLine) {
  std::string error;
  const auto list = StockClues::parse("# comment\r\n\nIND\tIkke ud\r\nind\tIndad\nIND\tIkke ud\nÆDT\tSpist", error);
  ASSERT_TRUE(list) << error;
  EXPECT_EQ(list->clues("Ind"), (std::vector<std::string>{"Ikke ud", "Indad"}));
  EXPECT_EQ(list->clues("ædt"), (std::vector<std::string>{"Spist"}));
  EXPECT_TRUE(list->clues("UD").empty());
  for (const char* bad : {"IND", "IND\t", "\tIkke ud", "IND\tIkke\tud", "TO ORD\tKlue", "IND\t\xFF"}) {
    error.clear();
    EXPECT_FALSE(StockClues::parse(std::string("# first\n") + bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
  EXPECT_EQ(error, "the clue list is not UTF-8");
  StockClues::parse("# first\nIND", error);
  EXPECT_EQ(error, "line 2: expected a word, a tab and a clue");
}

// The list that comes with the program: every word of it gets its clues as
// drafts, before the thesaurus' and after the user's own, none giving its
// answer away.
TEST_F(ClueDrafterTest, TheBuiltInListComesAfterTheDatabase) {
  std::string error;
  const auto stock = StockClues::parse(stockCluesDanish(), error);
  ASSERT_TRUE(stock) << error;
  EXPECT_GT(stock->words(), 50u);
  const ClueDrafter drafter(&*thesaurus_, forms_.get(), nullptr, "da", {}, &*stock);
  for (const auto& [word, clues] : stock->all()) {
    std::vector<std::string> drafts = textsOf(drafter.drafts(word));
    drafts.resize(std::min(drafts.size(), clues.size()));
    EXPECT_EQ(drafts, clues) << word;
  }
  const auto withMad = StockClues::parse("MAD\tSpise", error);
  const auto folder = std::filesystem::temp_directory_path() / ("stock-clues-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  auto db = ClueDatabase::open((folder / "clues.sqlite").string(), error);
  ASSERT_TRUE(db) << error;
  ASSERT_TRUE(db->add({"mad", "Næring", "da", ClueSource::Typed, 0, 0}, error)) << error;
  const ClueDrafter all(&*thesaurus_, forms_.get(), db.get(), "da", {}, &*withMad);
  EXPECT_EQ(textsOf(all.drafts("MAD")), (std::vector<std::string>{"Næring", "Spise", "Kost", "Føde", "Ædelse"}));
  db.reset();
  std::filesystem::remove_all(folder);
}

TEST_F(ClueDrafterTest, WordFormsRefuseMadeUpCompounds) {
  // Hunspell takes "dyrten" as dyr + ten; it is no form of dyr.
  EXPECT_FALSE(forms_->isFormOf("dyrten", "dyr"));
  EXPECT_TRUE(forms_->isFormOf("føden", "føde"));
  EXPECT_EQ(forms_->inflectLike("føde", "maden", "mad"), "føden");
  EXPECT_EQ(forms_->inflectLike("vogn", "bilerne", "bil"), "vognene");
  EXPECT_EQ(forms_->inflectLike("hus", "bilen", "bil"), "huset");
  EXPECT_EQ(forms_->inflectLike("to ord", "bilen", "bil"), std::nullopt);
}

TEST_F(ClueDrafterTest, TheDatabaseComesFirstAndCommonWordsBeforeRareOnes) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("clue-drafter-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::string error;
  auto db = ClueDatabase::open((folder / "clues.sqlite").string(), error);
  ASSERT_TRUE(db) << error;
  ASSERT_TRUE(db->add({"mad", "Spise", "da", ClueSource::Typed, 0, 0}, error)) << error;
  // A typed clue that gives the answer away is no draft either.
  ASSERT_TRUE(db->add({"mad", "Madpakke", "da", ClueSource::Typed, 0, 0}, error)) << error;
  const ClueDrafter drafter(&*thesaurus_, forms_.get(), db.get(), "da",
                            [](std::string_view w) { return w == "kost" ? 10 : 80; });
  EXPECT_EQ(textsOf(drafter.drafts("MAD")), (std::vector<std::string>{"Spise", "Føde", "Ædelse", "Kost"}));
  // A word the scores put at 0 is never drafted; the user's own clue stays.
  const ClueDrafter strict(&*thesaurus_, forms_.get(), db.get(), "da",
                           [](std::string_view w) { return w == "føde" ? 0 : 80; });
  EXPECT_EQ(textsOf(strict.drafts("MAD")), (std::vector<std::string>{"Spise", "Kost", "Ædelse"}));
  // Nor is a word the word list does not hold (a Latin name), unless it is a
  // compound of two words it holds, joined as Danish joins them.
  const ClueDrafter known(&*thesaurus_, forms_.get(), nullptr, "da", [](std::string_view w) {
    return w == "sport" || w == "rekvisit" || w == "myg" ? 80 : -1;
  });
  EXPECT_TRUE(known.drafts("GALMYG").empty());
  EXPECT_EQ(textsOf(known.drafts("SKI")), (std::vector<std::string>{"Sportsrekvisit"}));
  db.reset();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vorkel
