#include "penvik/qt/PenvikWindow.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QPushButton>
#include <QTest>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

#include "penvik/Hyphenation.h"
#include "penvik/qt/GridWidget.h"
#include "penvik/qt/PuzzleExport.h"
#include "penvik/qt/PuzzlePainter.h"
#include "penvik/qt/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/SharedBlock.h"
#include "platform/WindowMessages.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/platform/TempFolder.h"
#include "tests/platform/qt/QtTestSupport.h"

namespace penvik {
namespace {

using vorkel::ModalScript;
using vorkel::testing::TempFolder;

QString qs(const std::string& s) { return QString::fromUtf8(s.c_str()); }

void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// (0,0) starts "OS" across and "OS" down, (3,0) "AB" down, (1,2) "AB" across.
const std::string kRaw = "4\t3\r\n#OS#\r\nORMA\r\nS#AB\r\n";

// As a user answers a file dialog: the name typed into its name field, then Enter.
std::function<void(QWidget*)> typeFileName(const std::string& path) {
  return [path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(qs(path));
    QTest::keyClick(name, Qt::Key_Return);
  };
}

class PenvikWindowTest : public ::testing::Test {
 protected:
  TempFolder dir;
  std::unique_ptr<PenvikWindow> window;
  const std::string blockName = "penvik-window-test-" + std::to_string(::getpid());

  std::vector<std::pair<std::string, std::string>> learnt;  // (word, clue) as typed

  PenvikWindow& start(std::vector<std::string> files = {}, ClueLookup proposals = {}) {
    PenvikWindow::Setup setup;
    setup.proposals = std::move(proposals);
    setup.learn = [this](std::string_view word, std::string_view clue) {
      learnt.emplace_back(word, clue);
    };
    setup.blockName = blockName;
    setup.logPath = dir / "state/penvik.log";
    setup.programFolder = dir.path();
    setup.files = std::move(files);
    // The window registers in the test's own folder of windows.
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.path()));
    window = std::make_unique<PenvikWindow>(setup);
    qunsetenv("XDG_RUNTIME_DIR");
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    return *window;
  }
  void click(int column, int row) {
    QTest::mouseClick(window->grid(), Qt::LeftButton, Qt::NoModifier,
                      window->grid()->cellCentre(column, row));
  }
  QLineEdit* across() { return window->clueEdit(Direction::Across); }
  QLineEdit* down() { return window->clueEdit(Direction::Down); }
};

