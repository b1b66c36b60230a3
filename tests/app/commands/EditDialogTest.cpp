#include "app/commands/EditDialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "dictionary/DictionaryDialogData.h"
#include "dictionary/DictionarySession.h"
#include "dictionary/Language.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

class EditDialogTest : public ::testing::Test {
 protected:
  void press(const char* button, const char* word = nullptr) {
    ScriptedUi::DialogAnswer a{button, {}};
    if (word) a.edits["ord"] = word;
    ui.dialogAnswers.push_back(a);
  }
  std::string captions() const {
    std::string s;
    for (const auto& m : ui.messages) s += m.caption + "|";
    return s;
  }

  ScriptedUi ui;
  Language language;
  Random random{3};
  std::unique_ptr<WordStore> dict = WordStore::planCapacity(20000, language, ui);
  FileDialogData dialog = dictionaryDialogData();
  DictionarySession session{dict, language, ui, random, dialog, ""};
};

TEST_F(EditDialogTest, InsertTestDeleteTestWithTheWordKeptInTheField) {
  press("Indskriv", "kat");
  press("Test");
  press("Slet");
  press("Test");
  press("Test", "");  // an empty field does nothing
  press("Test", "k");
  press("Slet", "k-t");
  runEditDialog(session);

  ASSERT_EQ(ui.dialogs.size(), 8u);  // seven presses, then "SLUT"
  EXPECT_EQ(ui.dialogs[0].title, "Ændre indhold i ordbog");
  EXPECT_EQ(ui.dialogs[3].text("ord"), "kat");
  EXPECT_EQ(ui.messages[0].text, "Tjek på medlem af ordbog");
  // A text that cannot be a word is missing; a foreign one is reported once.
  EXPECT_EQ(captions(), "Ordet er der|Ordet mangler|Ordet mangler|"
                        "Sprog og tegnsæt passer ikke sammen|");
  EXPECT_EQ(dict->wordCount(), 0);
}

TEST_F(EditDialogTest, ResetAsksAgainUntilTheSizeIsInRange) {
  dict->insertWord("kat");
  ui.inputs = {std::string("999"), std::string("2000001"), std::string("2000000")};
  press("Nulstil");
  runEditDialog(session);
  ASSERT_EQ(ui.messages.size(), 6u);  // ask, range, ask, range, ask, done
  EXPECT_EQ(ui.messages[0].text, "Hvor mange ord skal der ca være plads til i den nye ordbog ?");
  EXPECT_EQ(ui.messages[1].text, "Værdien for Ordbogsstørrelse skal være mellem 1000 og 2000000");
  EXPECT_EQ(ui.messages[1].icon, Icon::Stop);
  EXPECT_EQ(captions(), "Ny ordbog|Indtastet forkert værdi|Ny ordbog|Indtastet forkert værdi|"
                        "Ny ordbog|UDFØRT|");
  EXPECT_EQ(ui.messages[5].text, "Ny tom ordbog er skabt");
  EXPECT_EQ(dict->wordCount(), 0);
  EXPECT_EQ(dict->figures(3).capacity, 2000000 / 100);

  // The lower bound, leading digits, and the 8-byte buffer (7 digits).
  using Case = std::pair<const char*, int>;
  for (auto [typed, capacity] : {Case{"1000", 10}, Case{"5000 ord", 50}, Case{"12345678", 12345}}) {
    ui.inputs = {std::string(typed)};
    EXPECT_TRUE(resetDictionary(session));
    EXPECT_EQ(dict->figures(3).capacity, capacity) << typed;
  }
  dict->insertWord("kat");
  ui.inputs = {std::string("ord"), std::nullopt};
  EXPECT_FALSE(resetDictionary(session));
  EXPECT_EQ(dict->wordCount(), 1);
}

}  // namespace
}  // namespace vorkel
