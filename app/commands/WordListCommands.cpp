#include "app/commands/WordListCommands.h"

#include <optional>
#include <string>

#include "dictionary/DictionarySession.h"
#include "dictionary/Texts.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordListOperations.h"
#include "platform/Files.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// The chosen file, or nothing when the dialog was cancelled or the name
// does not carry an accepted extension.
std::optional<std::string> chooseFile(DictionarySession& session, bool forSaving) {
  FileDialogData& dialog = session.dialog;
  const bool chosen =
      forSaving ? session.ui.saveFileDialog(dialog) : session.ui.openFileDialog(dialog);
  if (!chosen) return std::nullopt;
  const std::string& name = dialog.fileName;
  if (!(forSaving ? isDictionaryFileName(name) : isWordFileName(name))) return std::nullopt;
  return Files::findCaseInsensitive(Files::joinPath(session.workFolder, name));
}

// Runs `operation` on the chosen file under the wait cursor.
template <class Operation>
bool withChosenFile(DictionarySession& session, bool forSaving, Operation operation) {
  const std::optional<std::string> path = chooseFile(session, forSaving);
  if (!path) return false;
  session.ui.setCursor(Cursor::Wait);
  const bool done = operation(*path);
  session.ui.setCursor(Cursor::Arrow);
  return done;
}

}  // namespace

bool replaceWordListCommand(DictionarySession& session) {
  // The extension is checked before anything else: a name that will not be
  // read must not cost the user the dictionary in memory.
  return withChosenFile(session, false,
                        [&](const std::string& path) { return replaceFromWordFile(session, path); });
}

bool unionWordListCommand(DictionarySession& session) {
  return withChosenFile(session, false, [&](const std::string& path) {
    return loadWordFile(*session.dictionary, path);
  });
}

bool subtractWordListCommand(DictionarySession& session) {
  session.ui.messageBox(texts::subtractNotice, texts::subtractNoticeCaption);
  return withChosenFile(session, false, [&](const std::string& path) {
    return subtractWordFile(session, path);
  });
}

bool joinWordListCommand(DictionarySession& session) {
  return withChosenFile(session, false,
                        [&](const std::string& path) { return joinWordFile(session, path); });
}

bool saveWordListCommand(DictionarySession& session) {
  return withChosenFile(session, true, [&](const std::string& path) {
    return saveDictionary(*session.dictionary, path, session.random);
  });
}

}  // namespace vorkel
