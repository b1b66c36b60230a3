#include "engine/BackJumps.h"

#include <vector>

#include "engine/Slot.h"
#include "engine/Path.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

namespace {

struct Span {
  int start = 0;
  int len = 0;
};

// The run of letter cells through (x, y) in direction `direction`: its first
// coordinate along that direction and its length. Read from the cells, so no
// slot lookup (and no mismatch message) is involved.
Span wordThrough(const WorkingGrid& grid, int x, int y, Direction direction) {
  const bool down = direction == Direction::Down;
  auto letter = [&](int i) {
    const char c = down ? grid.get(x, i) : grid.get(i, y);
    return c != '#' && c != '\0';
  };
  int start = down ? y : x;
  while (start > 0 && letter(start - 1)) --start;
  int end = down ? y : x;
  while (letter(end + 1)) ++end;
  return {start, end - start + 1};
}

bool within(int v, int from, int to) { return v >= from && v <= to; }

}  // namespace

bool touches(const WorkingGrid& grid, const Slot& q, const Slot& p) {
  const bool qDown = q.direction == Direction::Down;
  for (int i = 0; i < q.len; ++i) {
    const int cx = qDown ? q.x : q.x + i;
    const int cy = qDown ? q.y + i : q.y;
    if (p.direction == Direction::Down) {
      if (!within(cy, p.y, p.y + p.len)) continue;
      const Span across = wordThrough(grid, cx, cy, Direction::Across);
      if (within(p.x, across.start, across.start + across.len)) return true;
    } else {
      if (!within(cx, p.x, p.x + p.len)) continue;
      const Span down = wordThrough(grid, cx, cy, Direction::Down);
      if (within(p.y, down.start, down.start + down.len)) return true;
    }
  }
  return false;
}

void setBackJumps(Path& path, const WorkingGrid& grid, std::size_t end) {
  std::vector<PathStop>& stops = path.stops();
  const std::vector<Slot>& slots = grid.slots();
  for (std::size_t k = 1; k < end; ++k) {
    PathStop& p = stops[k];
    for (int i = 1; i < kMaxBackJump; ++i) {
      const std::size_t qi = path.stopBefore(k, i);
      const PathStop& q = stops[qi];
      if (qi == 0 ||
          (p.slot >= 0 && q.slot >= 0 &&
           touches(grid, slots[static_cast<std::size_t>(q.slot)],
                   slots[static_cast<std::size_t>(p.slot)]))) {
        p.backJump = i - 1;
        break;
      }
    }
  }
}

}  // namespace vorkel
