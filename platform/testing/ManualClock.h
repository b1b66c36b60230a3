#pragma once
// A clock for tests: it shows what the test sets and moves only when told.

#include "platform/Clock.h"

namespace vorkel {

class ManualClock : public Clock {
 public:
  std::uint32_t ticks = 0;
  std::time_t time = 0;

  std::uint32_t tickCount() override { return ticks; }
  std::time_t now() override { return time; }

  // Moves both clocks on (the tick count wraps like the real one).
  void advanceMilliseconds(std::uint32_t ms) {
    ticks += ms;
    time += static_cast<std::time_t>(ms / 1000u);
  }
};

}  // namespace vorkel
