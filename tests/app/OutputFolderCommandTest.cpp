#include "app/OutputFolderCommand.h"

#include <gtest/gtest.h>

#include "app/Texts.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

// "&Gemmested" takes a folder of up to 127 characters whole, counted as
// characters (ø is two bytes), and refuses a longer one with a message,
// leaving the output folder and the profile as they were: a folder is never
// cut to one the user did not choose.
TEST(OutputFolderCommand, TakesAFolderWholeOrRefusesItNeverCutsIt) {
  testing::TempFolder dir;
  const std::string longest = "/" + std::string(63, 'a') + std::string(63, 'a');  // 127
  const std::string withLetters = "/" + std::string(60, 'a') + std::string(62, 'o') + "/rød";  // 127, 128 bytes
  const struct {
    std::optional<std::string> answer;
    bool taken;
  } cases[] = {
      {longest, true},           {withLetters, true},        {longest + "b", false},
      {withLetters + "x", false}, {"x", false},               {std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancel)"));
    apptest::Session s(dir.path());
    s.context.currentTemplate.destDir = "/start";
    s.ui.inputs = {c.answer};
    EXPECT_EQ(outputFolderCommand(s.context), c.taken);
    EXPECT_EQ(s.context.currentTemplate.destDir, c.taken ? *c.answer : "/start");
    EXPECT_EQ(s.context.programProfile().getString("Gemmested", "", 1000),
              c.taken ? *c.answer : "");
    const bool tooLong = c.answer && c.answer->size() > 1 && !c.taken;
    EXPECT_EQ(s.sawMessage(texts::outputFolderTooLong), tooLong);
    s.context.programProfile().writeString("Gemmested", "");
  }
}

}  // namespace
}  // namespace vorkel
