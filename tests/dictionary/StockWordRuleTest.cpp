#include "dictionary/StockWordRule.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

struct Case {
  int language;
  const char* entry;  // UTF-8
  StockVerdict verdict;
  const char* why;
};

using V = StockVerdict;

// Entries of published word lists and what becomes of them.
const Case kLowerCaseLists[] = {
    {0, "blåbær", V::Taken, "the language's own letters"},
    {0, "idé", V::Taken, "É folds onto E"},
    {3, "smörgås", V::Taken, ""},
    {3, "smørrebrød", V::Taken, "Ø is the Swedish Ö"},
    {3, "armé", V::Taken, ""},
    {2, "straße", V::Taken, ""},
    {2, "café", V::Taken, ""},
    {9, "canción", V::Taken, "Ó folds onto O"},
    {9, "año", V::Taken, ""},
    {10, "fiancée", V::Taken, ""},
    {5, "þjóðfáni", V::Taken, ""},
    {5, "kvaðst", V::Taken, ""},
    {4, "fôr", V::OtherLetter, "the Danish tables read Ô as Ø: FØR"},
    {0, "bärs", V::OtherLetter, "the Danish tables read Ä as Å"},
    {3, "àla", V::OtherLetter, "the Swedish tables read À as Å"},
    {5, "pizza", V::OtherLetter, "Icelandic reads C Q W Z as Ð Þ É Ó"},
    {9, "weiß", V::OtherLetter, "the Spanish tables read ß as Y"},
    {10, "naïve", V::NotLetters, "Ï is in no English table"},
    {10, "it's", V::NotLetters, ""},
    {2, "usw.", V::NotLetters, "an abbreviation"},
    {9, "ça", V::NotLetters, ""},
    {0, "to ord", V::NotLetters, ""},
    {0, "1a", V::NotLetters, ""},
    {0, "a{b", V::NotLetters, "7-bit stand-ins are no spelling"},
    {0, "Aalborg", V::UpperCase, "a proper noun"},
    {2, "Straße", V::UpperCase, "nouns only with capitalisedNouns"},
    {0, "x", V::BadLength, ""},
    {0, "", V::BadLength, ""},
    {0, "abcdefghijklmnopqrstuvwxy", V::Taken, "25 letters"},
    {0, "abcdefghijklmnopqrstuvwxyz", V::BadLength, ""},
};

const Case kCapitalisedNouns[] = {
    {2, "Straße", V::Taken, ""},
    {2, "Ärger", V::Taken, ""},
    {2, "laufen", V::Taken, ""},
    {2, "GmbH", V::UpperCase, "a second capital"},
    {2, "ABC", V::UpperCase, ""},
};

void expectVerdicts(const StockWordRule& rule, const Case* begin, const Case* end) {
  ScriptedUi ui;
  Language language;
  for (const Case* c = begin; c != end; ++c) {
    language.selectStored(c->language, ui);
    EXPECT_EQ(rule.judge(utf8ToCp1252(c->entry).value(), language), c->verdict)
        << c->entry << " in language " << c->language << ": " << c->why;
  }
}

TEST(StockWordRuleTest, LowerCaseEntriesOfTheLanguagesLettersFoldedAsItsTablesReadThem) {
  expectVerdicts(StockWordRule{}, std::begin(kLowerCaseLists), std::end(kLowerCaseLists));
}

TEST(StockWordRuleTest, CapitalisedNounsTakeOneInitialCapital) {
  expectVerdicts(StockWordRule{true}, std::begin(kCapitalisedNouns), std::end(kCapitalisedNouns));
}

}  // namespace
}  // namespace vorkel
