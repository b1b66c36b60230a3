#include "setup/qt/ExitDialog.h"

#include <QLabel>
#include <QPushButton>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

ExitDialog::ExitDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setFixedSize(327, 165);
  setWindowTitle(QString::fromUtf8(texts::exitCaption));
  setFont(QFont("MS Sans Serif", 8));
  auto* memo = new QLabel(QString::fromUtf8(texts::exitText), this);
  memo->setObjectName("Memo1");
  memo->setGeometry(8, 6, 311, 126);
  // The dialog keeps its size; this platform's fonts are wider than the
  // original's, so the memo's text is set a little smaller to fit whole.
  QFont small = memo->font();
  small.setPointSizeF(7.0);
  memo->setFont(small);
  memo->setWordWrap(true);
  memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const texts::ButtonTexts& b = texts::buttons;
  resume_ = new QPushButton(QString::fromUtf8(b.resume), this);
  resume_->setGeometry(174, 134, 70, 25);
  resume_->setDefault(true);
  exit_ = new QPushButton(QString::fromUtf8(b.exit), this);
  exit_->setGeometry(250, 134, 70, 25);
  connect(resume_, &QPushButton::clicked, this, &QDialog::reject);
  connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vorkel::setup
