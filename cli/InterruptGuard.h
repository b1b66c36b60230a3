#pragma once
// Ctrl-C for the commands that run long (generate, anagram): while the
// guard lives, the first Ctrl-C only raises a flag that the command's loop
// reads, so it can stop after the work in hand and keep what it has made.
// SA_RESETHAND puts the default back after that first signal, so a second
// Ctrl-C ends the program even when the work will not stop.
//
//   InterruptGuard interrupts;
//   while (working) { if (interrupts.requested()) break; ... }

#include <signal.h>

namespace vorkel {

class InterruptGuard {
 public:
  InterruptGuard();
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  // Whether Ctrl-C came since the guard was made.
  bool requested() const;

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

}  // namespace vorkel
