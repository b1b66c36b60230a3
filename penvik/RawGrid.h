#pragma once
// A raw crossword as the generator leaves it in its output folder: the
// filled grid, before anyone has written clues for it.
//
//   13<TAB>9            width and height
//   ABCDEFGHIJKLM       one line per row: "#" for a clue cell (a cell that
//   ...                 takes no letter), the letter for every other cell
//
// Lines end in CR LF or LF; letters are Windows-1252 bytes. A blank stands
// for a letter cell that has no letter yet.
//
//   RawGridResult r = loadRawGrid("/data/out/x13_000.009");
//   if (!r.grid) showError(r.error);          // Danish, names the line
//   else draw(*r.grid);
//
// The reader takes nothing on trust: a missing or malformed size line, a
// size outside 1..MaxSize, a short, long or missing row, a byte that is
// neither "#", a blank nor a letter, rows beyond the height, and files
// larger than any raw crossword can be are all refused with a message that
// says what was wrong and where.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace penvik {

struct RawGrid {
  // The generator makes grids of 1 to 50 cells each way.
  static constexpr int MaxSize = 50;
  static constexpr char ClueCell = '#';
  static constexpr char EmptyLetter = ' ';

  int width = 0;
  int height = 0;
  std::string cells;  // row by row, width * height bytes

  bool contains(int column, int row) const {
    return column >= 0 && column < width && row >= 0 && row < height;
  }
  // 0-based; the cell's byte.
  char at(int column, int row) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(column)];
  }
  bool isClue(int column, int row) const { return at(column, row) == ClueCell; }
  // Inside the grid and taking a letter.
  bool isLetterCell(int column, int row) const {
    return contains(column, row) && !isClue(column, row);
  }
  // The rows as they stand in the file, each followed by "\n".
  std::string rows() const;

  friend bool operator==(const RawGrid&, const RawGrid&) = default;
};

// True for the bytes a raw crossword may hold in a letter cell: the letters
// of Windows-1252 (A-Z, a-z, the accented letters, Æ Ø Å, ß, Š, Œ, Ž, Ÿ).
bool isCp1252Letter(unsigned char c);

struct RawGridResult {
  std::optional<RawGrid> grid;
  std::string error;  // set when grid is empty
};

// Reads a raw crossword from its bytes.
RawGridResult parseRawGrid(std::string_view bytes);

// Reads the file; its name starts every error message.
RawGridResult loadRawGrid(const std::string& path);

// The largest file a raw crossword of the largest size can be, with CR LF
// line ends and room for trailing blank lines.
inline constexpr std::size_t MaxRawGridBytes = 16 * 1024;

}  // namespace penvik
