#pragma once
// What the command line's ui ports have in common: there is nobody to ask,
// so questions take their first answer (Ok/Yes), dialogs end with their
// first button, file dialogs and input boxes are cancelled, and the window's
// status text, cursor and caption go nowhere. The ports differ in where
// messages go and what the keyboard queue holds (cli/Console.h,
// cli/BatchUi.h).

#include "platform/Ui.h"

namespace vorkel {

class CommandLineUi : public Ui {
 public:
  // The answer to a question with these buttons: the first one.
  static Answer answerFor(Buttons buttons);

  std::optional<std::string> inputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  std::string showDialog(DialogForm& form) override {
    return form.buttons.empty() ? std::string() : form.buttons.front();
  }
  bool openFileDialog(FileDialogData&) override { return false; }
  bool saveFileDialog(FileDialogData&) override { return false; }
  void setStatusText(std::string_view) override {}
  void setCursor(Cursor) override {}
  void setCaption(std::string_view) override {}
  void beep() override {}
  bool openWithDesktop(std::string_view) override { return false; }
};

}  // namespace vorkel
