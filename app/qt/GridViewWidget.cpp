#include "app/qt/GridViewWidget.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/ApplicationContext.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

// Makes what a key or click changed in the grid or the path one step to
// undo, whichever way the handler leaves.
class RecordChange {
 public:
  explicit RecordChange(GridView& view) : view_(view) {}
  ~RecordChange() { view_.recordChange(); }
  RecordChange(const RecordChange&) = delete;
  RecordChange& operator=(const RecordChange&) = delete;

 private:
  GridView& view_;
};

const QColor kLightYellow(255, 255, 192);
const QColor kBorder(200, 0, 0);
const QColor kCursor(0, 90, 200);

}  // namespace

GridViewWidget::GridViewWidget(ApplicationContext& context, GridView& view, QWidget* parent)
    : QAbstractScrollArea(parent), context_(context), view_(view) {
  setObjectName("gridView");
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  QPalette p = viewport()->palette();
  p.setColor(QPalette::Base, Qt::white);
  viewport()->setPalette(p);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  updateScrollRange();
}

void GridViewWidget::updateScrollRange() {
  horizontalScrollBar()->setRange(0, view_.scrollRangeX());
  verticalScrollBar()->setRange(0, view_.scrollRangeY());
  horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / GridView::ScrollUnit));
  verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / GridView::ScrollUnit));
}

void GridViewWidget::setProgressGrid(const QString& text) {
  progressGrid_ = text;
  viewport()->update();
}

void GridViewWidget::setProgressCounters(const QString& text) {
  progressCounters_ = text;
  viewport()->update();
}

void GridViewWidget::clearProgress() {
  progressGrid_.clear();
  progressCounters_.clear();
  viewport()->update();
}

void GridViewWidget::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter painter(viewport());
  painter.translate(-horizontalScrollBar()->value() * GridView::ScrollUnit,
                    -verticalScrollBar()->value() * GridView::ScrollUnit);
  const CrosswordDocument& doc = context_.document;
  const GridLayout g = view_.layout(viewport()->height());
  const int s = g.cellSize;
  if (s > 0) {
    painter.fillRect(g.origin, g.origin, g.width(), g.height(), kLightYellow);

    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, s));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // The dot of a clue cell: a zero-length line with a round pen.
    QPen dot(Qt::black, std::max(1, (s / 3) * 2), Qt::SolidLine, Qt::RoundCap);
    for (int c = 1; c <= g.columns; ++c)
      for (int r = 1; r <= g.rows; ++r) {
        const Cell& k = doc.cellAt(c, r);
        const int x = g.origin + (c - 1) * s, y = g.origin + (r - 1) * s;
        if (k.isClue) {
          painter.setPen(dot);
          painter.drawPoint(QPointF(x + s / 2.0, y + s / 2.0));
          continue;
        }
        const unsigned char letter = CrosswordDocument::letterOf(k);
        if (letter == 0) continue;
        const QString text = QString::fromStdString(cp1252ToUtf8(std::string(1, char(letter))));
        const int w = metrics.horizontalAdvance(text);
        painter.setPen(Qt::black);
        // The top of the text at the cell's top, centred across.
        painter.drawText(QRect(x + (s - w) / 2, y, w + 2, s), Qt::AlignLeft | Qt::AlignTop, text);
      }

    // The lines: the outer border in full, inner segments where the cell
    // asks for its right or bottom line.
    QPen inner(Qt::black, 1);
    QPen border(kBorder, 3);
    for (int c = 0; c <= g.columns; ++c) {
      const int x = g.origin + c * s;
      if (c == 0 || c == g.columns) {
        painter.setPen(border);
        painter.drawLine(x, g.origin, x, g.origin + g.height());
        continue;
      }
      painter.setPen(inner);
      for (int r = 1; r <= g.rows; ++r)
        if (doc.cellAt(c, r).rightLine)
          painter.drawLine(x, g.origin + (r - 1) * s, x, g.origin + r * s);
    }
    for (int r = 0; r <= g.rows; ++r) {
      const int y = g.origin + r * s;
      if (r == 0 || r == g.rows) {
        painter.setPen(border);
        painter.drawLine(g.origin, y, g.origin + g.width(), y);
        continue;
      }
      painter.setPen(inner);
      for (int c = 1; c <= g.columns; ++c)
        if (doc.cellAt(c, r).bottomLine)
          painter.drawLine(g.origin + (c - 1) * s, y, g.origin + c * s, y);
    }

    // The cell cursor: a frame inside the cell and a bar on the side the
    // next letter goes to.
    const GridCell cur = view_.cursor();
    if (doc.contains(cur.column, cur.row)) {
      const int x = g.origin + (cur.column - 1) * s, y = g.origin + (cur.row - 1) * s;
      const int m = std::max(2, s / 12);
      painter.setPen(QPen(kCursor, m));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(x + m, y + m, s - 2 * m, s - 2 * m);
      if (view_.typeDown()) painter.fillRect(x + m, y + s - 3 * m, s - 2 * m, 2 * m, kCursor);
      else painter.fillRect(x + s - 3 * m, y + m, 2 * m, s - 2 * m, kCursor);
    }
  }

  if (view_.pathEditor()) paintPathEditor(painter, g);

  // The fill's progress pictures, in the fixed-pitch system font.
  if (!progressGrid_.isEmpty() || !progressCounters_.isEmpty()) {
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    painter.setPen(Qt::black);
    if (!progressGrid_.isEmpty()) {
      painter.setBrush(Qt::white);
      painter.drawRect(QRect(QPoint(10, 10), QPoint(300, 550)));
      const QStringList lines = progressGrid_.split('\n');
      for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPoint(10, (i == 0 ? 10 : 30 + 16 * (i - 1)) + painter.fontMetrics().ascent()),
                         lines[i]);
    }
    const QStringList counters = progressCounters_.split('\n');
    for (int i = 0; i < counters.size() && !progressCounters_.isEmpty(); ++i) {
      const QRect box(200, 110 + 20 * i, painter.fontMetrics().horizontalAdvance(counters[i]),
                      painter.fontMetrics().height());
      painter.fillRect(box, Qt::white);
      painter.drawText(QPoint(200, 110 + 20 * i + painter.fontMetrics().ascent()), counters[i]);
    }
  }

  if (paints_ == 1 && firstPaint_) {
    // After the very first paint of the run: one shot, queued, so the
    // window is on screen before whatever it opens.
    auto handler = std::move(firstPaint_);
    firstPaint_ = nullptr;
    QMetaObject::invokeMethod(this, [handler] { handler(); }, Qt::QueuedConnection);
  }
}

