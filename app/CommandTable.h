#pragma once
// The command table: every menu command of the generator by its number, the
// two menus built from them, and the status-bar hint of each number.
//
// Menu commands are numbers. A front-end builds its menu bar from
// `menuOf(MenuId)`, shows `hintText(number)` in the status bar while an item
// (or a popup, by its own hint number) is highlighted, and hands the number
// of a chosen item to the dispatcher (app/CommandDispatcher.h). Tests reach
// every command the same way, by its number.
//
//   for (const MenuEntry& popup : menuOf(MenuId::Simple)) ... popup.children ...
//   dispatcher.run(command::generateWithoutLetters);

#include <string_view>
#include <vector>

namespace vorkel {

namespace command {
// "&Skabelon"
inline constexpr int openTemplate = 24332;
inline constexpr int saveTemplate = 24333;
inline constexpr int saveTemplateAs = 24334;
inline constexpr int exit = 24310;
// "&Kryds"
inline constexpr int resize = 51695;
inline constexpr int zoom = 51708;
inline constexpr int transpose = 51709;
inline constexpr int clear = 51701;
inline constexpr int openModel = 51682;
inline constexpr int saveModel = 51687;
inline constexpr int undo = 57643;
inline constexpr int redo = 57644;
// "&Ordbog"
inline constexpr int replaceWordList = 51673;
inline constexpr int uniteWordList = 11857;
inline constexpr int subtractWordList = 11860;
inline constexpr int joinWordList = 11862;
inline constexpr int saveWordList = 51689;
inline constexpr int editDictionary = 51702;
inline constexpr int statistics = 51703;
inline constexpr int searchWord = 51707;
inline constexpr int changeLanguage = 51688;
inline constexpr int anagram = 11842;
// "&Vej"
inline constexpr int newPath = 51670;
inline constexpr int editPath = 51691;
inline constexpr int optimisePath = 51663;
inline constexpr int autoPath = 11859;
inline constexpr int savePath = 51704;
inline constexpr int savePathToo = 51705;  // does what savePath does; no menu item
inline constexpr int loadPath = 51664;
// "&Fuzzy"
inline constexpr int editParameters = 51677;
inline constexpr int loadParameters = 51698;
inline constexpr int saveParameters = 51699;
// "&Generer"
inline constexpr int simpleMenu = 11858;
inline constexpr int check = 51760;
inline constexpr int outputFolder = 51696;
inline constexpr int generateWithLetters = 51692;
inline constexpr int generateForced = 11843;
inline constexpr int generateWithoutLetters = 51686;
// "&Hjælp" and help without a menu item
inline constexpr int helpContents = 2001;
inline constexpr int helpTopics = 901;
inline constexpr int help = 2002;
inline constexpr int about = 2009;
inline constexpr int aboutSimple = 11856;
// The simple menu
inline constexpr int wizard = 11852;
inline constexpr int runFiveToDrawer = 11849;
inline constexpr int runFiveHundred = 11850;
inline constexpr int runOneAndShow = 11851;
inline constexpr int cleanUp = 11855;
inline constexpr int goToDrawer = 18873;
inline constexpr int editMode = 11847;
inline constexpr int advancedMenu = 11848;
// The Help button of the program's dialogs.
inline constexpr int dialogHelpButton = 9;
}  // namespace command

enum class MenuId {
  Simple = 1,     // the menu the program starts with
  Advanced = 100,
};

struct MenuEntry {
  enum class Kind { Command, Separator, Popup };
  Kind kind = Kind::Command;
  // Command: its number. Popup: the number of its hint (0: none).
  int id = 0;
  std::string_view text;  // with "&" before the mnemonic; UTF-8
  std::vector<MenuEntry> children;  // a popup's entries
  std::string_view helpPage;        // a popup's page of the help
};

// The popups of a menu bar, in order.
const std::vector<MenuEntry>& menuOf(MenuId menu);

// The status-bar text of a number; empty when the string table has none.
std::string_view hintText(int number);

// The help page that describes a command: the page of the popup that holds
// it ("index.html" for numbers without a menu item).
std::string_view helpPageOf(int number);

// Every command number that a menu item or the table names (51705 and 2002
// included), once each, in ascending order.
std::vector<int> allCommands();

}  // namespace vorkel
