#pragma once
// Where the generator finds the drawing program to start it.
//
//   if (auto found = findDrawerProgram(startFolder, Process::programFolder()))
//     Process::startWatched(quoted(found->program), found->folder);
//
// Looked for in this order: "..\PENVIK\" beside the start folder (an
// installation made by `setup`), the folder of the running program, then the
// absolute folders of PATH (a packaged installation puts it in /usr/bin).
// The current directory is never searched. The name is "Penvik.exe", found
// as "penvik" here and without regard to case.

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

struct DrawerProgram {
  std::string program;  // the executable, an absolute path
  std::string folder;   // where it is started: its own folder
};

std::optional<DrawerProgram> findDrawerProgram(std::string_view startFolder,
                                               std::string_view programFolder);

}  // namespace vorkel
