#include "setup/qt/PageBase.h"

#include <QCloseEvent>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

namespace {
QString qs(const char* text) { return QString::fromUtf8(text); }
}  // namespace

QPixmap pagePicture(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(QColor(0, 0, 128));
  QPainter p(&pixmap);
  // The title on top; below it as many rows of a small crossword as fit,
  // with smaller squares on a short picture, never over the title.
  const int titleTop = height < 160 ? 6 : 10;
  const int titleHeight = 22;
  const int gridTop = titleTop + titleHeight + 6;
  const int room = height - gridTop - 6;
  const int cell = std::max(5, std::min(15, room / 3));
  const int rows = std::clamp(room / cell, 0, 9);
  const int cols = (width - 10) / cell;
  const int x0 = (width - cols * cell) / 2;
  const int y0 = std::max(gridTop, height / 2 - rows * cell / 2);
  // A fixed pattern of black squares, as in a printed crossword.
  const char* pattern[] = {"..#..", ".#...", "...#.", "#....", "..#.#", ".....", ".#..#", "...#.", "#...."};
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      QRect rect(x0 + c * cell, y0 + r * cell, cell, cell);
      p.fillRect(rect, pattern[r][c % 5] == '#' ? QColor(20, 20, 20) : QColor(255, 255, 230));
      p.setPen(QColor(120, 120, 120));
      p.drawRect(rect);
    }
  p.setPen(Qt::white);
  QFont f("Times New Roman");
  f.setPixelSize(16);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, titleTop, width, titleHeight), Qt::AlignHCenter | Qt::AlignVCenter,
             qs(texts::bandTitle));
  return pixmap;
}

PageBase::PageBase(int width, int height, const char* caption, const char* text, bool hasBack,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setFixedSize(width, height);
  setWindowTitle(qs(caption));
  setFont(QFont("MS Sans Serif", 8));
  const texts::ButtonTexts& b = texts::buttons;

  picture_ = new QLabel(this);
  picture_->setObjectName("Image1");
  picture_->setGeometry(8, 8, 105, height - 61);
  picture_->setPixmap(pagePicture(105, height - 61));
  picture_->setScaledContents(true);

  text_ = new QLabel(qs(text), this);
  text_->setGeometry(128, 8, width - 136, height - 61);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  separator_ = new QFrame(this);
  QFrame* separator = separator_;
  separator->setGeometry(8, height - 38, width - 16, 3);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);

  next_ = new QPushButton(qs(b.next), this);
  next_->setGeometry(width - 145, height - 30, 65, 25);
  next_->setDefault(true);
  cancel_ = new QPushButton(qs(b.cancel), this);
  cancel_->setGeometry(width - 73, height - 30, 65, 25);
  if (hasBack) {
    back_ = new QPushButton(qs(b.back), this);
    back_->setGeometry(width - 210, height - 30, 65, 25);
    connect(back_, &QPushButton::clicked, this, &PageBase::backClicked);
  }
  connect(next_, &QPushButton::clicked, this, &PageBase::nextClicked);
  connect(cancel_, &QPushButton::clicked, this, &PageBase::cancelClicked);
}

void PageBase::useFullHeightForPicture() {
  separator_->hide();
  const int h = height() - 16;
  picture_->setGeometry(8, 8, 105, h);
  picture_->setPixmap(pagePicture(105, h));
}

void PageBase::reject() {
  if (cancel_->isVisible()) emit cancelClicked();
}

void PageBase::closeEvent(QCloseEvent* event) {
  // Pages are hidden and shown by the wizard, never closed by the frame.
  event->ignore();
  emit closeRequested();
}

}  // namespace vorkel::setup
