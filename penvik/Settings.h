#pragma once
// The drawing program's profile "penvik.ini" in its program folder (an INI
// file the installer makes from data/penvik.in_ and appends to), section
// "Penvik":
//
//   Udmappe=PDF        where "Gem som PDF/SVG" proposes to save; relative to
//                      the program folder; empty: beside the raw crossword
//   Pix=...            the installer's picture folder (not used here)

#include <string>
#include <string_view>

namespace penvik {

struct Settings {
  std::string exportFolder;  // absolute, or empty
};

Settings readSettings(std::string_view programFolder);

}  // namespace penvik
