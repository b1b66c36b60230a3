#include "penvik/qt/GridWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "penvik/qt/PuzzlePainter.h"
#include "penvik/qt/Texts.h"

namespace penvik {

namespace {
constexpr int kMargin = 10;
// Cells on screen stay readable, but a small grid does not fill a big window.
constexpr double kMaxScreenCell = 72;
}  // namespace

GridWidget::GridWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("grid");
  setMinimumSize(200, 200);
  setAutoFillBackground(true);
  setPalette(QPalette(QColor(245, 245, 240)));
}

void GridWidget::setCrossword(const Crossword* crossword) {
  crossword_ = crossword;
  selectedCell_.reset();
  selectedClue_.reset();
  update();
}

void GridWidget::setSelection(std::optional<std::pair<int, int>> cell, std::optional<ClueKey> clue) {
  selectedCell_ = cell;
  selectedClue_ = clue;
  update();
}

GridPicture GridWidget::picture() const {
  if (!crossword_ || !crossword_->grid) return {};
  const Rect area{kMargin, kMargin, static_cast<double>(width() - 2 * kMargin),
                  static_cast<double>(height() - 2 * kMargin)};
  return layoutGrid(*crossword_->grid, crossword_->clues, area, kMaxScreenCell);
}

QPoint GridWidget::cellCentre(int column, int row) const {
  const GridPicture g = picture();
  return QPoint(static_cast<int>(g.frame.x + (column + 0.5) * g.cellSize),
                static_cast<int>(g.frame.y + (row + 0.5) * g.cellSize));
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!crossword_) {
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, texts::noCrossword);
    return;
  }
  if (!crossword_->grid) {
    painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromUtf8(crossword_->error.c_str()));
    return;
  }
  GridStyle style;
  style.letters = true;
  style.selectedCell = selectedCell_;
  style.highlighted = selectedClue_;
  style.markDrafts = true;
  paintGrid(painter, picture(), 1.0, style);
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPointF p = event->position();
  if (const auto cell = picture().cellAt({p.x(), p.y()}); cell && onClick_)
    onClick_(cell->first, cell->second);
}

}  // namespace penvik
