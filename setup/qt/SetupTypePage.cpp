#include "setup/qt/SetupTypePage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

namespace {
QString qs(const char* text) { return QString::fromUtf8(text); }
}  // namespace

SetupTypePage::SetupTypePage(QWidget* parent)
    : PageBase(493, 333, texts::setupTypeCaption, "", true, parent) {
  textArea()->hide();
  auto* group = new QGroupBox(qs(texts::setupTypeGroup), this);
  group->setObjectName("rgSetupType");
  group->setGeometry(128, 8, 357, 190);
  auto* buttons = new QButtonGroup(this);
  int widest = 0;
  for (int i = 0; i < 3; ++i) {
    types_[i] = new QRadioButton(qs(texts::setupTypeItems[i]), group);
    types_[i]->setGeometry(10, 22 + i * 56, 90, 20);
    widest = std::max(widest, types_[i]->sizeHint().width());
    buttons->addButton(types_[i], i);
  }
  // The explanations stand right of the item texts and take the group's
  // width less the widest item and 50 pixels.
  const char* memoNames[3] = {"Memo2", "Memo4", "Memo3"};
  for (int i = 0; i < 3; ++i) {
    auto* memo = new QLabel(qs(texts::setupTypeExplanations[i]), group);
    memo->setObjectName(memoNames[i]);
    memo->setWordWrap(true);
    memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memo->setGeometry(widest + 30, 22 + i * 56, group->width() - widest - 50, 50);
  }
  connect(buttons, &QButtonGroup::idClicked, this, &SetupTypePage::typeChosen);

  auto* space = new QGroupBox(qs(texts::spaceGroup), this);
  space->setGeometry(128, 206, 357, 85);
  auto* label7 = new QLabel(qs(texts::spaceNeededLabel), space);
  label7->setObjectName("Label7");
  label7->move(10, 26);
  auto* label8 = new QLabel(qs(texts::spaceAvailableLabel), space);
  label8->setObjectName("Label8");
  label8->move(10, 52);
  const int x = 10 + std::max(label7->sizeHint().width(), label8->sizeHint().width()) + 5;
  needed_ = new QLabel(space);
  needed_->setObjectName("lbSizeNeeded");
  needed_->setGeometry(x, 26, 120, label7->sizeHint().height());
  available_ = new QLabel(space);
  available_->setObjectName("lbSizeAvailable");
  available_->setGeometry(x, 52, 120, label8->sizeHint().height());
}

void SetupTypePage::load(const Wizard& wizard) {
  types_[static_cast<int>(wizard.state().setupType)]->setChecked(true);
  needed_->setText(QString::fromUtf8(wizard.spaceNeededText().c_str()));
  available_->setText(QString::fromUtf8(wizard.spaceAvailableText().c_str()));
}

}  // namespace vorkel::setup
