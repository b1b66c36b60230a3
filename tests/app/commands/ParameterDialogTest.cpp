#include "app/commands/ParameterDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "engine/ParameterFile.h"
#include "engine/SearchParameters.h"
#include "platform/testing/ScriptedUi.h"

#include "tests/engine/SearchParametersFixture.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

using testing::ParameterFileTest;
SearchParameters sample() { return testing::sampleParameters(); }

ScriptedUi::DialogAnswer press(const char* button, std::map<std::string, std::string> edits = {}) {
  return {button, std::move(edits)};
}

SearchParameters valid() {
  SearchParameters p;
  p.smallJump = p.timedJumpSeconds = p.smallJumpsPerLarge = p.largeJump = 1;
  return p;
}

TEST(ParameterDialog, OkTakesValidFields) {
  SearchParameters p = valid();
  FileDialogData files = parameterFileDialogData();
  ScriptedUi ui;
  ui.dialogAnswers = {press("OK", {{"procentBrug", "42"}, {"AGstortit", "9"}})};
  EXPECT_TRUE(runParameterDialog(p, files, ui));
  EXPECT_EQ(p.replacePercent, 42);
  EXPECT_EQ(p.smallJumpsPerLarge, 9);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  const DialogForm& form = ui.dialogs[0];
  EXPECT_EQ(form.title, "Opsæt Fuzzy-variabler");
  EXPECT_EQ(form.text("samlMax"), "60");
  EXPECT_EQ(form.find("blandtMax")->label, "Led ialt:");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(ParameterDialog, RangeMessageReopensWithTheEnteredValuesAndCancelRestores) {
  SearchParameters p = valid();
  FileDialogData files = parameterFileDialogData();
  ScriptedUi ui;
  ui.dialogAnswers = {press("OK", {{"procentBrug", "0"}, {"samlMax", "99"}}),
                      press("OK", {{"procentBrug", "50"}, {"blandtMax", "5"}}),
                      press("Cancel")};
  EXPECT_FALSE(runParameterDialog(p, files, ui));
  EXPECT_EQ(p, valid());

  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Værdien for Procent som bruges skal være mellem 1 og 100");
  EXPECT_EQ(ui.messages[0].caption, "Indtastet forkert værdi");
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
  EXPECT_EQ(ui.messages[1].text, "Værdien for Antal som gennemsøges skal være mellem 10 og 1000000");

  ASSERT_EQ(ui.dialogs.size(), 3u);
  EXPECT_EQ(ui.dialogs[1].text("procentBrug"), "0");
  EXPECT_EQ(ui.dialogs[1].text("samlMax"), "99");
  EXPECT_EQ(ui.dialogs[2].text("blandtMax"), "5");
}

TEST(ParameterDialog, CancelRestoresValuesOutsideTheRanges) {
  SearchParameters start;  // the zeros at program start lie outside 1..1000
  FileDialogData files = parameterFileDialogData();
  ScriptedUi ui;
  ui.dialogAnswers = {press("OK", {{"AGrclille", "3"}}), press("Fortryd")};
  EXPECT_FALSE(runParameterDialog(start, files, ui));
  EXPECT_EQ(start, SearchParameters{});
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Værdien for Tid mellem lille Retur skal være mellem 1 og 1000");
}

class ParameterDialogFiles : public ParameterFileTest {};

TEST_F(ParameterDialogFiles, SaveWritesTheOpeningValuesLoadShowsTheFile) {
  write("b.par", formatParameterFile(sample()));
  SearchParameters p = valid();
  FileDialogData files = parameterFileDialogData();
  ScriptedUi ui;
  ui.files = {file("a.par"), file("b.par")};
  ui.dialogAnswers = {press("Save", {{"procentBrug", "77"}}), press("Load"), press("OK"),
                      press("OK", {{"samlMax", "500"}})};
  EXPECT_TRUE(runParameterDialog(p, files, ui));
  EXPECT_EQ(p.keptCandidates, 500);
  EXPECT_EQ(p.smallJumpsPerLarge, 4);

  SearchParameters saved;
  ASSERT_TRUE(readParameterFile(file("a.par"), saved, ui));
  EXPECT_EQ(saved, valid());  // typing reaches the parameters only through OK
  ASSERT_EQ(ui.dialogs.size(), 4u);
  EXPECT_EQ(ui.dialogs[1].text("procentBrug"), "77");
  EXPECT_EQ(ui.dialogs[2].text("samlMax"), "5000");
  EXPECT_EQ(files.fileName, file("b.par"));
  // OK checks what the fields show: 5000 is beyond the dialog's range.
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Værdien for Antal som gemmes skal være mellem 10 og 1000");
}

TEST_F(ParameterDialogFiles, SaveRefusesInvalidOpeningValuesAndRestoreRereads) {
  write("b.par", formatParameterFile(sample()));
  SearchParameters p;
  FileDialogData files = parameterFileDialogData();
  files.fileName = file("b.par");
  ScriptedUi ui;
  ui.files = {file("never.par")};
  ui.dialogAnswers = {press("Save"), press("Restore"), press("Cancel")};
  EXPECT_FALSE(runParameterDialog(p, files, ui));
  EXPECT_FALSE(fs::exists(file("never.par")));
  EXPECT_EQ(ui.files.size(), 1u);  // no save dialog after the refusal
  EXPECT_EQ(ui.dialogs[2].text("AGstortit"), "4");  // Restore showed the file
  EXPECT_EQ(p, SearchParameters{});
}

}  // namespace
}  // namespace vorkel
