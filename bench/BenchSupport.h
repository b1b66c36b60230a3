#pragma once
// What the benchmarks share: a ui that only counts messages (benchmarks are
// not interactive) and a wall-clock stopwatch.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SilentUi.h"

namespace vorkel::bench {

using Clock = std::chrono::steady_clock;

// Benchmarks are not interactive: a ui that answers every message Ok and
// counts them.
using QuietUi = SilentUi;

// Seconds since `since`.
inline double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

}  // namespace vorkel::bench
