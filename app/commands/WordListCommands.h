#pragma once
// The word-list commands of the "Ordbog" menu: each shows the open dialog
// (the save dialog for "Gem ord-liste") on the session's shared record,
// checks the chosen name's extension and runs its operation
// (dictionary/WordListOperations.h) under the wait cursor. Cancel does
// nothing; so does a name whose extension is not exactly ".txt", ".TXT",
// ".dic" or ".DIC" (for saving ".dic" or ".DIC").
//
// Each answers true when the dictionary was changed or saved. Relative names
// are read against the session's work folder and looked up without regard
// to case.

namespace vorkel {

struct DictionarySession;

// Command ids of the menu (the status bar shows the string of the same id).
namespace wordListCommand {
inline constexpr int replace = 51673;
inline constexpr int unite = 11857;
inline constexpr int subtract = 11860;
inline constexpr int join = 11862;
inline constexpr int save = 51689;
}  // namespace wordListCommand

bool replaceWordListCommand(DictionarySession& session);   // "Hent ny ord-liste (erstat)"
bool unionWordListCommand(DictionarySession& session);     // "Tilføj ord-liste (union)"
bool subtractWordListCommand(DictionarySession& session);  // "Slet fra ordliste (sub)"
bool joinWordListCommand(DictionarySession& session);      // "Fællesord fra ordliste (join)"
bool saveWordListCommand(DictionarySession& session);      // "Gem ord-liste"

}  // namespace vorkel
