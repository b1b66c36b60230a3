#include "app/ForcedWordsDialog.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "engine/ForcedWords.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr std::size_t kWordsFieldLength = 1999;
constexpr std::size_t kCountFieldLength = 19;
// The words field is written into "tvang.txt" up to this many bytes.
constexpr std::size_t kMaxForcedBytes = 3999;

// The number at the start of the text, as the C library's strtol reads it
// ("12 ord" is 12, "ord" is 0), kept within int.
int leadingNumber(const std::string& text) { return leadingInt(text); }

// The field's text as the lines of a text file: Windows-1252, CR LF after
// every line, the last one included.
std::string forcedBytes(const std::string& utf8) {
  std::string bytes = utf8ToCp1252(utf8).value_or(std::string());
  if (bytes.size() > kMaxForcedBytes) bytes.resize(kMaxForcedBytes);
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out + "\r\n";
}

DialogForm makeForm(const ApplicationContext& context) {
  using namespace forcedDialog;
  std::string words;
  if (std::optional<std::vector<std::string>> list =
          readWordList(forcedPath(context), ForcedLineLimit, context.language)) {
    for (const std::string& w : *list) {
      if (!words.empty()) words += '\n';
      words += w;
    }
  }
  const ForcedSettings& s = context.forced;
  DialogForm form;
  form.id = Id;
  form.title = texts::forcedDialogTitle;
  form.fields = {
      {WordsField, firstCharacters(cp1252ToUtf8(words), kWordsFieldLength), texts::forcedWordsLabel,
       kWordsFieldLength, false, DialogField::Kind::Lines},
      {UseFileField, s.useWordFile ? "1" : "0", texts::forcedOrLabel, 0, false, DialogField::Kind::CheckBox},
      {CountField, std::to_string(s.numberToDraw), texts::forcedAtLeastLabel, kCountFieldLength},
      {FileField, s.wordFile, texts::forcedFromFileLabel, ForcedSettings::MaxWordFile}};
  form.buttons = {Ok, Cancel, texts::forcedBrowseButton, Help};
  return form;
}

}  // namespace

std::string forcedPath(const ApplicationContext& context) {
  return context.locate(texts::forcedFileName);
}

bool runForcedWordsDialog(ApplicationContext& context) {
  using namespace forcedDialog;
  Ui& ui = context.ui;
  DialogForm form = makeForm(context);
  FileDialogData files;
  files.mustExist = true;
  std::string button;
  for (;;) {
    button = ui.showDialog(form);
    if (button == texts::forcedBrowseButton) {
      files.fileName = form.text(FileField);
      if (ui.openFileDialog(files))
        form.set(FileField, firstCharacters(files.fileName, ForcedSettings::MaxWordFile));
    } else if (button == Help) {
      ui.messageBox(texts::noHelp, texts::noHelpCaption);
    } else if (button == Ok && form.text(UseFileField) == "1" &&
               form.text(FileField).find_first_not_of(' ') == std::string::npos) {
      ui.messageBox(texts::forcedNoWordFile, texts::forcedDialogTitle, Icon::Warning);
    } else {
      break;
    }
  }
  if (button != Ok) return false;

  if (!Files::writeFileAtomically(forcedPath(context), forcedBytes(form.text(WordsField)))) {
    ui.messageBox(texts::forcedWriteFailed, texts::forcedWriteFailedCaption);
    return true;
  }
  ForcedSettings& s = context.forced;
  s.useWordFile = form.text(UseFileField) == "1";
  s.numberToDraw = leadingNumber(form.text(CountField));
  s.wordFile = firstCharacters(form.text(FileField), ForcedSettings::MaxWordFile);
  return true;
}

}  // namespace vorkel
