#pragma once
// The look at the keyboard and the clock that the fill makes every 128
// entries into the search.
//
// A key from the ui port's queue asks for a back-jump: Escape for 10000
// levels (which ends the fill, and the run reads it as the user's abort), a
// digit for the levels in the table below. Without a key, the clock may ask
// for one: after `timedJumpSeconds` seconds a small jump of `smallJump` levels,
// every (`smallJumpsPerLarge` + 1)-th time a large one of `largeJump` levels.

#include "engine/FillContext.h"

namespace vorkel {

// The back-jump a key asks for: 10000 for Escape, 2..20 for the digits of the
// main row ('1' -> 2, ..., '9' -> 18, '0' -> 20) and of the keypad (codes 96
// to 105, in the same order); 0 for any other key.
int keyJump(int key);

// Runs at every entry into the search for `stop`. Counts the entry and, on every
// 128th, looks at the keyboard queue and the clock. Returns the number of
// levels to jump back, 0 for none.
int periodicCheck(FillContext& context, const PathStop& stop);

}  // namespace vorkel
