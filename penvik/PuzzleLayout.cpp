#include "penvik/PuzzleLayout.h"

#include <algorithm>
#include <cmath>

namespace penvik {

namespace {

// Paper: 15 mm margins; title and name above the grid; cells of at most
// 16 mm, so a small grid does not print as a poster.
constexpr double kMargin = 15;
constexpr double kTitleHeight = 12;
constexpr double kSubtitleHeight = 6;
constexpr double kGridTop = kMargin + kTitleHeight + kSubtitleHeight + 6;
constexpr double kMaxPaperCell = 16;

// Arrow proportions, relative to the cell.
constexpr double kArrowHalfWidth = 0.10;
constexpr double kArrowDepth = 0.12;
constexpr double kPadding = 0.05;

Arrow acrossArrow(double right, double centreY, double cell) {
  const double half = cell * kArrowHalfWidth, depth = cell * kArrowDepth;
  return {Direction::Across, {right, centreY}, {right - depth, centreY - half},
          {right - depth, centreY + half}};
}

Arrow downArrow(double centreX, double bottom, double cell) {
  const double half = cell * kArrowHalfWidth, depth = cell * kArrowDepth;
  return {Direction::Down, {centreX, bottom}, {centreX + half, bottom - depth},
          {centreX - half, bottom - depth}};
}

}  // namespace

std::optional<std::pair<int, int>> GridPicture::cellAt(Point p) const {
  if (cellSize <= 0 || !frame.contains(p)) return std::nullopt;
  const int column = std::min(columns - 1, static_cast<int>((p.x - frame.x) / cellSize));
  const int row = std::min(rows - 1, static_cast<int>((p.y - frame.y) / cellSize));
  return std::make_pair(column, row);
}

const ClueBox* GridPicture::clueBox(const ClueKey& key) const {
  for (const ClueBox& c : clues)
    if (c.key == key) return &c;
  return nullptr;
}

GridPicture layoutGrid(const RawGrid& grid, const Clues& clues, Rect area, double maxCellSize) {
  GridPicture g;
  g.columns = grid.width;
  g.rows = grid.height;
  if (grid.width <= 0 || grid.height <= 0 || area.width <= 0 || area.height <= 0) return g;
  const double cell =
      std::min({area.width / grid.width, area.height / grid.height, maxCellSize});
  g.cellSize = cell;
  g.frame = {area.x + (area.width - cell * grid.width) / 2, area.y, cell * grid.width,
             cell * grid.height};

  const double pad = cell * kPadding;
  const double arrowRoom = cell * kArrowDepth + pad;
  for (int row = 0; row < grid.height; ++row) {
    for (int column = 0; column < grid.width; ++column) {
      const Rect box{g.frame.x + column * cell, g.frame.y + row * cell, cell, cell};
      const bool clue = grid.isClue(column, row);
      g.cells.push_back({column, row, box, clue, clue ? ' ' : grid.at(column, row)});
      if (!clue) continue;
      const ClueCell c = clueCellAt(grid, column, row);
      const ClueKey across{column, row, Direction::Across}, down{column, row, Direction::Down};
      if (c.across && c.down) {
        // Half the padding on each side of the split line: the line itself
        // keeps the two clues apart, and the room lets a long word of the
        // across clue break onto a second line in the cells of a large grid.
        const double middle = box.y + cell / 2;
        g.splits.push_back({{box.x, middle}, {box.right(), middle}});
        g.clues.push_back(
            {across, {box.x + pad, box.y + pad, cell - pad - arrowRoom, cell / 2 - 1.5 * pad},
             clues.text(across)});
        g.arrows.push_back(acrossArrow(box.right(), box.y + cell / 4, cell));
        g.clues.push_back(
            {down, {box.x + pad, middle + pad / 2, cell - 2 * pad, cell / 2 - pad / 2 - arrowRoom},
             clues.text(down)});
        g.arrows.push_back(downArrow(box.x + cell / 2, box.bottom(), cell));
      } else if (c.across) {
        g.clues.push_back(
            {across, {box.x + pad, box.y + pad, cell - pad - arrowRoom, cell - 2 * pad},
             clues.text(across)});
        g.arrows.push_back(acrossArrow(box.right(), box.y + cell / 2, cell));
      } else if (c.down) {
        g.clues.push_back({down, {box.x + pad, box.y + pad, cell - 2 * pad, cell - pad - arrowRoom},
                           clues.text(down)});
        g.arrows.push_back(downArrow(box.x + cell / 2, box.bottom(), cell));
      }
    }
  }
  for (ClueBox& b : g.clues) b.draft = clues.isDraft(b.key);
  return g;
}

PuzzlePages layoutPuzzle(const RawGrid& grid, const Clues& clues, std::string_view name) {
  const Rect area{kMargin, kGridTop, Page::Width - 2 * kMargin,
                  Page::Height - kGridTop - kMargin};
  PuzzlePages pages;
  for (Page* page : {&pages.puzzle, &pages.solution}) {
    page->titleBox = {kMargin, kMargin, Page::Width - 2 * kMargin, kTitleHeight};
    page->subtitleBox = {kMargin, kMargin + kTitleHeight, Page::Width - 2 * kMargin,
                         kSubtitleHeight};
    page->subtitle = std::string(name);
    page->grid = layoutGrid(grid, clues, area, kMaxPaperCell);
  }
  pages.puzzle.title = "Krydsord";
  pages.solution.title = "Løsning";
  pages.solution.showLetters = true;
  return pages;
}

}  // namespace penvik
