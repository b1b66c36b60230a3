#pragma once
// Where the program's help lives: HTML pages, one per menu, shipped in a
// folder "help" of the installation. The help opens from the start folder
// first (an installation started from its own folder), then beside the
// program, then in the shared data of a system-wide installation.

#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

// The folders looked in, in order, for a program at `programPath` started
// in `startDir`.
std::vector<std::string> helpFolders(std::string_view startDir, std::string_view programPath);

// The full path of `page` in the first folder that has it; empty when none
// has.
std::string findHelpPage(std::string_view page, const std::vector<std::string>& folders);

}  // namespace vorkel
