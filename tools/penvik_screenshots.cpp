// Takes the README's pictures of the drawing program from the real program:
//   penvik_screenshots RAWCROSSWORD OUTFOLDER [STOCKSCORES]
//   penvik-window.png   the window after the generator handed it the crossword
//                       and a user had its clues drafted ("Foreslå ledeord")
//                       and accepted the upper half
//   penvik.pdf          the crossword saved as PDF (scripts/screenshots.sh
//                       renders its first page to penvik-pdf.png)
// The crossword is handed over as the generator does it, from another
// process, through a private folder of windows and shared block, so a penvik
// that is running meanwhile is not disturbed. The clues are the drafts
// "Foreslå ledeord" brings; where there is none, a placeholder that says how
// long the word is.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "dictionary/ClueSources.h"
#include "platform/qt/DanishTranslations.h"
#include "penvik/ClueCells.h"
#include "penvik/qt/GridWidget.h"
#include "penvik/qt/PenvikWindow.h"
#include "penvik/qt/PuzzleExport.h"
#include "penvik/qt/Texts.h"
#include "platform/SharedBlock.h"
#include "platform/WindowMessages.h"
#include "tools/TitledShot.h"

using namespace penvik;

namespace {

void settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

// The generator's side, in a child process: the name in the block, wParam 1
// with the thread id, then wParam 2.
bool handOver(const std::string& folderPath, const std::string& blockName, const std::string& file) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::string error;
    auto folder = vorkel::WindowFolder::openAt(folderPath, error);
    auto found = folder ? folder->findWindow(WindowClass, WindowTitle) : std::nullopt;
    auto block = vorkel::SharedBlock::createOrOpen(blockName, SharedBlockSize);
    int code = found && block && block->writeText(file) ? 0 : 2;
    if (code == 0 && vorkel::sendMessage(*found, HandOverMessage, 1, ::gettid()).answer != 1)
      code = 3;
    if (code == 0) vorkel::sendMessage(*found, HandOverMessage, 2, 0);
    block.reset();
    ::_exit(code);
  }
  int status = -1;
  for (int i = 0; i < 1000 && ::waitpid(child, &status, WNOHANG) == 0; ++i) QTest::qWait(10);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int wordLength(const RawGrid& g, int column, int row, Direction d) {
  for (const Word& w : findWords(g))
    if (w.direction == d && w.column == column + (d == Direction::Across) &&
        w.row == row + (d == Direction::Down))
      return w.length;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: penvik_screenshots RAWCROSSWORD OUTFOLDER [STOCKSCORES]\n");
    return 2;
  }
  QTemporaryDir work;
  qputenv("XDG_RUNTIME_DIR", work.path().toUtf8());
  QApplication app(argc, argv);
  vorkel::installDanishTranslations(app);
  const QString out = QDir(argv[2]).absolutePath();
  QDir().mkpath(out);
  // The crossword and its clue file are worked on in a copy.
  const std::string raw = QDir(work.path()).filePath("x10_000.010").toStdString();
  if (!QFile::copy(argv[1], QString::fromStdString(raw))) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }

  PenvikWindow::Setup setup;
  setup.blockName = "penvik-screenshots-" + std::to_string(::getpid());
  setup.logPath = QDir(work.path()).filePath("penvik.log").toStdString();
  setup.programFolder = work.path().toStdString();
  // Drafts from the thesaurus and the stock scores beside the stock
  // dictionary (STOCKSCORES, when given), as "Foreslå" brings them.
  const vorkel::ClueSources sources = vorkel::openClueSources(
      vorkel::ClueSourcePaths::danish("", argc > 3 ? argv[3] : ""));
  setup.proposals = [&](std::string_view word) { return sources.draftTexts(word); };
  PenvikWindow window(setup);
  window.resize(940, 720);
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) std::fprintf(stderr, "the window did not become active\n");
  settle();
  if (!handOver(work.path().toStdString() + "/vorkel-windows", setup.blockName, raw) ||
      !window.current() || !window.current()->grid) {
    std::fprintf(stderr, "the hand-over did not arrive\n");
    return 1;
  }
  settle();

  // A user has every clue drafted ("Foreslå ledeord"), types where there
  // was no proposal, and accepts the drafts of the upper half ("Godkend"):
  // the lower half still shows its drafts in italics.
  const RawGrid grid = *window.current()->grid;
  window.action(penvik::texts::proposeAll)->trigger();
  for (const ClueCell& cell : findClueCells(grid)) {
    for (Direction d : {Direction::Across, Direction::Down}) {
      if (!cell.starts(d)) continue;
      QTest::mouseClick(window.grid(), Qt::LeftButton, Qt::NoModifier,
                        window.grid()->cellCentre(cell.column, cell.row));
      QLineEdit* edit = window.clueEdit(d);
      if (edit->text().isEmpty()) {
        edit->setFocus();
        QTest::keyClicks(edit, QString("%1 bogstaver").arg(wordLength(grid, cell.column, cell.row, d)));
      } else if (cell.row < grid.height / 2) {
        QTest::mouseClick(window.findChild<QPushButton*>(d == Direction::Across ? "acrossAccept"
                                                                                : "downAccept"),
                          Qt::LeftButton);
      }
    }
  }
  const std::vector<ClueCell> cells = findClueCells(grid);
  for (const ClueCell& cell : cells)
    if (cell.across && cell.down) {
      QTest::mouseClick(window.grid(), Qt::LeftButton, Qt::NoModifier,
                        window.grid()->cellCentre(cell.column, cell.row));
      break;
    }
  settle();
  const QString shot = out + "/penvik-window.png";
  bool ok = withTitle(window.grab(), window.windowTitle()).save(shot);
  std::printf("%s\n", qPrintable(shot));

  std::string error;
  const std::string pdf = (out + "/penvik.pdf").toStdString();
  if (!savePdf(pdf, layoutPuzzle(grid, window.current()->clues, "x10_000.010"), error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    ok = false;
  }
  std::printf("%s\n", pdf.c_str());
  return ok ? 0 : 1;
}
