#pragma once
// The current dictionary and what the dictionary commands need beside it.
//
// The word-list commands and the edit dialog replace the dictionary whole
// (replace, join, "Nulstil") or change it in place (union, subtraction,
// "Indskriv", "Slet"). They live below the application layer, so instead of
// the application context they get this bundle of references into it:
//
//   DictionarySession session{context.dictionary, context.language, context.ui,
//                             context.random, context.dictionaryDialog,
//                             context.workFolder};
//   joinWordListCommand(session);
//
// Everything referenced must outlive the session.

#include <memory>
#include <string>

#include "dictionary/WordStore.h"
#include "dictionary/WordListEncoding.h"

namespace vorkel {

class Language;
class Random;
class Ui;
struct FileDialogData;

struct DictionarySession {
  std::unique_ptr<WordStore>& dictionary;
  const Language& language;
  Ui& ui;
  Random& random;           // filler bits and word order of saved `.dic` files
  FileDialogData& dialog;   // the shared record of dictionary/DictionaryDialogData.h
  std::string workFolder;   // the "current directory": relative names, "bygtmp.dic"
  // How word lists are read; the window program's files are Windows-1252.
  WordListEncoding encoding = WordListEncoding::Cp1252;

  // Throws the dictionary away and makes an empty one planned for
  // `plannedWords`. The old store goes first, so two large stores never live
  // at once.
  WordStore& renew(int plannedWords) {
    dictionary.reset();
    dictionary = WordStore::planCapacity(plannedWords, language, ui);
    return *dictionary;
  }
};

}  // namespace vorkel
