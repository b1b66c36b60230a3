#pragma once
// Draws a crossword picture (penvik/PuzzleLayout.h) with a QPainter: on
// screen, into a PDF page or an SVG. Coordinates of the layout are
// multiplied by `scale` (device units per layout unit: 1 on screen, dots
// per millimetre on paper).
//
// Clue texts are set as large as fits their box, down to a smallest size,
// broken into lines at spaces and hyphenation points (penvik/ClueFit.h); a
// text that does not fit even then is cut at the box's edge and its clue
// reported in `unfit`.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "penvik/PuzzleLayout.h"

class QPainter;

namespace penvik {

class Hyphenation;

struct GridStyle {
  bool letters = false;                // draw the letter cells' letters
  std::optional<ClueKey> highlighted;  // a clue box to mark (the one being edited)
  std::optional<std::pair<int, int>> selectedCell;
  double minimumTextSize = 5;          // in device units
  // Drafts set apart from the accepted clues (on screen; paper prints them
  // as clues).
  bool markDrafts = false;
  // Where words may be broken; none: at spaces and hyphens only.
  const Hyphenation* hyphenation = nullptr;
  // Told every clue that did not fit its box at the smallest size.
  std::vector<ClueKey>* unfit = nullptr;
};

void paintGrid(QPainter& painter, const GridPicture& grid, double scale, const GridStyle& style);

// The smallest clue text on paper: 5.5 pt, in millimetres.
inline constexpr double SmallestPrintedClue = 5.5 * 25.4 / 72;

// Whether `text` fits the clue box `box` of a page (millimetres) at
// SmallestPrintedClue or larger, as paintPage would set it.
bool fitsOnPaper(const std::string& text, const ClueBox& box, double cellSize,
                 const Hyphenation* hyphenation);

// A whole A4 page; `scale` is device units per millimetre. Clues that do
// not fit their box at SmallestPrintedClue go into `unfit`.
void paintPage(QPainter& painter, const Page& page, double scale,
               const Hyphenation* hyphenation = nullptr, std::vector<ClueKey>* unfit = nullptr);

// Windows-1252 bytes of a crossword file as text.
QString fromCp1252(const std::string& bytes);

}  // namespace penvik
