#include "cli/InterruptGuard.h"

#include <csignal>

namespace vorkel {

namespace {

// What the handler sets: a flag of this type, and the flag of the work in
// hand when the guard was told of one (a lock-free atomic, which a handler
// may store to). The one piece of process-wide state of the command line.
volatile std::sig_atomic_t interruptRequested = 0;
std::atomic<std::atomic<bool>*> alsoRaised{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free &&
              std::atomic<std::atomic<bool>*>::is_always_lock_free);

extern "C" void onInterrupt(int) {
  interruptRequested = 1;
  if (std::atomic<bool>* flag = alsoRaised.load()) flag->store(true);
}

}  // namespace

InterruptGuard::InterruptGuard() {
  interruptRequested = 0;
  alsoRaised.store(nullptr);
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  installed_ = ::sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptGuard::~InterruptGuard() {
  if (installed_) ::sigaction(SIGINT, &previous_, nullptr);
  alsoRaised.store(nullptr);
}

bool InterruptGuard::requested() const { return interruptRequested != 0; }

void InterruptGuard::alsoRaise(std::atomic<bool>& flag) { alsoRaised.store(&flag); }

}  // namespace vorkel
