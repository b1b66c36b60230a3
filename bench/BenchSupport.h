#pragma once
// What the benchmarks share: a ui that only counts messages (benchmarks are
// not interactive) and a wall-clock stopwatch.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Ui.h"

namespace vorkel::bench {

using Clock = std::chrono::steady_clock;

class QuietUi : public Ui {
 public:
  int messages = 0;
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

// Seconds since `since`.
inline double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

}  // namespace vorkel::bench
