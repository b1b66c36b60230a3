#pragma once
// The fill engine's state that outlives one fill: owned by the application
// context and handed to every fill, so the periodic check's rhythm and the
// timed back-jumps carry over from one crossword to the next.

#include <cstdint>

namespace vorkel {

struct EngineCounters {
  // Entries into the search since the last periodic check; the check runs while
  // bit 7 is set, i.e. every 128 entries (or sooner after a jump, which
  // restarts the count from the jump's size).
  std::uint32_t calls = 0;
  // Tick count (ms) of the last timed jump; `started` says whether a first
  // tick has been taken. It is never cleared.
  std::uint32_t lastTick = 0;
  bool started = false;
  // Small timed jumps since the last large one.
  int smallJumps = 0;
  // Replacements the running candidate search may still make.
  int remaining = 0;
};

}  // namespace vorkel
