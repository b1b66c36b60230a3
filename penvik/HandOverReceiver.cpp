#include "penvik/HandOverReceiver.h"

#include "platform/SharedBlock.h"

namespace penvik {

HandOverReceiver::HandOverReceiver(std::string blockName, ReceiveLog log, vorkel::Clock& clock,
                                   Events events)
    : blockName_(std::move(blockName)),
      log_(std::move(log)),
      clock_(clock),
      events_(std::move(events)) {}

std::int64_t HandOverReceiver::handle(const vorkel::WindowMessage& message) {
  if (message.name != HandOverMessage) return 0;
  if (message.wParam == 1) return takeFile();
  if (message.wParam == 2) {
    if (events_.comeForward) events_.comeForward(message.lParam);
    return 1;
  }
  return 0;
}

std::int64_t HandOverReceiver::takeFile() {
  std::string name;
  const char* note = "";
  // Opened for each message: a generator that restarted has made a new block.
  const std::unique_ptr<vorkel::SharedBlock> block =
      vorkel::SharedBlock::openExisting(blockName_, SharedBlockSize);
  if (!block) {
    note = "no shared block";
  } else {
    name = block->readText();
    // The sender writes at most size - 1 characters and a NUL. A block
    // without one holds a cut name, which would name another file.
    if (name.size() >= block->size()) {
      name.clear();
      note = "the name in the shared block has no end";
    } else if (name.empty()) {
      note = "no name in the shared block";
    }
  }
  std::string error;
  if (!log_.append(clock_.now(), name, note, error) && events_.logFailed)
    events_.logFailed(error);
  if (name.empty()) return 0;
  received_.push_back(name);
  if (events_.fileReceived) events_.fileReceived(name);
  return 1;
}

}  // namespace penvik
