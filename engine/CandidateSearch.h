#pragma once
// The candidate search for one slot: forward checking plus random sampling.
//
// Before a slot is filled, every open crossing word is asked which letters it
// can still take at the shared cell (WordStore::possibleLetters); a crossing
// that can take none fails the search at once. The dictionary then hands
// every word that fits the slot's pattern and those letter sets
// (WordStore::findCandidates) to a collector that keeps the first `keptCandidates`
// and lets each later match replace a random kept one with a chance of
// `replacePercent` percent, until `maxReplacements` replacements have been made.

#include "engine/CandidateList.h"
#include "engine/FillContext.h"
#include "engine/SlotIndex.h"
#include "engine/WordPattern.h"

namespace vorkel {

// The number of candidates kept for a slot of `length` letters: `keptCandidates`,
// but at least 1 and at most what the candidate buffer holds.
int keptCandidates(const SearchParameters& parameters, int length);

// Gathers the candidates for `slot` into `list` (whose `saved` becomes the
// slot as it stands) and fills `scratch` with the slot's pattern and
// crossings. False when there is no candidate. Slots of fewer than 2 or more
// than 25 cells never have one. Reads the crossing slots' texts from the
// grid, which refreshes them in the grid's slot list. `index`, when given,
// finds the crossing slots; the grid's slot search covers what it lacks.
bool searchCandidates(FillContext& context, Slot& slot, WordPattern& scratch,
                      CandidateList& list, const SlotIndex* index = nullptr);

}  // namespace vorkel
