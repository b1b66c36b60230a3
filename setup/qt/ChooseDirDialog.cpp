#include "setup/qt/ChooseDirDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Files.h"
#include "setup/Destination.h"
#include "setup/Drives.h"
#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

namespace {
QString qs(const std::string& text) { return QString::fromUtf8(text.c_str()); }
QString qs(const char* text) { return QString::fromUtf8(text); }
std::string str(const QString& text) { return text.toUtf8().toStdString(); }

QLabel* label(const char* text, int x, int y, int w, QWidget* parent) {
  auto* l = new QLabel(qs(text), parent);
  l->setGeometry(x, y, w, 17);
  return l;
}
}  // namespace

ChooseDirDialog::ChooseDirDialog(Wizard& wizard, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), wizard_(wizard) {
  setFixedSize(438, 309);
  setWindowTitle(qs(texts::chooseDirCaption));
  setFont(QFont("MS Sans Serif", 8));
  auto* intro = label(texts::chooseDirText, 8, 8, 422, this);
  intro->setObjectName("Label1");
  intro->setWordWrap(true);
  intro->setFixedHeight(34);

  label(texts::chooseDirName, 8, 48, 200, this)->setObjectName("Label2");
  name_ = new QLineEdit(this);
  name_->setGeometry(8, 66, 200, 22);
  label(texts::chooseDirFolder, 8, 94, 200, this)->setObjectName("Label3");
  folders_ = new QListWidget(this);
  folders_->setObjectName("DirectoryListBox1");
  folders_->setGeometry(8, 112, 200, 154);

  label(texts::chooseDirDrive, 222, 48, 200, this)->setObjectName("Label5");
  drives_ = new QComboBox(this);
  drives_->setObjectName("DriveComboBox1");
  drives_->setGeometry(222, 66, 208, 22);
  label(texts::chooseDirSpace, 222, 100, 110, this)->setObjectName("Label6");
  free_ = label("", 334, 100, 96, this);
  free_->setObjectName("Label4");
  label(texts::chooseDirPath, 222, 124, 200, this);
  path_ = label("", 222, 142, 208, this);
  path_->setObjectName("lbFullPath");

  auto* ok = new QPushButton(qs(texts::chooseDirOk), this);
  ok->setGeometry(282, 276, 70, 25);
  ok->setDefault(true);
  auto* cancel = new QPushButton(qs(texts::chooseDirCancel), this);
  cancel->setObjectName("btnCancelx");
  cancel->setGeometry(360, 276, 70, 25);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  driveList_ = mountedDrives();
  for (const auto& d : driveList_) drives_->addItem(qs(d));
  connect(drives_, &QComboBox::activated, this, &ChooseDirDialog::driveChosen);
  connect(folders_, &QListWidget::itemDoubleClicked, this, &ChooseDirDialog::enterFolder);
  connect(folders_, &QListWidget::itemActivated, this, &ChooseDirDialog::enterFolder);
  connect(name_, &QLineEdit::textEdited, this, [this] { changed(); });
}

void ChooseDirDialog::showFolder(const std::string& folder) {
  std::string f = Files::toSlashes(folder);
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  // A folder that cannot be listed (gone, no permission) falls back to the
  // root, silently, as a drive that is not ready did.
  std::vector<DirEntry> entries;
  if (!Files::listDirectory(Files::joinPath(f, "*"), entries)) {
    f = "/";
    Files::listDirectory("/*", entries);
  }
  folder_ = f;
  folders_->clear();
  if (f != "/") folders_->addItem("..");
  for (const auto& e : entries)
    if (e.isFolder && e.name[0] != '.') folders_->addItem(qs(e.name));
  const std::string drive = driveOf(f, driveList_);
  for (std::size_t i = 0; i < driveList_.size(); ++i)
    if (driveList_[i] == drive) drives_->setCurrentIndex(static_cast<int>(i));
  changed();
}

void ChooseDirDialog::changed() {
  wizard_.setDestination(folder_, str(name_->text()));
  free_->setText(qs(wizard_.spaceAvailableText()));
  path_->setText(qs(wizard_.shortenedDestination()));
}

void ChooseDirDialog::driveChosen(int index) {
  if (index >= 0 && index < static_cast<int>(driveList_.size())) showFolder(driveList_[index]);
}

void ChooseDirDialog::enterFolder(QListWidgetItem* item) {
  if (!item) return;
  if (item->text() != "..") {
    showFolder(Files::joinPath(folder_, str(item->text())));
    return;
  }
  std::string parent = Files::parentFolder(folder_);
  if (parent.empty()) parent = "/";
  showFolder(parent);
}

bool ChooseDirDialog::choose() {
  const std::string base = wizard_.state().destinationBase;
  const std::string name = wizard_.state().destinationName;
  name_->setText(qs(name));
  showFolder(base);
  if (exec() == QDialog::Accepted) return true;
  wizard_.setDestination(base, name);
  return false;
}

}  // namespace vorkel::setup
