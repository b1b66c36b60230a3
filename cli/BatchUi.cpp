#include "cli/BatchUi.h"

#include <ostream>

namespace vorkel {

Answer BatchUi::messageBox(std::string_view text, std::string_view caption, Icon icon,
                           Buttons buttons) {
  ++messages_;
  // Format the line apart, then write it whole under the lock.
  std::ostringstream line;
  StderrUi format(line);
  const Answer answer = format.messageBox(text, caption, icon, buttons);
  if (muted_) return answer;
  const std::lock_guard<std::mutex> guard(lock_);
  err_ << line.str() << std::flush;
  return answer;
}

std::string BatchUi::showDialog(DialogForm& form) {
  return form.buttons.empty() ? std::string() : form.buttons.front();
}

bool BatchUi::pollKey(KeyMessage& key) {
  if (!stop_.load(std::memory_order_relaxed)) return false;
  key.key = KeyMessage::Escape;
  return true;
}

}  // namespace vorkel
