// The generator and the drawing program as a user meets them: the window in
// a folder made like an installation, the drawing program in "Penvik" beside
// it (the installer's layout), neither running beforehand. The wizard starts
// the drawing program, which must receive exactly the crosswords of the run,
// in order; its PDF of the last one must hold the puzzle and the solution.
#include <signal.h>
#include <sys/types.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "app/qt/MainWindow.h"
#include "platform/Files.h"
#include "tests/app/qt/Installation.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/platform/TempFolder.h"
#include "tests/platform/qt/QtTestSupport.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;

QString qs(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// The processes that run the program file `program`, found by /proc/PID/exe:
// the generator starts the drawing program detached, so its id is known to
// no one but the system.
std::vector<pid_t> processesRunning(const std::string& program) {
  std::vector<pid_t> pids;
  std::error_code ec;
  for (auto it = fs::directory_iterator("/proc", ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::error_code linkError;
    const fs::path exe = fs::read_symlink(it->path() / "exe", linkError);
    if (!linkError && exe == program) pids.push_back(static_cast<pid_t>(std::stol(name)));
  }
  return pids;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct Finished {
  int exitCode = -1;
  std::string out, err;
};

Finished runProgram(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  Finished f;
  if (!p.waitForFinished(30000)) return f;
  f.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  f.out = p.readAllStandardOutput().toStdString();
  f.err = p.readAllStandardError().toStdString();
  return f;
}

class HandOverToPenvikTest : public ::testing::Test {
 protected:
  TempFolder root;
  const std::string startFolder = root / "Vorkel";
  const std::string drawer = root / "Penvik/penvik";

  void SetUp() override {
    testing::makeInstallation(startFolder);
    testing::registerInstallation(root / "registry.ini", startFolder);
    fs::create_directories(root / "Penvik");
    fs::copy_file(VORKEL_BINARY_DIR "/penvik", drawer);
    fs::create_directories(root / "run");
    fs::permissions(root / "run", fs::perms::owner_all);
  }
  // The drawing program the window started ends with the test.
  void TearDown() override {
    for (pid_t pid : processesRunning(drawer)) ::kill(pid, SIGTERM);
    for (int i = 0; i < 200 && !processesRunning(drawer).empty(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
};

TEST_F(HandOverToPenvikTest, WizardsFirstPictureHandsThreeCrosswordsToTheStartedDrawingProgram) {
  // The programs find each other's windows (and share the hand-over's block)
  // in this test's own folder; the drawing program logs where the test reads.
  ScopedEnvironment environment({{"XDG_RUNTIME_DIR", root / "run"},
                                 {"PENVIK_LOG", root / "penvik.log"}});

  // The wizard as a user answers it: "3" typed over the count, then a click
  // on the first picture, "Model 1 10x10".
  ModalScript wizard({[](QWidget* modal) {
    EXPECT_EQ(modal->windowTitle(), QString::fromUtf8("Lav dine første krydsord "));
    auto* count = modal->findChild<QComboBox*>("antal");
    auto* picture = modal->findChild<QWidget*>("picture102");
    ASSERT_NE(count, nullptr);
    ASSERT_NE(picture, nullptr);
    QTest::keyClick(count->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count->lineEdit(), "3");
    QTest::mouseClick(picture, Qt::LeftButton);
  }});
  MainWindow::Setup setup;
  setup.workFolder = startFolder;
  setup.registryPath = root / "registry.ini";
  setup.programPath = startFolder + "/q4";
  setup.seed = 11;
  MainWindow window(setup);  // the wizard opens after the first paint, as at a real start
  window.show();
  for (int i = 0; i < 3000 && !(wizard.done() && window.windowTitle().startsWith("Vorkel - ")); ++i)
    QTest::qWait(10);
  ASSERT_TRUE(wizard.done()) << "the wizard did not open";
  EXPECT_EQ(window.windowTitle(), "Vorkel - model1.skb");
  EXPECT_FALSE(window.commands().runActive());

  // Three crosswords of Model 1, handed over in the order they were written.
  std::vector<DirEntry> entries;
  ASSERT_TRUE(Files::listDirectory(startFolder + "/Lager/x10_???.010", entries));
  std::vector<std::string> written;
  for (const DirEntry& e : entries) written.push_back(startFolder + "/Lager/" + e.name);
  std::sort(written.begin(), written.end());
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(window.context().LastRawCrossword, written.back());

  EXPECT_EQ(processesRunning(drawer).size(), 1u) << "the drawing program runs once";
  const std::vector<std::string> log = linesOf(root.read("penvik.log"));
  std::vector<std::string> received;
  for (const std::string& line : log) received.push_back(line.substr(line.find('\t') + 1));
  EXPECT_EQ(received, written);

  // The drawing program's PDF of the last one: a PDF a viewer reads, with the
  // puzzle on one A4 page and the solution on the next.
  const std::string pdf = root / "sidste.pdf";
  const Finished exported = runProgram(qs(drawer), {"--pdf", qs(pdf), qs(written.back())});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  ASSERT_EQ(root.read("sidste.pdf").substr(0, 5), "%PDF-");
  const Finished info = runProgram("pdfinfo", {qs(pdf)});
  ASSERT_EQ(info.exitCode, 0) << "pdfinfo (poppler-utils): " << info.err;
  EXPECT_TRUE(QString::fromStdString(info.out).contains(QRegularExpression("Pages:\\s+2\\n")))
      << info.out;
  EXPECT_TRUE(QString::fromStdString(info.out).contains("(A4)")) << info.out;
}

}  // namespace
}  // namespace vorkel
