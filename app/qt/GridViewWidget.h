#pragma once
// The grid view: the main window's client. Paints the document from the
// GridView model (light-yellow grid, clue cells as black dots, letters,
// the red outer border and the inner cell lines), the cell cursor, and
// while a run is active the fill's progress pictures on top. Mouse buttons,
// keys and typed characters go to the model.

#include <QAbstractScrollArea>

class QPainter;
#include <QString>
#include <QPoint>
#include <functional>
#include <optional>

#include "app/GridView.h"

namespace vorkel {

class ApplicationContext;

class GridViewWidget : public QAbstractScrollArea {
 public:
  GridViewWidget(ApplicationContext& context, GridView& view, QWidget* parent = nullptr);

  // The fill's progress: the grid picture (status line, then rows) and the
  // counters (two lines). Empty texts remove them.
  void setProgressGrid(const QString& text);
  void setProgressCounters(const QString& text);
  void clearProgress();

  // Takes the scroll range from the model (after a zoom).
  void updateScrollRange();

  // Called once after the first paint of the program run.
  void setFirstPaintHandler(std::function<void()> handler) { firstPaint_ = std::move(handler); }

  int paintCount() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  ApplicationContext& context_;
  GridView& view_;
  QString progressGrid_;
  QString progressCounters_;
  std::function<void()> firstPaint_;
  int paints_ = 0;
  // The path editor's drag: where the left button went down.
  std::optional<QPoint> dragStart_;
  bool pathEditorKey(QKeyEvent* event);
  void paintPathEditor(QPainter& painter, const GridLayout& g);
};

}  // namespace vorkel
