#include "platform/KeyboardLocks.h"

#include <dirent.h>

#include <optional>
#include <string_view>

#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

// One light: "<device>::capslock/brightness" holds 0 when it is off. The
// kernel's attribute files claim a page (4096 bytes) whatever they hold.
bool lit(const std::string& folder, const std::string& name) {
  const std::optional<std::string> text = Files::readFile(folder + "/" + name + "/brightness", 4096);
  return text && leadingInt(*text) > 0;
}

bool endsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

}  // namespace

std::optional<KeyboardLocks> KeyboardLocks::read(const std::string& ledFolder) {
  DIR* dir = ::opendir(ledFolder.c_str());
  if (!dir) return std::nullopt;
  KeyboardLocks locks;
  bool any = false;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    bool* state = endsWith(name, "::capslock")     ? &locks.capsLock
                  : endsWith(name, "::numlock")    ? &locks.numLock
                  : endsWith(name, "::scrolllock") ? &locks.scrollLock
                                                   : nullptr;
    if (!state) continue;
    any = true;
    // Several keyboards: a lock is on when any keyboard shows it.
    *state = *state || lit(ledFolder, name);
  }
  ::closedir(dir);
  if (!any) return std::nullopt;
  return locks;
}

}  // namespace vorkel
