#pragma once
// Everything one fill works with, gathered so the engine's functions take one
// argument instead of ten. The references point into the application
// context (or a test's fixture), which outlives the fill.

#include <cstdint>

#include "engine/EngineCounters.h"
#include "engine/Path.h"
#include "engine/RunCounters.h"
#include "engine/SearchParameters.h"
#include "engine/WorkingGrid.h"
#include "engine/TickSource.h"

namespace vorkel {

class Language;
class Random;
class WordStore;
class Ui;

struct FillContext {
  WorkingGrid& grid;            // the working grid the fill writes into
  const Path& path;
  const SearchParameters& parameters;
  WordStore& dictionary;
  const Language& language;   // turns letter codes into the grid's letters
  Random& random;
  EngineCounters& counters;   // carries over from one fill to the next
  TickSource& ticks;
  Ui& ui;                     // messages, keyboard queue, progress
  const RunCounters& run;     // shown in the progress display
  bool simpleMode = false;    // redraw the progress at every periodic check
  // Entries into the search one fill may make; 0 for no limit. A fill that
  // spends its budget gives up like a back-jump past its first stop and
  // answers -1, so a batch run can restart a search stuck in a long tail.
  // Counted in entries rather than time, a seeded fill stays reproducible.
  std::uint64_t entryBudget = 0;
  // Set by the fill: its entries into the search so far.
  std::uint64_t entries = 0;
  // Set by the fill when the keyboard queue gave it Escape. Only this tells
  // a run that the user stopped it: a large back-jump from a path or a
  // parameter file also ends a fill below -200.
  bool userStopped = false;
};

}  // namespace vorkel
