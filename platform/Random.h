#pragma once
// The seedable pseudo-random generator owned by the application context.
//
// It reproduces the classic C library generator of the platform the system
// came from (a linear congruential generator with results 0..32767), so that
// every use that takes "a random number mod n" sees the same range. Seeded
// from the clock by default and from --seed in the command line and tests.

#include <cstdint>

namespace vorkel {

class Random {
 public:
  static constexpr int Max = 32767;

  explicit Random(std::uint32_t seed = 1) : state_(seed) {}

  void seed(std::uint32_t s) { state_ = s; }

  // 0 .. Max.
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

  // 0 .. n-1 for n > 0, taken as next() mod n like the original callers do.
  int below(int n) { return next() % n; }

  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_;
};

}  // namespace vorkel
