// The generator's window under load, on Qt's offscreen platform:
//   - start-up: from a new process to the first painted window;
//   - a run on the 19x25 stock model: repaints per second and how long a
//     key press takes to bring the question;
//   - the cost per crossword of a run in the window against `vorkel
//     generate` with the same template, parameters and no restarts.
// bench_window [--stock DIR] [--count N] [--seconds S]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/CommandTable.h"
#include "app/qt/GridViewWidget.h"
#include "app/qt/MainWindow.h"
#include "app/qt/WindowDrawerPorts.h"
#include "platform/WindowMessages.h"
#include "platform/SilentUi.h"

using namespace vorkel;

namespace {

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

MainWindow::Setup setupFor(const std::string& stock) {
  MainWindow::Setup setup;
  setup.workFolder = stock;
  setup.registryPath = stock + "/registry.ini";
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  setup.seed = 7;
  setup.wizardAtStart = false;
  return setup;
}

// Wall time of a whole `q4 --version` process: loading the program and Qt.
double processStartMs(const QString& q4) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(q4, {"--version"});
    p.waitForFinished(10000);
    times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  return median(times);
}

// From constructing the window to its first paint.
double firstPaintMs(const std::string& stock) {
  QElapsedTimer t;
  t.start();
  MainWindow window(setupFor(stock));
  window.show();
  while (window.gridView()->paintCount() == 0) QApplication::processEvents();
  return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

struct RunFigures {
  double seconds = 0;
  int paints = 0;
  double keyToQuestionMs = -1;
  int saved = 0;
};

// A run of "Generer u/tegn" in the advanced menu. With `stopAfter` > 0 the
// window is asked to stop once that many crosswords are saved; otherwise
// Escape is pressed after `seconds` and the question is answered No.
RunFigures run(MainWindow& window, double seconds, int stopAfter) {
  RunFigures f;
  QElapsedTimer clock;
  QElapsedTimer key;
  bool keySent = false;
  const int paintsBefore = window.gridView()->paintCount();
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    ApplicationContext& c = window.context();
    if (stopAfter > 0 && c.run.saved >= stopAfter) window.commands().requestStop();
    if (stopAfter > 0) return;
    if (!keySent && static_cast<double>(clock.elapsed()) >= seconds * 1000) {
      keySent = true;
      key.start();
      QApplication::postEvent(window.gridView(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      if (f.keyToQuestionMs < 0) f.keyToQuestionMs = static_cast<double>(key.nsecsElapsed()) / 1e6;
      box->button(QMessageBox::No)->click();
    }
  });
  watch.start(1);
  const int savedBefore = window.context().run.saved;
  clock.start();
  window.actionOf(command::generateWithoutLetters)->trigger();
  f.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  f.paints = window.gridView()->paintCount() - paintsBefore;
  f.saved = window.context().run.saved - savedBefore;
  return f;
}

// `vorkel generate` on the same template with the window's fill: seconds
// per crossword (load excluded). The path fill runs without restarts, as
// the window's does; the fast fill with its default restarts, which the
// window's fast runs use too.
double vorkelPerCrossword(const QString& vorkel, const std::string& stock, const char* model,
                          int count, bool fast) {
  QProcess p;
  p.setWorkingDirectory(QString::fromStdString(stock));
  QStringList args = {"generate", model, "-n", QString::number(count), "-o",
                      QDir::tempPath() + "/bench-window", "--seed", "7", "--json"};
  args << (fast ? QStringList{"--fill", "fast"} : QStringList{"--restart", "none", "--fill", "path"});
  p.start(vorkel, args);
  p.waitForFinished(-1);
  const QString out = QString::fromUtf8(p.readAllStandardOutput());
  if (!out.contains("generate_seconds"))
    std::fprintf(stderr, "vorkel generate: %s\n", p.readAllStandardError().constData());
  const qsizetype at = out.indexOf("\"generate_seconds\": ");
  if (at < 0) return -1;
  return out.mid(at + 20, 12).split(',').front().toDouble() / count;
}

struct WaitFigures {
  double totalMs = 0;
  double longestGapMs = 0;  // the window's thread without processing its events
};

// Runs `wait` with a 2-ms timer watching how long the window's thread goes
// without working: the longest a key or click would wait.
template <class F>
WaitFigures watch(F&& wait) {
  WaitFigures f;
  QElapsedTimer clock, sinceTick;
  const auto gap = [&] {
    f.longestGapMs = std::max(f.longestGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
    sinceTick.start();
  };
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, gap);
  tick.start(2);
  clock.start();
  sinceTick.start();
  wait();
  gap();
  f.totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return f;
}

// One start of a drawing program, as the hand-over makes it, with `script`
// standing in for PENVIK/Penvik.exe.
WaitFigures waitForDrawer(const QString& folder, const char* script) {
  QDir(folder).mkpath("PENVIK");
  QDir(folder).mkpath("Vorkel");
  QFile program(folder + "/PENVIK/Penvik.exe");
  program.open(QIODevice::WriteOnly | QIODevice::Truncate);
  program.write(script);
  program.close();
  program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  SilentUi ui;
  WindowDrawerPorts ports((folder + "/Vorkel").toStdString(), ui, nullptr);
  return watch([&] { ports.startDrawer(); });
}

// A send to a drawing program whose window is there but never answers, as
// q4 sends: its own window lets Qt work while it waits.
WaitFigures sendToSilentWindow() {
  std::string error;
  const std::optional<WindowFolder> folder = WindowFolder::open(error);
  if (!folder) return {};
  const auto silent = WindowEndpoint::create(*folder, "BenchSilent", "Silent",
                                             [](const WindowMessage&) { return 0; }, error);
  const auto sender = WindowEndpoint::create(*folder, "BenchSender", "Sender",
                                             [](const WindowMessage&) { return 0; }, error);
  if (!silent || !sender) return {};
  sender->setWhileWaiting([] { QApplication::processEvents(); });
  return watch([&] {
    sender->sendMessage(silent->handle(), "FraVorkelMsg", 0, 0, std::chrono::milliseconds(2000));
  });
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer appStart;
  appStart.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const double appMs = static_cast<double>(appStart.nsecsElapsed()) / 1e6;
  std::string stock = std::string(VORKEL_BINARY_DIR) + "/Stock";
  int count = 100;
  double seconds = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--stock")) stock = argv[i + 1];
    else if (!std::strcmp(argv[i], "--count")) count = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--seconds")) seconds = std::atof(argv[i + 1]);
  }
  const QString bin = QString(VORKEL_BINARY_DIR);
  QDir().mkpath(QDir::tempPath() + "/bench-window");

  std::printf("## Waiting for a drawing program\n\n");
  std::printf("| program | try took ms | longest the window's thread did not work, ms |\n|---|---|---|\n");
  const QString fakes = QDir::tempPath() + "/bench-window-drawer";
  const struct {
    const char* name;
    const char* script;
  } programs[] = {{"ends at once", "#!/bin/sh\nexit 0\n"},
                  {"never shows a window", "#!/bin/sh\nexec sleep 30\n"}};
  for (const auto& p : programs) {
    const WaitFigures f = waitForDrawer(fakes, p.script);
    std::printf("| %s | %.0f | %.1f |\n", p.name, f.totalMs, f.longestGapMs);
  }
  const WaitFigures silent = sendToSilentWindow();
  std::printf("| window there, never answers (one send, 2 s time-out) | %.0f | %.1f |\n\n",
              silent.totalMs, silent.longestGapMs);

  const double processMs = processStartMs(bin + "/q4");
  const double paintMs = firstPaintMs(stock);
  std::printf("## Start-up\n\n| part | ms |\n|---|---|\n");
  std::printf("| q4 --version process (exec, libraries) | %.1f |\n", processMs);
  std::printf("| QApplication | %.1f |\n", appMs);
  std::printf("| window to first paint | %.1f |\n", paintMs);
  std::printf("| **start to first paint** | **%.1f** |\n\n", processMs + appMs + paintMs);

  MainWindow window(setupFor(stock));
  window.show();
  window.context().currentTemplate.destDir.clear();
  window.commands().run(command::advancedMenu);
  QApplication::processEvents();

  window.commands().loadTemplateCommand("Model3.skb");
  window.context().currentTemplate.destDir = QDir::tempPath().toStdString() + "/bench-window";
  const RunFigures big = run(window, seconds, 0);
  std::printf("## A run on Model3 (19x25), Escape after %.0f s\n\n", seconds);
  std::printf("| repaints | seconds | repaints/s | key to question (ms) | saved |\n|---|---|---|---|---|\n");
  std::printf("| %d | %.2f | %.1f | %.1f | %d |\n\n", big.paints, big.seconds,
              big.paints / big.seconds, big.keyToQuestionMs, big.saved);

  // Model1 as the stock template has it (the fast fill from the tier), and
  // the same template without Fyld=hurtig and MinScore: the path fill
  // through the whole list, as every run was before the key.
  {
    QFile stockTemplate(QString::fromStdString(stock + "/Model1.skb"));
    stockTemplate.open(QIODevice::ReadOnly);
    QString text = QString::fromUtf8(stockTemplate.readAll());
    text.remove(QRegularExpression("^(Fyld|MinScore)=.*\\n", QRegularExpression::MultilineOption));
    QFile pathTemplate(QString::fromStdString(stock + "/bench-path.skb"));
    pathTemplate.open(QIODevice::WriteOnly | QIODevice::Truncate);
    pathTemplate.write(text.toUtf8());
  }
  std::printf("## Cost per crossword, Model1, %d crosswords\n\n", count);
  std::printf("| template | window ms | vorkel generate, the same fill, ms | window / vorkel |\n"
              "|---|---|---|---|\n");
  const struct {
    const char* name;
    const char* file;
    bool fast;
  } templates[] = {{"Model1.skb (Fyld=hurtig, MinScore=50)", "Model1.skb", true},
                   {"without Fyld and MinScore (the path fill)", "bench-path.skb", false}};
  for (const auto& t : templates) {
    window.commands().loadTemplateCommand(t.file);
    window.context().currentTemplate.destDir = QDir::tempPath().toStdString() + "/bench-window";
    const RunFigures small = run(window, 0, count);
    const double windowPer = small.seconds / std::max(1, small.saved);
    const double vorkelPer = vorkelPerCrossword(bin + "/vorkel", stock, t.file, count, t.fast);
    std::printf("| %s | %.2f | %.2f | %.2f |\n", t.name, windowPer * 1000, vorkelPer * 1000,
                windowPer / vorkelPer);
  }
  QFile::remove(QString::fromStdString(stock + "/bench-path.skb"));
  return 0;
}
