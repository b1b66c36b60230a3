#include "penvik/SplitCells.h"

#include <cmath>

namespace penvik {

namespace {

// How far the line may move, and in what steps, as parts of the cell: a
// quarter leaves the smaller half room for one line in every stock model.
constexpr double kStep = 0.025;
constexpr int kSteps = 10;

struct SplitCell {
  ClueBox* across = nullptr;
  ClueBox* down = nullptr;
  Arrow* acrossArrow = nullptr;
  std::pair<Point, Point>* line = nullptr;
};

// Moves the line by `shift` (down when positive): the across half grows by
// it, the down half shrinks by it.
void move(SplitCell& s, double shift) {
  s.across->box.height += shift;
  s.down->box.y += shift;
  s.down->box.height -= shift;
  s.line->first.y += shift;
  s.line->second.y += shift;
  for (Point* p : {&s.acrossArrow->tip, &s.acrossArrow->left, &s.acrossArrow->right}) p->y += shift / 2;
}

}  // namespace

void balanceSplitCells(GridPicture& grid, const TextFits& fits) {
  if (grid.clues.size() != grid.arrows.size()) return;
  for (std::size_t i = 0; i < grid.clues.size(); ++i) {
    ClueBox& across = grid.clues[i];
    if (across.key.direction != Direction::Across) continue;
    SplitCell s{&across, nullptr, &grid.arrows[i], nullptr};
    for (ClueBox& c : grid.clues)
      if (c.key.column == across.key.column && c.key.row == across.key.row &&
          c.key.direction == Direction::Down)
        s.down = &c;
    if (!s.down) continue;
    // The cell's line: the one whose ends lie on the cell's left edge,
    // between the two boxes.
    for (auto& line : grid.splits)
      if (line.first.y >= across.box.bottom() && line.first.y <= s.down->box.y &&
          line.first.x <= across.box.x && line.second.x >= across.box.right())
        s.line = &line;
    if (!s.line) continue;
    const bool acrossFits = fits(across.text, across.box);
    const bool downFits = fits(s.down->text, s.down->box);
    if (acrossFits == downFits) continue;  // nothing to give, or nothing needed
    const double step = grid.cellSize * kStep * (downFits ? 1 : -1);
    for (int k = 1; k <= kSteps; ++k) {
      move(s, step);
      if (fits(across.text, across.box) && fits(s.down->text, s.down->box)) break;
      if (k == kSteps) move(s, -step * kSteps);  // no place fits both: back to the middle
    }
  }
}

}  // namespace penvik
