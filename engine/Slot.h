#pragma once
// A word slot of the working grid: a maximal run of letter cells (non-"#")
// in one row (across) or one column (down). Runs of one cell are slots too.
// A slot is identified by its first cell and its direction.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/Direction.h"

namespace vorkel {


struct Slot {
  // The text holds at most this many cells; longer runs keep their true
  // `len` but only their first kMaxText cells in `text` (the dictionary's
  // words are at most 25 letters, see findLongRuns).
  static constexpr int kMaxText = 39;

  int x = 0;  // first cell
  int y = 0;
  int len = 0;
  Direction direction = Direction::Across;
  // The slot's cells as they stand, blank for an empty cell, NUL-terminated.
  std::array<char, kMaxText + 1> text{};

  std::string_view textView() const { return std::string_view(text.data()); }

  // Replaces the text; false (text unchanged) when `s` is longer than
  // kMaxText or holds a NUL.
  bool setText(std::string_view s) {
    if (s.size() > static_cast<std::size_t>(kMaxText) || s.find('\0') != std::string_view::npos)
      return false;
    s.copy(text.data(), s.size());
    text[s.size()] = '\0';
    return true;
  }

  // Appends one cell, dropped (but counted in `len`) beyond kMaxText.
  void append(char cell) {
    const std::size_t n = textView().size();
    if (n < static_cast<std::size_t>(kMaxText)) {
      text[n] = cell;
      text[n + 1] = '\0';
    }
    ++len;
  }
};

}  // namespace vorkel
