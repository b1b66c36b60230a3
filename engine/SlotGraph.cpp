#include "engine/SlotGraph.h"

#include "engine/WorkingGrid.h"

namespace vorkel {

SlotGraph SlotGraph::of(const WorkingGrid& grid) {
  SlotGraph g;
  g.width = grid.width();
  g.height = grid.height();
  const auto cells = static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height);
  // For every cell, the slot through it in each direction and its position.
  std::vector<int> slotOf[2] = {std::vector<int>(cells, -1), std::vector<int>(cells, -1)};
  std::vector<int> positionOf[2] = {std::vector<int>(cells, 0), std::vector<int>(cells, 0)};

  for (int dir = 0; dir < 2; ++dir) {
    const bool down = static_cast<Direction>(dir) == Direction::Down;
    const int lines = down ? g.width : g.height;
    const int along = down ? g.height : g.width;
    for (int line = 0; line < lines; ++line) {
      for (int i = 0; i < along;) {
        auto cellAt = [&](int k) { return down ? k * g.width + line : line * g.width + k; };
        if (grid.get(down ? line : i, down ? i : line) == '#') {
          ++i;
          continue;
        }
        int end = i;
        while (end < along && grid.get(down ? line : end, down ? end : line) != '#') ++end;
        const int length = end - i;
        if (length > MaxLength) {
          ++g.tooLong;
        } else if (length >= 2) {
          Slot s;
          s.x = down ? line : i;
          s.y = down ? i : line;
          s.direction = down ? Direction::Down : Direction::Across;
          s.length = length;
          s.crossing.fill(-1);
          const int number = static_cast<int>(g.slots.size());
          for (int k = 0; k < length; ++k) {
            s.cell[static_cast<std::size_t>(k)] = cellAt(i + k);
            slotOf[dir][static_cast<std::size_t>(cellAt(i + k))] = number;
            positionOf[dir][static_cast<std::size_t>(cellAt(i + k))] = k;
          }
          g.slots.push_back(s);
        }
        i = end;
      }
    }
  }

  for (Slot& s : g.slots) {
    const int other = directionNumber(crossing(s.direction));
    for (int k = 0; k < s.length; ++k) {
      const auto cell = static_cast<std::size_t>(s.cell[static_cast<std::size_t>(k)]);
      const int crossing = slotOf[other][cell];
      s.crossing[static_cast<std::size_t>(k)] = crossing;
      s.crossingPosition[static_cast<std::size_t>(k)] = positionOf[other][cell];
      if (crossing >= 0) ++s.crossings;
    }
  }
  for (std::size_t c = 0; c < cells; ++c) {
    const int x = static_cast<int>(c) % g.width, y = static_cast<int>(c) / g.width;
    if (grid.get(x, y) != '#' && slotOf[0][c] < 0 && slotOf[1][c] < 0) ++g.lonelyCells;
  }
  return g;
}

std::uint32_t SlotGraph::lengths() const {
  std::uint32_t bits = 0;
  for (const Slot& s : slots) bits |= std::uint32_t{1} << s.length;
  return bits;
}

}  // namespace vorkel
