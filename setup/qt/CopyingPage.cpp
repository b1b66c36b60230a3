#include "setup/qt/CopyingPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

CopyingPage::CopyingPage(QWidget* parent)
    : PageBase(421, 121, texts::copyingCaption, texts::copyingText, false, parent) {
  nextButton()->hide();
  cancelButton()->hide();
  useFullHeightForPicture();
  textArea()->setFixedHeight(50);
  bar_ = new QProgressBar(this);
  bar_->setObjectName("ProgressBar1");
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setGeometry(128, 64, 285, 18);
}

void CopyingPage::setProgress(int position) {
  bar_->setValue(position);
  // The copy runs on this thread: let the bar and the page paint.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace vorkel::setup
