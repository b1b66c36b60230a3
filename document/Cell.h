#pragma once
// One cell of the crossword document: a letter cell ("BOGSTAV") holding one
// letter, or a clue cell ("LEDEORD") holding clue text, with the typography
// of its text lines and the grid lines on its right and bottom edges.

#include <string>

#include "document/Typography.h"

namespace vorkel {

struct Cell {
  // The text field of a cell holds at most this many bytes (a 2000-byte
  // NUL-terminated field in the file's other readers).
  static constexpr std::size_t kMaxText = 1999;

  Typography typo;
  bool isClue = false;
  // Letter cell: one byte (blank for an empty letter cell), or empty for a
  // cell that never held a letter (its letter is then NUL). Clue cell: the
  // clue text, line breaks as LF. Windows-1252 bytes.
  std::string text;
  bool rightLine = true;
  bool bottomLine = true;

  bool operator==(const Cell&) const = default;
};

}  // namespace vorkel
