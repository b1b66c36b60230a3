#pragma once
// Draws a crossword picture (penvik/PuzzleLayout.h) with a QPainter: on
// screen, into a PDF page or an SVG. Coordinates of the layout are
// multiplied by `scale` (device units per layout unit: 1 on screen, dots
// per millimetre on paper).
//
// Clue texts are set as large as fits their box, down to a smallest size;
// a text that does not fit even then is cut at the box's edge.

#include <QString>
#include <optional>
#include <string>

#include "penvik/PuzzleLayout.h"

class QPainter;

namespace penvik {

struct GridStyle {
  bool letters = false;                // draw the letter cells' letters
  std::optional<ClueKey> highlighted;  // a clue box to mark (the one being edited)
  std::optional<std::pair<int, int>> selectedCell;
  double minimumTextSize = 5;          // in device units
  // Drafts set apart from the accepted clues (on screen; paper prints them
  // as clues).
  bool markDrafts = false;
};

void paintGrid(QPainter& painter, const GridPicture& grid, double scale, const GridStyle& style);

// A whole A4 page; `scale` is device units per millimetre.
void paintPage(QPainter& painter, const Page& page, double scale);

// Windows-1252 bytes of a crossword file as text.
QString fromCp1252(const std::string& bytes);

}  // namespace penvik
