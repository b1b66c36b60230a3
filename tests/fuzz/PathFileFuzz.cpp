// Path files (.vej): always a path ending in its end marker, never more
// stops than a grid can have, and a path written reads back the same.
#include "engine/PathFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const PathFileContents path = parsePathFile(bytes);
  fuzz::expect(!path.stops.empty() && path.stops.back().isEndMarker(), "ends in the end marker");
  fuzz::expect(path.stops.size() <= kMaxPathStops + 1, "at most a stop per slot");

  const PathFileContents back = parsePathFile(formatPathFile(path.stops, path.seeds));
  for (std::size_t i = 0; i < path.stops.size(); ++i) {
    const PathStop& a = path.stops[i];
    const PathStop& b = back.stops.at(i);
    fuzz::expect(a.x == b.x && a.y == b.y && a.direction == b.direction && a.backJump == b.backJump &&
                     a.type == b.type,
                 "a written stop reads back the same");
    if (a.isEndMarker()) break;
  }
  fuzz::expect(back.seeds == path.seeds, "written seeds read back the same");
  return 0;
}
