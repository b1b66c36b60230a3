#pragma once
// A window's picture with a plain title bar drawn above it, since a grab
// shows only the inside of a window. Shared by the screenshot tools.

#include <QPainter>
#include <QPixmap>
#include <QString>

inline QPixmap withTitle(const QPixmap& inside, const QString& title) {
  const int bar = 24;
  QPixmap shot(inside.width(), inside.height() + bar);
  shot.fill(QColor(60, 80, 120));
  QPainter p(&shot);
  p.setPen(Qt::white);
  p.drawText(QRect(8, 0, shot.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, title);
  p.drawPixmap(0, bar, inside);
  return shot;
}
