#include "app/commands/EditDialog.h"

#include <cstdio>

#include "dictionary/DictionarySession.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordLookup.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

void testWord(DictionarySession& session, const std::string& word) {
  // A text that cannot be a word is not in the dictionary, whatever the
  // fill's membership test answers for it.
  const bool stored = lookUpWord(*session.dictionary, word) == WordStatus::Stored;
  session.ui.messageBox(texts::memberTest, stored ? texts::wordPresent : texts::wordMissing);
}

}  // namespace

DialogForm editDialogForm() {
  DialogForm form;
  form.id = "ordbog800";
  form.title = texts::editTitle;
  // The word's text buffer holds 40 bytes with its terminating zero.
  form.fields.push_back({editDialog::wordField, "", texts::editWordLabel, 39});
  form.buttons = {texts::editClose, texts::editInsert, texts::editTest, texts::editDelete,
                  texts::editReset};
  return form;
}

void runEditDialog(DictionarySession& session) {
  DialogForm form = editDialogForm();
  for (;;) {
    const std::string button = session.ui.showDialog(form);
    if (button == texts::editReset) {
      resetDictionary(session);
      continue;
    }
    const bool wordButton =
        button == texts::editInsert || button == texts::editTest || button == texts::editDelete;
    if (!wordButton) return;  // "SLUT" or the window closed

    const std::string word =
        dialogText(form.text(editDialog::wordField), editDialog::wordBufferSize, '?');
    if (word.empty()) continue;
    WordStore& dict = *session.dictionary;
    if (button == texts::editInsert) {
      dict.insertWord(word);
    } else if (button == texts::editTest) {
      testWord(session, word);
    } else if (lookUpWord(dict, word) == WordStatus::Stored) {
      dict.deleteWord(word);
    }
  }
}

bool resetDictionary(DictionarySession& session) {
  std::string entered = texts::newDictionaryInitial;
  for (;;) {
    const auto answer =
        session.ui.inputBox(texts::newDictionaryPrompt, texts::newDictionaryTitle, entered);
    if (!answer) return false;
    entered = *answer;  // shown again after a refusal
    const long size = leadingInt(dialogText(*answer, editDialog::sizeBufferSize, '?'));
    if (size >= editDialog::minimumSize && size <= editDialog::maximumSize) {
      session.ui.setCursor(Cursor::Wait);
      session.renew(static_cast<int>(size));
      session.ui.setCursor(Cursor::Arrow);
      session.ui.messageBox(texts::newDictionaryDone, texts::newDictionaryDoneCaption);
      return true;
    }
    char message[160];
    std::snprintf(message, sizeof message, texts::valueOutOfRange, texts::newDictionarySizeName,
                  editDialog::minimumSize, editDialog::maximumSize);
    session.ui.messageBox(message, texts::valueOutOfRangeCaption, Icon::Stop);
  }
}

}  // namespace vorkel
