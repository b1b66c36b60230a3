#pragma once
// The ui port of the command line: message boxes go to the error stream as
// "caption: text" (text on one line), questions take their first answer
// (Ok/Yes), dialogs end with their first button, file dialogs are cancelled,
// the keyboard queue is fed by the caller (e.g. a Ctrl-C handler).

#include <deque>
#include <iosfwd>

#include "platform/Ui.h"

namespace vorkel {

class StderrUi : public Ui {
 public:
  explicit StderrUi(std::ostream& err) : err_(err) {}

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view caption,
                                      std::string_view initial) override;
  std::string showDialog(DialogForm& form) override;
  bool openFileDialog(FileDialogData&) override { return false; }
  bool saveFileDialog(FileDialogData&) override { return false; }
  bool pollKey(KeyMessage& key) override;
  void setStatusText(std::string_view) override {}
  void setCursor(Cursor) override {}
  void setCaption(std::string_view) override {}
  void beep() override {}
  bool openWithDesktop(std::string_view path) override;

  void pushKey(KeyMessage key) { keys_.push_back(key); }
  int messageCount() const { return messages_; }

 private:
  std::ostream& err_;
  std::deque<KeyMessage> keys_;
  int messages_ = 0;
};

}  // namespace vorkel
