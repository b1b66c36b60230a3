#include "dictionary/WordListOperations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "tests/platform/TempFolder.h"
#include "dictionary/DictionaryDialogData.h"
#include "dictionary/DictionarySession.h"
#include "dictionary/Language.h"
#include "dictionary/WordFile.h"
#include "app/commands/WordListCommands.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

using Set = std::set<std::string>;
std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8).value(); }

class WordListOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dict = WordStore::planCapacity(1000, language, ui);
    for (const char* w : {"KAT", "ÆBLE", "ØRE", "HUS", "IDE"}) dict->insertWord(cp(w));
  }
  Set words() {  // UTF-8 display text
    Set out;
    dict->forEachWord(random, [&](std::string_view w) {
      return out.insert(cp1252ToUtf8(dict->codesToText(w))).second;
    });
    return out;
  }
  // The next file dialog answers with `name` in the temporary folder.
  std::string choose(const std::string& name, std::string_view bytes = {}) {
    std::string p = bytes.empty() ? tmp / name : tmp.write(name, bytes);
    ui.files.push_back(p);
    return p;
  }

  testing::TempFolder tmp;
  ScriptedUi ui;
  Language language;
  Random random{7};
  std::unique_ptr<WordStore> dict;
  FileDialogData dialog = dictionaryDialogData();
  DictionarySession session{dict, language, ui, random, dialog, tmp.path()};
};

// Case, national letters and accents fold in every operation, and an
// encoded file named .txt acts as the same words in a list.
TEST_F(WordListOperationsTest, SetOperationsFoldCaseAndNationalLetters) {
  std::string encoded = "=";
  for (const char* w : {"kat", "æble", "idé", "hund"}) appendEncodedWord(encoded, cp(w), random);
  for (const std::string& bytes : {cp("kat\r\næble\nidé\r\nhund\r\n"), encoded}) {
    SetUp();
    choose("l.txt", bytes);
    ASSERT_TRUE(unionWordListCommand(session));
    EXPECT_EQ(words(), (Set{"KAT", "ÆBLE", "ØRE", "HUS", "IDE", "HUND"}));
    SetUp();
    choose("l.txt", bytes);
    ASSERT_TRUE(subtractWordListCommand(session));
    EXPECT_EQ(words(), (Set{"ØRE", "HUS"}));
    SetUp();
    choose("l.txt", bytes);
    ASSERT_TRUE(joinWordListCommand(session));
    EXPECT_EQ(words(), (Set{"KAT", "ÆBLE", "IDE"}));
  }
  ASSERT_EQ(ui.messages.size(), 2u);  // the subtraction's notice, before its dialog
  EXPECT_EQ(ui.messages[0].text + "/" + ui.messages[0].caption, "Ordbog Sutraher/Hej");
}

TEST_F(WordListOperationsTest, OnlyAcceptedExtensionsAreReadOrSaved) {
  EXPECT_FALSE(isWordFileName("mappe.txt/b"));
  choose("l.Txt", "hund\r\n");
  EXPECT_FALSE(unionWordListCommand(session));
  choose("l", "hund\r\n");
  EXPECT_FALSE(replaceWordListCommand(session));
  choose("gem.txt");
  EXPECT_FALSE(saveWordListCommand(session));
  EXPECT_EQ(words(), (Set{"KAT", "ÆBLE", "ØRE", "HUS", "IDE"}));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(tmp / "gem.txt"));
  const std::string saved = choose("gem.DIC");
  ASSERT_TRUE(saveWordListCommand(session));
  EXPECT_EQ(dialog.fileName, saved);  // the shared record remembers the name
  dict = WordStore::planCapacity(1000, language, ui);
  ASSERT_TRUE(loadWordFile(*dict, saved));
  EXPECT_EQ(dict->wordCount(), 5);
}

TEST_F(WordListOperationsTest, ReplacePlansBySizeAndKeepsTheOldDictionaryOnFailure) {
  choose("ord.dic", "Hest\r\nko\r\n");  // a list, whatever its name
  ASSERT_TRUE(replaceWordListCommand(session));
  EXPECT_EQ(words(), (Set{"HEST", "KO"}));
  EXPECT_EQ(dict->figures(3).capacity, 20000 / 100);
  choose("stor.txt", "1abc\r\nhest\r\n" + std::string(150000, 'x'));
  ASSERT_TRUE(replaceWordListCommand(session));
  EXPECT_TRUE(words().empty());  // first byte no letter: no words, no message
  EXPECT_EQ(dict->figures(3).capacity, (150012 / 5) / 100);
  EXPECT_TRUE(ui.messages.empty());

  dict->insertWord("kat");
  const std::string missing = choose("mangler.txt");
  EXPECT_FALSE(replaceWordListCommand(session));
  EXPECT_EQ(ui.lastMessage().text + "|" + ui.lastMessage().caption, missing + "|Cannot find file");
  EXPECT_EQ(ui.lastMessage().icon, Icon::Stop);
  std::filesystem::create_directory(tmp / "mappe.txt");  // exists, cannot be read
  EXPECT_EQ(choose("mappe.txt"), tmp / "mappe.txt");
  EXPECT_FALSE(replaceWordListCommand(session));
  EXPECT_EQ(ui.lastMessage().text, "Fejl i åbning af fil til load af ordbogen");
  EXPECT_EQ(words(), (Set{"KAT"}));
}

