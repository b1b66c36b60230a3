#include "dictionary/Language.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dictionary/LanguageChoice.h"
#include "platform/Cp1252.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

// Letter codes of a UTF-8 word read through the input table; nullopt when a
// character is not a letter of the language.
std::optional<std::vector<int>> codes(const Language& lang, const std::string& utf8) {
  std::string bytes = utf8ToCp1252(utf8).value();
  std::vector<int> out;
  for (char c : bytes) {
    unsigned char entry = lang.input(static_cast<unsigned char>(c));
    if (entry == 0) return std::nullopt;
    out.push_back(entry & 0x1F);
  }
  return out;
}

std::string shown(const Language& lang, const std::vector<int>& word) {
  std::string bytes;
  for (int code : word) bytes += static_cast<char>(lang.nameOf(code));
  return cp1252ToUtf8(bytes);
}

unsigned char typed(const Language& lang, const char* utf8) {
  std::string bytes;
  EXPECT_TRUE(utf8ToCp1252Exact(utf8, bytes));
  return bytes.empty() ? 0 : lang.typing(static_cast<unsigned char>(bytes[0]));
}

Language selected(int number) {
  Language lang;
  ScriptedUi ui;
  lang.selectStored(number, ui);
  return lang;
}

TEST(Language, StartsDanishWithNordicTyping) {
  Language lang;
  EXPECT_EQ(lang.id(), LanguageId::Danish);
  EXPECT_EQ(&lang.names(), &letters::danishNames());
  EXPECT_EQ(&lang.inputTable(), &letters::danishInput());
  EXPECT_EQ(&lang.typingTable(), &letters::nordicTyping());
}

TEST(Language, DanishFoldsCaseAndBracketsOntoOneWord) {
  Language lang;
  const std::vector<int> expected{2, 12, 29, 2, 27, 18};
  EXPECT_EQ(codes(lang, "blåbær"), expected);
  EXPECT_EQ(codes(lang, "BLÅBÆR"), expected);
  EXPECT_EQ(codes(lang, "BL]B[R"), expected);
  EXPECT_EQ(shown(lang, expected), "BLÅBÆR");

  // The codes stay; switching changes what they mean.
  EXPECT_EQ(shown(selected(10), expected), "BL]B[R");
  EXPECT_EQ(shown(selected(3), expected), "BLÅBÄR");
}

TEST(Language, EnglishRefusesNordicLetters) {
  Language lang = selected(10);
  EXPECT_EQ(codes(lang, "blåbær"), std::nullopt);
  EXPECT_EQ(codes(lang, "BLÅBÆR"), std::nullopt);
  EXPECT_EQ(codes(lang, "BL]B[R"), std::nullopt);
  EXPECT_EQ(typed(lang, "å"), 0);
  EXPECT_EQ(typed(lang, "q"), 'Q');
}

TEST(Language, IcelandicReadsLatinLettersItLacksAsItsOwn) {
  Language lang = selected(5);
  auto cat = codes(lang, "CAT");
  ASSERT_TRUE(cat);
  EXPECT_EQ(shown(lang, *cat), "ÐAT");
  EXPECT_EQ(codes(lang, "qwz"), (std::vector<int>{17, 23, 26}));
  EXPECT_EQ(shown(lang, *codes(lang, "qwz")), "ÞÉÓ");
  EXPECT_EQ(codes(lang, "á@"), (std::vector<int>{0, 0}));

  // ... but the grid does not take C or W.
  EXPECT_EQ(typed(lang, "C"), 0);
  EXPECT_EQ(typed(lang, "w"), 0);
  EXPECT_EQ(typed(lang, "z"), 'Z');
  EXPECT_EQ(typed(lang, "ð"), 0xD0);
  EXPECT_EQ(typed(lang, "ç"), 0xDE);  // Þ
  EXPECT_EQ(typed(lang, "`"), '@');
}

TEST(Language, SpanishFoldsAccentsAndKeepsEnye) {
  Language lang = selected(9);
  EXPECT_EQ(codes(lang, "canción"), codes(lang, "CANCION"));
  EXPECT_EQ(codes(lang, "año"), (std::vector<int>{1, 27, 15}));
  EXPECT_EQ(shown(lang, *codes(lang, "año")), "AÑO");
  EXPECT_EQ(codes(lang, "ò"), std::nullopt);
  EXPECT_EQ(typed(lang, "é"), 'E');
  EXPECT_EQ(typed(lang, "ñ"), 0xD1);
}

TEST(Language, GermanHasUmlautsAndSharpS) {
  Language lang = selected(2);
  EXPECT_EQ(codes(lang, "Größe"), (std::vector<int>{7, 18, 28, 30, 5}));
  EXPECT_EQ(shown(lang, *codes(lang, "Größe")), "GRÖßE");
  EXPECT_EQ(codes(lang, "æ"), std::nullopt);
  EXPECT_EQ(typed(lang, "ü"), 0xDC);
  EXPECT_EQ(typed(lang, "é"), 0);
}

TEST(Language, SwedishLeavesSomeAccentsOut) {
  Language lang = selected(3);
  EXPECT_EQ(codes(lang, "ä"), (std::vector<int>{27}));
  EXPECT_EQ(codes(lang, "Â"), std::nullopt);
  EXPECT_EQ(codes(lang, "Ã"), std::nullopt);
  EXPECT_EQ(codes(lang, "â"), (std::vector<int>{29}));
  EXPECT_EQ(&lang.typingTable(), &letters::nordicTyping());
}

