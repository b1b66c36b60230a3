#include "cli/InterruptGuard.h"

#include <csignal>

namespace vorkel {

namespace {

// The handler can only set a flag of this type. The one piece of
// process-wide state of the command line.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int) { interruptRequested = 1; }

}  // namespace

InterruptGuard::InterruptGuard() {
  interruptRequested = 0;
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  installed_ = ::sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptGuard::~InterruptGuard() {
  if (installed_) ::sigaction(SIGINT, &previous_, nullptr);
}

bool InterruptGuard::requested() const { return interruptRequested != 0; }

}  // namespace vorkel
