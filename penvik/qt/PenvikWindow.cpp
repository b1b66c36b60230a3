#include "penvik/qt/PenvikWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "penvik/ClueCells.h"
#include "penvik/qt/GridWidget.h"
#include "penvik/qt/PuzzleExport.h"
#include "penvik/qt/PuzzlePainter.h"
#include "penvik/qt/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/qt/QtWindowEndpoint.h"

#ifndef PENVIK_VERSION
#define PENVIK_VERSION "0"
#endif

namespace penvik {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }

// Clue texts are kept in Windows-1252: typing stops at a character the code
// page does not have, and at the longest text a clue may hold.
class Cp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    std::string bytes;
    return vorkel::utf8ToCp1252Exact(utf8(input), bytes) && bytes.size() <= MaxClueText
               ? Acceptable
               : Invalid;
  }
};

}  // namespace

PenvikWindow::PenvikWindow(const Setup& setup)
    : setup_(setup),
      settings_(readSettings(setup.programFolder)),
      receiver_(setup.blockName, ReceiveLog(setup.logPath), clock_,
                HandOverReceiver::Events{
                    // Only noted here: the file is read once the generator
                    // has its answer.
                    [this](const std::string& name) {
                      pendingFiles_.push_back(name);
                      if (takePending_) return;
                      takePending_ = true;
                      QMetaObject::invokeMethod(this, [this] { takeReceived(); },
                                                Qt::QueuedConnection);
                    },
                    [this](std::int64_t) {
                      QMetaObject::invokeMethod(this, [this] { comeForward(); },
                                                Qt::QueuedConnection);
                    },
                    [this](const std::string& error) {
                      std::fprintf(stderr, "penvik: cannot log: %s\n", error.c_str());
                      statusBar()->showMessage(qs(error));
                    }}) {
  setWindowTitle(WindowTitle);
  buildMenus();

  auto* splitter = new QSplitter(this);
  auto* listPanel = new QWidget(splitter);
  auto* listLayout = new QVBoxLayout(listPanel);
  listLayout->setContentsMargins(4, 4, 4, 4);
  listLayout->addWidget(new QLabel(texts::listTitle, listPanel));
  listView_ = new QListWidget(listPanel);
  listView_->setObjectName("crosswords");
  listLayout->addWidget(listView_);
  connect(listView_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });

  auto* right = new QWidget(splitter);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  grid_ = new GridWidget(right);
  grid_->setClickHandler([this](int column, int row) { cellClicked(column, row); });
  rightLayout->addWidget(grid_, 1);
  rightLayout->addWidget(buildClueEditor(right));
  splitter->addWidget(listPanel);
  splitter->addWidget(right);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({200, 600});
  setCentralWidget(splitter);
  statusBar();
  resize(900, 680);

  // The clue box whose text field has the cursor is marked in the grid.
  connect(qApp, &QApplication::focusChanged, this, [this] { updateClueEditor(); });

  // Other programs find this window by its class and title.
  std::string error;
  if (std::optional<vorkel::WindowFolder> folder = vorkel::WindowFolder::open(error)) {
    auto endpoint = vorkel::WindowEndpoint::create(
        *folder, WindowClass, WindowTitle,
        [this](const vorkel::WindowMessage& m) { return receiver_.handle(m); }, error);
    if (endpoint) messages_ = std::make_unique<vorkel::QtWindowEndpoint>(std::move(endpoint));
  }
  if (!messages_) {
    std::fprintf(stderr, "penvik: other programs cannot reach this window: %s\n", error.c_str());
    statusBar()->showMessage(texts::unreachable.arg(qs(error)));
  }

  // Files named at start open once the window is up, so a message about
  // one has a window to stand over.
  if (!setup_.files.empty())
    QMetaObject::invokeMethod(this, [this] {
      for (const std::string& f : setup_.files) openCrossword(f, true);
    }, Qt::QueuedConnection);
  updateClueEditor();
}

PenvikWindow::~PenvikWindow() {
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  messages_.reset();
}

void PenvikWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(texts::fileMenu);
  QAction* open = file->addAction(texts::open, this, [this] { openFromDisk(); });
  open->setShortcut(QKeySequence::Open);
  open->setStatusTip(texts::openHint);
  file->addSeparator();
  file->addAction(texts::savePdf, this, [this] { saveAs(true); })->setStatusTip(texts::savePdfHint);
  file->addAction(texts::saveSvg, this, [this] { saveAs(false); })->setStatusTip(texts::saveSvgHint);
  file->addSeparator();
  QAction* exit = file->addAction(texts::exit, this, [this] { close(); });
  exit->setShortcut(QKeySequence::Quit);
  exit->setStatusTip(texts::exitHint);
  QMenu* clues = menuBar()->addMenu(texts::clueMenu);
  QAction* proposeAll = clues->addAction(texts::proposeAll, this, [this] { proposeAllClues(); });
  proposeAll->setStatusTip(texts::proposeAllHint);
  proposeAll->setEnabled(static_cast<bool>(setup_.proposals));
  clues->addAction(texts::acceptAll, this, [this] { acceptAllDrafts(); })
      ->setStatusTip(texts::acceptAllHint);
  QMenu* help = menuBar()->addMenu(texts::helpMenu);
  help->addAction(texts::about, this, [this] {
    QMessageBox::about(this, QStringLiteral("Om Penvik"), texts::aboutText.arg(PENVIK_VERSION));
  });
}

QWidget* PenvikWindow::buildClueEditor(QWidget* parent) {
  auto* box = new QGroupBox(texts::clueBox, parent);
  box->setObjectName("clueEditor");
  auto* layout = new QGridLayout(box);
  cellLabel_ = new QLabel(box);
  layout->addWidget(cellLabel_, 0, 0, 1, 2);
  draftsLabel_ = new QLabel(box);
  draftsLabel_->setObjectName("drafts");
  layout->addWidget(draftsLabel_, 0, 2, 1, 2);
  int row = 1;
  for (Direction d : {Direction::Across, Direction::Down}) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(d == Direction::Across ? "acrossClue" : "downClue");
    edit->setValidator(new Cp1252Validator(edit));
    connect(edit, &QLineEdit::textEdited, this, [this, d](const QString& t) {
      const Crossword* c = current();
      if (c && c->grid && selectedCell_) {
        const ClueCell cell = clueCellAt(*c->grid, selectedCell_->first, selectedCell_->second);
        typed_[d == Direction::Across ? 0 : 1] =
            TypedClue{clueWord(*c->grid, {cell.column, cell.row, d}), t};
      }
      clueEdited(d, t);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, d] { clueFinished(d); });
    layout->addWidget(new QLabel(d == Direction::Across ? texts::across : texts::down, box), row, 0);
    layout->addWidget(edit, row, 1);
    auto* button = new QPushButton(texts::propose, box);
    button->setObjectName(d == Direction::Across ? "acrossPropose" : "downPropose");
    button->setToolTip(texts::proposeHint);
    button->setEnabled(static_cast<bool>(setup_.proposals));
    // The button does not take the focus: the field keeps its cursor.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, d] { propose(d); });
    layout->addWidget(button, row, 2);
    auto* accept = new QPushButton(texts::accept, box);
    accept->setObjectName(d == Direction::Across ? "acrossAccept" : "downAccept");
    accept->setToolTip(texts::acceptHint);
    accept->setFocusPolicy(Qt::NoFocus);
    connect(accept, &QPushButton::clicked, this, [this, d] { acceptDraft(d); });
    layout->addWidget(accept, row++, 3);
    (d == Direction::Across ? acrossAccept_ : downAccept_) = accept;
    (d == Direction::Across ? acrossEdit_ : downEdit_) = edit;
  }
  layout->addWidget(new QLabel(texts::alternatives, box), row, 0);
  alternatives_ = new QListWidget(box);
  alternatives_->setObjectName("alternatives");
  alternatives_->setToolTip(texts::alternativesHint);
  alternatives_->setFlow(QListView::LeftToRight);
  alternatives_->setWrapping(true);
  alternatives_->setSpacing(2);
  alternatives_->setFocusPolicy(Qt::NoFocus);
  alternatives_->setFixedHeight(alternatives_->fontMetrics().height() * 3);
  connect(alternatives_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { takeAlternative(item->text()); });
  layout->addWidget(alternatives_, row, 1, 1, 3);
  return box;
}

