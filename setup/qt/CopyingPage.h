#pragma once
// The copying page: no buttons, a progress bar that the copy run moves.

#include "setup/InstallationRun.h"
#include "setup/qt/PageBase.h"

class QProgressBar;

namespace vorkel::setup {

class CopyingPage : public PageBase, public ProgressPort {
 public:
  explicit CopyingPage(QWidget* parent = nullptr);
  void setProgress(int position) override;
  QProgressBar* progressBar() const { return bar_; }

 private:
  QProgressBar* bar_;
};

}  // namespace vorkel::setup
