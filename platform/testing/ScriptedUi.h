#pragma once
// The scripted user-interface port for tests.
//
// Records every call (message boxes with text, caption, icon and buttons;
// dialogs as shown; status texts; ...) and answers from queues that the test
// fills beforehand. An empty answer queue gives the first button's answer
// (Ok, Yes, ...), "Fortryd"/Cancel for input boxes and file dialogs, and the
// first button of a dialog form.

#include <deque>
#include <functional>
#include <map>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace vorkel {

class ScriptedUi : public Ui {
 public:
  struct Message {
    std::string text;
    std::string caption;
    Icon icon;
    Buttons buttons;
  };
  struct DialogAnswer {
    std::string button;
    std::map<std::string, std::string> edits;  // field name -> new text
  };

  // --- scripting ---
  std::deque<Answer> answers;                      // for messageBox
  std::deque<std::optional<std::string>> inputs;   // for inputBox
  std::deque<DialogAnswer> dialogAnswers;          // for showDialog
  std::deque<std::optional<std::string>> files;    // for open/save dialogs
  std::deque<std::optional<std::string>> folders;  // for folder dialogs
  std::deque<KeyMessage> keys;                     // the keyboard queue
  bool desktopOpens = true;
  // Called on every pollKey before the queue is read (e.g. to feed keys late).
  std::function<void()> onPoll;

  // --- records ---
  std::vector<Message> messages;
  std::vector<DialogForm> dialogs;  // each form as it was shown
  std::vector<std::string> statusTexts;
  std::vector<std::string> captions;
  std::vector<std::string> progress;
  std::vector<std::string> opened;
  std::vector<Cursor> cursors;
  int beeps = 0;
  std::vector<std::pair<int, int>> tones;  // (Hz, ms) of each tone
  int polls = 0;

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view caption,
                                      std::string_view initial) override;
  std::string showDialog(DialogForm& form) override;
  bool openFileDialog(FileDialogData& data) override;
  bool chooseFolder(std::string& folder, std::string_view caption) override;
  bool saveFileDialog(FileDialogData& data) override;
  bool pollKey(KeyMessage& key) override;
  void setStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void setCursor(Cursor cursor) override { cursors.push_back(cursor); }
  void setCaption(std::string_view caption) override { captions.emplace_back(caption); }
  void beep() override { ++beeps; }
  void tone(int frequencyHz, int milliseconds) override {
    ++beeps;
    tones.emplace_back(frequencyHz, milliseconds);
  }
  void showProgress(std::string_view text) override { progress.emplace_back(text); }
  bool openWithDesktop(std::string_view path) override;

  // The texts of all message boxes, in order.
  std::vector<std::string> messageTexts() const;
  const Message& lastMessage() const { return messages.back(); }
};

}  // namespace vorkel
