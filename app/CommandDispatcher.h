#pragma once
// Routes every menu command, by its number, to the code that carries it
// out, and keeps the state the commands share: the menu in force, edit
// mode, context help, the anagram finder's settings and the last search.
//
//   CommandDispatcher commands(context, view, shell);
//   commands.run(command::openTemplate);        // "Å&bne..."
//   commands.armContextHelp();                  // Shift+F1
//   commands.run(command::zoom);                // opens help instead
//
// While a generation run is active, commands are not run (the run keeps
// the window busy; a front-end should not deliver them, and this makes
// sure). Context help: while armed, or while F1 is held, a command opens
// the help page of its menu instead of running, and disarms.

#include <string>

#include "app/CommandTable.h"
#include "app/SimpleMode.h"
#include "app/commands/AnagramDialog.h"

namespace vorkel {

class ApplicationContext;
class GridView;
class HandOver;
class Shell;

class CommandDispatcher {
 public:
  // `drawer` takes the simple menu's crosswords to the drawing program.
  CommandDispatcher(ApplicationContext& context, GridView& view, Shell& shell, HandOver& drawer);

  // Runs the command. False for a number the table does not know, and for
  // any number while a run is active.
  bool run(int number);

  // Loads a template as the open command does (the recent-files list, the
  // command line and a dropped file's later choice come here).
  bool loadTemplateCommand(const std::string& path);

  // A file dropped on the window: it becomes the template path and goes on
  // the recent-files list; the template in memory stays.
  void dropFile(const std::string& path);

  void armContextHelp();
  void disarmContextHelp();
  bool contextHelpArmed() const { return helpArmed_; }
  void setF1Held(bool held) { f1Held_ = held; }

  bool runActive() const { return runActive_; }
  // Asks an active run to end after its current attempt (closing the
  // window during a run).
  void requestStop();

 private:
  bool dispatch(int number);
  // Runs a command that keeps the window busy, and repaints afterwards.
  template <class F>
  void busy(F&& work);

  ApplicationContext& context_;
  GridView& view_;
  Shell& shell_;
  SimpleMode simple_;
  AnagramDialog anagrams_;
  std::string lastSearch_;
  bool helpArmed_ = false;
  bool f1Held_ = false;
  bool runActive_ = false;
};

}  // namespace vorkel
