#include "app/commands/AnagramDialog.h"

#include <cstdio>
#include <optional>

#include "dictionary/AnagramFinder.h"
#include "dictionary/AnagramSettings.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// Dialog text (UTF-8) -> Windows-1252, cut to the size of the text buffer it
// was typed into. A character without a Windows-1252 byte becomes '?', which
// no word holds.
std::string fromDialog(const std::string& utf8, std::size_t bufferSize) {
  std::string bytes = utf8ToCp1252(utf8).value_or(std::string());
  if (bytes.size() > bufferSize - 1) bytes.resize(bufferSize - 1);
  return bytes;
}

std::string format(const char* pattern, const std::string& value) {
  std::string out(std::string_view(pattern).size() + value.size() + 1, '\0');
  const int n = std::snprintf(out.data(), out.size(), pattern, value.c_str());
  out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return out;
}

}  // namespace

std::string AnagramDialog::path(const char* name) const { return Files::joinPath(folder_, name); }

void AnagramDialog::run(WordStore& dict, Ui& ui) {
  DialogForm form;
  form.id = Id;
  form.title = texts::anagramDialogTitle;
  form.fields = {{"overskrift", texts::anagramHeading, texts::anagramHeading},
                 {ShortestField, shortest_, texts::anagramShortestLabel},
                 {LongestField, longest_, texts::anagramLongestLabel},
                 {AnswersField, answers_, texts::anagramAnswersLabel},
                 {WordsField, words_, texts::anagramWordsLabel}};
  form.buttons = {texts::anagramStandardButton, texts::anagramWordButton, texts::anagramVerbButton,
                  texts::anagramListButton, texts::anagramCancelButton};
  const std::string button = ui.showDialog(form);
  shortest_ = form.text(ShortestField);
  longest_ = form.text(LongestField);
  answers_ = form.text(AnswersField);
  words_ = form.text(WordsField);

  if (button == texts::anagramStandardButton) search(Kind::All, dict, ui);
  else if (button == texts::anagramWordButton) search(Kind::WithWord, dict, ui);
  else if (button == texts::anagramVerbButton) search(Kind::WithVerb, dict, ui);
  else if (button == texts::anagramListButton) search(Kind::WithList, dict, ui);
}

bool AnagramDialog::askWordDialog(Ui& ui) {
  DialogForm form;
  form.id = WordId;
  form.title = texts::anagramWordDialogTitle;
  form.fields = {{PhraseField, wordPhrase_, texts::anagramWordPhraseLabel},
                 {GivenWordField, givenWord_, texts::anagramWordWordLabel}};
  form.buttons = {Ok, Cancel};
  const std::string button = ui.showDialog(form);
  wordPhrase_ = form.text(PhraseField);
  givenWord_ = form.text(GivenWordField);
  return button == Ok;
}

bool AnagramDialog::askListDialog(Ui& ui, std::string& phrase, std::string& file) {
  DialogForm form;
  form.id = ListId;
  form.title = texts::anagramListDialogTitle;
  form.fields = {{PhraseField, "", ""}, {ListFileField, "", texts::anagramListFileLabel}};
  form.buttons = {Ok, Cancel, texts::anagramBrowseButton};
  FileDialogData files;
  files.filter = texts::anagramListFilter;
  files.defaultExtension = texts::anagramListExtension;
  files.mustExist = true;
  std::string button;
  for (;;) {
    button = ui.showDialog(form);
    if (button != texts::anagramBrowseButton) break;
    files.fileName = form.text(ListFileField);
    if (ui.openFileDialog(files)) form.set(ListFileField, files.fileName);
  }
  phrase = form.text(PhraseField);
  file = form.text(ListFileField);
  // The phrase and the list file are shown as the dialog closes, also on Cancel.
  ui.messageBox(phrase, file);
  return button == Ok;
}

void AnagramDialog::search(Kind kind, WordStore& dict, Ui& ui) {
  std::string phrase;
  std::string listFile;
  switch (kind) {
    case Kind::All:
    case Kind::WithVerb: {
      const char* title = kind == Kind::All ? texts::anagramInputTitle : texts::anagramVerbInputTitle;
      const std::optional<std::string> typed = ui.inputBox(texts::anagramInputPrompt, title, "");
      if (!typed) return;
      phrase = *typed;
      break;
    }
    case Kind::WithWord:
      if (!askWordDialog(ui)) return;
      phrase = wordPhrase_;
      break;
    case Kind::WithList:
      if (!askListDialog(ui, phrase, listFile)) return;
      break;
  }

  const AnagramSettings settings = AnagramSettings::fromTexts(shortest_, longest_, answers_, words_);
  AnagramFinder finder(dict, settings);
  const std::string bytes = fromDialog(phrase, 100);
  AnagramFinder::Result result;

  if (kind == Kind::WithWord) {
    std::optional<AnagramFinder::Result> found = finder.searchWithWord(bytes, fromDialog(givenWord_, 80));
    if (!found) {
      ui.messageBox(texts::anagramWordNotInPhrase, texts::anagramErrorCaption, Icon::Stop);
      return;
    }
    result = std::move(*found);
  } else if (kind == Kind::WithVerb || kind == Kind::WithList) {
    // The verb list is read once and kept; a chosen list replaces it for one
    // search only. A list that cannot be read would give an empty result
    // that looks like "no anagrams", so the user is told instead.
    const std::string file = kind == Kind::WithVerb ? path(VerbFile) : listFile;
    if (kind == Kind::WithList || list_.empty()) {
      if (list_.load(file, dict.language(), ui) == AnagramWordList::Load::CannotOpen) {
        ui.messageBox(format(texts::anagramListUnreadable, file), texts::anagramErrorCaption,
                      Icon::Stop);
        return;
      }
    }
    result = finder.searchWithList(bytes, list_);
    if (kind == Kind::WithList) list_.clear();
  } else {
    result = finder.searchAll(bytes);
  }
  saveAndShow(result.text, ui);
}

bool AnagramDialog::saveAndShow(const std::string& text, Ui& ui) {
  const std::string file = path(ResultFile);
  if (!Files::writeFileAtomically(file, text)) {
    ui.messageBox(format(texts::anagramWriteFailed, file), texts::anagramErrorCaption, Icon::Stop);
    return false;
  }
  if (!ui.openWithDesktop(file)) {
    ui.messageBox(format(texts::anagramShowFailed, file), texts::anagramErrorCaption,
                  Icon::Warning);
    return false;
  }
  return true;
}

}  // namespace vorkel
