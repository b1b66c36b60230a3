#pragma once
// The Qt Widgets implementation of the user-interface port.
//
// Message boxes, input boxes and file dialogs are the stock Qt dialogs; a
// humble dialog form is shown as a generic FormDialog. Status text goes to
// the main window's status bar and the caption to its title.
//
// The keyboard-message queue: while long work runs, an event filter on the
// application takes key presses out of the normal event flow and queues them;
// pollKey() lets Qt process pending events and then hands out one queued key.
// Long work is recognised by the cursor (Wait or Hidden, as the core sets it
// around the fill) or announced with setKeyCapture(true).

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Ui.h"

class QKeyEvent;
class QLabel;
class QMainWindow;

namespace vorkel {

// Converts a file-dialog filter of the form
// "Kryds Filer (*.ktd)|*.ktd|Alle Filer (*.*)|*.*|" to Qt's
// "Kryds Filer (*.ktd);;Alle Filer (*.*)". A description that does not show
// its patterns in parentheses gets them appended, because Qt reads the
// patterns from there.
std::string qtFilter(std::string_view filter);

// The key code queued for a key press: Escape and Enter as KeyMessage codes,
// digits '0'..'9', letters upper-case 'A'..'Z' (as virtual-key codes, so they
// never collide with the keypad), keypad digits 96..105, space ' ', other
// keys 0. Returns -1 for keys that are not queued (lone modifiers).
int keyMessageCode(const QKeyEvent& event);

class QtUi : public Ui {
 public:
  explicit QtUi(QMainWindow* window);
  ~QtUi() override;
  QtUi(const QtUi&) = delete;
  QtUi& operator=(const QtUi&) = delete;

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view caption,
                                      std::string_view initial) override;
  std::string showDialog(DialogForm& form) override;
  bool openFileDialog(FileDialogData& data) override;
  bool saveFileDialog(FileDialogData& data) override;
  bool chooseFolder(std::string& folder, std::string_view caption) override;
  bool pollKey(KeyMessage& key) override;
  void setStatusText(std::string_view text) override;
  void setCursor(Cursor cursor) override;
  void setCaption(std::string_view caption) override;
  void beep() override;
  void showProgress(std::string_view text) override;
  bool openWithDesktop(std::string_view path) override;

  // The window boxes and dialogs belong to.
  QMainWindow* window() const { return window_; }

  // Captures key presses into the queue even with the normal cursor.
  void setKeyCapture(bool on) { explicitCapture_ = on; }
  bool capturingKeys() const { return explicitCapture_ || cursor_ != Cursor::Arrow; }

 private:
  class KeyFilter;
  bool fileDialog(FileDialogData& data, bool save);

  static constexpr std::chrono::milliseconds EventInterval{10};

  QMainWindow* window_;
  std::chrono::steady_clock::time_point lastEvents_{};
  QLabel* progress_ = nullptr;  // permanent status-bar label, created on first use
  std::unique_ptr<KeyFilter> filter_;
  std::deque<KeyMessage> keys_;
  Cursor cursor_ = Cursor::Arrow;
  bool overrideCursor_ = false;
  bool explicitCapture_ = false;
};

}  // namespace vorkel
