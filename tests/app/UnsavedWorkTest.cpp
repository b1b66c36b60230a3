#include "app/UnsavedWork.h"

#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "platform/Files.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

TEST(UnsavedWork, AsksOnlyAboutWhatChangedAndGoesOnOnlyWhenTheUserSaysSo) {
  struct Case {
    const char* name;
    Answer answer;
    std::optional<std::string> saveAs;  // the save dialog's answer
    bool goOn;
    bool saved;
  };
  for (const Case& k : {Case{"cancel", Answer::Cancel, {}, false, false},
                        Case{"discard", Answer::No, {}, true, false},
                        Case{"save", Answer::Yes, "gemt.ktd", true, true},
                        Case{"save cancelled", Answer::Yes, std::nullopt, false, false}}) {
    SCOPED_TRACE(k.name);
    TempFolder dir;
    Session s(dir.path());
    ApplicationContext& c = s.context;
    c.unsaved.markAllSaved(c);
    EXPECT_TRUE(mayDiscardWork(c));  // nothing changed: no question
    EXPECT_TRUE(s.ui.messages.empty());

    CrosswordDocument::setLetter(c.document.cellAt(2, 2), 'Q');
    c.path.stops().push_back(PathStop{});
    s.ui.answers = {k.answer};
    s.ui.files = {k.saveAs};
    // The grid alone is asked about when only the grid would be lost.
    EXPECT_EQ(mayDiscardWork(c, Grid), k.goOn);
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].text,
              "Der er ændringer i krydset, som ikke er gemt.\nVil du gemme dem?");
    EXPECT_EQ(s.ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(Files::isFile(dir / "gemt.ktd"), k.saved);
    // A grid saved under a new name is a new model for the template.
    EXPECT_EQ(c.unsaved.changed(c), k.saved ? PathPart | TemplatePart : Grid | PathPart);
  }
}

TEST(UnsavedWork, NamesEveryChangedPart) {
  TempFolder dir;
  Session s(dir.path());
  ApplicationContext& c = s.context;
  c.unsaved.markAllSaved(c);
  CrosswordDocument::setLetter(c.document.cellAt(1, 1), 'A');
  c.path.stops().push_back(PathStop{});
  c.currentTemplate.language = LanguageId::Swedish;
  s.ui.answers = {Answer::Cancel};
  EXPECT_FALSE(mayDiscardWork(c));
  EXPECT_EQ(s.ui.messages.back().text,
            "Der er ændringer i krydset, vejen og skabelonen, som ikke er gemt.\nVil du gemme "
            "dem?");
}

}  // namespace
}  // namespace vorkel