TEST_F(PenvikWindowTest, GeneratorHandsOverCrosswordsInOrderAndBringsTheWindowForward) {
  std::vector<std::string> files;
  for (const char* name : {"x4_000.003", "x4_001.003", "x4_002.003"})
    files.push_back(dir.write(std::string("Lager/") + name, kRaw));
  PenvikWindow& w = start();
  EXPECT_EQ(w.windowTitle(), "Penvik");
  ASSERT_NE(w.messages(), nullptr);
  w.showMinimized();
  settle();
  ASSERT_TRUE(w.isMinimized());

  // The generator: find the window, put each name in the shared block, send
  // wParam 1 with its thread id, reuse the block at once; then wParam 2.
  const pid_t child = ::fork();
  if (child == 0) {
    std::string error;
    auto folder = vorkel::WindowFolder::openAt(dir / "vorkel-windows", error);
    auto found = folder ? folder->findWindow("OWL_Window", "Penvik") : std::nullopt;
    if (!found) ::_exit(10);
    auto block = vorkel::SharedBlock::createOrOpen(blockName, 2000);
    if (!block) ::_exit(11);
    int code = 0;
    for (const std::string& f : files) {
      if (!block->writeText(f)) code = 12;
      const vorkel::SendResult r = vorkel::sendMessage(*found, "FraVorkelMsg", 1, ::gettid());
      if (!r.answered() || r.answer != 1) code = 13;
      block->writeText("/not/this/one");
    }
    if (vorkel::sendMessage(*found, "FraVorkelMsg", 2, 0).answer != 1) code = 14;
    block.reset();
    ::_exit(code);
  }
  int status = -1;
  for (int i = 0; i < 1000 && ::waitpid(child, &status, WNOHANG) == 0; ++i) QTest::qWait(10);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  settle();

  EXPECT_EQ(w.receiver().received(), files);
  ASSERT_EQ(w.crosswords().size(), 3u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(w.crosswords().entries()[i].path, files[i]);
    EXPECT_EQ(w.list()->item(static_cast<int>(i))->text().toStdString(),
              std::string(vorkel::Files::fileName(files[i])));
  }
  ASSERT_NE(w.current(), nullptr);
  EXPECT_EQ(w.current()->path, files.back());
  EXPECT_FALSE(w.isMinimized());
  const std::vector<std::string> log = linesOf(dir.read("state/penvik.log"));
  ASSERT_EQ(log.size(), 3u);
  for (std::size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(log[i].substr(log[i].find('\t') + 1), files[i]);
}

TEST_F(PenvikWindowTest, UserWritesCluesIntoClueCellsAndFindsThemAfterARestart) {
  const std::string raw = dir.write("x4_000.003", kRaw);
  PenvikWindow& w = start({raw});
  ASSERT_NE(w.current(), nullptr);
  ASSERT_TRUE(w.current()->grid);
  EXPECT_FALSE(across()->isEnabled());
  EXPECT_FALSE(down()->isEnabled());

  // A cell with two words: the cursor goes to the across clue; Tab to the down clue.
  click(0, 0);
  EXPECT_TRUE(across()->hasFocus());
  EXPECT_TRUE(down()->isEnabled());
  QTest::keyClicks(QApplication::focusWidget(), "Mejeriprodukt");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(down()->hasFocus());
  QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8("Øst "));
  // A character that Windows-1252 does not have is refused.
  QKeyEvent smile(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("☺"));
  QApplication::sendEvent(QApplication::focusWidget(), &smile);
  QTest::keyClicks(QApplication::focusWidget(), "for");
  // A cell with only a down word.
  click(3, 0);
  EXPECT_FALSE(across()->isEnabled());
  EXPECT_TRUE(down()->hasFocus());
  EXPECT_EQ(down()->text(), "");
  QTest::keyClicks(QApplication::focusWidget(), "Ab");
  // A letter cell selects nothing.
  click(1, 1);
  EXPECT_FALSE(across()->isEnabled());
  EXPECT_FALSE(down()->isEnabled());

  const Clues& clues = w.current()->clues;
  EXPECT_EQ(clues.text({0, 0, Direction::Across}), "Mejeriprodukt");
  EXPECT_EQ(clues.text({0, 0, Direction::Down}), "\xD8st for");
  EXPECT_EQ(clues.text({3, 0, Direction::Down}), "Ab");
  EXPECT_EQ(clues.size(), 3u);
  EXPECT_NE(dir.read("x4_000.003.ledeord").find("1\t1\tV\tMejeriprodukt\r\n"), std::string::npos);
  // Each typed clue is learnt for its word once its field is left.
  using Learnt = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(learnt, (Learnt{{"OS", "Mejeriprodukt"}, {"OS", "Øst for"}, {"AB", "Ab"}}));

  // The next start shows them.
  window.reset();
  start({raw});
  click(0, 0);
  EXPECT_EQ(across()->text(), "Mejeriprodukt");
  EXPECT_EQ(down()->text(), QString::fromUtf8("Øst for"));
}

