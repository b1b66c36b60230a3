#include "setup/QuietInstallation.h"

#include "platform/Files.h"
#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

Answer StreamUi::messageBox(std::string_view text, std::string_view caption, Icon,
                            Buttons buttons) {
  ++messages;
  out_ << caption << ": " << text << "\n";
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    default: return Answer::Cancel;
  }
}

int installQuietly(InstallerPorts& ports, const std::string& destination, std::ostream& out) {
  Wizard wizard(ports);
  // Next on one page; false when the page stayed (its refusal is shown).
  auto next = [&](Page expected) {
    wizard.next();
    if (wizard.page() != expected) return false;
    wizard.activate();
    return true;
  };
  if (!next(Page::Destination)) return 1;
  if (!destination.empty()) {
    std::string path = Files::absolutePath(destination);
    while (path.size() > 1 && Files::isSeparator(path.back())) path.pop_back();
    wizard.setDestination(Files::parentFolder(path), std::string(Files::fileName(path)));
  }
  if (!next(Page::Folder) || !next(Page::Summary)) return 1;
  wizard.next();  // the copying page
  wizard.activate();
  if (wizard.page() != Page::Complete) return 1;
  const WizardState& s = wizard.state();
  out << texts::completeCaption << ".\n";
  out << texts::summaryFolder << "\n   " << s.installRoot() << "\n";
  out << texts::summaryIcons << "\n   " << Files::withTrailingSeparator(s.programsFolder)
      << s.programFolderName << "\n";
  wizard.finish();  // "&Afslut": the prerequisites this machine needs
  return 0;
}

}  // namespace vorkel::setup