void GridViewWidget::paintPathEditor(QPainter& painter, const GridLayout& g) {
  PathEditor& editor = *view_.pathEditor();
  const int s = g.cellSize;
  const auto centre = [&](int x, int y) {
    return QPointF(g.origin + x * s + s / 2.0, g.origin + y * s + s / 2.0);
  };
  // The stops from the first to the current one, in green.
  painter.setPen(QPen(QColor(10, 255, 0), std::max(1, s / 3), Qt::SolidLine, Qt::RoundCap));
  for (const PathEditor::Line& line : editor.lines())
    painter.drawLine(centre(line.x0, line.y0), centre(line.x1, line.y1));
  painter.setPen(Qt::black);
  painter.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  const QString text = QString::fromUtf8(editor.stopText().c_str());
  const QRect box(150, 100, painter.fontMetrics().horizontalAdvance(text) + 4,
                  painter.fontMetrics().height());
  painter.fillRect(box, Qt::white);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

bool GridViewWidget::pathEditorKey(QKeyEvent* event) {
  PathEditor* editor = view_.pathEditor();
  if (!editor) return false;
  // Keys act as they are pressed, and again while they are held.
  switch (event->key()) {
    case Qt::Key_Escape: view_.closePathEditor(); break;
    case Qt::Key_Down:
    case Qt::Key_Right: editor->key(PathEditor::Key::Next); break;
    case Qt::Key_Up:
    case Qt::Key_Left: editor->key(PathEditor::Key::Previous); break;
    case Qt::Key_Delete: editor->key(PathEditor::Key::Delete); break;
    case Qt::Key_Insert:
    case Qt::Key_F10: editor->key(PathEditor::Key::Insert); break;
    case Qt::Key_F1: editor->key(PathEditor::Key::CycleType); break;
    default: return true;  // other keys are the editor's and do nothing
  }
  viewport()->update();
  return true;
}

void GridViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  const RecordChange record(view_);
  PathEditor* editor = view_.pathEditor();
  if (!editor || !editor->awaitingDrag() || !dragStart_ || event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mouseReleaseEvent(event);
    return;
  }
  const QPoint end = event->position().toPoint();
  const GridCell start = view_.engineCellAt(dragStart_->x(), dragStart_->y(), viewport()->height(),
                                            horizontalScrollBar()->value(),
                                            verticalScrollBar()->value());
  editor->drag(start.column, start.row, end.x() - dragStart_->x(), end.y() - dragStart_->y());
  dragStart_.reset();
  viewport()->update();
}

void GridViewWidget::mousePressEvent(QMouseEvent* event) {
  const RecordChange record(view_);
  const QPoint p = event->position().toPoint();
  if (PathEditor* editor = view_.pathEditor()) {
    // In the path editor the mouse only marks a new stop's word.
    if (editor->awaitingDrag() && event->button() == Qt::LeftButton) dragStart_ = p;
    return;
  }
  const std::optional<GridCell> cell =
      view_.cellAt(p.x(), p.y(), viewport()->height(), horizontalScrollBar()->value(),
                   verticalScrollBar()->value());
  bool repaint = false;
  if (event->button() == Qt::LeftButton && cell) repaint = view_.leftClick(*cell);
  else if (event->button() == Qt::RightButton && cell) repaint = view_.rightClick(*cell);
  if (repaint) viewport()->update();
}

void GridViewWidget::keyPressEvent(QKeyEvent* event) {
  const RecordChange record(view_);
  if (pathEditorKey(event)) return;
  std::optional<GridKey> key;
  switch (event->key()) {
    case Qt::Key_Left: key = GridKey::Left; break;
    case Qt::Key_Right: key = GridKey::Right; break;
    case Qt::Key_Up: key = GridKey::Up; break;
    case Qt::Key_Down: key = GridKey::Down; break;
    case Qt::Key_Delete: key = GridKey::Delete; break;
    case Qt::Key_Backspace: key = GridKey::Backspace; break;
    default: break;
  }
  if (key) {
    if (view_.key(*key)) viewport()->update();
    return;
  }
  const QString text = event->text();
  if (text.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const std::optional<std::string> bytes = utf8ToCp1252(text.toUtf8().toStdString(), '\0');
  if (!bytes || bytes->size() != 1 || (*bytes)[0] == '\0') return;
  view_.character(static_cast<unsigned char>((*bytes)[0]));
  viewport()->update();
}

void GridViewWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
  viewport()->update();
}

// Tab is not a grid key; it must not move the focus off the grid either.
bool GridViewWidget::focusNextPrevChild(bool) { return false; }

}  // namespace vorkel
