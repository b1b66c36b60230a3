#include "platform/SystemClock.h"

#include <cstdio>

namespace vorkel {

std::uint32_t SystemClock::tickCount() {
  timespec ts {};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);  // wraps like the original
}

std::time_t SystemClock::now() { return std::time(nullptr); }

std::string calendarTimeText(std::time_t t) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm tm {};
  if (!::localtime_r(&t, &tm) || tm.tm_wday < 0 || tm.tm_wday > 6 || tm.tm_mon < 0 || tm.tm_mon > 11)
    return {};
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s %s %2d %02d:%02d:%02d %d", kDays[tm.tm_wday], kMonths[tm.tm_mon],
                tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_year + 1900);
  return buf;
}

}  // namespace vorkel
