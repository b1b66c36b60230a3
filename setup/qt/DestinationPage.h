#pragma once
// The destination page: where the programs go, shortened to fit, and the
// browse button that opens the folder browser.

#include "setup/qt/PageBase.h"

class QLabel;

namespace vorkel::setup {

class DestinationPage : public PageBase {
  Q_OBJECT

 public:
  explicit DestinationPage(QWidget* parent = nullptr);
  void load(const Wizard& wizard) override;
  QPushButton* browseButton() const { return browse_; }

 signals:
  void browseClicked();

 private:
  QLabel* folder_;
  QPushButton* browse_;
};

}  // namespace vorkel::setup
