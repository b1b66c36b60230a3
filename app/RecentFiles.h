#pragma once
// The recent-files list of the Skabelon menu: at most four template paths,
// the newest first. Adding a path that is already listed moves it to the
// front (names compared without regard to case, as the platform's files
// are).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class RecentFiles {
 public:
  static constexpr std::size_t Capacity = 4;

  void add(std::string_view path);
  const std::vector<std::string>& entries() const { return entries_; }
  // The entry a menu choice names; empty when there is none.
  std::string entry(std::size_t index) const {
    return index < entries_.size() ? entries_[index] : std::string();
  }

 private:
  std::vector<std::string> entries_;
};

}  // namespace vorkel