TEST_F(WordListOperationsTest, SubtractionRemovesRepeatsOnceAndReportsForeignWordsOnce) {
  EXPECT_TRUE(subtractWordFile(session, tmp.write("to.txt", "kat\r\nKAT\r\nkat-te\r\n")));
  EXPECT_EQ(words(), (Set{"ÆBLE", "ØRE", "HUS", "IDE"}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text + "|" + ui.messages[0].caption,
            "-te|Sprog og tegnsæt passer ikke sammen");
  EXPECT_FALSE(subtractWordFile(session, tmp / "none.txt"));
  EXPECT_EQ(dict->wordCount(), 4);
}

// Many words go by a rebuild; a letter whose name does not read back as
// itself (Spanish "¦" is shown as "]") keeps the word-by-word way.
TEST_F(WordListOperationsTest, LargeSubtractionLeavesExactlyTheOtherWords) {
  for (LanguageId spanish : {LanguageId::Danish, LanguageId::Spanish}) {
    language.select(spanish, ui);
    dict = WordStore::planCapacity(1000, language, ui);
    std::string list;
    for (int i = 0; i < 1600; ++i) {
      const std::string w = {'B', static_cast<char>('A' + i % 26),
                             static_cast<char>('A' + i / 26 % 26), static_cast<char>('A' + i / 676)};
      dict->insertWord(w);
      if (i % 3 != 0) list += w + "\r\n";
    }
    dict->insertWord("X\xA6");
    ASSERT_TRUE(subtractWordFile(session, tmp.write("l.txt", list)));
    EXPECT_EQ(dict->wordCount(), 535) << englishName(spanish);
    EXPECT_TRUE(dict->hasMatch("BAAA"));
    EXPECT_FALSE(dict->hasMatch("BBAA"));
    EXPECT_TRUE(dict->hasMatch("X\xA6"));
  }
}

TEST_F(WordListOperationsTest, JoinWritesRawWordsToBygtmpAndKeepsOldWhenItCannot) {
  const std::string input = tmp.write("in.txt", "kat og hund\r\nHus\r\nmus\r\n");
  ASSERT_TRUE(joinWordFile(session, input));
  EXPECT_EQ(words(), (Set{"KAT", "HUS"}));
  EXPECT_EQ(dict->figures(3).capacity, 110000 / 100);
  Set written;  // as the file spells them
  forEachFileWord(tmp.read("bygtmp.dic"), language,
                  [&](std::string_view w) { return written.emplace(w).second; });
  EXPECT_EQ(written, (Set{"kat og hund", "Hus"}));

  ASSERT_TRUE(joinWordFile(session, tmp.write("other.txt", "ged\r\n")));
  EXPECT_EQ(dict->wordCount(), 0);
  EXPECT_EQ(tmp.read("bygtmp.dic"), "=");

  // The input may be "bygtmp.dic" itself: it is read before it is replaced.
  dict->insertWord("ged");
  dict->insertWord("ko");
  ASSERT_TRUE(joinWordFile(session, tmp.write("bygtmp.dic", "ged\r\nhest\r\n")));
  EXPECT_EQ(words(), (Set{"GED"}));

  // An unreadable input or an unwritable "bygtmp.dic" keeps the dictionary.
  EXPECT_FALSE(joinWordFile(session, tmp / "none.txt"));
  std::filesystem::remove(tmp / "bygtmp.dic");
  std::filesystem::create_directory(tmp / "bygtmp.dic");
  EXPECT_FALSE(joinWordFile(session, input));
  // The message names the file that could not be written, not the input.
  EXPECT_EQ(ui.lastMessage().text + "|" + ui.lastMessage().caption,
            "Fejl i åbning af fil til save af ordbogen|" + (tmp / "bygtmp.dic"));
  EXPECT_EQ(words(), (Set{"GED"}));
}

// "BYGTMP.DIC" left by another program: the join writes into it and reads
// the same file back (once it wrote one and read "bygtmp.dic", which failed).
TEST_F(WordListOperationsTest, JoinUsesAnExistingTemporaryFileWhateverItsCase) {
  tmp.write("BYGTMP.DIC", "=");
  ASSERT_TRUE(joinWordFile(session, tmp.write("in.txt", "kat\r\nmus\r\n")));
  EXPECT_EQ(words(), (Set{"KAT"}));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_NE(tmp.read("BYGTMP.DIC"), "=");
  EXPECT_FALSE(std::filesystem::exists(tmp / "bygtmp.dic"));  // no second file beside it
}

}  // namespace
}  // namespace vorkel
