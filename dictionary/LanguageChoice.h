#pragma once
// The "Skift sprog" dialog as data: its buttons in display order, each with
// its control id, its text and the language it passes to Language::select, plus the dialog's command, resource id and title.
// Pressing a language button selects the language and closes the dialog as
// OK does; "Fortryd" closes it without change; "OK" alone changes nothing.

#include <array>

#include "dictionary/LanguageId.h"
#include "dictionary/Texts.h"

namespace vorkel {

struct LanguageButton {
  int controlId;
  const char* text;
  LanguageId language;
};

namespace languageChoice {

inline constexpr int commandId = 51688;
inline constexpr int dialogId = 8;
inline constexpr const char* menuText = texts::languageMenu;
inline constexpr const char* title = texts::languageDialogTitle;
inline constexpr const char* okButton = "OK";
inline constexpr const char* cancelButton = "Fortryd";

inline constexpr std::array<LanguageButton, 10> buttons{{
    {11, texts::languageDanish, LanguageId::Danish},
    {12, texts::languageIcelandic, LanguageId::Icelandic},
    {13, texts::languageEnglish, LanguageId::English},
    {14, texts::languageSwedish, LanguageId::Swedish},
    {101, texts::languageNorwegian, LanguageId::Norwegian},
    {102, texts::languageGerman, LanguageId::German},
    {103, texts::languageSpanish, LanguageId::Spanish},
    {104, texts::languageFrench, LanguageId::French},
    {105, texts::languageDutch, LanguageId::Dutch},
    {106, texts::languageItalian, LanguageId::Italian},
}};

}  // namespace languageChoice

}  // namespace vorkel
