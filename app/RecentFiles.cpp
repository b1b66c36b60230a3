#include "app/RecentFiles.h"

#include <algorithm>

#include "platform/Cp1252Case.h"

namespace vorkel {

void RecentFiles::add(std::string_view path) {
  if (path.empty()) return;
  auto same = [&](const std::string& e) { return equalsIgnoringCase(e, path); };
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), same), entries_.end());
  entries_.insert(entries_.begin(), std::string(path));
  if (entries_.size() > Capacity) entries_.resize(Capacity);
}

}  // namespace vorkel
