#include "app/CommandDispatcher.h"

#include <gtest/gtest.h>

#include <set>

#include "app/ForcedWordsDialog.h"
#include "app/GridView.h"
#include "app/HandOver.h"
#include "app/Shell.h"
#include "app/Texts.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

struct FakeShell : Shell {
  std::vector<std::string> calls;
  void setMenu(MenuId menu) override { calls.push_back("menu " + std::to_string(int(menu))); }
  void showHelp(std::string_view page) override { calls.push_back("help " + std::string(page)); }
  void showAbout() override { calls.push_back("about"); }
  void closeWindow() override { calls.push_back("close"); }
  void repaintView() override { calls.push_back("repaint"); }
  void setHelpCursor(bool on) override { calls.push_back(on ? "help cursor" : "arrow"); }
};

class CommandDispatcherTest : public ::testing::Test {
 protected:
  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;
  GridView view{c};
  FakeShell shell;
  struct NoDrawer : HandOver {
    std::vector<std::pair<std::string, bool>> calls;
    void handOver(const std::string& f, bool last) override { calls.emplace_back(f, last); }
  } drawer;
  CommandDispatcher commands{c, view, shell, drawer};
};

TEST_F(CommandDispatcherTest, TheMenusNameEveryCommandOnceAndEachHasAHint) {
  std::multiset<int> seen;
  for (MenuId menu : {MenuId::Simple, MenuId::Advanced}) {
    const auto& popups = menuOf(menu);
    ASSERT_EQ(popups.size(), menu == MenuId::Simple ? 5u : 7u);
    for (const MenuEntry& p : popups) {
      EXPECT_FALSE(hintText(p.id).empty()) << p.text;
      for (const MenuEntry& e : p.children) {
        if (e.kind != MenuEntry::Kind::Command) continue;
        seen.insert(e.id);
        if (e.id != command::aboutSimple) {
          EXPECT_FALSE(hintText(e.id).empty()) << e.text;
        }
      }
    }
  }
  for (int n : allCommands()) {
    if (n == command::help || n == command::savePathToo) continue;
    EXPECT_EQ(seen.count(n), n == command::exit ? 2u : 1u) << n;
  }
  EXPECT_EQ(menuOf(MenuId::Advanced)[0].children.back().text, "E&xit\tAlt+F4");
  EXPECT_EQ(menuOf(MenuId::Simple)[0].children.back().text, "E&xit");
}

TEST_F(CommandDispatcherTest, EveryNumberOfTheTableRoutesToACommandAndOthersDoNot) {
  // Every dialog is cancelled by the scripted port; the runs find no path.
  for (int n : allCommands()) {
    SCOPED_TRACE(n);
    // The parameters as they are do not pass the dialog's check.
    if (n == command::editParameters) s.ui.dialogAnswers = {{"Cancel", {}}};
    // A run that cannot fill anything goes on until the user stops it.
    s.ui.keys = {KeyMessage{KeyMessage::Escape}};
    s.ui.answers.assign(8, Answer::No);
    if (n == command::wizard) s.ui.dialogAnswers = {{"Afbryd", {}}};
    if (n == command::cleanUp) s.ui.dialogAnswers = {{"Fortryd", {}}};
    EXPECT_TRUE(commands.run(n));
  }
  EXPECT_FALSE(commands.run(12345));
  const auto has = [&](const std::string& call) {
    return std::find(shell.calls.begin(), shell.calls.end(), call) != shell.calls.end();
  };
  EXPECT_TRUE(has("close"));
  EXPECT_TRUE(has("about"));
  EXPECT_TRUE(has("help index.html"));
}

TEST_F(CommandDispatcherTest, MenuSwitchesForceEditModeAndRestoreIt) {
  c.editMode = false;
  commands.run(command::editMode);
  EXPECT_TRUE(c.editMode);
  commands.run(command::editMode);
  EXPECT_FALSE(c.editMode);
  commands.run(command::advancedMenu);
  EXPECT_FALSE(c.simpleMode);
  EXPECT_TRUE(c.editMode);
  commands.run(command::simpleMenu);
  EXPECT_TRUE(c.simpleMode);
  EXPECT_FALSE(c.editMode);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"menu 100", "menu 1"}));
}

TEST_F(CommandDispatcherTest, ArmedContextHelpOrAHeldF1OpensTheMenusPageInstead) {
  commands.armContextHelp();
  EXPECT_TRUE(commands.run(command::zoom));
  EXPECT_FALSE(commands.contextHelpArmed());
  EXPECT_TRUE(s.ui.inputs.empty() && s.ui.messages.empty());  // zoom did not run
  commands.setF1Held(true);
  commands.run(command::editParameters);
  commands.setF1Held(false);
  commands.armContextHelp();
  commands.disarmContextHelp();  // Esc
  commands.run(command::check);  // runs: no words
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"help cursor", "arrow", "help kryds.html",
                                                   "help fuzzy.html", "help cursor", "arrow"}));
  EXPECT_TRUE(s.sawMessage("Mangler en ordliste"));
}

TEST_F(CommandDispatcherTest, ForcedGenerationOpensItsDialogAndRepaintsAfterwards) {
  PathStop stop;
  stop.x = stop.y = 0;
  c.path.stops() = {stop, PathStop{}};
  s.ui.dialogAnswers = {{forcedDialog::Cancel, {}}};
  EXPECT_TRUE(commands.run(command::generateForced));
  ASSERT_EQ(s.ui.dialogs.size(), 1u);
  EXPECT_EQ(s.ui.dialogs[0].id, forcedDialog::Id);
  EXPECT_TRUE(s.ui.messages.empty());
  EXPECT_EQ(shell.calls, std::vector<std::string>{"repaint"});
  EXPECT_FALSE(commands.runActive());
}

TEST_F(CommandDispatcherTest, DroppedFileGoesOnTheRecentListAndTheTemplateStays) {
  c.currentTemplate.dictionaryPath = "words.dic";
  commands.dropFile("/tmp/other.skb");
  EXPECT_EQ(c.recentFiles.entry(0), "/tmp/other.skb");
  EXPECT_EQ(c.currentTemplate.templatePath, "/tmp/other.skb");
  EXPECT_EQ(c.currentTemplate.dictionaryPath, "words.dic");
}

}  // namespace
}  // namespace vorkel
