#include "app/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>

#include "app/DocumentCommands.h"
#include "app/HelpPages.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "app/UnsavedWork.h"
#include "app/qt/GridViewWidget.h"
#include "app/qt/ProgramIcon.h"
#include "app/qt/Version.h"
#include "platform/Files.h"
#include "platform/KeyboardLocks.h"
#include "platform/Profile.h"
#include "platform/qt/QtWindowEndpoint.h"
#include "platform/qt/QuitOnSignal.h"

namespace vorkel {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

constexpr const char* kRecentSection = "Recent File List";

}  // namespace

MainWindow::MainWindow(const Setup& setup)
    : ui_(this),
      registry_(setup.registryPath),
      context_(std::make_unique<ApplicationContext>(ui_, clock_, registry_, setup.workFolder,
                                                     setup.seed ? setup.seed : clockSeed())),
      view_(*context_),
      block_(SharedBlock::createOrOpen(DrawerLink::BlockName)),
      drawerPorts_(context_->workFolder, ui_, this),
      drawer_(drawerPorts_, block_.get()),
      commands_(std::make_unique<CommandDispatcher>(*context_, view_, *this, drawer_)),
      setup_(setup) {
  ApplicationContext& c = *context_;
  // 1. The application: its name and the recent-files list of the profile.
  setWindowTitle(ApplicationName);
  {
    Profile recent(c.programProfilePath, kRecentSection);
    for (int i = RecentFiles::Capacity; i >= 1; --i) {
      const std::string entry = recent.getString("File" + std::to_string(i), "", 259);
      if (!entry.empty()) c.recentFiles.add(entry);
    }
  }
  // 2, 3. The program profile with the registry's values as defaults, the
  // folders made absolute.
  c.readProgramProfile();
  // 4. The template file type.
  if (setup.options.unregister) unregisterTemplateType(registry_);
  else registerTemplateType(registry_, setup.programPath);

  // 5. The window: the grid view as client, the status bar, the simple menu.
  setWindowIcon(programIcon());
  setAcceptDrops(true);
  gridView_ = new GridViewWidget(c, view_, this);
  gridView_->setFirstPaintHandler([this] { afterFirstPaint(); });
  setCentralWidget(gridView_);
  ui_.setGridView(gridView_);
  const char* lockNames[3] = {"CAPS", "NUM", "SCRL"};
  for (int i = 0; i < 3; ++i) {
    locks_[i] = new QLabel(lockNames[i], this);
    locks_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    locks_[i]->setObjectName(QString("lock") + lockNames[i]);
    statusBar()->addPermanentWidget(locks_[i]);
  }
  updateLockIndicators();
  auto* lockTimer = new QTimer(this);
  connect(lockTimer, &QTimer::timeout, this, [this] { updateLockIndicators(); });
  lockTimer->start(500);
  menu_ = MenuId::Simple;
  rebuildMenu();
  // Undo and redo work from the keyboard in both menus; the "&Kryds" menu
  // shows the keys beside its items.
  const std::pair<int, QList<QKeySequence>> keys[] = {
      {command::undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
      {command::redo, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}}};
  for (const auto& [number, sequences] : keys) {
    auto* action = new QAction(this);
    action->setShortcuts(sequences);
    connect(action, &QAction::triggered, this, [this, n = number] { runCommand(n); });
    addAction(action);
  }
  resize(800, 600);
  qApp->installEventFilter(this);
  gridView_->setFocus();

  // 6. The registered messages: other programs find this window by its
  // class and title.
  std::string error;
  if (std::optional<WindowFolder> folder = WindowFolder::open(error)) {
    auto endpoint = WindowEndpoint::create(
        *folder, WindowClass, ApplicationName,
        [this](const WindowMessage& m) { return handleMessage(m); }, error);
    if (endpoint) messages_ = std::make_unique<QtWindowEndpoint>(std::move(endpoint));
  }
  // While a send waits for the drawing program, the window goes on taking
  // keys and clicks and painting: a program that never answers does not
  // freeze it for the send's ten seconds.
  if (messages_) messages_->endpoint().setWhileWaiting([] { QApplication::processEvents(); });
  drawerPorts_.setEndpoint(messages_.get());
  if (!messages_)
    std::fprintf(stderr, "q4: other programs cannot reach this window: %s\n", error.c_str());
  if (!block_)
    std::fprintf(stderr,
                 "q4: crosswords cannot be handed to the drawing program: no shared block %s\n",
                 SharedBlock::systemName(DrawerLink::BlockName).c_str());
}

std::int64_t MainWindow::handleMessage(const WindowMessage& m) {
  if (m.name == texts::recentFileMessage) {
    chooseRecentFile(static_cast<int>(m.wParam));
    return 0;
  }
  if (m.name == texts::presenceMessage) return 2;
  if (m.name == texts::drawerMessage) {
    // Meant for the drawing program; arriving here it is a mistake.
    ui_.messageBox(texts::drawerMessageHere, texts::drawerMessageHereCaption, Icon::None,
                   Buttons::Ok);
    return 0;
  }
  return 0;
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  messages_.reset();
}

