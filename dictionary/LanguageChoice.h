#pragma once
// The "Skift sprog" dialog as data: its buttons in display order, each with
// its control id, its text and the language number it passes to
// Language::select, plus the dialog's command, resource id and title.
// Pressing a language button selects the language and closes the dialog as
// OK does; "Fortryd" closes it without change; "OK" alone changes nothing.

#include <array>

#include "dictionary/Texts.h"

namespace vorkel {

struct LanguageButton {
  int controlId;
  const char* text;
  int number;
};

namespace languageChoice {

inline constexpr int commandId = 51688;
inline constexpr int dialogId = 8;
inline constexpr const char* menuText = texts::languageMenu;
inline constexpr const char* title = texts::languageDialogTitle;
inline constexpr const char* okButton = "OK";
inline constexpr const char* cancelButton = "Fortryd";

inline constexpr std::array<LanguageButton, 10> buttons{{
    {11, texts::languageDanish, 0},
    {12, texts::languageIcelandic, 5},
    {13, texts::languageEnglish, 10},
    {14, texts::languageSwedish, 3},
    {101, texts::languageNorwegian, 4},
    {102, texts::languageGerman, 2},
    {103, texts::languageSpanish, 9},
    {104, texts::languageFrench, 6},
    {105, texts::languageDutch, 7},
    {106, texts::languageItalian, 8},
}};

}  // namespace languageChoice

}  // namespace vorkel
