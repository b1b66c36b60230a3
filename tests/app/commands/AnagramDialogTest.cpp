#include "app/commands/AnagramDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

class AnagramDialogTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  WordStore dict{20000, language, ui};
  testing::TempFolder folder;
  AnagramDialog dialog{folder.path()};

  void SetUp() override {
    for (const char* w : {"ost", "tog", "hus", "spise"}) dict.insertWord(w);
  }
  void choose(const char* button, std::map<std::string, std::string> edits = {}) {
    ui.dialogAnswers.push_back({button, std::move(edits)});
  }
  std::string result() { return folder.read(AnagramDialog::ResultFile); }
};

TEST_F(AnagramDialogTest, StandardSearchWritesTheFileAndShowsIt) {
  choose(texts::anagramStandardButton);
  ui.inputs.push_back("tog ost");
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "OST TOG\r\n");
  ASSERT_EQ(ui.opened.size(), 1u);
  EXPECT_EQ(ui.opened[0], folder / AnagramDialog::ResultFile);
  ASSERT_EQ(ui.messages.size(), 1u);  // the input box
  EXPECT_EQ(ui.messages[0].caption, texts::anagramInputTitle);
  EXPECT_EQ(ui.dialogs[0].title, texts::anagramDialogTitle);
  EXPECT_EQ(ui.dialogs[0].buttons.size(), 5u);
}

TEST_F(AnagramDialogTest, CancelAnywhereRunsNoSearch) {
  choose(texts::anagramCancelButton);
  dialog.run(dict, ui);
  choose(texts::anagramStandardButton);  // the input box is cancelled
  dialog.run(dict, ui);
  choose(texts::anagramWordButton);
  choose(AnagramDialog::Cancel);
  dialog.run(dict, ui);
  EXPECT_FALSE(folder.read(AnagramDialog::ResultFile).size());
  EXPECT_TRUE(ui.opened.empty());
}

TEST_F(AnagramDialogTest, SettingsAndGivenWordTextsAreKeptBetweenUses) {
  choose(texts::anagramWordButton, {{AnagramDialog::WordsField, "4"}});
  choose(AnagramDialog::Ok, {{AnagramDialog::PhraseField, "togost hus"},
                             {AnagramDialog::GivenWordField, "hus"}});
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "HUS OST TOG\r\n");

  choose(texts::anagramWordButton);
  choose(AnagramDialog::Ok, {{AnagramDialog::GivenWordField, "spise"}});
  dialog.run(dict, ui);
  ASSERT_EQ(ui.dialogs.size(), 4u);
  EXPECT_EQ(ui.dialogs[2].text(AnagramDialog::WordsField), "4");
  EXPECT_EQ(ui.dialogs[3].text(AnagramDialog::PhraseField), "togost hus");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, texts::anagramWordNotInPhrase);
  EXPECT_EQ(ui.messages[0].caption, texts::anagramErrorCaption);
  EXPECT_EQ(ui.messages[0].icon, Icon::Stop);
  EXPECT_EQ(ui.opened.size(), 1u);  // only the first search's file was shown
}

TEST_F(AnagramDialogTest, VerbSearchReadsVerbsTxtOnceAndSaysWhenItIsMissing) {
  choose(texts::anagramVerbButton);
  ui.inputs.push_back("spise ost");
  dialog.run(dict, ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].caption, texts::anagramErrorCaption);
  EXPECT_TRUE(ui.opened.empty());

  folder.write(AnagramDialog::VerbFile, "spise (spiser, spiste)\r\n");
  choose(texts::anagramVerbButton);
  ui.inputs.push_back("spise ost");
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "SPISE OST\r\n");
  EXPECT_EQ(ui.messages[2].caption, texts::anagramVerbInputTitle);

  folder.write(AnagramDialog::VerbFile, "tog\r\n");  // kept from the first read
  choose(texts::anagramVerbButton);
  ui.inputs.push_back("spise ost");
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "SPISE OST\r\n");
}

TEST_F(AnagramDialogTest, ListSearchBrowsesShowsPhraseAndPathAndForgetsTheList) {
  const std::string list = folder.write("liste.txt", "tog\r\n");
  folder.write(AnagramDialog::VerbFile, "spise\r\n");
  choose(texts::anagramListButton);
  choose(texts::anagramBrowseButton, {{AnagramDialog::PhraseField, "ost tog"}});
  ui.files.push_back(list);
  choose(AnagramDialog::Ok);
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "TOG OST\r\n");
  ASSERT_EQ(ui.dialogs.size(), 3u);
  EXPECT_EQ(ui.dialogs[2].text(AnagramDialog::ListFileField), list);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "ost tog");
  EXPECT_EQ(ui.messages[0].caption, list);

  // The next verb search reads verbs.txt, not the chosen list.
  choose(texts::anagramVerbButton);
  ui.inputs.push_back("ost spise");
  dialog.run(dict, ui);
  EXPECT_EQ(result(), "SPISE OST\r\n");
}

TEST_F(AnagramDialogTest, AFileThatCannotBeWrittenOrShownIsReported) {
  ui.desktopOpens = false;
  choose(texts::anagramStandardButton);
  ui.inputs.push_back("xyz");
  dialog.run(dict, ui);
  EXPECT_EQ(result(), texts::anagramNoResult);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[1].text.find(AnagramDialog::ResultFile), std::string::npos);

  AnagramDialog nowhere(folder / "missing/folder");
  choose(texts::anagramStandardButton);
  ui.inputs.push_back("ost");
  nowhere.run(dict, ui);
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[3].caption, texts::anagramErrorCaption);
  EXPECT_EQ(ui.opened.size(), 1u);
}

}  // namespace
}  // namespace vorkel