QAction* MainWindow::actionOf(int number) const {
  for (QAction* popup : menuBar()->actions())
    if (QMenu* menu = popup->menu())
      for (QAction* a : menu->actions())
        if (!a->isSeparator() && a->data().toInt() == number) return a;
  return nullptr;
}

void MainWindow::setMenu(MenuId menu) {
  // The menu bar is rebuilt once control is back in the event loop: a
  // command that switches menus runs inside the signal of an action that
  // the rebuild deletes.
  menu_ = menu;
  if (rebuildPending_) return;
  rebuildPending_ = true;
  QMetaObject::invokeMethod(this, [this] { rebuildMenu(); }, Qt::QueuedConnection);
}

void MainWindow::rebuildMenu() {
  rebuildPending_ = false;
  const MenuId menu = menu_;
  menuBar()->clear();
  for (const MenuEntry& p : menuOf(menu)) {
    QMenu* popup = menuBar()->addMenu(qs(p.text));
    popup->menuAction()->setStatusTip(qs(hintText(p.id)));
    QAction* exitAction = nullptr;
    for (const MenuEntry& e : p.children) {
      if (e.kind == MenuEntry::Kind::Separator) {
        popup->addSeparator();
        continue;
      }
      QAction* action = popup->addAction(qs(e.text));
      action->setData(e.id);
      action->setStatusTip(qs(hintText(e.id)));
      if (e.id == command::editMode) {
        action->setCheckable(true);
        action->setChecked(context_->editMode);
      }
      const int number = e.id;
      connect(action, &QAction::triggered, this, [this, number] { runCommand(number); });
      if (number == command::exit) exitAction = action;
    }
    // The recent files stand in the first menu, above Exit, in both menus:
    // a template dropped on the window in simple mode is found there too.
    const auto& entries = context_->recentFiles.entries();
    if (exitAction && !entries.empty()) {
      for (std::size_t i = 0; i < entries.size(); ++i) {
        auto* recent = new QAction(QString("&%1 %2").arg(i + 1).arg(qs(entries[i])), popup);
        recent->setData(-static_cast<int>(i) - 1);
        recent->setStatusTip(qs(entries[i]));
        connect(recent, &QAction::triggered, this, [this, i] {
          // The list reports its choice as the registered message does.
          if (messages_)
            messages_->endpoint().sendMessage(messages_->handle(), texts::recentFileMessage,
                                              static_cast<std::int64_t>(i), 0);
          else
            chooseRecentFile(static_cast<int>(i));
        });
        popup->insertAction(exitAction, recent);
      }
      popup->insertSeparator(exitAction);
    }
  }
}

void MainWindow::runCommand(int number) {
  const std::size_t recentBefore = context_->recentFiles.entries().size();
  const std::string firstBefore = context_->recentFiles.entry(0);
  // While a command keeps the window busy (a run), the view is painted
  // again a dozen times a second: its timer fires whenever the run lets Qt
  // work.
  QTimer refresh;
  connect(&refresh, &QTimer::timeout, this, [this] { gridView_->viewport()->update(); });
  refresh.start(80);
  commands_->run(number);
  refresh.stop();
  if (QAction* a = actionOf(command::editMode)) a->setChecked(context_->editMode);
  if (context_->recentFiles.entries().size() != recentBefore ||
      context_->recentFiles.entry(0) != firstBefore) {
    saveRecentFiles();
    setMenu(menu_);
  }
  if (closePending_) {
    closePending_ = false;
    close();
  }
}

void MainWindow::chooseRecentFile(int index) {
  const std::string path = context_->recentFiles.entry(static_cast<std::size_t>(index));
  if (path.empty() || commands_->runActive()) return;
  commands_->loadTemplateCommand(path);
  saveRecentFiles();
  setMenu(menu_);
}

void MainWindow::saveRecentFiles() {
  Profile recent(context_->programProfilePath, kRecentSection);
  const auto& entries = context_->recentFiles.entries();
  // Only what changed is written: a window that opened no file leaves the
  // profile as it was (an installed profile stays the installation's, and
  // its uninstall removes it).
  for (std::size_t i = 0; i < RecentFiles::Capacity; ++i) {
    const std::string key = "File" + std::to_string(i + 1);
    const std::string entry = i < entries.size() ? entries[i] : "";
    if (recent.getString(key, "", 259) != entry) recent.writeString(key, entry);
  }
}

void MainWindow::afterFirstPaint() {
  const std::string& named = setup_.options.templatePath;
  if (named.empty()) {
    // The program's first face: the model wizard.
    if (setup_.wizardAtStart) runCommand(command::wizard);
    return;
  }
  // A grid named on the command line (a double click on a .ktd file) is
  // read as the model, as "Hent som model" reads one.
  const std::string_view name = Files::fileName(named);
  if (name.size() > 4 && Files::sameNameIgnoringCase(name.substr(name.size() - 4), ".ktd")) {
    if (openModelFile(*context_, named)) ui_.setCaption(std::string("Vorkel - ") + named);
    repaintView();
    return;
  }
  // A template named on the command line (a double click on a .skb file)
  // loads as the open command loads one.
  ui_.setCaption(std::string("Vorkel - åbner ") + named);
  commands_->loadTemplateCommand(named);
  ui_.setCaption(std::string("Vorkel - ") + named);
}

