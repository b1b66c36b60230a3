#include "app/HelpPages.h"

#include "platform/Files.h"

namespace vorkel {

std::vector<std::string> helpFolders(std::string_view startDir, std::string_view programPath) {
  const std::string programFolder = Files::parentFolder(Files::absolutePath(programPath));
  return {Files::joinPath(startDir, "help"), Files::joinPath(programFolder, "help"),
          Files::joinPath(Files::parentFolder(programFolder), "share/vorkel/help")};
}

std::string findHelpPage(std::string_view page, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const std::string path = Files::findCaseInsensitive(Files::joinPath(folder, page));
    if (Files::isFile(path)) return path;
  }
  return {};
}

}  // namespace vorkel
