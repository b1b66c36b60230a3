#pragma once
// The real clocks: a monotonic millisecond count and the system's calendar.

#include "platform/Clock.h"

namespace vorkel {

class SystemClock : public Clock {
 public:
  std::uint32_t tickCount() override;
  std::time_t now() override;
};

}  // namespace vorkel
