#include "setup/qt/RunUninstaller.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/qt/DanishTranslations.h"
#include "platform/Registry.h"
#include "platform/qt/QtUi.h"
#include "setup/InstallerSystem.h"
#include "setup/Uninstaller.h"

namespace vorkel::setup {

int runUninstaller(int argc, char** argv) {
  QApplication app(argc, argv);
  installDanishTranslations(app);
  bool quiet = false;
  std::string root = QApplication::applicationDirPath().toStdString();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quiet") == 0) {
      quiet = true;
    } else if (argv[i][0] != '-') {
      root = argv[i];
    } else {
      std::fprintf(stderr, "usage: uninst [--quiet] [INSTALL-FOLDER]\n");
      return 2;
    }
  }
  QMainWindow window;
  QtUi ui(&window);
  Registry registry(Registry::defaultFilePath());
  DesktopFolders folders = DesktopFolders::fromEnvironment();
  DesktopSystem system(folders);
  Uninstaller uninstaller(ui, registry, system, folders);
  if (!uninstaller.run(root, !quiet)) {
    if (quiet) std::fprintf(stderr, "uninst: no installation in %s\n", root.c_str());
    return 1;
  }
  if (quiet)
    for (const auto& kept : uninstaller.kept()) std::fprintf(stderr, "kept: %s\n", kept.c_str());
  return 0;
}

}  // namespace vorkel::setup
