#include "setup/qt/InstallerSession.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "setup/qt/BackgroundWindow.h"
#include "setup/qt/ChooseDirDialog.h"
#include "setup/qt/CompletePage.h"
#include "setup/qt/CopyingPage.h"
#include "setup/qt/CustomSetupPage.h"
#include "setup/qt/DestinationPage.h"
#include "setup/qt/ExitDialog.h"
#include "setup/qt/FolderPage.h"
#include "setup/qt/SetupTypePage.h"
#include "setup/qt/SummaryPage.h"
#include "setup/qt/WelcomePage.h"

namespace vorkel::setup {

InstallerSession::InstallerSession(const std::string& sourceRoot)
    : background_(std::make_unique<BackgroundWindow>()),
      ui_(std::make_unique<QtUi>(background_.get())),
      registry_(Registry::defaultFilePath()),
      system_(DesktopFolders::fromEnvironment()) {
  ports_ = std::make_unique<InstallerPorts>(
      InstallerPorts{*ui_, registry_, system_, DesktopFolders::fromEnvironment(), sourceRoot});
  wizard_ = std::make_unique<Wizard>(*ports_);
  QWidget* owner = background_.get();
  // Made in the order the original made its forms.
  pages_[Page::Complete] = new CompletePage(owner);
  pages_[Page::Welcome] = new WelcomePage(owner);
  exitDialog_ = new ExitDialog(owner);
  pages_[Page::Destination] = new DestinationPage(owner);
  pages_[Page::Custom] = new CustomSetupPage(owner);
  pages_[Page::Folder] = new FolderPage(owner);
  pages_[Page::Summary] = new SummaryPage(owner);
  copying_ = new CopyingPage(owner);
  pages_[Page::Copying] = copying_;
  chooseDir_ = new ChooseDirDialog(*wizard_, owner);
  pages_[Page::SetupType] = new SetupTypePage(owner);

  for (auto& [id, page] : pages_) {
    connect(page, &PageBase::nextClicked, this, [this] { next(); });
    connect(page, &PageBase::backClicked, this, [this] { back(); });
    connect(page, &PageBase::cancelClicked, this, [this] { cancel(); });
  }
  // Closing the completion page from its frame is "&Afslut"; the other
  // pages cannot be closed from their frames.
  connect(pages_[Page::Complete], &PageBase::closeRequested, this, [this] { next(); });
  auto* destination = static_cast<DestinationPage*>(pages_[Page::Destination]);
  connect(destination, &DestinationPage::browseClicked, this, [this, destination] {
    chooseDir_->choose();
    destination->load(*wizard_);
  });
  auto* setupType = static_cast<SetupTypePage*>(pages_[Page::SetupType]);
  connect(setupType, &SetupTypePage::typeChosen, this, [this, setupType](int index) {
    wizard_->chooseSetupType(static_cast<SetupType>(index));
    setupType->load(*wizard_);
  });
  auto* custom = static_cast<CustomSetupPage*>(pages_[Page::Custom]);
  connect(custom, &CustomSetupPage::edited, this, [this, custom] {
    custom->store(*wizard_);
    custom->load(*wizard_);
  });
  // A failed installation ends with status 1, so a script or a package
  // manager that started setup sees it.
  onEnd_ = [this] { QApplication::exit(wizard_->installationFailed() ? 1 : 0); };
}

InstallerSession::~InstallerSession() = default;

void InstallerSession::start() {
  background_->showFullScreen();
  showCurrent();
}

void InstallerSession::showCurrent() {
  if (wizard_->terminated()) {
    for (auto& [id, p] : pages_) p->hide();
    if (!ended_) {
      ended_ = true;
      onEnd_();
    }
    return;
  }
  const Page id = wizard_->page();
  PageBase* page = pages_.at(id);
  for (auto& [other, p] : pages_)
    if (p != page) p->hide();
  if (id != Page::Copying) wizard_->activate();
  page->load(*wizard_);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    page->move(screen->geometry().center() - page->rect().center());
  page->show();
  page->raise();
  page->activateWindow();
  if (id == Page::Copying)
    QTimer::singleShot(0, this, [this] {
      wizard_->activate(copying_);
      showCurrent();
    });
}

void InstallerSession::next() {
  currentPage()->store(*wizard_);
  wizard_->next();
  showCurrent();
}

void InstallerSession::back() {
  currentPage()->store(*wizard_);
  wizard_->back();
  showCurrent();
}

void InstallerSession::cancel() {
  if (exitDialog_->exec() != QDialog::Accepted) return;
  wizard_->exitInstaller();
  showCurrent();
}

}  // namespace vorkel::setup
