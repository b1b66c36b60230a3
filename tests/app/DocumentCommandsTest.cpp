// A grid named on the command line (a double click on a ".ktd" file) is
// read as the model without the question "Hent som model" asks, but never
// over unsaved work the user wants to keep.
#include "app/DocumentCommands.h"

#include <gtest/gtest.h>

#include "app/UnsavedWork.h"
#include "document/DocumentFile.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

TEST(DocumentCommands, AGridNamedAtStartIsReadAsTheModel) {
  const struct {
    const char* name;
    bool fileThere;
    bool gridChanged;
    Answer answer;  // to the question about the changed grid
    bool read;
  } cases[] = {
      {"a grid file", true, false, Answer::Yes, true},
      {"a missing file", false, false, Answer::Yes, false},
      {"over a changed grid the user gives up", true, true, Answer::No, true},
      {"over a changed grid the user keeps", true, true, Answer::Cancel, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder dir;
    Session s(dir.path());
    ApplicationContext& context = s.context;
    const std::string file = dir / "kryds.ktd";
    if (c.fileThere) {
      CrosswordDocument grid;
      grid.resize(7, 5);
      ASSERT_TRUE(writeDocument(grid, file, s.ui));
    }
    context.document.resize(3, 3);
    context.unsaved.markAllSaved(context);
    if (c.gridChanged) CrosswordDocument::setLetter(context.document.cellAt(1, 1), 'Q');
    s.ui.answers = {c.answer};

    EXPECT_EQ(openModelFile(context, file), c.read);
    EXPECT_EQ(context.document.width(), c.read ? 7 : 3);
    if (c.read) {
      EXPECT_EQ(context.documentDialog.fileName, file);
      s.ui.messages.clear();
      EXPECT_TRUE(mayDiscardWork(context, Grid));  // the grid as read is saved
      EXPECT_TRUE(s.ui.messages.empty());
    }
  }
}

}  // namespace
}  // namespace vorkel
