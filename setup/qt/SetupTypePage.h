#pragma once
// The setup-type page: "Typisk", "Selvvalgt" or "Kompakt", each with its
// explanation, and the space needed and available.

#include "setup/qt/PageBase.h"

class QLabel;
class QRadioButton;

namespace vorkel::setup {

class SetupTypePage : public PageBase {
  Q_OBJECT

 public:
  explicit SetupTypePage(QWidget* parent = nullptr);
  void load(const Wizard& wizard) override;
  QRadioButton* typeButton(int index) const { return types_[index]; }

 signals:
  void typeChosen(int index);

 private:
  QRadioButton* types_[3];
  QLabel* needed_;
  QLabel* available_;
};

}  // namespace vorkel::setup
