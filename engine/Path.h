#pragma once
// The fill path: the word slots in the order the fill engine takes them,
// plus the two seed positions saved with it.
//
// A path is either empty (none loaded or made) or a list of stops that ends
// with at least one end marker (a stop with x < 0). Every consumer stops at
// the first end marker; stops behind it (a loaded file brings its own marker
// and closing line as two extra ones) mean nothing.
//
//   Path path;
//   if (!path.load("Model1.vej")) { /* the file could not be opened */ }
//   for (const PathStop& s : path.stops()) { if (s.isEndMarker()) break; ... }
//   path.save("copy.vej");

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SeedPositions.h"
#include "engine/PathStop.h"

namespace vorkel {

class Path {
 public:
  bool empty() const { return stops_.empty(); }
  std::vector<PathStop>& stops() { return stops_; }
  const std::vector<PathStop>& stops() const { return stops_; }
  // The stops before the first end marker.
  std::size_t length() const;

  SeedPositions& seeds() { return seeds_; }
  const SeedPositions& seeds() const { return seeds_; }

  // Replaces stops and seeds from a .vej file. False only when the file
  // cannot be opened (or is too large to be a path); the path is then
  // unchanged.
  bool load(std::string_view fileName);
  // Writes stops and seeds; false when the file cannot be written.
  bool save(std::string_view fileName) const;

  // The path becomes empty.
  void free() { stops_.clear(); }
  // Numbers every stop that has a successor 1, 2, 3, ... in list order.
  void renumber();
  // The index of the stop n places before `index`; 0 when it lies fewer than
  // n places from the start.
  std::size_t stopBefore(std::size_t index, int n) const;
  // Takes a stop out of the list and hands it to the caller.
  PathStop unlink(std::size_t index);
  // For the grid turned by 90 degrees: every stop up to the first end marker
  // swaps x and y and flips its direction. Twice restores the path.
  void transpose();

  bool operator==(const Path&) const = default;

 private:
  std::vector<PathStop> stops_;
  SeedPositions seeds_;
};

}  // namespace vorkel
