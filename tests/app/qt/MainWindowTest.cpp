#include "app/qt/MainWindow.h"

#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include "app/qt/GridViewWidget.h"
#include "document/DocumentFile.h"
#include "platform/Files.h"
#include "platform/WindowMessages.h"
#include "tests/app/qt/Installation.h"
#include "tests/platform/TempFolder.h"
#include "tests/platform/qt/QtTestSupport.h"

namespace vorkel {
namespace {

using testing::makeInstallation;
using testing::registerInstallation;
using testing::TempFolder;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Presses Escape on the target once a file matching the pattern exists.
class EscapeOnceSaved {
 public:
  EscapeOnceSaved(QWidget* target, std::string pattern) : pattern_(std::move(pattern)) {
    QObject::connect(&timer_, &QTimer::timeout, [this, target] {
      if (!sent_ && Files::countFiles(pattern_) > 0) {
        sent_ = true;
        QTest::keyClick(target, Qt::Key_Escape);
      }
    });
  }
  void start() { timer_.start(5); }
  bool sent() const { return sent_; }

 private:
  std::string pattern_;
  QTimer timer_;
  bool sent_ = false;
};

class MainWindowTest : public ::testing::Test {
 protected:
  TempFolder dir;
  std::unique_ptr<MainWindow> window;

  // The values an installation registers, all pointing at the test's folder.
  void install() { registerInstallation(dir / "registry.ini", dir.path()); }

