#include "setup/qt/DestinationPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

DestinationPage::DestinationPage(QWidget* parent)
    : PageBase(452, 292, texts::destinationCaption, texts::destinationText, true, parent) {
  textArea()->setFixedHeight(150);
  auto* group = new QGroupBox(QString::fromUtf8(texts::destinationCaption), this);
  group->setObjectName("gbDestination");
  group->setGeometry(128, 166, 316, 70);
  folder_ = new QLabel(group);
  folder_->setObjectName("lbProgramFilesDir");
  folder_->setGeometry(10, 30, 210, 20);
  browse_ = new QPushButton(QString::fromUtf8(texts::destinationBrowse), group);
  browse_->setObjectName("btnBrowse");
  browse_->setGeometry(226, 27, 80, 25);
  connect(browse_, &QPushButton::clicked, this, &DestinationPage::browseClicked);
}

void DestinationPage::load(const Wizard& wizard) {
  folder_->setText(QString::fromUtf8(wizard.shortenedDestination().c_str()));
}

}  // namespace vorkel::setup
