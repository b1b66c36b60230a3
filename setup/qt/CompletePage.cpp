#include "setup/qt/CompletePage.h"

#include <QPushButton>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

CompletePage::CompletePage(QWidget* parent)
    : PageBase(468, 362, texts::completeCaption, texts::completeText, false, parent) {
  nextButton()->setText(QString::fromUtf8(texts::buttons.finish));
  cancelButton()->hide();
}

}  // namespace vorkel::setup
