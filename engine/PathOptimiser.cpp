#include "engine/PathOptimiser.h"

#include <vector>

#include "engine/AutoPath.h"
#include "engine/BackJumps.h"
#include "engine/Slot.h"
#include "engine/Path.h"
#include "engine/WorkingGrid.h"
#include "engine/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

void optimisePath(Path& path, WorkingGrid& grid) {
  std::vector<PathStop>& stops = path.stops();
  std::vector<Slot>& slots = grid.slots();

  // Link every stop to its slot, by index into the slot list (-1: none).
  std::size_t end = path.length();
  for (std::size_t k = 0; k < end; ++k) {
    PathStop& s = stops[k];
    const Slot* slot = grid.findSlot(s.x, s.y, s.direction == Direction::Down ? Direction::Down : Direction::Across);
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

  setBackJumps(path, grid, end);

  // The links point into this grid's slot list, which dies with the grid.
  for (PathStop& s : stops) s.slot = -1;
}

void optimisePath(Path& path, const CrosswordDocument& doc, Ui& ui) {
  if (path.empty()) return;
  WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
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
  WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
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
