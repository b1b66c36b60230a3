#pragma once
// The wizard's state: what the pages have chosen so far. One object, made
// at start and read by every page and by the copy run.

#include <string>

#include "setup/Selection.h"

namespace vorkel::setup {

struct WizardState {
  ProgramSelection selection;
  LanguageChoice languages;
  SetupType setupType = SetupType::Typical;  // "Typisk" until the page is used
  std::string destinationBase;  // absolute, ends in "/"
  std::string destinationName;  // no leading or trailing separator
  std::string programFolderName;  // the menu folder that gets the shortcuts
  std::string programsFolder;     // the user's applications folder, ends in "/"

  // destination base + name + "/".
  std::string installRoot() const { return destinationBase + destinationName + "/"; }
};

}  // namespace vorkel::setup
