#include "setup/qt/BackgroundWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

BackgroundWindow::BackgroundWindow(QWidget* parent) : QMainWindow(parent, Qt::FramelessWindowHint) {
  setWindowTitle(QString::fromUtf8(texts::applicationTitle));
  auto* central = new QWidget(this);
  central->setAutoFillBackground(true);
  QPalette navy = central->palette();
  navy.setColor(QPalette::Window, QColor(0, 0, 128));
  navy.setColor(QPalette::WindowText, Qt::white);
  central->setPalette(navy);

  auto* band = new QLabel(QString::fromUtf8(texts::bandTitle), central);
  band->setObjectName("Panel1");
  band->setFixedHeight(121);
  band->setAlignment(Qt::AlignCenter);
  QFont font("Times New Roman");
  font.setPixelSize(37);
  font.setBold(true);
  band->setFont(font);
  band->setPalette(navy);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(band);
  layout->addStretch();
  setCentralWidget(central);
}

}  // namespace vorkel::setup
