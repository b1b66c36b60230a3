#pragma once
// The dialog "Ændre indhold i ordbog" ("Ændre indhold"): one word field and
// the buttons "SLUT", "Indskriv", "Test", "Slet" and "Nulstil".
//
// A humble dialog: the form is shown through the ui, and every button but
// "SLUT" does its work here and opens the form again with the word still in
// the field, as the modal dialog stays open. Closing the window ends it like
// "SLUT".
//
//   Indskriv  adds the word (a duplicate silently changes nothing)
//   Test      "Tjek på medlem af ordbog" with the answer as caption:
//             "Ordet er der" / "Ordet mangler"
//   Slet      removes the word when it is stored; no message
//   Nulstil   asks for a planned size (1000..2000000, default 110000) and
//             replaces the dictionary by an empty one of that size
//
// An empty field does nothing. The field holds at most 39 characters.

#include <cstddef>
#include <string>

#include "platform/Ui.h"

namespace vorkel {

struct DictionarySession;

namespace editDialog {
inline constexpr int commandId = 51702;
inline constexpr int dialogId = 800;
inline constexpr const char* wordField = "ord";  // control 110
inline constexpr std::size_t wordBufferSize = 40;
inline constexpr std::size_t sizeBufferSize = 8;
inline constexpr int minimumSize = 1000;
inline constexpr int maximumSize = 2000000;
}  // namespace editDialog

// The form as it opens: the empty word field and the five buttons.
DialogForm editDialogForm();

// Runs the dialog until "SLUT" or the window is closed.
void runEditDialog(DictionarySession& session);

// "Nulstil" alone: asks for the planned size until it is in range or the
// user cancels. True when a new empty dictionary was made.
bool resetDictionary(DictionarySession& session);

}  // namespace vorkel
