// q4: the crossword generator's window.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/qt/DanishTranslations.h"
#include "app/Startup.h"
#include "app/qt/MainWindow.h"
#include "app/qt/Version.h"
#include "platform/Registry.h"
#include "platform/qt/QuitOnSignal.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const vorkel::StartupOptions options = vorkel::parseStartupOptions(arguments);
  if (options.version) {
    std::printf("q4 (%s) %s\n", vorkel::kProductName, vorkel::kProductVersion);
    return 0;
  }
  if (options.help) {
    std::fputs(vorkel::startupUsage().c_str(), stdout);
    return 0;
  }
  for (const std::string& unknown : options.unknown)
    std::fprintf(stderr, "q4: ignoring '%s' (q4 --help lists the options)\n", unknown.c_str());

  QApplication app(argc, argv);

  vorkel::installDanishTranslations(app);
  const vorkel::QuitOnSignal quitOnSignal;
  QApplication::setApplicationName(vorkel::MainWindow::ApplicationName);
  QApplication::setApplicationVersion(vorkel::kProductVersion);

  vorkel::MainWindow::Setup setup;
  setup.workFolder = QDir::currentPath().toStdString();
  setup.registryPath = vorkel::Registry::defaultFilePath();
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  setup.options = options;
  vorkel::MainWindow window(setup);
  window.show();
  return app.exec();
}
