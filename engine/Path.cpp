#include "engine/Path.h"

#include <optional>
#include <utility>

#include "engine/PathFile.h"
#include "platform/Files.h"

namespace vorkel {

namespace {
// A path file holds a stop per slot of the grid, a few thousand lines of at
// most 89 characters; anything larger is not one.
constexpr std::uint64_t kMaxPathFileBytes = 1u << 20;
}  // namespace

std::size_t Path::length() const {
  std::size_t n = 0;
  while (n < stops_.size() && !stops_[n].isEndMarker()) ++n;
  return n;
}

bool Path::load(std::string_view fileName) {
  std::optional<std::string> bytes =
      Files::readFile(fileName, kMaxPathFileBytes);
  if (!bytes) return false;
  PathFileContents contents = parsePathFile(*bytes);
  stops_ = std::move(contents.stops);
  seeds_ = contents.seeds;
  return true;
}

bool Path::save(std::string_view fileName) const {
  return Files::writeFileAtomically(fileName, formatPathFile(stops_, seeds_));
}

void Path::renumber() {
  for (std::size_t i = 0; i + 1 < stops_.size(); ++i) stops_[i].number = static_cast<std::int32_t>(i + 1);
}

std::size_t Path::stopBefore(std::size_t index, int n) const {
  if (n <= 0) return index;
  const auto back = static_cast<std::size_t>(n);
  return index < back ? 0 : index - back;
}

PathStop Path::unlink(std::size_t index) {
  if (index >= stops_.size()) return PathStop{};
  PathStop stop = stops_[index];
  stops_.erase(stops_.begin() + static_cast<std::ptrdiff_t>(index));
  return stop;
}

void Path::transpose() {
  for (PathStop& s : stops_) {
    if (s.isEndMarker()) break;
    std::swap(s.x, s.y);
    s.direction = crossing(s.direction);
  }
}

}  // namespace vorkel