QAction* PenvikWindow::action(const QString& text) const {
  for (QAction* menu : menuBar()->actions())
    for (QAction* a : menu->menu()->actions())
      if (a->text() == text) return a;
  return nullptr;
}

const Crossword* PenvikWindow::current() const {
  if (currentIndex_ < 0 || static_cast<std::size_t>(currentIndex_) >= list_.size()) return nullptr;
  return &list_.entries()[static_cast<std::size_t>(currentIndex_)];
}

void PenvikWindow::openCrossword(const std::string& path, bool tellUser) {
  // Opening may move the list's entries: the grid must not keep a pointer
  // into the old list.
  grid_->setCrossword(nullptr);
  const Crossword& opened = list_.open(path);
  const std::string problem = !opened.grid ? opened.error : opened.clueNote;
  QSignalBlocker quiet(listView_);
  listView_->clear();
  for (const Crossword& c : list_.entries()) {
    auto* item = new QListWidgetItem(
        qs(std::string(vorkel::Files::fileName(c.path))) + (c.grid ? QString() : texts::unreadable),
        listView_);
    item->setToolTip(qs(c.path));
    if (!c.grid) item->setForeground(Qt::darkRed);
  }
  listView_->setCurrentRow(listView_->count() - 1);
  showSelected();
  if (problem.empty()) return;
  if (tellUser) QMessageBox::warning(this, texts::errorCaption, qs(problem));
  else report(qs(problem));
}

void PenvikWindow::takeReceived() {
  takePending_ = false;
  std::vector<std::string> files;
  files.swap(pendingFiles_);
  for (const std::string& name : files) {
    openCrossword(name, false);
    const Crossword* c = current();
    if (c && c->grid && c->clueNote.empty()) report(texts::received.arg(qs(name)));
  }
}

void PenvikWindow::comeForward() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void PenvikWindow::showSelected() {
  cluesFinished();
  currentIndex_ = listView_->currentRow();
  selectedCell_.reset();
  // The same clue cell of another crossword has another word.
  alternatives_->clear();
  alternativesFor_.reset();
  const Crossword* c = current();
  grid_->setCrossword(c);
  updateClueEditor();
  if (c && c->grid) {
    const std::size_t orphans = wordsWithoutClueCell(*c->grid).size();
    if (orphans > 0) report(texts::orphans.arg(orphans));
  }
}

