#pragma once
// Saves a crossword's pages (penvik/PuzzleLayout.h) for printing on A4:
//
// - PDF, with Qt's PDF writer: page 1 the puzzle (empty letter cells, the
//   clues and their arrows), page 2 the solution (the letters).
// - SVG, with Qt SVG's generator: one A4 picture per page, since an SVG has
//   one page: the puzzle under the chosen name, the solution beside it under
//   the same name with "-løsning" before ".svg".
//
// Files are made in memory and written through a temporary file that is
// renamed over the target, so a failed save leaves no half file.
//
//   std::string error;
//   if (!savePdf("/tmp/x.pdf", layoutPuzzle(grid, clues, "x13_000.009"), error)) show(error);

#include <string>
#include <string_view>

#include "penvik/PuzzleLayout.h"

namespace penvik {

bool savePdf(const std::string& path, const PuzzlePages& pages, std::string& error);

// "a/b.svg" -> "a/b-løsning.svg" (UTF-8); a name without ".svg" gets it.
std::string solutionSvgPath(std::string_view puzzlePath);

// Writes the puzzle to `path` and the solution to solutionSvgPath(path).
bool saveSvg(const std::string& path, const PuzzlePages& pages, std::string& error);

}  // namespace penvik
