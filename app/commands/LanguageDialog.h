#pragma once
// "&Skift sprog": the dialog "Skift Sprog  (Ændrer ordbogen i memory)" with
// a button per language (dictionary/LanguageChoice.h), "OK" and "Fortryd".
// A language button switches the language and ends the dialog as OK does;
// "OK" alone and "Fortryd" change nothing.

#include <optional>

#include "dictionary/LanguageId.h"

namespace vorkel {

class Language;
class Ui;

// The language to store (what Language::select answered) when a language
// was chosen; nothing otherwise.
std::optional<LanguageId> runLanguageDialog(Language& language, Ui& ui);

}  // namespace vorkel
