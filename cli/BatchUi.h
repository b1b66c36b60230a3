#pragma once
// The ui port of one job of a batch run (`vorkel generate --jobs N`).
//
// Messages go to the shared error stream like StderrUi's ("caption: text"),
// one whole line at a time under the batch's lock, so the jobs' messages do
// not tear each other. The keyboard queue answers Escape once the batch is
// told to stop: the fill looks at it every 128 entries and ends the attempt
// at once, which is how Ctrl-C stops a job in the middle of a long search.

#include <atomic>
#include <iosfwd>
#include <mutex>
#include <sstream>

#include "cli/StderrUi.h"

namespace vorkel {

class BatchUi : public Ui {
 public:
  BatchUi(std::ostream& err, std::mutex& lock, const std::atomic<bool>& stop)
      : err_(err), lock_(lock), stop_(stop) {}

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  std::string showDialog(DialogForm& form) override;
  bool openFileDialog(FileDialogData&) override { return false; }
  bool saveFileDialog(FileDialogData&) override { return false; }
  bool pollKey(KeyMessage& key) override;
  void setStatusText(std::string_view) override {}
  void setCursor(Cursor) override {}
  void setCaption(std::string_view) override {}
  void beep() override {}
  bool openWithDesktop(std::string_view) override { return false; }

  // Message boxes shown so far.
  int messageCount() const { return messages_; }
  // A muted port counts its messages but writes none: the jobs after the
  // first load the same files, whose messages the first one has shown.
  void setMuted(bool muted) { muted_ = muted; }

 private:
  std::ostream& err_;
  std::mutex& lock_;
  const std::atomic<bool>& stop_;
  int messages_ = 0;
  bool muted_ = false;
};

}  // namespace vorkel
