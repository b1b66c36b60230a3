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

#include "platform/Ui.h"
#include "setup/InstallationRun.h"

namespace vorkel::setup {

// A ui port that writes messages to a stream: "caption: text".
class StreamUi : public Ui {
 public:
  explicit StreamUi(std::ostream& out) : out_(out) {}
  int messages = 0;

  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  std::string showDialog(DialogForm&) override { return {}; }
  bool openFileDialog(FileDialogData&) override { return false; }
  bool saveFileDialog(FileDialogData&) override { return false; }
  bool pollKey(KeyMessage&) override { return false; }
  void setStatusText(std::string_view) override {}
  void setCursor(Cursor) override {}
  void setCaption(std::string_view) override {}
  void beep() override {}
  bool openWithDesktop(std::string_view) override { return false; }

 private:
  std::ostream& out_;
};

// Runs the default route into `destination` (empty: the proposed one) and
// reports on `out`. 0 when the installation is complete; 1 when a page
// refused or the run failed (the message went to the ui port).
int installQuietly(InstallerPorts& ports, const std::string& destination, std::ostream& out);

}  // namespace vorkel::setup