  MainWindow& start(StartupOptions options = {}) {
    MainWindow::Setup setup;
    setup.workFolder = dir.path();
    setup.registryPath = dir / "registry.ini";
    setup.programPath = "/opt/vorkel/q4";
    setup.options = std::move(options);
    setup.seed = 5;
    setup.wizardAtStart = false;
    window = std::make_unique<MainWindow>(setup);
    window->show();
    settle();
    return *window;
  }
  Registry registry() { return Registry(dir / "registry.ini"); }
  MainWindow& startWithModel1(const TempFolder& folder);
  std::string classesRoot(const std::string& key) {
    return registry().readString(RegistryRoot::ClassesRoot, key);
  }
  GridViewWidget& grid() { return *window->gridView(); }
  Qt::CursorShape overrideShape() {
    return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                          : Qt::ArrowCursor;
  }
};

TEST_F(MainWindowTest, StartUpReadsTheProfileWithRegistryDefaultsAndRegistersTheFileType) {
  std::filesystem::create_directories(dir / "ud");
  std::filesystem::create_directories(dir / "ord");
  Registry reg = registry();
  reg.setString(RegistryRoot::ClassesRoot, "Q4.Application\\Dictionary", "", dir / "ord");
  reg.setString(RegistryRoot::ClassesRoot, "Q4.Application\\ModelOgVej", "", "/findes/ikke");
  dir.write("q4dk.INI", "[Opsat]\r\nGemmested=ud\r\n");  // found without regard to case

  // The one value missing is reported as the registry reports it.
  std::vector<std::string> boxes;
  ModalScript answers({[&](QWidget* m) {
    boxes.push_back((m->windowTitle() + ": " + qobject_cast<QMessageBox*>(m)->text()).toStdString());
    clickButton(m, QMessageBox::Ok);
  }});
  MainWindow& w = start();
  EXPECT_EQ(boxes, std::vector<std::string>{"DisplayKeyData(): Error to open registry code 2"});
  const ApplicationContext& c = w.context();
  EXPECT_EQ(w.windowTitle(), "Krydsords-vorkel");
  EXPECT_EQ(w.menu(), MenuId::Simple);
  EXPECT_EQ(c.currentTemplate.destDir, dir / "ud");
  EXPECT_EQ(c.dictionaryDialog.folder, dir / "ord");  // from the registry
  EXPECT_EQ(c.pathDialog.folder, dir.path());          // cannot be entered: the start folder
  EXPECT_EQ(c.parameterDialog.folder, dir.path());
  EXPECT_EQ(classesRoot(".skb"), "/opt/vorkel/q4");
  EXPECT_EQ(classesRoot("Q4.Document.1\\DefaultIcon"), "/opt/vorkel/q4,1");
  window.reset();

  StartupOptions unregister;
  unregister.unregister = true;
  ModalScript again({[&](QWidget* m) { clickButton(m, QMessageBox::Ok); }});
  start(unregister);
  EXPECT_EQ(registry().openKey(RegistryRoot::ClassesRoot, ".skb"), Registry::NotFound);
  EXPECT_EQ(registry().openKey(RegistryRoot::ClassesRoot, "Q4.Document.1"), Registry::NotFound);
  EXPECT_EQ(classesRoot("Q4.Application\\Dictionary"), dir / "ord");
}

TEST_F(MainWindowTest, WithoutProfileOrRegistryEveryFolderIsTheStartFolder) {
  int boxes = 0;
  const auto ok = [&](QWidget* m) {
    ++boxes;
    clickButton(m, QMessageBox::Ok);
  };
  ModalScript answers({ok, ok, ok, ok});
  const ApplicationContext& c = start().context();
  EXPECT_EQ(boxes, 4);  // Gemmested, Dictionary, ModelOgVej for two folders
  EXPECT_EQ(c.currentTemplate.destDir, dir.path());
  EXPECT_EQ(c.dictionaryDialog.folder, dir.path());
  EXPECT_EQ(c.pathDialog.folder, dir.path());
  EXPECT_EQ(c.parameterDialog.folder, dir.path());
}

TEST_F(MainWindowTest, BothMenusShowTheTableWithItsHintsAndSwitchByTheirCommands) {
  install();
  MainWindow& w = start();
  for (MenuId id : {MenuId::Simple, MenuId::Advanced}) {
    const std::vector<MenuEntry>& table = menuOf(id);
    const QList<QAction*> popups = w.menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(table.size()));
    for (std::size_t p = 0; p < table.size(); ++p) {
      QAction* popup = popups[static_cast<qsizetype>(p)];
      EXPECT_EQ(popup->text(), qs(table[p].text));
      EXPECT_EQ(popup->statusTip(), qs(hintText(table[p].id)));
      const QList<QAction*> items = popup->menu()->actions();
      ASSERT_EQ(items.size(), static_cast<qsizetype>(table[p].children.size()));
      for (std::size_t i = 0; i < table[p].children.size(); ++i) {
        const MenuEntry& e = table[p].children[i];
        QAction* a = items[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->isSeparator(), e.kind == MenuEntry::Kind::Separator);
        if (a->isSeparator()) continue;
        EXPECT_EQ(a->text(), qs(e.text));
        EXPECT_EQ(a->data().toInt(), e.id);
        EXPECT_EQ(a->statusTip(), qs(hintText(e.id)));
        EXPECT_TRUE(a->shortcut().isEmpty());  // mnemonics only
      }
    }
    if (id == MenuId::Simple) {
      w.actionOf(command::advancedMenu)->trigger();
      settle();
      EXPECT_EQ(w.menu(), MenuId::Advanced);
      EXPECT_TRUE(w.context().editMode);
    }
  }
  // The status bar shows an item's hint while it is highlighted.
  QMenu* currentTemplate = w.menuBar()->actions().front()->menu();
  w.menuBar()->setActiveAction(currentTemplate->menuAction());
  currentTemplate->setActiveAction(w.actionOf(command::saveTemplateAs));
  settle();
  EXPECT_EQ(w.statusBar()->currentMessage(), "Gem den aktive skabelon under et nyt navn");
  currentTemplate->hide();
  w.actionOf(command::simpleMenu)->trigger();
  settle();
  EXPECT_EQ(w.menu(), MenuId::Simple);
  EXPECT_FALSE(w.context().editMode);
}

TEST_F(MainWindowTest, GridViewTakesKeysClicksAndCharactersAsAUserGivesThem) {
  install();
  MainWindow& w = start();
  ApplicationContext& c = w.context();
  GridViewWidget& g = grid();
  // Edit mode off: a letter only beeps.
  QTest::keyClicks(g.viewport(), "a");
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(1, 1)), 0);

  w.actionOf(command::editMode)->trigger();
  EXPECT_TRUE(w.actionOf(command::editMode)->isChecked());
  const GridLayout layout = w.gridModel().layout(g.viewport()->height());
  const auto centre = [&](int column, int row) {
    return QPoint(layout.origin + (column - 1) * layout.cellSize + layout.cellSize / 2,
                  layout.origin + (row - 1) * layout.cellSize + layout.cellSize / 2);
  };
  QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, centre(9, 2));
  QTest::keyClicks(&g, "øl");
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(9, 2)), 0xD8);  // Ø
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(10, 2)), 'L');
  QTest::keyClick(&g, Qt::Key_Down);
  QTest::keyClicks(&g, "x");
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(10, 3)), 'X');
  QTest::mouseClick(g.viewport(), Qt::RightButton, Qt::NoModifier, centre(3, 3));
  EXPECT_TRUE(c.document.cellAt(3, 3).isClue);
}

