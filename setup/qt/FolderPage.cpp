#include "setup/qt/FolderPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

FolderPage::FolderPage(QWidget* parent)
    : PageBase(459, 363, texts::folderCaption, texts::folderText, true, parent) {
  textArea()->setFixedHeight(120);
  auto* label1 = new QLabel(QString::fromUtf8(texts::folderLabel), this);
  label1->setObjectName("Label1");
  label1->setGeometry(128, 132, 200, 17);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("edProgramFolder");
  edit_->setGeometry(128, 150, 323, 22);
  auto* label2 = new QLabel(QString::fromUtf8(texts::folderListLabel), this);
  label2->setObjectName("Label2");
  label2->setGeometry(128, 180, 250, 17);
  list_ = new QListWidget(this);
  list_->setObjectName("lbExcistingProgramFolders");
  list_->setGeometry(128, 198, 323, 115);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { if (item) edit_->setText(item->text()); });
}

void FolderPage::load(const Wizard& wizard) {
  edit_->setText(QString::fromUtf8(wizard.folderEdit.c_str()));
  list_->clear();
  for (const auto& name : wizard.existingFolders()) list_->addItem(QString::fromUtf8(name.c_str()));
}

void FolderPage::store(Wizard& wizard) { wizard.folderEdit = edit_->text().toUtf8().toStdString(); }

}  // namespace vorkel::setup
