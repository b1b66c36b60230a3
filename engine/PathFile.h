#pragma once
// The .vej text format of a path.
//
//   -2 x1 y1 r1 x2 y2 r2        optional seed line
//   x y retning rc Type         one line per stop, with a blank before the line end
//   ...                         up to and including the first end marker
//   -1 -1 0 0                   closing line
//
// Reading takes at most 89 characters of each line (the rest of a longer line
// is skipped) and stops at the end of the file or at the first line with
// fewer than two numbers. Without a seed line the first seed is the first
// stop and the second seed is ignored.

#include <string>
#include <string_view>
#include <vector>

#include "engine/SeedPositions.h"
#include "engine/VejStop.h"

namespace vorkel {

struct PathFileContents {
  std::vector<VejStop> stops;  // always ends with an end marker
  SeedPositions seeds;
};

// Never fails: whatever the bytes hold, the result is a path (perhaps only
// the end marker).
PathFileContents parsePathFile(std::string_view bytes);

// The file's bytes, with CR LF line ends.
std::string formatPathFile(const std::vector<VejStop>& stops, const SeedPositions& seeds);

}  // namespace vorkel