TEST_F(MainWindowTest, UndoGivesTheGridBackByteForByteAndClosingAsksFirst) {
  install();
  MainWindow& w = start();
  ApplicationContext& c = w.context();
  GridViewWidget& g = grid();
  w.actionOf(command::advancedMenu)->trigger();
  settle();
  const GridLayout layout = w.gridModel().layout(g.viewport()->height());
  const auto centre = [&](int column, int row) {
    return QPoint(layout.origin + (column - 1) * layout.cellSize + layout.cellSize / 2,
                  layout.origin + (row - 1) * layout.cellSize + layout.cellSize / 2);
  };
  const std::string before = serializeDocument(c.document);
  QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, centre(2, 2));
  QTest::keyClicks(&g, "ab");
  QTest::mouseClick(g.viewport(), Qt::RightButton, Qt::NoModifier, centre(5, 5));
  const std::string after = serializeDocument(c.document);
  ASSERT_NE(after, before);
  // Three steps back by the keys and the menu's item, and forward again.
  QTest::keyClick(&g, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&g, Qt::Key_Z, Qt::ControlModifier);
  w.actionOf(command::undo)->trigger();
  EXPECT_EQ(serializeDocument(c.document), before);
  for (int i = 0; i < 3; ++i) QTest::keyClick(&g, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(serializeDocument(c.document), after);

  // The typed grid is not thrown away unasked: "Annuller" keeps the window.
  {
    ModalAnswer answer([](QWidget* modal) { clickButton(modal, QMessageBox::Cancel); });
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(answer.acted());
  }
  EXPECT_TRUE(w.isVisible());
  {
    ModalAnswer answer([](QWidget* modal) { clickButton(modal, QMessageBox::No); });
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(answer.acted());
  }
}

TEST_F(MainWindowTest, DroppedTemplateGoesOnTheRecentListTheLoadedOneStays) {
  install();
  MainWindow& w = start();  // the simple menu
  w.context().currentTemplate.dictionaryPath = "loaded.dic";
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(qs(dir / "a.skb")), QUrl::fromLocalFile(qs(dir / "b.skb"))});
  // As a drag from a file manager arrives: it enters, then it is dropped.
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &drop);
  settle();
  EXPECT_EQ(w.context().recentFiles.entries(), std::vector<std::string>{dir / "a.skb"});
  EXPECT_EQ(w.context().currentTemplate.dictionaryPath, "loaded.dic");
  // In the first menu, above Exit, in the simple menu and in the advanced
  // one; and kept in the profile for the next start.
  for (int menu = 0; menu < 2; ++menu) {
    const QList<QAction*> items = w.menuBar()->actions().front()->menu()->actions();
    EXPECT_TRUE(items[items.size() - 3]->text().endsWith("a.skb")) << menu;
    if (menu == 0) w.actionOf(command::advancedMenu)->trigger();
    settle();
  }
  window.reset();
  EXPECT_EQ(start().context().recentFiles.entries(), std::vector<std::string>{dir / "a.skb"});
}

