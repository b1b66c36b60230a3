#include "engine/AutoPath.h"

#include <algorithm>

#include "engine/Slot.h"
#include "engine/Path.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

namespace {

int filledCells(const Slot& slot) {
  const auto text = slot.textView();
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
}

// True when `s` should replace `best` as the chosen slot.
bool beats(const Slot& s, const Slot& best) {
  const bool sOpen = WorkingGrid::hasEmptyCell(s);
  const bool bestOpen = WorkingGrid::hasEmptyCell(best);
  if (sOpen && !bestOpen) return true;
  if (!sOpen || !bestOpen) return false;
  const int sFilled = filledCells(s);
  const int bestFilled = filledCells(best);
  if (sFilled != bestFilled) return sFilled > bestFilled;
  return s.len >= best.len;
}

PathStop endMarker() {
  PathStop marker;
  marker.x = -1;
  marker.y = 1;
  marker.direction = Direction::Down;
  return marker;
}

}  // namespace

std::size_t layAutoPath(WorkingGrid& grid, Path& path) {
  std::vector<PathStop>& stops = path.stops();
  stops.clear();
  // Every pass either marks at least one more cell or ends the loop, so the
  // loop runs at most once per letter cell plus once.
  for (;;) {
    grid.buildSlots();
    const std::vector<Slot>& slots = grid.slots();
    if (slots.empty()) break;
    const Slot* best = &slots.front();
    for (const Slot& s : slots)
      if (&s != best && beats(s, *best)) best = &s;

    PathStop stop;
    stop.x = best->x;
    stop.y = best->y;
    stop.direction = best->direction;
    stop.number = 0;
    stop.backJump = 0;
    stop.type = 0;
    stops.push_back(stop);

    Slot covered = *best;
    bool changed = false;
    for (char& c : covered.text) {
      if (c == '\0') break;
      if (c != 'X') changed = true;
      c = 'X';
    }
    if (!changed) break;
    grid.writeSlot(covered);
  }
  const std::size_t count = stops.size();
  stops.push_back(endMarker());
  stops.push_back(endMarker());
  return count;
}

}  // namespace vorkel
