#pragma once
// Drafts for the clues the user has not written yet: for each word of the
// crossword whose clue cell holds no typed text, the best proposal for the
// word that no other clue of the puzzle uses already. A draft is only a
// proposal; it stays apart from the typed clues until the user accepts or
// edits it.
//
//   Clues drafts = draftClues(grid, typed, [&](std::string_view word) {
//     return texts of drafter.drafts(word);  // UTF-8 in and out, best first
//   });
//   PuzzlePages p = layoutPuzzle(grid, withDrafts(typed, drafts), name);

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "penvik/Clues.h"
#include "penvik/RawGrid.h"

namespace penvik {

// The proposals for a word given in UTF-8 capitals, in UTF-8, best first.
using ClueLookup = std::function<std::vector<std::string>(std::string_view word)>;

// The word a clue describes, in UTF-8; empty when the key starts no complete
// word (a blank letter cell in it, or no word that way).
std::string clueWord(const RawGrid& grid, const ClueKey& key);

// Whether a clue text (Windows-1252) fits the box of its clue when printed.
using ClueFits = std::function<bool(const ClueKey& key, const std::string& text)>;

// Drafts (Windows-1252, like every clue text) for the clue keys of the grid
// that have no typed text. A proposal that another clue of the puzzle has
// (typed or drafted, compared without case), that Windows-1252 cannot hold,
// or that is too long for a clue, is passed over for the next; so is one
// that `fits` says does not fit its box, unless none does (then the first).
Clues draftClues(const RawGrid& grid, const Clues& typed, const ClueLookup& lookup,
                 const ClueFits& fits = {});

// The typed clues with the drafts filling the keys that have none.
Clues withDrafts(const Clues& typed, const Clues& drafts);

}  // namespace penvik
