#pragma once
// The language numbers of the command line: those of the "Skift sprog"
// dialog, with their English names for help texts and messages.
//
//   0 Danish   2 German    3 Swedish   4 Norwegian (Danish tables)
//   5 Icelandic   6 French, 7 Dutch (no tables of their own yet)
//   8 Italian (English tables)   9 Spanish   10 English
//
// Any other number (1, 11, -1) is refused; the window program's "take the
// English tables" for them is a fallback for old templates, not a choice.

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

// "Danish (0)"; "language 1 (no such language)" for numbers outside the table.
std::string languageName(int number);

// Whether the number is one of the dialog's ten.
bool isLanguageNumber(int number);

// French and Dutch: the dialog offers them, but they have no tables and keep
// those in force.
inline bool languageHasTables(int number) { return number != 6 && number != 7; }

// The numbers and names on one line: "0 Danish, 2 German, ...".
std::string languageList();

// The value of --language: nullopt, with `error` set, for anything but a
// number of the table that has tables of its own.
std::optional<int> parseLanguage(std::string_view text, std::string& error);

}  // namespace vorkel
