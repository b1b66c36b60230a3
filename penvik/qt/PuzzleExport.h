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

#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "penvik/ClueDrafts.h"
#include "penvik/Hyphenation.h"
#include "penvik/PuzzleLayout.h"

namespace penvik {

// Clues are set in their boxes at 5.5 pt or larger, broken at Danish
// hyphenation points where hyphen-da is installed; the clues that do not fit
// even so go into `unfit` (they are cut at their box's edge).
bool savePdf(const std::string& path, const PuzzlePages& pages, std::string& error,
             std::vector<ClueKey>* unfit = nullptr);

// Whether a clue of `grid` fits its box on the printed puzzle page, as
// savePdf sets it (for choosing drafts that print whole).
ClueFits paperFits(const RawGrid& grid, std::shared_ptr<const Hyphenation> hyphenation);

// What the user is told of a clue that did not fit (texts::unfitClue).
QString unfitClueMessage(const ClueKey& key, const Clues& clues);

// "a/b.svg" -> "a/b-løsning.svg" (UTF-8); a name without ".svg" gets it.
std::string solutionSvgPath(std::string_view puzzlePath);

// Writes the puzzle to `path` and the solution to solutionSvgPath(path).
bool saveSvg(const std::string& path, const PuzzlePages& pages, std::string& error,
             std::vector<ClueKey>* unfit = nullptr);

}  // namespace penvik
