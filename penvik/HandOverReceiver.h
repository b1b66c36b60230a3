#pragma once
// The drawing program's side of the hand-over: what it does with the
// generator's "FraVorkelMsg".
//
//   wParam 1  a new raw crossword: its name is in the shared block
//             "FraVorkelMappingId". The name is copied out of the block
//             while the message is handled, because the generator reuses
//             the block as soon as the send returns; the file is read later.
//             Answers 1 when a name was taken, 0 when the block is missing
//             or holds no usable name. Every such message is logged.
//   wParam 2  come forward; lParam is the sender's active window (may be 0).
//             Answers 1.
//   anything else answers 0 and does nothing.
//
//   HandOverReceiver receiver(blockName, log, clock, {
//       .fileReceived = [&](const std::string& name) { queueOpen(name); },
//       .comeForward = [&](std::int64_t) { raise(); }});
//   endpoint handler: return receiver.handle(message);
//
// The callbacks run inside the message handler: they should only note what
// to do and return (opening the file, which may show a message, comes after
// the answer).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "penvik/ReceiveLog.h"
#include "platform/Clock.h"
#include "platform/WindowMessages.h"

namespace penvik {

inline constexpr const char* HandOverMessage = "FraVorkelMsg";
inline constexpr const char* SharedBlockName = "FraVorkelMappingId";
inline constexpr std::size_t SharedBlockSize = 2000;
// What the generator finds the drawing program's window by.
inline constexpr const char* WindowClass = "OWL_Window";
inline constexpr const char* WindowTitle = "Penvik";

class HandOverReceiver {
 public:
  struct Events {
    std::function<void(const std::string& fileName)> fileReceived;
    std::function<void(std::int64_t activeWindow)> comeForward;
    // A log line that could not be written (the message is still handled).
    std::function<void(const std::string& error)> logFailed;
  };

  HandOverReceiver(std::string blockName, ReceiveLog log, vorkel::Clock& clock, Events events);

  std::int64_t handle(const vorkel::WindowMessage& message);

  // Every name taken, in order of arrival.
  const std::vector<std::string>& received() const { return received_; }
  const ReceiveLog& log() const { return log_; }

 private:
  std::int64_t takeFile();

  std::string blockName_;
  ReceiveLog log_;
  vorkel::Clock& clock_;
  Events events_;
  std::vector<std::string> received_;
};

}  // namespace penvik
