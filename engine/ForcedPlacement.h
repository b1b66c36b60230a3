#pragma once
// Putting forced words into a grid, and drawing them from a word list.
//
//   WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
//   std::vector<PlacedWord> placed;
//   if (placeForcedWordsRetrying(grid, words, random, dictionary, placed)) ...
//
// A word goes into a slot of its length whose every cell is empty or holds
// the word's letter at that position, chosen at random among the fitting
// slots; two forced words share a cell only where their letters agree.

#include <string>
#include <vector>

#include "engine/Slot.h"
#include "engine/ForcedWords.h"

namespace vorkel {

class Language;
class Random;
class WorkingGrid;
class WordStore;

// Where a forced word went.
struct PlacedWord {
  int x = 0;
  int y = 0;
  Direction direction = Direction::Across;
  std::string word;
};

// Fitting slots considered per word; further ones are not collected.
inline constexpr int MaxFittingSlots = 40;
// Placements an attempt tries before it gives up.
inline constexpr int MaxPlacementTries = 100;

// Places the words one after the other into `grid`. False as soon as a word
// fits no slot (a word that holds anything but letters of the language fits
// none); the words placed before it stay, so callers place on a copy.
bool placeForcedWords(WorkingGrid& grid, const ForcedWords& words, const Language& language,
                      Random& random, std::vector<PlacedWord>& placed);

// Up to MaxPlacementTries placements, each on a fresh copy of `grid`. A
// placement counts only when every slot it completed that is not a forced
// word's own is a dictionary word standing once: the fill never looks at a
// slot that is complete before it starts. On success `grid` holds the words
// and `placed` says where; on failure both are as they were.
bool placeForcedWordsRetrying(WorkingGrid& grid, const ForcedWords& words, const Language& language,
                              Random& random, WordStore& dictionary,
                              std::vector<PlacedWord>& placed);

// Drawing words from a word file for a run.
enum class DrawResult { Drawn, NoWordFits };

// Draws `numberToDraw` different words at random from `list` into `out`
// (cleared first). Only words that can go somewhere are drawn: letters of
// the language only, and a length that some slot of `grid` (the model's
// clue cells, letter cells empty) has. When fewer such words are there
// than asked for, `numberToDraw` is lowered to their count, and to the
// table's capacity when it asks for more; a negative count draws nothing.
DrawResult drawForcedWords(const std::vector<std::string>& list, WorkingGrid grid,
                           const Language& language, int& numberToDraw, Random& random,
                           ForcedWords& out);

}  // namespace vorkel
