#include "penvik/PuzzleLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace penvik {
namespace {

RawGrid filled(int width, int height, std::string_view pattern) {
  RawGrid g;
  g.width = width;
  g.height = height;
  for (int i = 0; i < width * height; ++i) g.cells += pattern[static_cast<std::size_t>(i) % pattern.size()];
  return g;
}

bool inside(const Rect& inner, const Rect& outer) {
  const double e = 1e-9;
  return inner.x >= outer.x - e && inner.y >= outer.y - e && inner.right() <= outer.right() + e &&
         inner.bottom() <= outer.bottom() + e;
}

bool inside(const Point& p, const Rect& r) {
  const double e = 1e-9;
  return p.x >= r.x - e && p.x <= r.right() + e && p.y >= r.y - e && p.y <= r.bottom() + e;
}

// Every grid size from the smallest to the largest fits an A4 page inside
// its margins, below the title, with square cells of at most 16 mm.
TEST(PuzzleLayout, AnyGridFitsTheA4PageInsideItsMargins) {
  const Rect printable{15, 15, Page::Width - 30, Page::Height - 30};
  for (auto [w, h] : {std::pair{1, 1}, {10, 10}, {19, 25}, {10, 24}, {50, 50}, {50, 3}, {2, 50}}) {
    const PuzzlePages pages = layoutPuzzle(filled(w, h, "#OST"), Clues(), "x");
    for (const Page* page : {&pages.puzzle, &pages.solution}) {
      const GridPicture& g = page->grid;
      EXPECT_TRUE(inside(g.frame, printable)) << w << "x" << h;
      EXPECT_GE(g.frame.y, page->subtitleBox.bottom()) << w << "x" << h;
      EXPECT_LE(g.cellSize, 16.0);
      EXPECT_NEAR(g.frame.width, g.cellSize * w, 1e-9);
      EXPECT_NEAR(g.frame.height, g.cellSize * h, 1e-9);
      EXPECT_EQ(g.cells.size(), static_cast<std::size_t>(w * h));
    }
    // As large as fits: the cells are as large as allowed, or the grid
    // takes the printable width or reaches the bottom margin.
    const GridPicture& g = pages.puzzle.grid;
    EXPECT_TRUE(g.cellSize == 16.0 || std::abs(g.frame.width - printable.width) < 1e-9 ||
                std::abs(g.frame.bottom() - printable.bottom()) < 1e-9)
        << w << "x" << h;
  }
  const PuzzlePages pages = layoutPuzzle(filled(3, 3, "#"), Clues(), "x13_000.009");
  EXPECT_EQ(pages.puzzle.title, "Krydsord");
  EXPECT_EQ(pages.solution.title, "Løsning");
  EXPECT_FALSE(pages.puzzle.showLetters);
  EXPECT_TRUE(pages.solution.showLetters);
  EXPECT_EQ(pages.solution.subtitle, "x13_000.009");
}

TEST(PuzzleLayout, ClueBoxesAndArrowsStayInTheirCellAndPointIntoTheWord) {
  // (0,0) starts two words, (1,2) one across, (3,0) one down.
  RawGrid g;
  g.width = 4;
  g.height = 3;
  g.cells = "#OS#"
            "ORMA"
            "S#AB";
  Clues clues;
  clues.set({0, 0, Direction::Across}, "Mejeriprodukt");
  const GridPicture p = layoutGrid(g, clues, {0, 0, 400, 300});
  ASSERT_EQ(p.clues.size(), 4u);
  ASSERT_EQ(p.arrows.size(), 4u);
  ASSERT_EQ(p.splits.size(), 1u);
  for (std::size_t i = 0; i < p.clues.size(); ++i) {
    const ClueBox& box = p.clues[i];
    const Arrow& arrow = p.arrows[i];
    const Rect cell = p.cells[static_cast<std::size_t>(box.key.row * g.width + box.key.column)].box;
    EXPECT_TRUE(inside(box.box, cell));
    EXPECT_EQ(arrow.direction, box.key.direction);
    for (const Point& q : {arrow.tip, arrow.left, arrow.right}) EXPECT_TRUE(inside(q, cell));
    // The tip lies on the edge shared with the word's first cell, and the
    // clue's text leaves the arrow free.
    if (arrow.direction == Direction::Across) {
      EXPECT_DOUBLE_EQ(arrow.tip.x, cell.right());
      EXPECT_LE(box.box.right(), arrow.left.x);
    } else {
      EXPECT_DOUBLE_EQ(arrow.tip.y, cell.bottom());
      EXPECT_LE(box.box.bottom(), arrow.left.y);
    }
  }
  // The cell with two clues: the across clue above the split, the down one below.
  const ClueBox* across = p.clueBox({0, 0, Direction::Across});
  const ClueBox* down = p.clueBox({0, 0, Direction::Down});
  ASSERT_TRUE(across && down);
  EXPECT_EQ(across->text, "Mejeriprodukt");
  EXPECT_EQ(down->text, "");
  EXPECT_LE(across->box.bottom(), p.splits[0].first.y);
  EXPECT_GE(down->box.y, p.splits[0].first.y);
  EXPECT_FALSE(p.clueBox({3, 2, Direction::Across}));

  // A point maps back to its cell; outside the grid to none.
  for (const CellPicture& c : p.cells) {
    const auto hit = p.cellAt({c.box.x + c.box.width / 2, c.box.y + c.box.height / 2});
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, std::make_pair(c.column, c.row));
  }
  EXPECT_FALSE(p.cellAt({p.frame.right() + 1, p.frame.y}));
  EXPECT_FALSE(p.cellAt({p.frame.x - 1, p.frame.y}));
}

}  // namespace
}  // namespace penvik
