#include "engine/ForcedAttempt.h"

#include <algorithm>
#include <cassert>

#include "engine/AutoPath.h"
#include "engine/FillContext.h"
#include "engine/FillEngine.h"
#include "engine/Path.h"
#include "engine/ProgressDisplay.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

namespace {

// True when the word starting at the stop's cell has an empty cell.
bool slotIsOpen(const WorkingGrid& grid, const PathStop& stop) {
  const bool down = stop.direction == Direction::Down;
  for (int x = stop.x, y = stop.y; grid.inside(x, y) && grid.get(x, y) != '#';
       down ? ++y : ++x)
    if (grid.get(x, y) == ' ') return true;
  return false;
}

}  // namespace

FillResult fillForced(FillContext& fill, Path& path, const ForcedWords& words,
                      std::vector<PlacedWord>& placed) {
  assert(&fill.path == &path);
  WorkingGrid& grid = fill.grid;
  if (!placeForcedWordsRetrying(grid, words, fill.language, fill.random, fill.dictionary, placed))
    return FillResult::NotPlaced;
  showFillGrid(fill.ui, grid, ForcedStartLine);

  WorkingGrid scratch(grid);  // the path builder marks the cells it covers
  layAutoPath(scratch, path);
  std::vector<PathStop>& stops = path.stops();
  stops.erase(std::remove_if(stops.begin(), stops.end(),
                             [&](const PathStop& s) { return !s.isEndMarker() && !slotIsOpen(grid, s); }),
              stops.end());
  path.renumber();

  showFillCounters(fill.ui, fill.run);
  return fillCrossword(fill, /*seedLetters=*/false);
}

}  // namespace vorkel
