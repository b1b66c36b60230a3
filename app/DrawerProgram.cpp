#include "app/DrawerProgram.h"

#include "platform/Files.h"
#include "platform/Process.h"

namespace vorkel {

namespace {

constexpr const char* kDrawerName = "Penvik.exe";

// The drawing program in `folder` itself, not elsewhere.
std::optional<DrawerProgram> inFolder(const std::string& folder) {
  if (folder.empty() || !Files::isAbsolutePath(folder)) return std::nullopt;
  // A name with a folder in it is looked up there alone, never on PATH.
  std::string program = Process::findProgram(Files::joinPath(folder, kDrawerName));
  if (program.empty()) return std::nullopt;
  return DrawerProgram{program, Files::parentFolder(program)};
}

}  // namespace

std::optional<DrawerProgram> findDrawerProgram(std::string_view startFolder,
                                               std::string_view programFolder) {
  if (!startFolder.empty()) {
    const std::string start = Files::absolutePath(std::string(startFolder));
    if (auto found = inFolder(Files::joinPath(Files::parentFolder(start), "PENVIK")))
      return found;
  }
  if (auto found = inFolder(std::string(programFolder))) return found;
  // A bare name: only the absolute folders of PATH.
  std::string program = Process::findProgram(kDrawerName);
  if (program.empty()) return std::nullopt;
  return DrawerProgram{program, Files::parentFolder(program)};
}

}  // namespace vorkel
