#pragma once
// The clocks the system reads: a millisecond tick count (the fill's timed
// jumps) and the calendar time (the start of each attempt, the random seed).
// Passed in wherever they are read, so tests can use a clock they set
// themselves (platform/testing/ManualClock.h).

#include <cstdint>
#include <ctime>
#include <string>

namespace vorkel {

class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since an arbitrary start; wraps around after 2^32 ms like
  // the original's tick count, so compare ticks by their difference.
  virtual std::uint32_t tickCount() = 0;

  // Seconds since 1970 (calendar time).
  virtual std::time_t now() = 0;
};

// The calendar time as the C library's ctime writes it, without its line
// end: "Wed Jan  2 02:03:55 1980" (local time). Empty when the time cannot
// be shown (out of range).
std::string calendarTimeText(std::time_t t);

}  // namespace vorkel
