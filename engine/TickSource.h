#pragma once
// The millisecond clock the fill engine uses for its timed back-jumps.
// Passed in, so tests drive time by hand.

#include <chrono>
#include <cstdint>

namespace vorkel {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Milliseconds since an arbitrary start; wraps around like a 32-bit tick
  // count, so callers compare differences only.
  virtual std::uint32_t tickCount() = 0;
};

// The real clock: a monotonic millisecond count.
class SteadyTickSource : public TickSource {
 public:
  std::uint32_t tickCount() override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
  }
};

}  // namespace vorkel
