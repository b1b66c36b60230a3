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

#include <atomic>

namespace vorkel {

class InterruptGuard {
 public:
  InterruptGuard();
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  // Whether Ctrl-C came since the guard was made.
  bool requested() const;

  // From now on Ctrl-C also sets `flag`, for work that runs on the thread
  // that would read requested() and checks the flag itself. The flag must
  // outlive the guard.
  void alsoRaise(std::atomic<bool>& flag);

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

}  // namespace vorkel
