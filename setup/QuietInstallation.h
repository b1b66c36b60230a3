#pragma once
// `setup --quiet [DESTINATION]`: the installation a user gets by pressing
// "Fortsæt" on every page, without a window. The destination defaults to
// the one the destination page proposes; a folder given names the
// installation's own folder (its last part is the folder name).
//
//   StreamUi ui(std::cerr);
//   InstallerPorts ports{ui, registry, system, folders, sourceRoot};
//   return installQuietly(ports, destination, std::cout);   // 0, or 1 after a message
//
// Every message a page or the run shows goes to the stream of `StreamUi`;
// a question (replace a dictionary the user changed?) is answered No, so
// nothing of the user's is overwritten without being asked.

#include <optional>
#include <ostream>
#include <string>

#include "platform/SilentUi.h"
#include "setup/InstallationRun.h"

namespace vorkel::setup {

// A ui port that writes messages to a stream: "caption: text"; a question
// is answered No, everything else as the silent port does.
class StreamUi : public SilentUi {
 public:
  explicit StreamUi(std::ostream& out) : out_(out) {}

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;

 private:
  std::ostream& out_;
};

// Runs the default route into `destination` (empty: the proposed one) and
// reports on `out`. 0 when the installation is complete; 1 when a page
// refused or the run failed (the message went to the ui port).
int installQuietly(InstallerPorts& ports, const std::string& destination, std::ostream& out);

}  // namespace vorkel::setup
