#pragma once
// For every cell of the grid, the across and the down slot through it.
//
// The candidate search asks for the crossing slot at every position of every
// slot it fills; the grid's own slot search walks the whole slot list for
// each. During a fill the cells change but the slots do not (the list is
// built once per fill), so one table built after the slot list answers the
// same question directly. Pointers go into the grid's slot list: rebuild the
// index whenever the list is rebuilt.

#include <cstddef>
#include <vector>

#include "engine/WorkingGrid.h"

namespace vorkel {

class SlotIndex {
 public:
  void build(WorkingGrid& grid) {
    width_ = grid.width();
    height_ = grid.height();
    const std::size_t cells = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    across_.assign(cells, nullptr);
    down_.assign(cells, nullptr);
    for (Slot& slot : grid.slots()) {
      std::vector<Slot*>& table = slot.direction == Direction::Down ? down_ : across_;
      for (int i = 0; i < slot.len; ++i) {
        const int x = slot.direction == Direction::Down ? slot.x : slot.x + i;
        const int y = slot.direction == Direction::Down ? slot.y + i : slot.y;
        if (x < 0 || y < 0 || x >= width_ || y >= height_) break;
        Slot*& entry = table[cell(x, y)];
        if (entry == nullptr) entry = &slot;
      }
    }
  }

  void clear() {
    across_.clear();
    down_.clear();
    width_ = height_ = 0;
  }

  // The slot through (x, y) in direction `direction`; nullptr when none is
  // known (outside the grid, a "#" cell, or no index built).
  Slot* find(int x, int y, Direction direction) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return (direction == Direction::Down ? down_ : across_)[cell(x, y)];
  }

 private:
  std::size_t cell(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Slot*> across_;
  std::vector<Slot*> down_;
};

}  // namespace vorkel
