#pragma once
// One attempt of a forced-word run: the forced words first, then a path
// laid around them, then the fill.
//
//   WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
//   FillContext fill{grid, path, ...};           // `path` is the one passed below
//   FillResult result = fillForced(fill, path, words, placed);  // Filled: a crossword
//
// The caller counts the attempt, saves a filled grid and copies it into the
// document, as for any other attempt.

#include <vector>

#include "engine/FillResult.h"
#include "engine/ForcedPlacement.h"

namespace vorkel {

class Path;
struct FillContext;

// The status line shown with the grid once the words are placed.
inline constexpr const char* ForcedStartLine = "Tvang start:";

// On `fill.grid` (the model's clue cells, every letter cell empty):
//  1. places the words, trying up to MaxPlacementTries placements
//     (ForcedPlacement.h); when none succeeds the grid is left as it was
//     and the result is FillResult::NotPlaced;
//  2. shows the grid with ForcedStartLine;
//  3. lays the automatic path around the placed words into `path`, which
//     must be the path `fill` follows; it replaces whatever path was there.
//     There is no optimisation, so every back-jump distance is 0. Stops for
//     slots the placement completed are left out: the fill could only check
//     their words, and the placement has checked them already (a forced word
//     itself need not be in the dictionary);
//  4. shows the counters and fills without seed letters.
// Returns the fill's result. `placed` says where the words went.
FillResult fillForced(FillContext& fill, Path& path, const ForcedWords& words,
                      std::vector<PlacedWord>& placed);

}  // namespace vorkel
