#include "cli/StderrUi.h"

#include <ostream>
#include <string>

namespace vorkel {

namespace {

// Message texts may hold line breaks; the terminal shows them on one line.
std::string oneLine(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

}  // namespace

Answer StderrUi::messageBox(std::string_view text, std::string_view caption, Icon,
                            Buttons buttons) {
  ++messages_;
  if (caption.empty()) err_ << oneLine(text) << '\n';
  else err_ << oneLine(caption) << ": " << oneLine(text) << '\n';
  switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Cancel;
    case Buttons::AbortRetryIgnore:
      return Answer::Abort;
    default:
      return Answer::Ok;
  }
}

std::optional<std::string> StderrUi::inputBox(std::string_view, std::string_view,
                                              std::string_view) {
  return std::nullopt;
}

std::string StderrUi::showDialog(DialogForm& form) {
  return form.buttons.empty() ? std::string() : form.buttons.front();
}

bool StderrUi::pollKey(KeyMessage& key) {
  if (keys_.empty()) return false;
  key = keys_.front();
  keys_.pop_front();
  return true;
}

bool StderrUi::openWithDesktop(std::string_view path) {
  err_ << path << '\n';
  return true;
}

}  // namespace vorkel