TEST_F(PenvikWindowTest, ProposeWritesTheNextDraftForTheWordAndKeepsIt) {
  const std::string raw = dir.write("x4_000.003", kRaw);
  std::vector<std::string> asked;
  PenvikWindow& w = start({raw}, [&](std::string_view word) {
    asked.emplace_back(word);
    // The middle one is longer than a clue may be: passed over.
    return std::vector<std::string>{"Knogler", std::string(200, 'x'), "Øst for"};
  });
  click(0, 0);
  auto* across = w.findChild<QPushButton*>("acrossPropose");
  auto* down = w.findChild<QPushButton*>("downPropose");
  ASSERT_TRUE(across && down);
  QTest::mouseClick(across, Qt::LeftButton);
  EXPECT_EQ(this->across()->text(), "Knogler");
  QTest::mouseClick(across, Qt::LeftButton);
  EXPECT_EQ(this->across()->text(), QString::fromUtf8("Øst for"));
  QTest::mouseClick(across, Qt::LeftButton);  // round again
  EXPECT_EQ(this->across()->text(), "Knogler");
  QTest::mouseClick(down, Qt::LeftButton);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(std::count(asked.begin(), asked.end(), "OS"), static_cast<long>(asked.size()));
  // The alternatives under the fields are those of the clue being edited;
  // a click writes one into its field.
  auto* alternatives = w.findChild<QListWidget*>("alternatives");
  ASSERT_NE(alternatives, nullptr);
  ASSERT_EQ(alternatives->count(), 2);
  EXPECT_EQ(alternatives->item(1)->text(), QString::fromUtf8("Øst for"));
  this->across()->setFocus();
  QTest::mouseClick(alternatives->viewport(), Qt::LeftButton, Qt::NoModifier,
                    alternatives->visualItemRect(alternatives->item(1)).center());
  EXPECT_EQ(this->across()->text(), QString::fromUtf8("Øst for"));
  QTest::mouseClick(across, Qt::LeftButton);
  EXPECT_EQ(this->across()->text(), "Knogler");
  // Kept as a typed clue is, in the clue file too.
  EXPECT_EQ(w.current()->clues.text({0, 0, Direction::Across}), "Knogler");
  EXPECT_EQ(w.current()->clues.text({0, 0, Direction::Down}), "Knogler");
  EXPECT_NE(dir.read("x4_000.003.ledeord").find("1\t1\tV\tKnogler\r\n"), std::string::npos);
  click(1, 1);
  EXPECT_TRUE(learnt.empty());  // a draft taken is not a clue the user typed
}

// "Foreslå ledeord" drafts every clue without text; a typed clue stays. A
// draft reads in italics until "Godkend" or an edit makes it a clue.
TEST_F(PenvikWindowTest, ProposeAllDraftsEmptyCluesUntilAcceptedOrEdited) {
  const std::string raw = dir.write("x4_000.003", kRaw);
  PenvikWindow& w = start({raw}, [](std::string_view word) {
    return std::vector<std::string>{"Ét " + std::string(word), "To " + std::string(word)};
  });
  click(3, 0);
  QTest::keyClicks(QApplication::focusWidget(), "Ab");
  w.action(texts::proposeAll)->trigger();
  const Clues& clues = w.current()->clues;
  const ClueKey os1{0, 0, Direction::Across}, os2{0, 0, Direction::Down};
  EXPECT_EQ(clues.text({3, 0, Direction::Down}), "Ab");
  EXPECT_FALSE(clues.isDraft({3, 0, Direction::Down}));
  // Both words of (0,0) are OS: the second takes the next proposal.
  EXPECT_EQ(clues.text(os1), "\xC9t OS");
  EXPECT_EQ(clues.text(os2), "To OS");
  EXPECT_EQ(clues.draftCount(), 3u);  // and AB across at (1,2)
  EXPECT_EQ(dir.read("x4_000.003.ledeord").rfind("PENVIK LEDEORD 2", 0), 0u);

  click(0, 0);
  auto* acceptAcross = w.findChild<QPushButton*>("acrossAccept");
  ASSERT_NE(acceptAcross, nullptr);
  EXPECT_TRUE(across()->font().italic());
  EXPECT_TRUE(acceptAcross->isEnabled());
  QTest::mouseClick(acceptAcross, Qt::LeftButton);
  EXPECT_FALSE(clues.isDraft(os1));
  EXPECT_FALSE(across()->font().italic());
  EXPECT_FALSE(acceptAcross->isEnabled());
  down()->setFocus();
  QTest::keyClicks(down(), "!");
  EXPECT_EQ(clues.text(os2), "To OS!");
  EXPECT_FALSE(clues.isDraft(os2));
  w.action(texts::acceptAll)->trigger();
  EXPECT_EQ(clues.draftCount(), 0u);
  EXPECT_EQ(dir.read("x4_000.003.ledeord").rfind("PENVIK LEDEORD 1", 0), 0u);
}

