#pragma once
// The file-dialog record of the dictionary files.
//
// One record is shared by the five word-list commands (replace, union,
// subtraction, join, save) and by the template's dictionary file (key
// "Trie"), so the file last chosen in any of them is the one a template
// saves as its dictionary. The open dialog accepts only existing files; the
// save dialog asks before it overwrites one.

#include <string>

#include "dictionary/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

inline FileDialogData dictionaryDialogData(std::string folder = {}) {
  FileDialogData data;
  data.filter = texts::dictionaryFilter;
  data.defaultExtension = texts::dictionaryExtension;
  data.folder = std::move(folder);
  data.mustExist = true;
  data.promptOverwrite = true;
  return data;
}

}  // namespace vorkel
