#include "engine/PeriodicCheck.h"

#include <cstdint>
#include <string>

#include "engine/ProgressDisplay.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

constexpr int kEscapeJump = 10000;
constexpr std::uint32_t kCheckBit = 0x80;  // set once every 128 entries

// The timed jump, if one is due.
int timedJump(FillContext& context) {
  EngineCounters& counters = context.counters;
  const SearchParameters& p = context.parameters;
  const std::uint32_t now = context.ticks.tickCount();
  if (!counters.started) {
    counters.started = true;
    counters.lastTick = now;
    return 0;
  }
  // Unsigned difference: correct across a wrap of the tick count.
  const std::int64_t elapsed = static_cast<std::uint32_t>(now - counters.lastTick);
  if (elapsed <= std::int64_t{p.timedJumpSeconds} * 1000) return 0;
  counters.lastTick = now;
  ++counters.smallJumps;
  if (counters.smallJumps <= p.smallJumpsPerLarge) return p.smallJump;
  counters.smallJumps = 0;
  return p.largeJump;
}

}  // namespace

int keyJump(int key) {
  if (key == KeyMessage::Escape) return kEscapeJump;
  int digit = -1;
  if (key >= '0' && key <= '9') digit = key - '0';
  else if (key >= 96 && key <= 105) digit = key - 96;  // keypad 0..9
  if (digit < 0) return 0;
  return digit == 0 ? 20 : 2 * digit;
}

int periodicCheck(FillContext& context, const PathStop& stop) {
  EngineCounters& counters = context.counters;
  ++counters.calls;
  if ((counters.calls & kCheckBit) == 0) return 0;

  KeyMessage key;
  if (context.ui.pollKey(key)) {
    showFillGrid(context.ui, context.grid, fillStatusLine(stop));
    // A key jump leaves the counter as it is, so the next entry checks again
    // (and takes the next key, if the user typed ahead).
    if (key.key == KeyMessage::Escape) context.userStopped = true;
    if (const int jump = keyJump(key.key); jump > 0) return jump;
  } else if (context.simpleMode) {
    showFillGrid(context.ui, context.grid, fillStatusLine(stop));
    showFillCounters(context.ui, context.run);
  }

  // A negative size from a parameter file would read as success upstream.
  int jump = timedJump(context);
  if (jump < 0) jump = 0;
  counters.calls = static_cast<std::uint32_t>(jump);
  return jump;
}

}  // namespace vorkel