TEST_F(MainWindowTest, ContextHelpArmsWithShiftF1DisarmsWithEscAndTurnsACommandIntoHelp) {
  install();
  std::filesystem::create_directories(dir / "help");
  for (const char* page : {"index.html", "kryds.html"}) dir.write(std::string("help/") + page, "<p>x</p>");
  MainWindow& w = start();
  w.actionOf(command::advancedMenu)->trigger();
  settle();
  QTest::keyClick(&grid(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(w.commands().contextHelpArmed());
  EXPECT_EQ(overrideShape(), Qt::WhatsThisCursor);
  QTest::keyClick(&grid(), Qt::Key_Escape);
  EXPECT_FALSE(w.commands().contextHelpArmed());
  EXPECT_EQ(overrideShape(), Qt::ArrowCursor);

  QTest::keyClick(&grid(), Qt::Key_F1, Qt::ShiftModifier);
  w.actionOf(command::zoom)->trigger();  // the zoom box does not open
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  ASSERT_NE(w.helpWindow(), nullptr);
  EXPECT_TRUE(w.helpSource().endsWith("kryds.html"));
  EXPECT_EQ(overrideShape(), Qt::ArrowCursor);

  QTest::keyClick(&grid(), Qt::Key_F1);
  EXPECT_TRUE(w.helpSource().endsWith("index.html"));
}

TEST_F(MainWindowTest, PathEditorIsAModeOfTheViewDrivenByKeysAndADrag) {
  install();
  MainWindow& w = start();
  ApplicationContext& c = w.context();
  c.document.resize(4, 4);
  w.actionOf(command::advancedMenu)->trigger();
  settle();
  w.actionOf(command::newPath)->trigger();  // "&Ny Vej"
  const std::size_t stops = c.path.length();
  ASSERT_GT(stops, 0u);
  w.actionOf(command::editPath)->trigger();  // returns at once: a mode, not a loop
  ASSERT_NE(w.gridModel().pathEditor(), nullptr);
  EXPECT_TRUE(w.statusBar()->currentMessage().startsWith("Afbryd: Esc"));
  GridViewWidget& g = grid();
  QTest::keyClick(&g, Qt::Key_Right);
  EXPECT_EQ(w.gridModel().pathEditor()->current(), 1u);
  QTest::keyClick(&g, Qt::Key_F1);  // the stop's type, not the help
  EXPECT_EQ(c.path.stops()[1].type, 1);
  EXPECT_EQ(w.helpWindow(), nullptr);

  // Insert, then a drag down from the centre of cell (2, 3).
  QTest::keyClick(&g, Qt::Key_Insert);
  const GridLayout layout = w.gridModel().layout(g.viewport()->height());
  const QPoint from(layout.origin + 2 * layout.cellSize + layout.cellSize / 2,
                    layout.origin + 3 * layout.cellSize + layout.cellSize / 2);
  QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::NoModifier, from + QPoint(3, -40));
  EXPECT_EQ(c.path.length(), stops + 1);
  EXPECT_EQ(c.path.stops()[2].x, 2);
  EXPECT_EQ(c.path.stops()[2].direction, Direction::Down);
  QTest::keyClick(&g, Qt::Key_Escape);
  EXPECT_EQ(w.gridModel().pathEditor(), nullptr);
  EXPECT_EQ(w.statusBar()->currentMessage(), "");
}

TEST_F(MainWindowTest, OtherProgramsFindTheWindowAndItsMessagesAreAnswered) {
  install();
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.path()));
  MainWindow& w = start();
  qunsetenv("XDG_RUNTIME_DIR");
  ASSERT_NE(w.messages(), nullptr);

  // Another process asks whether the generator is there, then sends it the
  // drawing program's message, which must never come here.
  const pid_t child = ::fork();
  if (child == 0) {
    std::string error;
    auto folder = WindowFolder::openAt(dir / "vorkel-windows", error);
    auto found = folder ? folder->findWindow("vorkel", "Krydsords-vorkel") : std::nullopt;
    if (!found) ::_exit(10);
    if (sendMessage(*found, "OrvaAndPimMsg", 0, 0).answer != 2) ::_exit(11);
    const SendResult r = sendMessage(*found, "FraVorkelMsg", 1, 42);
    ::_exit(r.answered() && r.answer == 0 ? 0 : 12);
  }
  std::string box;
  ModalScript oopsBox({[&](QWidget* m) {
    box = (m->windowTitle() + ": " + qobject_cast<QMessageBox*>(m)->text()).toStdString();
    clickButton(m, QMessageBox::Ok);
  }});
  int status = -1;
  for (int i = 0; i < 500 && ::waitpid(child, &status, WNOHANG) == 0; ++i) QTest::qWait(10);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(box, "Hovsa: Denne funktion burde være umulig at kalde");
}

// An installation with Model1.skb loaded and the advanced menu shown.
MainWindow& MainWindowTest::startWithModel1(const TempFolder& folder) {
  install();
  makeInstallation(folder.path());
  MainWindow& w = start();
  w.commands().loadTemplateCommand("Model1.skb");
  w.actionOf(command::advancedMenu)->trigger();
  settle();
  return w;
}

TEST_F(MainWindowTest, ClosingDuringARunEndsItAfterTheAttemptWithWholeFilesOnly) {
  MainWindow& w = startWithModel1(dir);
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (Files::countFiles(dir / "Lager/*.*") >= 2) w.close();
  });
  closer.start(5);
  w.actionOf(command::generateWithoutLetters)->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.commands().runActive());
  std::vector<DirEntry> files;
  ASSERT_TRUE(Files::listDirectory(dir / "Lager/*.*", files));
  for (const DirEntry& f : files) {
    const std::optional<std::string> raw = Files::readFile(dir / "Lager/" + f.name);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->size(), std::string("10\t10\r\n").size() + 10 * 12) << f.name;
  }
}