void PenvikWindow::cellClicked(int column, int row) {
  cluesFinished();
  const Crossword* c = current();
  if (!c || !c->grid) return;
  const ClueCell cell = clueCellAt(*c->grid, column, row);
  if (!c->grid->isClue(column, row) || !cell.startsAny()) {
    selectedCell_.reset();
    updateClueEditor();
    if (c->grid->isClue(column, row)) report(texts::startsNothing);
    return;
  }
  selectedCell_ = {column, row};
  QLineEdit* edit = cell.across ? acrossEdit_ : downEdit_;
  edit->setEnabled(true);
  edit->setFocus(Qt::MouseFocusReason);
  updateClueEditor();
  edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

void PenvikWindow::clueEdited(Direction d, const QString& text) {
  if (!selectedCell_ || currentIndex_ < 0) return;
  std::string bytes;
  vorkel::utf8ToCp1252Exact(utf8(text), bytes);  // the validator let only such text in
  std::string error;
  Crossword& c = list_.at(static_cast<std::size_t>(currentIndex_));
  if (!c.setClue({selectedCell_->first, selectedCell_->second, d}, bytes, error))
    report(qs(error));
  grid_->update();
}

void PenvikWindow::propose(Direction d) {
  const Crossword* c = current();
  if (!c || !c->grid || !selectedCell_ || !setup_.proposals) return;
  const ClueCell cell = clueCellAt(*c->grid, selectedCell_->first, selectedCell_->second);
  if (!cell.starts(d)) return;
  const std::string word = clueWord(*c->grid, {cell.column, cell.row, d});
  if (word.empty()) {
    report(texts::noWordToPropose);
    return;
  }
  // Each press gives the next proposal that fits a clue, round again after
  // the last; what stands in the field is where it goes on from.
  const std::vector<QString> fitting = fittingProposals(word);
  if (fitting.empty()) {
    report(texts::noProposal.arg(qs(word)));
    return;
  }
  QLineEdit* edit = clueEdit(d);
  const auto at = std::find(fitting.begin(), fitting.end(), edit->text());
  const QString next = at == fitting.end() || at + 1 == fitting.end() ? fitting.front() : *(at + 1);
  edit->setText(next);
  clueEdited(d, next);
}

std::vector<QString> PenvikWindow::fittingProposals(const std::string& word) const {
  std::vector<QString> fitting;
  for (const std::string& p : setup_.proposals(word)) {
    std::string bytes;
    if (vorkel::utf8ToCp1252Exact(p, bytes) && bytes.size() <= MaxClueText) fitting.push_back(qs(p));
  }
  return fitting;
}

void PenvikWindow::showAlternatives(const std::optional<ClueKey>& key) {
  if (key == alternativesFor_) return;
  alternativesFor_ = key;
  alternatives_->clear();
  const Crossword* c = current();
  if (!key || !c || !c->grid || !setup_.proposals) return;
  const std::string word = clueWord(*c->grid, *key);
  if (word.empty()) return;
  for (const QString& p : fittingProposals(word)) alternatives_->addItem(p);
}

void PenvikWindow::takeAlternative(const QString& text) {
  if (!alternativesFor_) return;
  QLineEdit* edit = clueEdit(alternativesFor_->direction);
  edit->setText(text);
  clueEdited(alternativesFor_->direction, text);
  updateClueEditor();
}

void PenvikWindow::proposeAllClues() {
  cluesFinished();
  if (currentIndex_ < 0 || !setup_.proposals) return;
  Crossword& c = list_.at(static_cast<std::size_t>(currentIndex_));
  if (!c.grid) {
    report(texts::chooseFirst);
    return;
  }
  // A draft that prints whole is taken before a better one that would not.
  if (!hyphenation_) hyphenation_ = Hyphenation::load(Hyphenation::DanishPatterns);
  const Clues drafts =
      draftClues(*c.grid, c.clues, setup_.proposals, paperFits(*c.grid, hyphenation_));
  std::size_t empty = 0;
  for (const ClueCell& cell : findClueCells(*c.grid))
    for (const Direction d : {Direction::Across, Direction::Down}) {
      const ClueKey key{cell.column, cell.row, d};
      if (cell.starts(d) && c.clues.text(key).empty() && drafts.text(key).empty()) ++empty;
    }
  std::string error;
  if (!c.addDrafts(drafts, error)) report(qs(error));
  else report(texts::draftsWritten.arg(drafts.size()).arg(empty));
  grid_->update();
  updateClueEditor();
}

void PenvikWindow::acceptDraft(Direction d) {
  const Crossword* c = current();
  if (!c || !c->grid || !selectedCell_) return;
  const ClueCell cell = clueCellAt(*c->grid, selectedCell_->first, selectedCell_->second);
  const ClueKey key{cell.column, cell.row, d};
  if (!c->clues.isDraft(key)) return;
  std::string error;
  if (!list_.at(static_cast<std::size_t>(currentIndex_)).setClue(key, c->clues.text(key), error))
    report(qs(error));
  grid_->update();
  updateClueEditor();
}

void PenvikWindow::acceptAllDrafts() {
  if (currentIndex_ < 0) return;
  std::string error;
  if (!list_.at(static_cast<std::size_t>(currentIndex_)).acceptDrafts(error)) report(qs(error));
  grid_->update();
  updateClueEditor();
}

void PenvikWindow::clueFinished(Direction d) {
  std::optional<TypedClue>& typed = typed_[d == Direction::Across ? 0 : 1];
  if (!typed) return;
  const TypedClue clue = *typed;
  typed.reset();
  const QString text = clue.text.trimmed();
  if (setup_.learn && !clue.word.empty() && !text.isEmpty()) setup_.learn(clue.word, utf8(text));
}

void PenvikWindow::cluesFinished() {
  clueFinished(Direction::Across);
  clueFinished(Direction::Down);
}

void PenvikWindow::updateClueEditor() {
  const Crossword* c = current();
  ClueCell cell;
  if (c && c->grid && selectedCell_)
    cell = clueCellAt(*c->grid, selectedCell_->first, selectedCell_->second);
  cellLabel_->setText(cell.startsAny() ? texts::clueCell.arg(cell.column + 1).arg(cell.row + 1)
                                       : texts::clueHelp);
  std::optional<ClueKey> highlighted;
  for (Direction d : {Direction::Across, Direction::Down}) {
    QLineEdit* edit = clueEdit(d);
    const bool active = cell.starts(d);
    const QString text =
        active ? fromCp1252(c->clues.text({cell.column, cell.row, d})) : QString();
    // Only a change of cell replaces what is in the field: rewriting it while
    // the user types would move the cursor.
    if (edit->text() != text) edit->setText(text);
    edit->setEnabled(active);
    // A draft reads in italics until it is accepted or edited.
    const bool draft = active && c->clues.isDraft({cell.column, cell.row, d});
    QFont font = edit->font();
    font.setItalic(draft);
    edit->setFont(font);
    (d == Direction::Across ? acrossAccept_ : downAccept_)->setEnabled(draft);
    if (active && edit->hasFocus()) highlighted = ClueKey{cell.column, cell.row, d};
  }
  grid_->setSelection(cell.startsAny() ? selectedCell_ : std::nullopt, highlighted);
  // The alternatives are those of the clue being edited, else of the
  // cell's first clue.
  std::optional<ClueKey> shown = highlighted;
  if (!shown && cell.startsAny())
    shown = ClueKey{cell.column, cell.row, cell.across ? Direction::Across : Direction::Down};
  showAlternatives(shown);
  const std::size_t drafts = c && c->grid ? c->clues.draftCount() : 0;
  draftsLabel_->setText(drafts > 0 ? texts::draftsLeft.arg(drafts) : QString());
}

void PenvikWindow::openFromDisk() {
  QFileDialog dialog(this, texts::openTitle);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(texts::rawFilter.split(";;"));
  if (const Crossword* c = current()) dialog.setDirectory(qs(vorkel::Files::parentFolder(c->path)));
  if (dialog.exec() != QDialog::Accepted) return;
  for (const QString& path : dialog.selectedFiles()) openCrossword(utf8(path), true);
}

std::string PenvikWindow::suggestedExportPath(const std::string& extension) const {
  const Crossword* c = current();
  const std::string folder = !settings_.exportFolder.empty()
                                 ? settings_.exportFolder
                                 : vorkel::Files::parentFolder(c->path);
  return vorkel::Files::joinPath(folder,
                                 std::string(vorkel::Files::fileName(c->path)) + "." + extension);
}

void PenvikWindow::saveAs(bool pdf) {
  const Crossword* c = current();
  if (!c || !c->grid) {
    QMessageBox::information(this, texts::errorCaption, texts::chooseFirst);
    return;
  }
  const std::string chosen = c->path;
  QFileDialog dialog(this, pdf ? texts::savePdfTitle : texts::saveSvgTitle);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(pdf ? texts::pdfFilter : texts::svgFilter);
  dialog.setDefaultSuffix(pdf ? "pdf" : "svg");
  const std::string suggested = suggestedExportPath(pdf ? "pdf" : "svg");
  dialog.setDirectory(qs(vorkel::Files::parentFolder(suggested)));
  dialog.selectFile(qs(suggested));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = utf8(dialog.selectedFiles().front());
  // While the dialog was open, the generator may have handed over more
  // crosswords (which move the selection): save the one the user chose.
  c = nullptr;
  for (const Crossword& entry : list_.entries())
    if (entry.path == chosen && entry.grid) c = &entry;
  if (!c) return;
  const PuzzlePages pages =
      layoutPuzzle(*c->grid, c->clues, std::string(vorkel::Files::fileName(c->path)));
  std::string error;
  std::vector<ClueKey> unfit;
  if (!(pdf ? savePdf(path, pages, error, &unfit) : saveSvg(path, pages, error, &unfit))) {
    QMessageBox::warning(this, texts::errorCaption, qs(error));
    return;
  }
  report(pdf ? texts::saved.arg(qs(path))
             : texts::savedTwo.arg(qs(path), qs(solutionSvgPath(path))));
  // A clue cut on paper is said; the file is kept, the user shortens it.
  if (!unfit.empty()) report(unfitClueMessage(unfit.front(), c->clues));
}

void PenvikWindow::report(const QString& message) { statusBar()->showMessage(message); }

}  // namespace penvik
