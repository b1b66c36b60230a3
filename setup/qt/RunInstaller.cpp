#include "setup/qt/RunInstaller.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/qt/DanishTranslations.h"
#include "setup/InstallerSystem.h"
#include "setup/QuietInstallation.h"
#include "setup/qt/ExitDialog.h"
#include "setup/qt/InstallerSession.h"
#include "setup/qt/PageBase.h"

namespace vorkel::setup {

namespace {

int screenshot(InstallerSession& session, const std::string& name, const char* file) {
  static const std::map<std::string, Page> pages = {
      {"welcome", Page::Welcome},     {"destination", Page::Destination},
      {"setuptype", Page::SetupType}, {"custom", Page::Custom},
      {"folder", Page::Folder},       {"summary", Page::Summary},
      {"copying", Page::Copying},     {"complete", Page::Complete}};
  if (name == "exit") {
    QWidget* dialog = session.exitDialog();
    dialog->show();
    QApplication::processEvents();
    return dialog->grab().save(QString::fromLocal8Bit(file)) ? 0 : 1;
  }
  auto it = pages.find(name);
  if (it == pages.end()) {
    std::fprintf(stderr, "setup: no page called %s\n", name.c_str());
    return 2;
  }
  Wizard& wizard = session.wizard();
  // Reach the page the way a user does, without copying anything.
  if (it->second == Page::SetupType || it->second == Page::Custom) {
    wizard.next();
    wizard.next();
    wizard.back();
    if (it->second == Page::Custom) {
      wizard.chooseSetupType(SetupType::Custom);
      wizard.next();
    }
  } else if (it->second == Page::Folder || it->second == Page::Summary) {
    wizard.next();
    wizard.next();
    if (it->second == Page::Summary) wizard.next();
  } else if (it->second == Page::Destination) {
    wizard.next();
  }
  // The copying page is shown as it starts, without copying anything.
  if (it->second != Page::Copying) wizard.activate();
  PageBase* page = session.page(it->second);
  page->load(wizard);
  page->show();
  QApplication::processEvents();
  if (!page->grab().save(QString::fromLocal8Bit(file))) {
    std::fprintf(stderr, "setup: cannot write %s\n", file);
    return 1;
  }
  return 0;
}

// `setup --quiet [DESTINATION]`: no window, and no display needed.
int runQuietly(int argc, char** argv) {
  if (argc > 3) {
    std::fprintf(stderr, "usage: setup --quiet [DESTINATION]\n");
    return 2;
  }
  StreamUi ui(std::cerr);
  Registry registry(Registry::defaultFilePath());
  const DesktopFolders folders = DesktopFolders::fromEnvironment();
  DesktopSystem system(folders);
  InstallerPorts ports{ui, registry, system, folders, Process::programFolder() + "/"};
  return installQuietly(ports, argc == 3 ? argv[2] : "", std::cout);
}

}  // namespace

int runInstaller(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--quiet") == 0) return runQuietly(argc, argv);
  QApplication app(argc, argv);
  installDanishTranslations(app);
  QApplication::setApplicationName("Installation");
  const std::string sourceRoot = QApplication::applicationDirPath().toStdString() + "/";
  InstallerSession session(sourceRoot);
  if (argc == 4 && std::strcmp(argv[1], "--screenshot") == 0)
    return screenshot(session, argv[2], argv[3]);
  if (argc > 1) {
    std::fprintf(stderr, "usage: setup [--quiet [DESTINATION] | --screenshot PAGE FILE]\n");
    return 2;
  }
  session.start();
  return app.exec();
}

}  // namespace vorkel::setup