TEST_F(MainWindowTest, WholeSessionOpensATemplateGeneratesAndStopsWithAKey) {
  install();
  makeInstallation(dir.path());

  MainWindow& w = start();
  w.actionOf(command::advancedMenu)->trigger();
  settle();
  ModalScript open({[&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // As a user does: the name typed into the name field, then Enter.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(qs(dir / "Model1.skb"));
    QTest::keyClick(name, Qt::Key_Return);
  }});
  w.actionOf(command::openTemplate)->trigger();
  EXPECT_EQ(w.windowTitle().toStdString(), "Vorkel - " + (dir / "Model1.skb"));
  ASSERT_GT(w.context().dictionary->wordCount(), 100000);

  // Once the first crossword is in the output folder, Escape stops the run
  // (other keys that arrive while the fill runs are its own and are dropped):
  // the question comes, and No ends it.
  EscapeOnceSaved watch(&grid(), dir / "Lager/*.*");
  watch.start();
  ModalScript question({[](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Vil du lave flere?") << box->text().toStdString();
    clickButton(modal, QMessageBox::No);
  }});
  w.actionOf(command::generateWithoutLetters)->trigger();
  EXPECT_TRUE(watch.sent());
  EXPECT_TRUE(question.done());
  EXPECT_FALSE(w.commands().runActive());

  const std::string& last = w.context().LastRawCrossword;
  EXPECT_EQ(Files::parentFolder(last), dir / "Lager");
  const std::optional<std::string> raw = Files::readFile(last);
  ASSERT_TRUE(raw);
  // The view's document holds the last crossword's letters, row by row.
  std::string rows;
  const CrosswordDocument& doc = w.context().document;
  for (int r = 1; r <= doc.height(); ++r) {
    for (int col = 1; col <= doc.width(); ++col) {
      const unsigned char l = CrosswordDocument::letterOf(doc.cellAt(col, r));
      rows += doc.cellAt(col, r).isClue ? '#' : static_cast<char>(l);
    }
    rows += '\n';
  }
  std::string fileRows = raw->substr(raw->find('\n') + 1);
  std::erase(fileRows, '\r');
  EXPECT_EQ(fileRows, rows);
}

TEST_F(MainWindowTest, ForcedRunPutsTheTypedWordIntoTheCrossword) {
  MainWindow& w = startWithModel1(dir);

  // The dialog as a user fills it in: a word typed in lower case, the word
  // file unticked, OK. Once a crossword is saved, Escape and No end the run.
  EscapeOnceSaved watch(&grid(), dir / "Lager/*.*");
  ModalScript script({[&](QWidget* modal) {
                        EXPECT_EQ(modal->windowTitle(), "Lav krydsord med bestemte ord");
                        auto* words = modal->findChild<QPlainTextEdit*>("ord");
                        auto* useFile = modal->findChild<QCheckBox*>("brugfil");
                        ASSERT_NE(words, nullptr);
                        ASSERT_NE(useFile, nullptr);
                        ASSERT_TRUE(useFile->isChecked());
                        QTest::keyClicks(words, QString::fromUtf8("bøger"));
                        QTest::mouseClick(useFile, Qt::LeftButton, {}, QPoint(4, useFile->height() / 2));
                        modal->findChild<QPushButton*>("OK")->click();
                        watch.start();
                      },
                      [](QWidget* modal) { clickButton(modal, QMessageBox::No); }});
  w.actionOf(command::generateForced)->trigger();
  EXPECT_TRUE(script.done());
  EXPECT_FALSE(w.commands().runActive());
  EXPECT_EQ(Files::readFile(dir / "tvang.txt").value_or(""), "b\xF8ger\r\n");

  // The last crossword holds BØGER in one of its rows or columns.
  const std::optional<std::string> raw = Files::readFile(w.context().LastRawCrossword);
  ASSERT_TRUE(raw);
  std::vector<std::string> rows;
  std::istringstream in(raw->substr(raw->find('\n') + 1));
  for (std::string line; std::getline(in, line);) rows.push_back(line.substr(0, line.find('\r')));
  std::string lines;
  for (const std::string& r : rows) lines += r + "#";
  for (std::size_t x = 0; x < rows[0].size(); ++x) {
    for (const std::string& r : rows) lines += r[x];
    lines += "#";
  }
  EXPECT_NE(lines.find("#B\xD8GER#"), std::string::npos) << lines;
}

}  // namespace
}  // namespace vorkel
