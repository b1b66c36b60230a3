#pragma once
// The counters of a generation run that the fill shows on screen: crosswords
// saved ("gemt") and attempts made ("forsøg"), and when the current attempt
// started. The run loop owns and updates them; the fill only reads them.

#include <ctime>

namespace vorkel {

struct RunCounters {
  int saved = 0;
  int tries = 0;
  std::time_t attemptStart = 0;  // calendar time the current attempt began
  // The crowded output folder has been warned about in this run: once is
  // enough, and a box after every crossword takes the key meant to stop it.
  bool crowdingWarned = false;
};

}  // namespace vorkel
