#include "penvik/qt/PuzzlePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>
#include <vector>

#include "penvik/ClueFit.h"
#include "penvik/SplitCells.h"
#include "platform/Cp1252.h"

namespace penvik {

namespace {

const QColor kClueShade(215, 215, 215);
// Drafts on screen: a muted blue, in italics.
const QColor kDraftInk(40, 80, 160);
const QColor kHighlight(255, 236, 150);
const QColor kSelectedCell(170, 200, 240);
// Device units per millimetre of a PDF page (Qt's PDF writer: 1200 dpi),
// at which a clue is measured for paper.
constexpr double kPaperScale = 1200 / 25.4;

QRectF scaled(const Rect& r, double k) { return QRectF(r.x * k, r.y * k, r.width * k, r.height * k); }
QPointF scaled(const Point& p, double k) { return QPointF(p.x * k, p.y * k); }

QFont sized(double pixels, bool bold = false, bool narrow = false) {
  QFont font(narrow ? QStringLiteral("Liberation Sans Narrow") : QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setBold(bold);
  return font;
}

// A clue set into its box, and whether in the narrow face.
struct SetClue {
  ClueFit fit;
  bool narrow = false;
};

// The clue set into its box (penvik/ClueFit.h), measured with the font it
// is drawn in. One largest size for the whole grid keeps the clues alike: a
// short clue in a whole cell is not set larger than one in half a cell. A
// clue too long for its box even at the smallest size is tried in the
// narrow face of the same family (a fifth narrower), which fits the one long
// word of most such clues into half a cell.
SetClue fitInto(const std::string& text, const QRectF& box, double smallest, double largest,
                const Hyphenation* hyphenation) {
  ClueBoxSize size;
  size.width = box.width();
  size.height = box.height();
  size.smallest = smallest;
  size.largest = std::max(smallest, std::min(largest, box.height() * 0.9));
  auto attempt = [&](bool narrow) {
    // Fonts are sized in whole pixels: one measure per size, not per line tried.
    std::vector<std::pair<int, QFontMetricsF>> metrics;
    const TextWidth width = [narrow, &metrics](std::string_view line, double pixels) {
      const QFont font = sized(pixels, false, narrow);
      auto it = std::find_if(metrics.begin(), metrics.end(),
                             [&](const auto& m) { return m.first == font.pixelSize(); });
      if (it == metrics.end())
        it = metrics.insert(metrics.end(), {font.pixelSize(), QFontMetricsF(font)});
      return it->second.horizontalAdvance(fromCp1252(std::string(line)));
    };
    return fitClue(text, size, width, hyphenation);
  };
  ClueFit regular = attempt(false);
  if (regular.fits) return {std::move(regular), false};
  ClueFit narrow = attempt(true);
  if (narrow.fits) return {std::move(narrow), true};
  return {std::move(regular), false};
}

}  // namespace

QString fromCp1252(const std::string& bytes) {
  const std::string utf8 = vorkel::cp1252ToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void paintGrid(QPainter& painter, const GridPicture& laidOut, double scale, const GridStyle& style) {
  if (laidOut.cellSize <= 0) return;
  // A split cell whose clues fit only with its line off the middle is drawn
  // that way; what fits nowhere is reported below.
  GridPicture grid = laidOut;
  balanceSplitCells(grid, [&](const std::string& text, const Rect& box) {
    return text.empty() || fitInto(text, scaled(box, scale), style.minimumTextSize,
                                   grid.cellSize * scale * 0.17, style.hyphenation)
                               .fit.fits;
  });
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double thin = std::max(1.0, grid.cellSize * scale * 0.02);
  painter.setPen(QPen(Qt::black, thin));
  for (const CellPicture& cell : grid.cells) {
    const QRectF box = scaled(cell.box, scale);
    const bool selected = style.selectedCell && style.selectedCell->first == cell.column &&
                          style.selectedCell->second == cell.row;
    painter.fillRect(box, selected ? kSelectedCell : cell.clue ? kClueShade : QColor(Qt::white));
    painter.drawRect(box);
    if (style.letters && !cell.clue && cell.letter != ' ') {
      painter.setFont(sized(box.height() * 0.6, true));
      painter.drawText(box, Qt::AlignCenter, fromCp1252(std::string(1, cell.letter)));
    }
  }
  if (style.highlighted)
    if (const ClueBox* box = grid.clueBox(*style.highlighted))
      painter.fillRect(scaled(box->box, scale), kHighlight);
  for (const auto& [from, to] : grid.splits) painter.drawLine(scaled(from, scale), scaled(to, scale));
  painter.setBrush(Qt::black);
  for (const Arrow& a : grid.arrows) {
    const QPointF points[3] = {scaled(a.tip, scale), scaled(a.left, scale), scaled(a.right, scale)};
    painter.drawPolygon(points, 3);
  }
  for (const ClueBox& clue : grid.clues) {
    if (clue.text.empty()) continue;
    const QRectF box = scaled(clue.box, scale);
    const SetClue set = fitInto(clue.text, box, style.minimumTextSize,
                                grid.cellSize * scale * 0.17, style.hyphenation);
    const ClueFit& fit = set.fit;
    if (!fit.fits && style.unfit) style.unfit->push_back(clue.key);
    QFont font = sized(fit.size, false, set.narrow);
    const bool draft = style.markDrafts && clue.draft;
    font.setItalic(draft);
    painter.setFont(font);
    painter.save();
    if (draft) painter.setPen(kDraftInk);
    painter.setClipRect(box);
    // The lines as one block, centred in the box.
    const double line = fit.size * fit.lineHeight;
    double top = box.center().y() - line * static_cast<double>(fit.lines.size()) / 2;
    for (const std::string& text : fit.lines) {
      painter.drawText(QRectF(box.x(), top, box.width(), line), Qt::AlignCenter, fromCp1252(text));
      top += line;
    }
    painter.restore();
  }
  // The frame around the whole grid, heavier than the cell lines.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, thin * 2));
  painter.drawRect(scaled(grid.frame, scale));
  painter.restore();
}

bool fitsOnPaper(const std::string& text, const ClueBox& box, double cellSize,
                 const Hyphenation* hyphenation) {
  return fitInto(text, scaled(box.box, kPaperScale), SmallestPrintedClue * kPaperScale,
                 cellSize * kPaperScale * 0.17, hyphenation)
      .fit.fits;
}

void paintPage(QPainter& painter, const Page& page, double scale, const Hyphenation* hyphenation,
               std::vector<ClueKey>* unfit) {
  painter.save();
  painter.setPen(Qt::black);
  const QRectF title = scaled(page.titleBox, scale);
  painter.setFont(sized(title.height() * 0.7, true));
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(page.title));
  const QRectF subtitle = scaled(page.subtitleBox, scale);
  painter.setFont(sized(subtitle.height() * 0.6));
  painter.drawText(subtitle, Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(page.subtitle));
  painter.restore();
  GridStyle style;
  style.letters = page.showLetters;
  style.minimumTextSize = SmallestPrintedClue * scale;
  style.hyphenation = hyphenation;
  style.unfit = unfit;
  paintGrid(painter, page.grid, scale, style);
}

}  // namespace penvik
