#pragma once
// One run of the installer with its windows: the background, the pages
// (made once and reused, as Back never makes a page anew), the exit dialog
// and the folder browser, around the wizard model. `setup` makes one; the
// window tests make one on a medium of their own and click through it.
//
//   InstallerSession session(sourceRoot);
//   session.start();                     // background, then the welcome page
//   app.exec();                          // until the wizard ends

#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "platform/qt/QtUi.h"
#include "setup/InstallerSystem.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

class BackgroundWindow;
class ChooseDirDialog;
class CopyingPage;
class ExitDialog;
class PageBase;

class InstallerSession : public QObject {
 public:
  explicit InstallerSession(const std::string& sourceRoot);
  ~InstallerSession() override;

  void start();
  Wizard& wizard() { return *wizard_; }
  PageBase* page(Page page) const { return pages_.at(page); }
  PageBase* currentPage() const { return page(wizard_->page()); }
  ExitDialog* exitDialog() const { return exitDialog_; }
  ChooseDirDialog* folderBrowser() const { return chooseDir_; }
  BackgroundWindow* background() const { return background_.get(); }
  // Called when the wizard has ended (default: quit the application).
  void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

 private:
  void showCurrent();
  void next();
  void back();
  void cancel();

  std::unique_ptr<BackgroundWindow> background_;
  std::unique_ptr<QtUi> ui_;
  Registry registry_;
  DesktopSystem system_;
  std::unique_ptr<InstallerPorts> ports_;
  std::unique_ptr<Wizard> wizard_;
  std::map<Page, PageBase*> pages_;
  CopyingPage* copying_ = nullptr;
  ExitDialog* exitDialog_ = nullptr;
  ChooseDirDialog* chooseDir_ = nullptr;
  std::function<void()> onEnd_;
  bool ended_ = false;
};

}  // namespace vorkel::setup
