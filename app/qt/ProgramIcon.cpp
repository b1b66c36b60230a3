#include "app/qt/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace vorkel {

namespace {

QPixmap drawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const int n = 4;
  const double cell = size / double(n);
  p.fillRect(QRectF(0, 0, size, size), QColor(255, 255, 192));
  // A clue cell in the corner and one inside, as in the stock models.
  const int clues[][2] = {{0, 0}, {2, 1}, {1, 3}};
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (const auto& c : clues)
    p.drawEllipse(QPointF((c[0] + 0.5) * cell, (c[1] + 0.5) * cell), cell / 3, cell / 3);
  if (size >= 32) {
    QFont font("Arial");
    font.setPixelSize(int(cell * 0.8));
    p.setFont(font);
    p.setPen(Qt::black);
    const char* letters[] = {nullptr, "V", "O", "R", "K", "E", nullptr, "L"};
    for (int i = 0; i < 8; ++i)
      if (letters[i])
        p.drawText(QRectF((i % n) * cell, (i / n) * cell, cell, cell), Qt::AlignCenter,
                   letters[i]);
  }
  p.setPen(QPen(QColor(0, 0, 0), std::max(1.0, size / 64.0)));
  for (int i = 1; i < n; ++i) {
    p.drawLine(QPointF(i * cell, 0), QPointF(i * cell, size));
    p.drawLine(QPointF(0, i * cell), QPointF(size, i * cell));
  }
  p.setPen(QPen(QColor(200, 0, 0), std::max(2.0, size / 16.0)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0, 0, size, size));
  return pixmap;
}

}  // namespace

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawIcon(size));
  return icon;
}

}  // namespace vorkel
