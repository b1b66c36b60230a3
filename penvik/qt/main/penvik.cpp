// penvik: the drawing program that takes the generator's raw crosswords.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "penvik/ReceiveLog.h"
#include "penvik/qt/PenvikWindow.h"

namespace {

const char* kUsage =
    "usage: penvik [RAW-CROSSWORD...]\n"
    "       penvik --version | --help\n"
    "\n"
    "Penvik, the drawing program of the crossword suite. It takes the raw\n"
    "crosswords the generator hands over, lets you write their clues and saves\n"
    "them as PDF or SVG for printing on A4.\n"
    "  RAW-CROSSWORD     open these raw crosswords at start\n"
    "\n"
    "Every hand-over is logged to $PENVIK_LOG, or else to\n"
    "$XDG_STATE_HOME/vorkel/penvik.log (~/.local/state/vorkel/penvik.log).\n"
    "Settings are read from penvik.ini beside the program (section [Penvik]).\n";

}  // namespace

int main(int argc, char** argv) {
  // --version and --help answer without a display.
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--version")) {
      std::printf("penvik (Vorkel) %s\n", PENVIK_VERSION);
      return 0;
    }
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }

  // Qt takes its own options (-platform, ...) out of argv.
  QApplication app(argc, argv);
  QApplication::setApplicationName("Penvik");
  QApplication::setApplicationVersion(PENVIK_VERSION);
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.size() > 1 && a[0] == '-')
      std::fprintf(stderr, "penvik: ignoring '%s' (penvik --help lists the options)\n", a.c_str());
    else
      files.push_back(a);
  }

  penvik::PenvikWindow::Setup setup;
  setup.logPath = penvik::ReceiveLog::defaultPath([](const char* name) { return std::getenv(name); });
  setup.programFolder = QCoreApplication::applicationDirPath().toStdString();
  setup.files = files;
  penvik::PenvikWindow window(setup);
  window.show();
  return app.exec();
}
