#include "setup/Destination.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "setup/WizardState.h"

namespace vorkel::setup {

namespace {
constexpr std::size_t kShownChars = 30;
}

std::string programFilesFolder(const Registry& registry, const std::string& home) {
  std::string dir = registry.readString(RegistryRoot::LocalMachine,
                                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                        "ProgramFilesDir");
  if (!dir.empty()) return dir;
  return home.empty() ? std::string("/") : home;
}

void setDestination(WizardState& state, std::string_view folder, std::string_view name) {
  state.destinationBase = Files::withTrailingSeparator(Files::absolutePath(folder));
  if (!name.empty() && Files::isSeparator(name.front())) name.remove_prefix(1);
  if (!name.empty() && Files::isSeparator(name.back())) name.remove_suffix(1);
  state.destinationName = std::string(name);
}

std::string shortenedPath(std::string_view base, std::string_view name) {
  std::string full = std::string(base) + std::string(name);
  // Counted in characters: a UTF-8 continuation byte starts none.
  const auto characters = std::count_if(full.begin(), full.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  if (static_cast<std::size_t>(characters) <= kShownChars) return full;
  for (std::size_t i = 3; i < base.size(); ++i)
    if (Files::isSeparator(base[i]))
      return std::string(base.substr(0, i)) + "/.../" + std::string(name);
  return std::string(base);
}

}  // namespace vorkel::setup
