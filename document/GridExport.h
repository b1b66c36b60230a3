#pragma once
// A crossword grid for other programs: a picture (SVG), text (UTF-8), or the
// open puzzle format ipuz (JSON, http://ipuz.org/v2), which web tools for
// crosswords read.
//
// Any document serves: a model (letter cells empty) or a raw crossword read
// as a plain-text grid (every letter cell filled). Clue cells are shaded in
// the picture and blocks ("#") in ipuz; the words are numbered as in
// crosswords with numbered clues: in reading order, every cell that starts
// an across or down run of two or more letter cells takes the next number.
//
//   std::string svg = gridSvg(doc);
//   std::string ipuz = gridIpuz(doc, "x10_000.010");
//   for (const GridWord& w : gridWords(doc)) ...

#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class CrosswordDocument;

struct GridWord {
  int number = 0;      // the clue number of its first cell
  int column = 0;      // first cell, 1-based
  int row = 0;
  bool down = false;
  std::string text;    // its cells as UTF-8, "." where a cell is empty
};

// Every run of two or more letter cells: across words first, then down,
// each by number.
std::vector<GridWord> gridWords(const CrosswordDocument& doc);

// One line per row: "#" a clue cell, "." an empty letter cell, else the
// letter; UTF-8, LF line ends.
std::string gridText(const CrosswordDocument& doc);

// A standalone SVG picture: clue cells shaded, letters centred, clue
// numbers small in the corner.
std::string gridSvg(const CrosswordDocument& doc);

// An ipuz crossword: version, kind, dimensions, puzzle (numbers, 0 and "#"),
// clues by number (without texts: the grid has none), and, when every
// letter cell holds a letter, the solution.
std::string gridIpuz(const CrosswordDocument& doc, std::string_view title);

}  // namespace vorkel
