#include "app/commands/PathCommands.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/Path.h"
#include "platform/testing/ScriptedUi.h"

#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

class PathCommandsTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return dir_ / name; }
  void write(const std::string& name, const std::string& bytes) const { dir_.write(name, bytes); }
  std::string read(const std::string& name) const { return dir_.read(name); }
  testing::TempFolder dir_;
};

TEST_F(PathCommandsTest, ShareTheirDialogData) {
  write("a.vej", "2 0 1 3 0\n");
  Path path;
  ScriptedUi ui;
  FileDialogData dialog = pathFileDialogData();
  EXPECT_EQ(dialog.filter, "Vejstop liste (*.vej)|*.vej|");
  EXPECT_EQ(dialog.defaultExtension, "vej");

  ui.files = {std::nullopt, file("a.vej"), file("out.vej"), file("missing.vej")};
  EXPECT_FALSE(loadPathCommand(path, dialog, ui));
  EXPECT_TRUE(path.empty());
  EXPECT_TRUE(loadPathCommand(path, dialog, ui));
  EXPECT_EQ(dialog.fileName, file("a.vej"));
  EXPECT_EQ(path.length(), 1u);
  EXPECT_TRUE(savePathCommand(path, dialog, ui));
  EXPECT_EQ(read("out.vej").substr(0, 15), "-2 2 0 1 -1 0 0");
  EXPECT_FALSE(loadPathCommand(path, dialog, ui));
  EXPECT_EQ(path.length(), 1u);
  EXPECT_TRUE(ui.messages.empty());

  ui.files = {file("nowhere/x.vej")};
  EXPECT_FALSE(savePathCommand(path, dialog, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Mislykket forsøg på at\nåbne fil");
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
}

}  // namespace
}  // namespace vorkel
