#pragma once
// What the commands need from the window around them, beyond the ui port:
// the menu bar, the help and about windows, closing, repainting the grid
// view, and the help cursor. The Qt main window implements it; tests use a
// recording fake.

#include <string_view>

#include "app/CommandTable.h"

namespace vorkel {

class Shell {
 public:
  virtual ~Shell() = default;
  // Replaces the menu bar.
  virtual void setMenu(MenuId menu) = 0;
  // Opens the program's help at a page ("index.html": the contents).
  virtual void showHelp(std::string_view page) = 0;
  // "Om Vorkelen".
  virtual void showAbout() = 0;
  // Closes the main window (the program ends).
  virtual void closeWindow() = 0;
  // The document or the view's state changed: paint it again.
  virtual void repaintView() = 0;
  // The pointer shows the help cursor while context help is armed.
  virtual void setHelpCursor(bool on) = 0;
};

}  // namespace vorkel
