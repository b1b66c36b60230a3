#include "app/qt/WindowUi.h"

#include <QMainWindow>

#include "app/SimpleMode.h"
#include "app/qt/GridViewWidget.h"
#include "app/qt/WizardDialog.h"

namespace vorkel {

void WindowUi::showFillProgress(FillPicture picture, std::string_view text) {
  if (!view_) return QtUi::showFillProgress(picture, text);
  const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (picture == FillPicture::Grid) view_->setProgressGrid(t);
  else view_->setProgressCounters(t);
}

std::string WindowUi::showDialog(DialogForm& form) {
  if (form.id != SimpleMode::WizardId) return QtUi::showDialog(form);
  WizardDialog dialog(form, window());
  dialog.exec();
  dialog.writeBack(form);
  return dialog.clickedButton().empty() ? SimpleMode::CancelButton : dialog.clickedButton();
}

}  // namespace vorkel
