#pragma once
// The languages on the command line: --language N takes the numbers of the
// "Skift sprog" dialog (dictionary/LanguageId.h), shown with their English
// names in help texts and messages.
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

#include "dictionary/LanguageId.h"

namespace vorkel {

// "Danish (0)".
std::string languageName(LanguageId id);

// The numbers and names on one line: "0 Danish, 2 German, ...".
std::string languageList();

// The value of --language: nullopt, with `error` set, for anything but the
// number of a language that has tables of its own.
std::optional<LanguageId> parseLanguage(std::string_view text, std::string& error);

}  // namespace vorkel
