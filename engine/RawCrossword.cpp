#include "engine/RawCrossword.h"

#include <cerrno>
#include <climits>
#include <cstdio>

#include "engine/WorkingGrid.h"
#include "platform/Files.h"
#include "platform/StagedFile.h"

namespace vorkel {

std::string rawCrosswordName(int width, std::int32_t number, int height) {
  char name[64];
  std::snprintf(name, sizeof name, "x%d_%3.3d.%3.3d", width, static_cast<int>(number), height);
  return name;
}

std::string formatRawCrossword(const WorkingGrid& grid) {
  char header[32];
  std::snprintf(header, sizeof header, "%d\t%d\r\n", grid.width(), grid.height());
  std::string out = header;
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) {
      char c = grid.get(x, y);
      // A cell the fill left without a letter has nothing to show but its
      // blank; a NUL would end the line for the reader.
      out += c == '\0' ? ' ' : c;
    }
    out += "\r\n";
  }
  return out;
}

RawCrosswordResult saveRawCrossword(const WorkingGrid& grid, std::string_view folder,
                                    std::int32_t& counter) {
  const std::string dir = folder.empty() ? std::string(".") : Files::toSlashes(folder);
  auto pathFor = [&](std::int32_t number) {
    return Files::joinPath(dir, rawCrosswordName(grid.width(), number, grid.height()));
  };
  RawCrosswordResult result;
  result.path = pathFor(counter);

  // Staged under a hidden name, so the drawing program's listing of "x*"
  // never sees it; published under the first free name.
  StagedFile staged(dir, ".rawcrossword-");
  if (!staged.open() || !staged.append(formatRawCrossword(grid)) || !staged.finish(nullptr))
    return result;

  while (counter < INT32_MAX) {
    std::string target = pathFor(counter);
    const int error = staged.publishNew(target);
    if (error == EEXIST) {
      ++counter;
      continue;
    }
    result.path = target;
    if (error != 0) return result;
    ++counter;
    result.saved = true;
    return result;
  }
  return result;
}

}  // namespace vorkel
