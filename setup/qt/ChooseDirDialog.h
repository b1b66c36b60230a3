#pragma once
// The folder browser: a drive (a mounted file system), a folder on it and
// the name of the new folder; shows the free space of the drive and the
// shortened path. OK keeps the new destination, Annuller restores the one
// the dialog opened with.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vorkel::setup {

class Wizard;

class ChooseDirDialog : public QDialog {
 public:
  ChooseDirDialog(Wizard& wizard, QWidget* parent = nullptr);

  // Shows the dialog for the wizard's destination; true on OK.
  bool choose();

  QComboBox* driveBox() const { return drives_; }
  QListWidget* folderList() const { return folders_; }
  QLineEdit* nameBox() const { return name_; }
  QLabel* freeSpaceLabel() const { return free_; }
  QLabel* pathLabel() const { return path_; }

 private:
  void showFolder(const std::string& folder);
  void changed();
  void driveChosen(int index);
  void enterFolder(QListWidgetItem* item);

  Wizard& wizard_;
  std::vector<std::string> driveList_;
  std::string folder_;  // the folder the list shows, no "/" at its end except "/"
  QComboBox* drives_;
  QListWidget* folders_;
  QLineEdit* name_;
  QLabel* free_;
  QLabel* path_;
};

}  // namespace vorkel::setup
