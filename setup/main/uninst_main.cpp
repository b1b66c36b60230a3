// The uninstaller `uninst`: removes the installation it lies in (or the
// one named), with questions in message boxes; --quiet asks nothing and
// keeps changed dictionaries.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/Registry.h"
#include "platform/qt/QtUi.h"
#include "setup/InstallerSystem.h"
#include "setup/Uninstaller.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  vorkel::QtUi ui(&window);
  vorkel::Registry registry(vorkel::Registry::defaultFilePath());
  vorkel::setup::DesktopFolders folders = vorkel::setup::DesktopFolders::fromEnvironment();
  vorkel::setup::DesktopSystem system(folders);
  vorkel::setup::Uninstaller uninstaller(ui, registry, system, folders);
  if (!uninstaller.run(root, !quiet)) {
    if (quiet) std::fprintf(stderr, "uninst: no installation in %s\n", root.c_str());
    return 1;
  }
  if (quiet)
    for (const auto& kept : uninstaller.kept()) std::fprintf(stderr, "kept: %s\n", kept.c_str());
  return 0;
}
