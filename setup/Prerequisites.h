#pragma once
// The help system's prerequisites: whether the machine can open the help
// (".htm" and ".chm" files), and which installers from the medium to start
// after the last page when it cannot.
//
//   SystemFacts facts = readSystemFacts(registry, system);
//   double mb = spaceNeededMb(selection, prerequisitesNeeded(facts));
//   for (auto& line : prerequisiteCommands(facts, BuildLanguage, sourceRoot))
//     system.start(line);                          // a failed start is ignored

#include <string>
#include <vector>

#include "setup/InstallerLanguage.h"

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

class InstallerSystem;

struct SystemFacts {
  bool htmOpens = false;     // some program opens ".htm" files
  bool chmOpens = false;     // some program opens ".chm" files
  bool dcomEnabled = false;  // HKLM\SOFTWARE\MICROSOFT\OLE "EnableDCOM" starts with Y
  bool windows95 = false;    // never true on this platform
};

// A program counts as registered for an extension when the registry store
// names a class for it whose SHELL\OPEN\COMMAND is not empty, or when the
// desktop's MIME database names a default application for its type.
SystemFacts readSystemFacts(const Registry& registry, InstallerSystem& system);

// The registry side of the test above.
bool openCommandRegistered(const Registry& registry, const std::string& extension);

// Whether a prerequisite installer will be needed (160 MB more).
bool prerequisitesNeeded(const SystemFacts& facts);

// The command lines to start, in order: below `sourceRoot` + "ie5/" and
// + "HHUpd/", in the medium's folder for the installer's language ("da").
std::vector<std::string> prerequisiteCommands(const SystemFacts& facts, InstallerLanguage language,
                                              const std::string& sourceRoot);

}  // namespace vorkel::setup
