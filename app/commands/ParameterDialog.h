#pragma once
// The dialog "Opsæt Fuzzy-variabler" (command "&Ændre Parametre").
//
// Shown as a humble form (id "parametre") with one field per parameter, named
// by parameterInfo[i].key, and the buttons "OK", "Cancel", "Save", "Load" and
// "Restore". The front-end limits typing to three characters per field.
//
// - OK checks the fields in order; the first value outside its range is
//   reported ("Værdien for %s skal være mellem %d og %d") and the dialog
//   opens again with the fields as the user left them. Only a complete,
//   valid set is taken.
// - Cancel (or closing the window) restores the values from the opening.
// - Save checks and takes the values the dialog opened with (or last loaded),
//   asks for a file name and writes them.
// - Load asks for a file, reads it and shows its values.
// - Restore reads the file last chosen in `files` again and shows its values.

#include "engine/SearchParameters.h"
#include "platform/Ui.h"

namespace vorkel {

// True when the dialog ended with OK.
bool runParameterDialog(SearchParameters& params, FileDialogData& files, Ui& ui);

}  // namespace vorkel