TEST_F(PenvikWindowTest, OpenTakesFilesFromDiskAndSaysWhyOneCannotBeRead) {
  const std::string good = dir.write("x4_000.003", kRaw);
  const std::string cut = dir.write("x4_001.003", "4\t3\r\n#OS#\r\n");
  PenvikWindow& w = start();
  std::string warning;
  ModalScript script({typeFileName(cut), [&](QWidget* modal) {
                        auto* box = qobject_cast<QMessageBox*>(modal);
                        ASSERT_NE(box, nullptr);
                        warning = box->text().toStdString();
                        vorkel::clickButton(modal, QMessageBox::Ok);
                      }});
  w.action(texts::open)->trigger();
  EXPECT_EQ(warning, cut + ": Filen slutter efter 1 af 3 rækker; den er vist afkortet.");
  ModalScript second({typeFileName(good)});
  w.action(texts::open)->trigger();
  ASSERT_EQ(w.list()->count(), 2);
  EXPECT_EQ(w.list()->item(0)->text(), "x4_001.003" + texts::unreadable);
  EXPECT_EQ(w.list()->item(1)->text(), "x4_000.003");
  EXPECT_EQ(w.current()->path, good);
  // Choosing the unreadable one shows why instead of a grid.
  w.list()->setCurrentRow(0);
  EXPECT_FALSE(w.current()->grid);
}

