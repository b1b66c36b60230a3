// penvik: the drawing program that takes the generator's raw crosswords.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/DanishTranslations.h"
#include "dictionary/ClueDatabase.h"
#include "dictionary/ClueSources.h"
#include "penvik/ClueDrafts.h"
#include "penvik/Crossword.h"
#include "penvik/ReceiveLog.h"
#include "penvik/qt/PenvikWindow.h"
#include "penvik/qt/PuzzleExport.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/qt/QuitOnSignal.h"

namespace {

const char* kUsage =
    "usage: penvik [RAW-CROSSWORD...]\n"
    "       penvik --pdf OUT.pdf [--auto-clues] RAW-CROSSWORD\n"
    "       penvik --svg OUT.svg [--auto-clues] RAW-CROSSWORD\n"
    "       penvik --version | --help\n"
    "\n"
    "Penvik, the drawing program of the crossword suite. It takes the raw\n"
    "crosswords the generator hands over, lets you write their clues and saves\n"
    "them as PDF or SVG for printing on A4.\n"
    "  RAW-CROSSWORD     open these raw crosswords at start\n"
    "  --pdf OUT.pdf     write the crossword with its clues as PDF (puzzle, then\n"
    "                    solution) and exit, without a window\n"
    "  --svg OUT.svg     the same as two SVG pictures: OUT.svg and OUT-løsning.svg\n"
    "  --auto-clues      a clue cell with no clue written gets a draft: a clue\n"
    "                    of the clue database ($VORKEL_CLUE_DATABASE, or\n"
    "                    $XDG_DATA_HOME/vorkel/clues.sqlite), else one of the\n"
    "                    clues that come with the program or one made from\n"
    "                    the Danish thesaurus; each draft is used once a puzzle\n"
    "\n"
    "Every hand-over is logged to $PENVIK_LOG, or else to\n"
    "$XDG_STATE_HOME/vorkel/penvik.log (~/.local/state/vorkel/penvik.log).\n"
    "Settings are read from penvik.ini beside the program (section [Penvik]).\n";

// The sources of clue drafts: the clue database (only read: an export does
// not create one), the thesaurus and the stock word scores. A source that
// cannot be used is named, and the drafts come from the rest.
vorkel::ClueSources openDraftSources() {
  const std::string database = vorkel::clueDatabasePath(
      std::getenv("VORKEL_CLUE_DATABASE"), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  const std::string scores =
      vorkel::Files::joinPath(vorkel::Process::programFolder(), "Dic/dksort.score");
  vorkel::ClueSources sources = vorkel::openClueSources(vorkel::ClueSourcePaths::danish(
      database, vorkel::Files::isFile(scores) ? scores : std::string()));
  for (const std::string& p : sources.problems) std::fprintf(stderr, "penvik: %s\n", p.c_str());
  return sources;
}

// Drafts for the clues not written.
penvik::Clues autoClues(const penvik::RawGrid& grid, const penvik::Clues& written) {
  const vorkel::ClueSources sources = openDraftSources();
  // A draft that prints whole is taken before a better one that would not.
  const penvik::Clues drafts = penvik::draftClues(
      grid, written, [&](std::string_view word) { return sources.draftTexts(word); },
      penvik::paperFits(grid, penvik::Hyphenation::load(penvik::Hyphenation::DanishPatterns)));
  return penvik::withDrafts(written, drafts);
}

// --pdf / --svg: 0 written, 1 the crossword or the output failed.
int exportOnly(bool pdf, const std::string& out, const std::string& raw, bool drafts) {
  const penvik::Crossword c = penvik::Crossword::open(raw);
  if (!c.grid) {
    std::fprintf(stderr, "penvik: %s\n", c.error.c_str());
    return 1;
  }
  if (!c.clueNote.empty()) std::fprintf(stderr, "penvik: %s\n", c.clueNote.c_str());
  const penvik::Clues clues = drafts ? autoClues(*c.grid, c.clues) : c.clues;
  const penvik::PuzzlePages pages =
      penvik::layoutPuzzle(*c.grid, clues, std::string(vorkel::Files::fileName(c.path)));
  std::string error;
  std::vector<penvik::ClueKey> unfit;
  if (!(pdf ? penvik::savePdf(out, pages, error, &unfit) : penvik::saveSvg(out, pages, error, &unfit))) {
    std::fprintf(stderr, "penvik: %s\n", error.c_str());
    return 1;
  }
  for (const penvik::ClueKey& key : unfit)
    std::fprintf(stderr, "penvik: %s\n", qPrintable(penvik::unfitClueMessage(key, clues)));
  std::printf("%s\n", out.c_str());
  if (!pdf) std::printf("%s\n", penvik::solutionSvgPath(out).c_str());
  return 0;
}

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
  // An export draws no window: it needs no display either.
  const bool exporting = argc > 1 && (!std::strcmp(argv[1], "--pdf") || !std::strcmp(argv[1], "--svg"));
  if (exporting) {
    std::vector<std::string> rest(argv + 2, argv + argc);
    const auto option = std::find(rest.begin(), rest.end(), "--auto-clues");
    const bool drafts = option != rest.end();
    if (drafts) rest.erase(option);
    if (rest.size() != 2) {
      std::fprintf(stderr, "penvik: %s takes an output file and a raw crossword\n%s", argv[1], kUsage);
      return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vorkel::installDanishTranslations(app);
    return exportOnly(argv[1][2] == 'p', rest[0], rest[1], drafts);
  }

  // Qt takes its own options (-platform, ...) out of argv.
  QApplication app(argc, argv);
  vorkel::installDanishTranslations(app);
  const vorkel::QuitOnSignal quitOnSignal;
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
  // The sources of drafts take a tenth of a second to read: they are read
  // beside the window once it is up, so that "Foreslå" finds them ready
  // (or waits only for the rest).
  auto sources = std::make_shared<std::shared_future<vorkel::ClueSources>>();
  auto startReading = [sources] {
    if (!sources->valid()) *sources = std::async(std::launch::async, openDraftSources).share();
  };
  setup.proposals = [sources, startReading](std::string_view word) {
    startReading();
    return sources->get().draftTexts(word);
  };
  // Every clue the user types goes into the clue database, to be proposed
  // first next time; one that cannot be opened is said once and left alone.
  auto database = std::make_shared<std::unique_ptr<vorkel::ClueDatabase>>();
  auto databaseTried = std::make_shared<bool>(false);
  setup.learn = [database, databaseTried](std::string_view word, std::string_view clue) {
    std::string error;
    if (!*databaseTried) {
      *databaseTried = true;
      *database = vorkel::ClueDatabase::open(
          vorkel::clueDatabasePath(std::getenv("VORKEL_CLUE_DATABASE"), std::getenv("XDG_DATA_HOME"),
                                   std::getenv("HOME")),
          error);
      if (!*database) std::fprintf(stderr, "penvik: clues are not learnt: %s\n", error.c_str());
    }
    if (*database && !(*database)->recordUse(word, clue, "da", std::time(nullptr), error))
      std::fprintf(stderr, "penvik: %s\n", error.c_str());
  };
  penvik::PenvikWindow window(setup);
  window.show();
  QTimer::singleShot(0, &window, startReading);
  return app.exec();
}
