#pragma once
// A grid drawn as text, the quickest way to make a model by hand:
//
//   #SØ.
//   KAT#
//   ..#Æ
//
// one line per row, "#" a clue cell, "." an empty letter cell, a letter of
// the language a letter cell holding it (as typed into the grid). The text
// is UTF-8, with or without a byte-order mark; lines end in "\n" or "\r\n";
// blank lines at the end are ignored. Every line must be as long as the
// first, and a grid is 1 to 50 cells each way: a picture that is larger is
// refused at its 51st row or column, before more of it is looked at.
//
//   GridPicture p = readGridPicture(text, language, "pic.txt");
//   if (!p.document) err << p.problem;

#include <optional>
#include <string>
#include <string_view>

#include "document/CrosswordDocument.h"

namespace vorkel {

class Language;

struct GridPicture {
  std::optional<CrosswordDocument> document;
  std::string problem;  // English, naming the picture; empty with a document
};

GridPicture readGridPicture(std::string_view utf8, const Language& language,
                            std::string_view name);

}  // namespace vorkel