// The PDF: two A4 pages. The SVGs: well-formed, the clue on both, the
// letters only in the solution.
TEST_F(PenvikWindowTest, SavesThePuzzleAndItsSolutionAsPdfAndSvg) {
  const std::string raw = dir.write("x4_000.003", kRaw);
  dir.write("penvik.ini", "[Penvik]\r\nUdmappe=udskrift\r\n");
  std::filesystem::create_directories(dir / "udskrift");
  PenvikWindow& w = start({raw});
  click(0, 0);
  QTest::keyClicks(QApplication::focusWidget(), "Mejeriprodukt");

  std::string proposed;
  ModalScript pdf({[&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    proposed = dialog->selectedFiles().value(0).toStdString();
    typeFileName(dir / "udskrift/kryds.pdf")(modal);
  }});
  w.action(texts::savePdf)->trigger();
  EXPECT_EQ(proposed, dir / "udskrift/x4_000.003.pdf");
  const std::string bytes = dir.read("udskrift/kryds.pdf");
  ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
  int pages = 0;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1))
    pages += bytes.compare(at, 12, "/Type /Pages") != 0;
  EXPECT_EQ(pages, 2);
  // poppler's pdfinfo, when it is there, reads the file as a viewer would.
  if (vorkel::Files::exists("/usr/bin/pdfinfo")) {
    QProcess info;
    info.start("pdfinfo", {qs(dir / "udskrift/kryds.pdf")});
    ASSERT_TRUE(info.waitForFinished(20000));
    const QString report = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    EXPECT_TRUE(report.contains(QRegularExpression("Pages:\\s+2\\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains("(A4)")) << report.toStdString();
  }

  ModalScript svg({typeFileName(dir / "udskrift/kryds.svg")});
  w.action(texts::saveSvg)->trigger();
  std::map<std::string, std::vector<QString>> svgTexts;
  for (const char* name : {"udskrift/kryds.svg", "udskrift/kryds-løsning.svg"}) {
    QXmlStreamReader xml(QByteArray::fromStdString(dir.read(name)));
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
        svgTexts[name].push_back(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    EXPECT_FALSE(xml.hasError()) << name << ": " << xml.errorString().toStdString();
    // The clue may stand on two lines, broken with a hyphen.
    QString joined;
    for (const QString& t : svgTexts[name]) joined += t.endsWith('-') ? t.chopped(1) : t + ' ';
    EXPECT_TRUE(joined.contains("Mejeriprodukt")) << name << ": " << joined.toStdString();
  }
  const std::vector<QString>& puzzle = svgTexts["udskrift/kryds.svg"];
  const std::vector<QString>& solution = svgTexts["udskrift/kryds-løsning.svg"];
  // The solution has the nine letters of the nine letter cells more.
  EXPECT_EQ(solution.size(), puzzle.size() + 9);
  EXPECT_EQ(std::count(puzzle.begin(), puzzle.end(), "R"), 0);
  EXPECT_EQ(std::count(solution.begin(), solution.end(), "R"), 1);
}

// A grid of Model3's size (19 by 25 cells) whose first cell is a clue cell
// that starts two words, so split in two.
RawGrid model3SizedGrid() {
  RawGrid grid;
  grid.width = 19;
  grid.height = 25;
  grid.cells.assign(19 * 25, 'A');
  grid.cells[0] = RawGrid::ClueCell;
  return grid;
}

// A clue too wide for half a cell of a large grid even at 5.5 pt is set in
// the narrow face of the font when that fits, or broken at a hyphenation
// point onto a second line where the across half has room for one; what
// fits in neither is still reported. The boxes are those of a split cell of
// Model3's size (19 by 25 cells) on paper.
TEST(PuzzlePaper, ALongWordInHalfACellOfALargeGridIsNarrowedOrBroken) {
  const RawGrid grid = model3SizedGrid();
  const GridPicture picture = layoutPuzzle(grid, Clues(), "x").puzzle.grid;
  const ClueBox* across = picture.clueBox({0, 0, Direction::Across});
  const ClueBox* down = picture.clueBox({0, 0, Direction::Down});
  ASSERT_TRUE(across && down);
  const auto hyphenation = Hyphenation::load(Hyphenation::DanishPatterns);
  for (const auto& [box, text, fits] :
       {std::tuple{across, "Beholder", true}, {across, "Germanere", true}, {across, "Krænkelse", true},
        {down, "Fugl", true}, {down, "Befalingsmand", false}})
    EXPECT_EQ(fitsOnPaper(*vorkel::utf8ToCp1252(text), *box, picture.cellSize, hyphenation.get()), fits)
        << text;
}

// In the PDF, a split cell of Model3's size gives a down clue of two lines
// the room its half lacks when the across clue above needs one line; two
// clues of two lines each cannot share a cell and are reported.
TEST(PuzzlePaper, ASplitCellMovesItsLineForADownClueOfTwoLines) {
  const RawGrid grid = model3SizedGrid();
  TempFolder dir;
  for (const auto& [across, reported] : {std::pair{"Rod", false}, {"Intellektuel", true}}) {
    Clues clues;
    clues.set({0, 0, Direction::Across}, *vorkel::utf8ToCp1252(across));
    clues.set({0, 0, Direction::Down}, "Mod det ydre");
    std::vector<ClueKey> unfit;
    std::string error;
    ASSERT_TRUE(savePdf(dir / "p.pdf", layoutPuzzle(grid, clues, "x"), error, &unfit)) << error;
    EXPECT_EQ(!unfit.empty(), reported) << across;
  }
}

struct ProgramRun {
  int exitCode = -1;
  QByteArray out, err;
};

ProgramRun runPenvik(const QStringList& arguments) {
  QProcess p;
  p.start(QStringLiteral(VORKEL_BINARY_DIR "/penvik"), arguments);
  ProgramRun r;
  if (!p.waitForFinished(20000)) return r;
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

// Without a window: --version, --help, and exports for scripts (the clue
// file beside the raw crossword is used).
TEST(PenvikProgram, AnswersVersionAndHelpAndExportsWithoutAWindow) {
  EXPECT_TRUE(runPenvik({"--version"}).out.startsWith("penvik ("));
  EXPECT_TRUE(runPenvik({"--help"}).out.startsWith("usage: penvik"));
  TempFolder dir;
  const std::string raw = dir.write("x4_000.003", kRaw);
  // A clue too long for its half cell even at 5.5 pt is reported; the file
  // is written all the same.
  dir.write("x4_000.003.ledeord",
            "PENVIK LEDEORD 1\r\n4\t3\r\n#OS#\r\nORMA\r\nS#AB\r\n1\t1\tV\tMejeriprodukt\r\n"
            "1\t1\tL\tEn meget lang tekst der aldrig kan st\xE5 i et halvt felt p\xE5 papir, "
            "heller ikke n\xE5r stregen flyttes op eller ned\r\n");
  const ProgramRun pdf = runPenvik({"--pdf", qs(dir / "ud.pdf"), qs(raw)});
  EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
  EXPECT_EQ(pdf.err.count("for langt til sit felt"), 1) << pdf.err.toStdString();
  EXPECT_TRUE(pdf.err.contains("kolonne 1, række 1 (lodret)")) << pdf.err.toStdString();
  EXPECT_EQ(dir.read("ud.pdf").substr(0, 5), "%PDF-");
  const ProgramRun svg = runPenvik({"--svg", qs(dir / "ud.svg"), qs(raw)});
  EXPECT_EQ(svg.exitCode, 0) << svg.err.toStdString();
  EXPECT_NE(dir.read("ud-løsning.svg").find("Mejeri"), std::string::npos);
  const ProgramRun missing = runPenvik({"--pdf", qs(dir / "nej.pdf"), qs(dir / "findes-ikke")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.err.contains("findes-ikke: filen kan ikke l")) << missing.err.toStdString();
  EXPECT_FALSE(vorkel::Files::exists(dir / "nej.pdf"));
  EXPECT_EQ(runPenvik({"--pdf", qs(dir / "nej.pdf")}).exitCode, 2);
}

// The program as the generator starts it logs a hand-over where PENVIK_LOG says.
TEST(PenvikProgram, LogsAHandOverWherePenvikLogSays) {
  const QString program = QStringLiteral(VORKEL_BINARY_DIR "/penvik");
  TempFolder dir;
  const std::string raw = dir.write("x4_000.003", kRaw);
  QProcess penvik;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_RUNTIME_DIR", qs(dir.path()));
  env.insert("PENVIK_LOG", qs(dir / "log/penvik.log"));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  penvik.setProcessEnvironment(env);
  penvik.start(program, {});
  ASSERT_TRUE(penvik.waitForStarted(20000));
  std::string error;
  auto folder = vorkel::WindowFolder::openAt(dir / "vorkel-windows", error);
  ASSERT_TRUE(folder) << error;
  std::optional<vorkel::WindowHandle> found;
  for (int i = 0; i < 1000 && !found; ++i, QTest::qWait(10))
    found = folder->findWindow("OWL_Window", "Penvik");
  ASSERT_TRUE(found) << "penvik did not register its window";
  // The block of the program's session (its folder of windows), as the
  // generator makes it: no other test's generator shares it.
  std::unique_ptr<vorkel::SharedBlock> block;
  {
    vorkel::testing::ScopedEnvironment session({{"XDG_RUNTIME_DIR", dir.path()}});
    block = vorkel::SharedBlock::createOrOpen("FraVorkelMappingId", 2000);
  }
  ASSERT_TRUE(block);
  ASSERT_TRUE(block->writeText(raw));
  const vorkel::SendResult r = vorkel::sendMessage(*found, "FraVorkelMsg", 1, ::gettid());
  EXPECT_TRUE(r.answered() && r.answer == 1) << vorkel::describe(r.status);
  const std::vector<std::string> log = linesOf(dir.read("log/penvik.log"));
  penvik.kill();
  penvik.waitForFinished(20000);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().substr(log.back().find('\t') + 1), raw);
}

}  // namespace
}  // namespace penvik
