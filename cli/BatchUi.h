#pragma once
// The ui port of one job of a batch run (`vorkel generate --jobs N`).
//
// Messages go to the batch's shared Console (cli/Console.h) under the
// batch's lock, so the jobs' messages neither tear each other nor repeat:
// a message every job shows is counted, not written once per job. The
// keyboard queue answers Escape once the batch is told to stop: the fill
// looks at it every 128 entries and ends the attempt at once, which is how
// Ctrl-C, --timeout and --max-tries stop a job in the middle of a search.

#include <atomic>
#include <mutex>

#include "cli/Console.h"

namespace vorkel {

class BatchUi : public CommandLineUi {
 public:
  BatchUi(Console& console, std::mutex& lock, const std::atomic<bool>& stop)
      : console_(console), lock_(lock), stop_(stop) {}

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  bool pollKey(KeyMessage& key) override;

  // Message boxes shown through this port so far.
  int messageCount() const { return messages_; }
  // A muted port counts its messages but passes none on: the jobs after the
  // first load the same files, whose messages the first one has shown.
  void setMuted(bool muted) { muted_ = muted; }

 private:
  Console& console_;
  std::mutex& lock_;
  const std::atomic<bool>& stop_;
  int messages_ = 0;
  bool muted_ = false;
};

}  // namespace vorkel
