#pragma once
// The custom page: which programs, the solver's compact choice, and each
// program's languages.

#include "setup/qt/PageBase.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace vorkel::setup {

class CustomSetupPage : public PageBase {
  Q_OBJECT

 public:
  explicit CustomSetupPage(QWidget* parent = nullptr);
  void load(const Wizard& wizard) override;
  void store(Wizard& wizard) override;

  QCheckBox* programBox(int index) const { return programs_[index]; }
  QCheckBox* solverCompactBox() const { return solverCompact_; }
  QComboBox* languageBox(int index) const { return languages_[index]; }

 signals:
  // A check box or a language box changed: store, then load again.
  void edited();

 private:
  QCheckBox* programs_[3];
  QGroupBox* groups_[3];
  QCheckBox* solverCompact_;
  QComboBox* languages_[7];
  QLabel* needed_;
  QLabel* available_;
  bool loading_ = false;
  int movedBox_ = -1;  // the language box the user changed last, until stored
};

}  // namespace vorkel::setup
