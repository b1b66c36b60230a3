#pragma once
// A model drawn as rows of text for the tests: "#" a clue cell, anything
// else an empty letter cell.

#include <string>
#include <vector>

#include "document/CrosswordDocument.h"

namespace vorkel::testing {

inline CrosswordDocument modelOf(const std::vector<std::string>& rows) {
  CrosswordDocument doc;
  doc.resize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c)
      if (rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] == '#')
        CrosswordDocument::setClue(doc.cellAt(c, r), "");
  return doc;
}

}  // namespace vorkel::testing
