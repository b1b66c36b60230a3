#pragma once
// The ui port of the generator's window: the Qt port, with the fill's
// progress pictures drawn into the grid view and tones as beeps.

#include "platform/qt/QtUi.h"

namespace vorkel {

class GridViewWidget;

class WindowUi : public QtUi {
 public:
  using QtUi::QtUi;
  void setGridView(GridViewWidget* view) { view_ = view; }
  void showFillProgress(FillPicture picture, std::string_view text) override;
  // The model wizard has pictures of its own; every other form is the
  // generic form dialog.
  std::string showDialog(DialogForm& form) override;

 private:
  GridViewWidget* view_ = nullptr;
};

}  // namespace vorkel
