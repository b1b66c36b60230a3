#pragma once
// Shows the selected crossword as a grid: clue cells shaded with their
// clues and arrows, the letters in the letter cells. A click on a cell is
// reported; the window decides what it means.

#include <QWidget>
#include <functional>
#include <optional>

#include "penvik/Crossword.h"
#include "penvik/PuzzleLayout.h"

namespace penvik {

class GridWidget : public QWidget {
 public:
  explicit GridWidget(QWidget* parent = nullptr);

  // The crossword shown (nullptr: none); not owned, must outlive the widget
  // or be replaced first.
  void setCrossword(const Crossword* crossword);
  void setSelection(std::optional<std::pair<int, int>> cell, std::optional<ClueKey> clue);
  void setClickHandler(std::function<void(int column, int row)> handler) {
    onClick_ = std::move(handler);
  }
  // The layout as it is drawn now, in widget coordinates.
  GridPicture picture() const;
  // The centre of a cell in widget coordinates (for tests and tools).
  QPoint cellCentre(int column, int row) const;

  QSize sizeHint() const override { return {560, 480}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const Crossword* crossword_ = nullptr;
  std::optional<std::pair<int, int>> selectedCell_;
  std::optional<ClueKey> selectedClue_;
  std::function<void(int, int)> onClick_;
};

}  // namespace penvik
