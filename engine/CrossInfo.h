#pragma once
// What the slot being filled knows about the crossing word at one of its
// cells: the crossing word's cells, where the shared cell lies in it, what
// stands there, and the letters that may still stand there.

#include <cstdint>

#include "dictionary/WordStore.h"

namespace vorkel {

struct CrossInfo {
  // Crossing words of more cells than this keep their length and position
  // but no text; no dictionary word is that long, so they are never asked.
  static constexpr int MaxCells = 27;

  char text[MaxCells + 1] = {};  // the crossing word's cells, blank for empty, NUL-ended
  std::int32_t pos = 0;          // index of the shared cell in the crossing word
  // The byte at pos (blank while the cell is empty); 0 when there is no open
  // crossing word, i.e. none at all or one without an empty cell.
  unsigned char ch = 0;
  std::int32_t len = 0;          // the crossing word's length
  LetterSet allowed = 0;         // bit c set: letter code c may stand at the crossing
};

}  // namespace vorkel
