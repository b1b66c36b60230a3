#include "engine/PathOptimiser.h"

#include <vector>

#include "engine/AutoPath.h"
#include "engine/EtOrd.h"
#include "engine/Path.h"
#include "engine/Simpelarr.h"
#include "engine/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

struct Span {
  int start = 0;
  int len = 0;
};

// The run of letter cells through (x, y) in direction `retning`: its first
// coordinate along that direction and its length. Read from the cells, so no
// slot lookup (and no mismatch message) is involved.
Span wordThrough(const Simpelarr& grid, int x, int y, Retning retning) {
  const bool down = retning == Ned;
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

bool touches(const Simpelarr& grid, const EtOrd& q, const EtOrd& p) {
  const bool qDown = q.retning == Ned;
  for (int i = 0; i < q.len; ++i) {
    const int cx = qDown ? q.x : q.x + i;
    const int cy = qDown ? q.y + i : q.y;
    if (p.retning == Ned) {
      if (!within(cy, p.y, p.y + p.len)) continue;
      const Span across = wordThrough(grid, cx, cy, Hen);
      if (within(p.x, across.start, across.start + across.len)) return true;
    } else {
      if (!within(cx, p.x, p.x + p.len)) continue;
      const Span down = wordThrough(grid, cx, cy, Ned);
      if (within(p.y, down.start, down.start + down.len)) return true;
    }
  }
  return false;
}

void optimisePath(Path& path, Simpelarr& grid) {
  std::vector<VejStop>& stops = path.stops();
  std::vector<EtOrd>& slots = grid.slots();

  // Link every stop to its slot, by index into the slot list (-1: none).
  std::size_t end = path.length();
  for (std::size_t k = 0; k < end; ++k) {
    VejStop& s = stops[k];
    const EtOrd* slot = grid.findSlot(s.x, s.y, s.retning == VejStop::Ned ? Ned : Hen);
    s.slot = slot ? static_cast<std::int32_t>(slot - slots.data()) : -1;
  }

  // The first stop of each slot stays; later visits are dropped. A stop
  // that found no slot at all is no repeat of anything and stays as it is.
  std::vector<bool> seen(slots.size(), false);
  for (std::size_t k = 0; k < end;) {
    const std::int32_t slot = stops[k].slot;
    if (slot >= 0 && seen[static_cast<std::size_t>(slot)]) {
      path.unlink(k);
      --end;
      continue;
    }
    if (slot >= 0) seen[static_cast<std::size_t>(slot)] = true;
    ++k;
  }

  // Back-jump distances; the first stop keeps its own.
  for (std::size_t k = 1; k < end; ++k) {
    VejStop& p = stops[k];
    for (int i = 1; i < kMaxBackJump; ++i) {
      const std::size_t qi = path.stopBefore(k, i);
      const VejStop& q = stops[qi];
      if (qi == 0 ||
          (p.slot >= 0 && q.slot >= 0 &&
           touches(grid, slots[static_cast<std::size_t>(q.slot)],
                   slots[static_cast<std::size_t>(p.slot)]))) {
        p.rc = i - 1;
        break;
      }
    }
  }

  // The links point into this grid's slot list, which dies with the grid.
  for (VejStop& s : stops) s.slot = -1;
}

void optimisePath(Path& path, const CrosswordDocument& doc, Ui& ui) {
  if (path.empty()) return;
  Simpelarr grid = Simpelarr::fromDocument(doc, ui, false);
  grid.buildSlots();
  optimisePath(path, grid);
}

bool optimiseCommand(const CrosswordDocument& doc, Path& path, Ui& ui) {
  if (path.empty()) {
    ui.messageBox(texts::optimiseNoPath, texts::optimiseNoPathCaption, Icon::None, Buttons::Ok);
    return false;
  }
  optimisePath(path, doc, ui);
  ui.messageBox(texts::optimiseDone, texts::optimiseDoneCaption, Icon::None, Buttons::Ok);
  return true;
}

std::size_t newPathCommand(const CrosswordDocument& doc, Path& path, Ui& ui) {
  Simpelarr grid = Simpelarr::fromDocument(doc, ui, false);
  layAutoPath(grid, path);
  optimisePath(path, doc, ui);
  return path.length();
}

std::size_t autoPathCommand(const CrosswordDocument& doc, Path& path, Ui& ui) {
  ui.setCursor(Cursor::Wait);
  const std::size_t n = newPathCommand(doc, path, ui);
  ui.setCursor(Cursor::Arrow);
  return n;
}

}  // namespace vorkel
