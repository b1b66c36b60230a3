#pragma once
// The summary page: the choices so far, before the copying starts.

#include "setup/qt/PageBase.h"

class QPlainTextEdit;

namespace vorkel::setup {

class SummaryPage : public PageBase {
 public:
  explicit SummaryPage(QWidget* parent = nullptr);
  void load(const Wizard& wizard) override;
  QPlainTextEdit* summaryBox() const { return memo_; }

 private:
  QPlainTextEdit* memo_;
};

}  // namespace vorkel::setup
