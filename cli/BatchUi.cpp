#include "cli/BatchUi.h"

namespace vorkel {

Answer BatchUi::messageBox(std::string_view text, std::string_view caption, Icon icon,
                           Buttons buttons) {
  ++messages_;
  const std::lock_guard<std::mutex> guard(lock_);
  if (muted_) return Console::answerFor(buttons);
  return console_.messageBox(text, caption, icon, buttons);
}

bool BatchUi::pollKey(KeyMessage& key) {
  if (!stop_.load(std::memory_order_relaxed)) return false;
  key.key = KeyMessage::Escape;
  return true;
}

}  // namespace vorkel
