#pragma once
// The program-folder page: the menu folder that gets the shortcuts, typed
// or picked from the existing ones by a double click.

#include "setup/qt/PageBase.h"

class QLineEdit;
class QListWidget;

namespace vorkel::setup {

class FolderPage : public PageBase {
 public:
  explicit FolderPage(QWidget* parent = nullptr);
  void load(const Wizard& wizard) override;
  void store(Wizard& wizard) override;
  QLineEdit* folderBox() const { return edit_; }
  QListWidget* folderList() const { return list_; }

 private:
  QLineEdit* edit_;
  QListWidget* list_;
};

}  // namespace vorkel::setup
