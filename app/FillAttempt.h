#pragma once
// One attempt at a crossword with the path fill, the same for the window's
// runs and for `vorkel generate --fill path`: a fresh working grid from the
// document (with its letters or empty), then either the program's path with
// seed letters, or forced words placed first with a path laid around them
// (engine/ForcedAttempt.h), then the fill. The attempt is counted in the
// context's run counters; saving, checking and asking the user are the
// caller's, since a window and a batch differ there.
//
//   FillAttempt attempts(context);
//   for (;;) {
//     const FillAttempt::Outcome o = attempts.make({.withLetters = false});
//     if (o.result == FillResult::Filled) save(attempts.grid());
//   }
//
// The fill engine's buffers live as long as the FillAttempt, so a batch of
// attempts does not allocate once they have grown.

#include <cstdint>
#include <vector>

#include "engine/FillContext.h"
#include "engine/FillEngine.h"
#include "engine/ForcedPlacement.h"
#include "engine/Path.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

class ApplicationContext;
class ForcedWords;

class FillAttempt {
 public:
  struct Settings {
    bool withLetters = false;              // keep the document's letters, no seed letters
    const ForcedWords* forced = nullptr;   // place these first, on an empty grid
    std::uint64_t entryBudget = 0;         // give up after this many entries; 0: never
  };
  struct Outcome {
    FillResult result = FillResult::NotFilled;
    std::uint64_t entries = 0;  // entries into the search
  };

  explicit FillAttempt(ApplicationContext& context);
  FillAttempt(const FillAttempt&) = delete;
  FillAttempt& operator=(const FillAttempt&) = delete;

  Outcome make(const Settings& settings);
  // The grid of the last attempt: a crossword when it was filled.
  const WorkingGrid& grid() const { return grid_; }

 private:
  ApplicationContext& context_;
  WorkingGrid grid_;
  FillContext plain_;
  FillEngine engine_;
  // A forced attempt's own path: the program's path stays as it is.
  Path forcedPath_;
  FillContext forced_;
  std::vector<PlacedWord> placed_;
};

}  // namespace vorkel