TEST(Language, SelectStoresTheNumberOfTheTable) {
  struct Case {
    int number;
    int stored;
    const NameTable* names;
  };
  const Case cases[] = {
      {0, 0, &letters::danishNames()},    {4, 4, &letters::danishNames()},
      {3, 3, &letters::swedishNames()},   {2, 2, &letters::germanNames()},
      {9, 9, &letters::spanishNames()},   {5, 5, &letters::icelandicNames()},
      {10, 10, &letters::englishNames()}, {8, 10, &letters::englishNames()},
      {1, 10, &letters::englishNames()},  {11, 10, &letters::englishNames()},
      {-1, 10, &letters::englishNames()},
  };
  for (const Case& c : cases) {
    Language lang;
    ScriptedUi ui;
    EXPECT_EQ(toNumber(lang.selectStored(c.number, ui)), c.stored) << c.number;
    EXPECT_EQ(toNumber(lang.id()), c.stored) << c.number;
    EXPECT_EQ(&lang.names(), c.names) << c.number;
    EXPECT_TRUE(ui.messages.empty()) << c.number;
  }
  Language norwegian = selected(4);
  EXPECT_EQ(&norwegian.inputTable(), &letters::danishInput());
  EXPECT_EQ(&norwegian.typingTable(), &letters::nordicTyping());
}

TEST(Language, FrenchAndDutchAreNotYetAndKeepTheTables) {
  for (int number : {6, 7}) {
    Language lang;
    ScriptedUi ui;
    lang.select(LanguageId::Icelandic, ui);
    EXPECT_EQ(toNumber(lang.selectStored(number, ui)), number);
    EXPECT_EQ(toNumber(lang.id()), number);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ikke endnu");
    EXPECT_EQ(ui.messages[0].caption, "Ikke endnu");
    EXPECT_EQ(&lang.names(), &letters::icelandicNames());
    EXPECT_EQ(&lang.inputTable(), &letters::icelandicInput());
    EXPECT_EQ(&lang.typingTable(), &letters::icelandicTyping());
  }
}

TEST(LetterTables, SharedEntriesAndNameStrings) {
  for (const ByteTable* t : {&letters::danishInput(), &letters::swedishInput(),
                             &letters::germanInput(), &letters::spanishInput(),
                             &letters::englishInput(), &letters::icelandicInput()}) {
    EXPECT_EQ((*t)[0xA6] & 0x1F, 29);
    EXPECT_EQ((*t)[0xA9] & 0x1F, 25);
    EXPECT_EQ((*t)['m'], 'M');
    EXPECT_EQ((*t)['1'], 0);
    EXPECT_EQ((*t)[' '], 0);
    for (int b = 0; b < 256; ++b) {
      unsigned char e = (*t)[static_cast<std::size_t>(b)];
      EXPECT_TRUE(e == 0 || (e >= 0x40 && e <= 0x5F)) << b;
    }
  }
  auto text = [](const NameTable& n) {
    return cp1252ToUtf8(std::string(n.begin(), n.end()));
  };
  EXPECT_EQ(text(letters::danishNames()), "@ABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅ^¨");
  EXPECT_EQ(text(letters::swedishNames()), "@ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÅ^¨");
  EXPECT_EQ(text(letters::germanNames()), "@ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß¨");
  EXPECT_EQ(text(letters::spanishNames()), "@ABCDEFGHIJKLMNOPQRSTUVWXYZÑ\\]^¨");
  EXPECT_EQ(text(letters::englishNames()), "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^¨");
  EXPECT_EQ(text(letters::icelandicNames()), "ÁABÐDEFGHIJKLMNOPÞRSTUVÉXYÓÆÖÚÝÍ");
}

TEST(LetterTables, NordicTyping) {
  const ByteTable& t = letters::nordicTyping();
  EXPECT_EQ(t[0xF7], 0xD7);  // ÷ gives ×
  EXPECT_EQ(t[0xE6], 0xC6);
  EXPECT_EQ(t[0x92], 0xC6);
  EXPECT_EQ(t[0x9D], 0xD8);
  EXPECT_EQ(t[0x8F], 0xC5);
  EXPECT_EQ(t['{'], 0xC6);
  EXPECT_EQ(t[0xDE], 0);
  EXPECT_EQ(t[0xFE], 0);
  EXPECT_EQ(t['5'], 0);
}

TEST(LanguageId, StoredNumbersReadBackAndNumbersOfNoLanguageAreRefused) {
  for (LanguageId id : allLanguages) EXPECT_EQ(languageFromNumber(toNumber(id)), id) << englishName(id);
  for (int number : {1, 11, -1, 256}) EXPECT_EQ(languageFromNumber(number), std::nullopt) << number;
  EXPECT_EQ(toNumber(LanguageId::French), 6);  // templates store 6 for French
}

TEST(LanguageChoice, ButtonsSelectTheirLanguages) {
  ASSERT_EQ(languageChoice::buttons.size(), 10u);
  EXPECT_STREQ(languageChoice::title, "Skift Sprog  (Ændrer ordbogen i memory)");
  for (const LanguageButton& b : languageChoice::buttons) {
    Language lang;
    ScriptedUi ui;
    const LanguageId stored = lang.select(b.language, ui);
    if (b.controlId == 106) EXPECT_EQ(stored, LanguageId::English);
    else EXPECT_EQ(stored, b.language) << b.text;
  }
}

}  // namespace
}  // namespace vorkel
