#pragma once
// The .vej text format of a path.
//
//   -2 x1 y1 r1 x2 y2 r2        optional seed line
//   x y direction backJump type  one line per stop, with a blank before the line end
//   ...                         up to and including the first end marker
//   -1 -1 0 0                   closing line
//
// Reading takes at most 89 characters of each line (the rest of a longer line
// is skipped) and stops at the end of the file, at the first line with fewer
// than two numbers, or after kMaxPathStops stops. Without a seed line the first seed is the first
// stop and the second seed is ignored.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/CrosswordDocument.h"
#include "engine/SeedPositions.h"
#include "engine/PathStop.h"

namespace vorkel {

// The most stops a path may have: one per slot of the largest grid (50 x 50
// cells, each the start of at most one slot across and one down). A path
// is filled by a recursion a level per stop; a file of tens of thousands of
// repeated stops once overflowed the stack. Lines after these are ignored.
inline constexpr std::size_t kMaxPathStops =
    2 * CrosswordDocument::kMaxSize * CrosswordDocument::kMaxSize;

struct PathFileContents {
  std::vector<PathStop> stops;  // always ends with an end marker
  SeedPositions seeds;
};

// Never fails: whatever the bytes hold, the result is a path (perhaps only
// the end marker).
PathFileContents parsePathFile(std::string_view bytes);

// The file's bytes, with CR LF line ends.
std::string formatPathFile(const std::vector<PathStop>& stops, const SeedPositions& seeds);

}  // namespace vorkel
