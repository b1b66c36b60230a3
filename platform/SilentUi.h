#pragma once
// A ui port that talks to nobody: every message is answered Ok (and
// counted), questions and dialogs are cancelled, the keyboard queue is empty
// and the window's status text, cursor and caption go nowhere. For work that
// must not involve the user: drawing a model's picture, benchmarks.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Ui.h"

namespace vorkel {

class SilentUi : public Ui {
 public:
  int messages = 0;  // message boxes shown so far

  Answer messageBox(std::string_view, std::string_view, Icon, Buttons) override {
    ++messages;
    return Answer::Ok;
  }
  std::optional<std::string> inputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  std::string showDialog(DialogForm&) override { return {}; }
  bool openFileDialog(FileDialogData&) override { return false; }
  bool saveFileDialog(FileDialogData&) override { return false; }
  bool pollKey(KeyMessage&) override { return false; }
  void setStatusText(std::string_view) override {}
  void setCursor(Cursor) override {}
  void setCaption(std::string_view) override {}
  void beep() override {}
  bool openWithDesktop(std::string_view) override { return false; }
};

}  // namespace vorkel
