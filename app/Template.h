#pragma once
// The generation template (".skb"): the names of everything a generation
// run needs, loaded and saved together.
//
// An INI file with one section "Skabelon":
//   Model=PuslFlad.ktd      crossword document
//   Trie=dksort.dic         dictionary (.dic or word list)
//   Vej=Puslflad.vej        path
//   Parametre=Default.par   search parameters
//   DestDir=C:\Lager        output folder for raw crosswords
//   Sprog=0                 language number
//   MinScore=50             optional: the least word score a fill uses where
//                           the dictionary has a score file (0..100)
//
// `Template` is the state of the current template in one application
// context; the document's own file name lives in the context's document
// dialog data. Reading and writing the file, and the menu commands that
// open and save templates, are in app/TemplateFile.h.

#include <optional>
#include <string>
#include <string_view>

#include "dictionary/LanguageId.h"
#include "platform/Profile.h"
#include "platform/Ui.h"

namespace vorkel {

struct Template {
  static constexpr std::size_t MaxDestDir = 127;
  static constexpr std::size_t MaxValue = 511;

  // The .skb file; empty before the first load or save.
  std::string templatePath;
  // Names as the template gave them (absolute, or relative to the context's
  // work folder), resolved against a fallback folder where needed.
  // The dictionary file a save records: the name the template gave, also
  // when that file could not be loaded (the template must not lose it).
  std::string dictionaryName;
  // The file whose words are in memory, so that the next template naming
  // the same file keeps them; empty when none was loaded from a file.
  std::string dictionaryPath;
  // The floor the store in memory was loaded at; 0: every word.
  int dictionaryFloor = 0;
  std::string pathFileName;
  std::string parameterFileName;
  std::string destDir;
  LanguageId language = LanguageId::Danish;
  // MinScore: the floor of word scores a fill uses; -1 when the template
  // names none (then a fill uses every word not scored 0).
  int minScore = -1;
  // Fyld=hurtig: the window's runs fill with the fast fill (engine/FastFill.h)
  // from the dictionary's words at the floor, instead of following the path;
  // forced-word runs and "&Tjek" keep the path fill. False when the template
  // has no such key, so a template made without it runs as it always did.
  bool fastFill = false;
  // The profile of the last loaded template, kept until the next load.
  std::optional<Profile> templateProfile;
  // Template loads in this run: the first is not put on the recent-files list.
  int loads = 0;
  // The open and save dialogs of templates.
  FileDialogData dialog;
};

}  // namespace vorkel
