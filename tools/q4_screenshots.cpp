// Takes the README's screenshots of the generator's window from the real
// program: q4_screenshots STOCKFOLDER OUTFOLDER.
//   q4-simple.png     the simple menu with a filled crossword
//   q4-advanced.png   the advanced menu open on "&Ordbog"
//   q4-resize.png     the dialog " Angiv størrelse "
//   q4-wizard.png     the model wizard "Lav dine første krydsord "
//   q4-cleanup.png    the clean-up dialog, counting the fills made here
//   q4-sv.png, q4-is.png  a Swedish and an Icelandic fill from the stock
//                     templates Model1-sv.skb and Model1-is.skb
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "platform/qt/DanishTranslations.h"
#include "app/CommandTable.h"
#include "app/qt/GridViewWidget.h"
#include "app/qt/MainWindow.h"
#include "app/GenerationRun.h"
#include "tools/TitledShot.h"

using namespace vorkel;

namespace {

// The window with an open popup menu drawn over it where it stands.
QPixmap grabWithPopup(QMainWindow& window, QMenu* popup) {
  QPixmap shot = window.grab();
  if (popup && popup->isVisible()) {
    QPainter p(&shot);
    p.drawPixmap(window.mapFromGlobal(popup->pos()), popup->grab());
  }
  return shot;
}

bool save(const QPixmap& pixmap, const QString& path) {
  if (!pixmap.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

void settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: q4_screenshots STOCKFOLDER OUTFOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  vorkel::installDanishTranslations(app);
  const QString out = QDir(argv[2]).absolutePath();
  QDir().mkpath(out);

  MainWindow::Setup setup;
  setup.workFolder = argv[1];
  setup.registryPath = QDir(argv[1]).filePath("registry.ini").toStdString();
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  setup.seed = 11;
  setup.wizardAtStart = false;
  MainWindow window(setup);
  // The crosswords go to a folder of their own, which the clean-up dialog
  // then counts: the shot shows what this run made, nothing else.
  QTemporaryDir work;
  const std::string outputFolder = QDir(work.path()).filePath("Lager").toStdString();
  QDir().mkpath(QString::fromStdString(outputFolder));
  window.resize(760, 640);
  window.show();
  settle();

  // A filled crossword in the simple menu: Model1 and one generated fill.
  window.commands().loadTemplateCommand("Model1.skb");
  ApplicationContext& c = window.context();
  c.ui.setCaption("Vorkel - model1.skb");
  // One saved fill of the template now loaded.
  const auto fillOnce = [&] {
    c.currentTemplate.destDir = outputFolder;
    for (int tries = 0; tries < 200 && runAttempt(c, AttemptKind::WithoutLetters) != FillResult::Filled; ++tries) {
    }
    // The fill is saved in the output folder: nothing to ask about.
    c.unsaved.markGridSaved(c.document);
  };
  fillOnce();
  window.repaintView();
  settle();
  bool ok = save(withTitle(window.grab(), window.windowTitle()), out + "/q4-simple.png");

  // The advanced menu, "&Ordbog" open.
  window.commands().run(command::advancedMenu);
  settle();
  QMenu* dictionaryMenu = nullptr;
  for (QAction* a : window.menuBar()->actions())
    if (a->text() == "&Ordbog") dictionaryMenu = a->menu();
  if (dictionaryMenu) {
    window.menuBar()->setActiveAction(dictionaryMenu->menuAction());
    settle();
    if (!dictionaryMenu->actions().isEmpty()) dictionaryMenu->setActiveAction(dictionaryMenu->actions().at(6));
    settle();
  }
  ok = save(withTitle(grabWithPopup(window, dictionaryMenu), window.windowTitle()), out + "/q4-advanced.png") && ok;
  if (dictionaryMenu) dictionaryMenu->hide();
  settle();

  // Dialogs, each grabbed while it is open, then closed.
  const auto shootDialog = [&](int number, const QString& file) {
    QTimer::singleShot(300, [&, file] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ok = save(withTitle(dialog->grab(), dialog->windowTitle()), out + "/" + file) && ok;
        dialog->reject();
      }
    });
    window.commands().run(number);
  };
  shootDialog(command::resize, "q4-resize.png");
  window.commands().run(command::simpleMenu);
  settle();
  shootDialog(command::wizard, "q4-wizard.png");
  // Three crosswords of Model 1 and two of Model 2 to count.
  fillOnce();
  fillOnce();
  window.commands().loadTemplateCommand("Model2.skb");
  fillOnce();
  fillOnce();
  shootDialog(command::cleanUp, "q4-cleanup.png");

  // The same model filled in Swedish and in Icelandic, from their stock
  // templates (the language comes with the template's "Sprog").
  for (const char* code : {"sv", "is"}) {
    const std::string skb = std::string("Model1-") + code + ".skb";
    if (!QDir(argv[1]).exists(QString::fromStdString(skb))) continue;
    window.commands().loadTemplateCommand(skb);
    c.ui.setCaption("Vorkel - " + skb);
    fillOnce();
    window.repaintView();
    settle();
    ok = save(withTitle(window.grab(), window.windowTitle()), out + "/q4-" + code + ".png") && ok;
  }
  // The question before typed letters are thrown away, as closing asks it.
  window.commands().run(command::advancedMenu);
  CrosswordDocument::setLetter(c.document.cellAt(2, 2), 'Q');
  window.repaintView();
  settle();
  QTimer::singleShot(300, [&] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ok = save(withTitle(box->grab(), box->windowTitle()), out + "/q4-question.png") && ok;
      box->reject();  // "Annuller": the window stays
    }
  });
  window.close();
  c.unsaved.markGridSaved(c.document);
  return ok ? 0 : 1;
}
