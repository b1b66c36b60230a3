#pragma once
// Serves a window endpoint (platform/WindowMessages.h) from the Qt event
// loop: a socket notifier on the endpoint's descriptor calls servePending()
// whenever a message has arrived.
//
//   std::string error;
//   auto folder = WindowFolder::open(error);
//   auto endpoint = folder ? WindowEndpoint::create(*folder, "Krydsords", "Krydsords-vorkel",
//                                                   handler, error) : nullptr;
//   if (endpoint) window_ = std::make_unique<QtWindowEndpoint>(std::move(endpoint));
//
// The handler runs on the GUI thread and may show modal boxes. Their nested
// event loop keeps serving, so a message that arrives while a box is open,
// or that was read together with the one that opened it, is answered at once
// (a presence query never waits for the user), and a second message of the
// same kind runs the handler again on top of the first.
//
// Sending from the window program goes through endpoint().sendMessage(): a
// message to its own window runs the handler directly, and while it waits for
// another program it answers that program's messages to it, so neither a
// send to oneself nor two programs sending to each other at once deadlocks.
// What the window does while such a wait lasts is the owner's choice
// (WindowEndpoint::setWhileWaiting): q4 lets Qt work, so it stays live.
//
// Do not destroy the adapter from inside its own handler: let its owner go
// with deleteLater() or a queued call.

#include <memory>

#include "platform/WindowMessages.h"

class QSocketNotifier;

namespace vorkel {

class QtWindowEndpoint {
 public:
  // Takes over a registered endpoint (not null) and serves it from now on.
  explicit QtWindowEndpoint(std::unique_ptr<WindowEndpoint> endpoint);
  ~QtWindowEndpoint();
  QtWindowEndpoint(const QtWindowEndpoint&) = delete;
  QtWindowEndpoint& operator=(const QtWindowEndpoint&) = delete;

  WindowEndpoint& endpoint() { return *endpoint_; }
  const WindowHandle& handle() const { return endpoint_->handle(); }

 private:
  std::unique_ptr<WindowEndpoint> endpoint_;
  std::unique_ptr<QSocketNotifier> notifier_;  // destroyed before the endpoint
};

}  // namespace vorkel
