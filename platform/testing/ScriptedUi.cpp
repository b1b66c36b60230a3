#include "platform/testing/ScriptedUi.h"

namespace vorkel {

namespace {

Answer firstAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Retry;
    case Buttons::AbortRetryIgnore:
      return Answer::Abort;
  }
  return Answer::Ok;
}

bool fileDialog(std::deque<std::optional<std::string>>& files, FileDialogData& data) {
  if (files.empty()) return false;
  std::optional<std::string> next = std::move(files.front());
  files.pop_front();
  if (!next) return false;
  data.fileName = *next;
  // A multiple choice: the script names one file.
  if (data.multiple) data.fileNames = {*next};
  return true;
}

}  // namespace

Answer ScriptedUi::messageBox(std::string_view text, std::string_view caption, Icon icon,
                              Buttons buttons) {
  messages.push_back({std::string(text), std::string(caption), icon, buttons});
  if (answers.empty()) return firstAnswer(buttons);
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedUi::inputBox(std::string_view prompt, std::string_view caption,
                                                std::string_view initial) {
  messages.push_back({std::string(prompt), std::string(caption), Icon::None, Buttons::OkCancel});
  (void)initial;
  if (inputs.empty()) return std::nullopt;
  auto next = std::move(inputs.front());
  inputs.pop_front();
  return next;
}

std::string ScriptedUi::showDialog(DialogForm& form) {
  dialogs.push_back(form);
  if (dialogAnswers.empty()) return form.buttons.empty() ? std::string() : form.buttons.front();
  DialogAnswer a = std::move(dialogAnswers.front());
  dialogAnswers.pop_front();
  for (auto& [name, text] : a.edits) form.set(name, text);
  return a.button;
}

bool ScriptedUi::openFileDialog(FileDialogData& data) { return fileDialog(files, data); }
bool ScriptedUi::saveFileDialog(FileDialogData& data) { return fileDialog(files, data); }

bool ScriptedUi::chooseFolder(std::string& folder, std::string_view caption) {
  (void)caption;
  if (folders.empty() || !folders.front()) {
    if (!folders.empty()) folders.pop_front();
    return false;
  }
  folder = *folders.front();
  folders.pop_front();
  return true;
}

bool ScriptedUi::pollKey(KeyMessage& key) {
  ++polls;
  if (onPoll) onPoll();
  if (keys.empty()) return false;
  key = keys.front();
  keys.pop_front();
  return true;
}

bool ScriptedUi::openWithDesktop(std::string_view path) {
  opened.emplace_back(path);
  return desktopOpens;
}

std::vector<std::string> ScriptedUi::messageTexts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace vorkel
