#include "app/qt/WindowUi.h"

#include "app/qt/GridViewWidget.h"

namespace vorkel {

void WindowUi::showFillProgress(FillPicture picture, std::string_view text) {
  if (!view_) return QtUi::showFillProgress(picture, text);
  const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (picture == FillPicture::Grid) view_->setProgressGrid(t);
  else view_->setProgressCounters(t);
}

}  // namespace vorkel