QString MainWindow::helpSource() const {
  return helpBrowser_ ? helpBrowser_->source().toLocalFile() : QString();
}

void MainWindow::showHelp(std::string_view page) {
  const std::vector<std::string> folders = helpFolders(context_->startDir, setup_.programPath);
  std::string path = findHelpPage(page, folders);
  if (path.empty()) path = findHelpPage("index.html", folders);
  if (path.empty()) {
    ui_.messageBox(texts::noHelp, texts::noHelpCaption, Icon::None, Buttons::Ok);
    return;
  }
  if (!helpWindow_) {
    auto* window = new QWidget(this, Qt::Window);
    window->setObjectName("helpWindow");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Vorkel - Hjælp");
    helpBrowser_ = new QTextBrowser(window);
    helpBrowser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(helpBrowser_);
    window->resize(640, 560);
    helpWindow_ = window;
    connect(window, &QObject::destroyed, this, [this] { helpBrowser_ = nullptr; });
  }
  helpBrowser_->setSource(QUrl::fromLocalFile(qs(path)));
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

void MainWindow::showAbout() {
  QDialog about(this);
  about.setObjectName("aboutDialog");
  about.setWindowTitle("Om Vorkelen");
  auto* layout = new QVBoxLayout(&about);
  auto* icon = new QLabel(&about);
  icon->setPixmap(programIcon().pixmap(64, 64));
  icon->setAlignment(Qt::AlignCenter);
  layout->addWidget(icon);
  for (const QString& line : {QString("Krydsords-generator"),
                              QString("%1 %2").arg(kProductName, kProductVersion)}) {
    auto* label = new QLabel(line, &about);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
  connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
  layout->addWidget(buttons);
  about.exec();
}

void MainWindow::closeWindow() { close(); }

void MainWindow::repaintView() {
  gridView_->clearProgress();
  gridView_->updateScrollRange();
  gridView_->viewport()->update();
  if (QAction* a = actionOf(command::editMode)) a->setChecked(context_->editMode);
}

void MainWindow::setHelpCursor(bool on) {
  if (on) QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  else if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void MainWindow::updateLockIndicators() {
  const std::optional<KeyboardLocks> locks = KeyboardLocks::read();
  const bool on[3] = {locks && locks->capsLock, locks && locks->numLock,
                      locks && locks->scrollLock};
  for (int i = 0; i < 3; ++i) {
    locks_[i]->setVisible(locks.has_value());
    locks_[i]->setEnabled(on[i]);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (commands_->runActive()) {
    // The run ends after its current attempt; the window closes then.
    commands_->requestStop();
    closePending_ = true;
    event->ignore();
    return;
  }
  // Typed letters, a changed path or template are not thrown away unasked;
  // a signal ends the program without a question nobody would answer.
  if (QuitOnSignal::signalled()) {
    if (context_->unsaved.changed(*context_))
      std::fprintf(stderr, "q4: ended by a signal; changes not saved are lost\n");
  } else if (!mayDiscardWork(*context_)) {
    event->ignore();
    return;
  }
  if (commands_->contextHelpArmed()) commands_->disarmContextHelp();
  if (helpWindow_) helpWindow_->close();
  saveRecentFiles();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  // Only the first of several files is taken; it is not loaded, only put
  // on the recent-files list, from where the user opens it.
  commands_->dropFile(urls.front().toLocalFile().toStdString());
  saveRecentFiles();
  setMenu(menu_);
  event->acceptProposedAction();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    // In the path editor F1 changes the stop's type.
    if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && !view_.pathEditor()) {
      if (type == QEvent::KeyRelease) {
        commands_->setF1Held(false);
        return false;
      }
      if (commands_->runActive()) return false;
      if (key->modifiers() & Qt::ShiftModifier) {
        commands_->armContextHelp();
        return true;
      }
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        // F1 in an open menu: arm, and choose the highlighted item, which
        // then opens the help instead of running.
        commands_->armContextHelp();
        QApplication::postEvent(menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                    Qt::NoModifier));
        return true;
      }
      commands_->setF1Held(true);
      showHelp("index.html");
      return true;
    }
    if (type == QEvent::KeyPress && key->key() == Qt::Key_Escape &&
        commands_->contextHelpArmed()) {
      commands_->disarmContextHelp();
      return true;
    }
  }
  // While a run keeps the window busy, clicks and wheel turns are not
  // delivered: no menu opens and no cell changes under the fill. A
  // question the run asks (a modal box) gets its input.
  if (commands_->runActive() && QApplication::activeModalWidget() == nullptr &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
       type == QEvent::MouseButtonRelease || type == QEvent::Wheel))
    return true;
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vorkel
