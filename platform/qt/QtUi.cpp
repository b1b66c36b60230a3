#include "platform/qt/QtUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

#include "platform/qt/FormDialog.h"

namespace vorkel {

namespace {

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string toUtf8(const QString& s) { return s.toUtf8().toStdString(); }

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Error:
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

// The answer a box gives when it is closed without a button (Escape, close
// button): Cancel where there is one, else the answer the system would give.
Answer closedAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

std::optional<Answer> answerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return std::nullopt;
  }
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string qtFilter(std::string_view filter) {
  // Split at '|'; the pieces alternate description, patterns. A trailing '|'
  // (or several) ends the list.
  std::vector<std::string_view> pieces;
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    pieces.push_back(filter.substr(0, bar));
    if (bar == std::string_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  while (!pieces.empty() && trimmed(pieces.back()).empty()) pieces.pop_back();

  std::string out;
  for (std::size_t i = 0; i < pieces.size(); i += 2) {
    const std::string_view description = trimmed(pieces[i]);
    // Windows separates patterns with ';', Qt with spaces.
    std::string patterns;
    if (i + 1 < pieces.size()) {
      for (char c : trimmed(pieces[i + 1])) patterns += c == ';' ? ' ' : c;
    }
    std::string entry(description);
    // "*.*" means every file, also one without an extension; Qt's "*.*"
    // wants a dot, its "*" is the same as Windows' "*.*".
    if (patterns == "*.*") {
      patterns = "*";
      if (const std::size_t at = entry.rfind("(*.*)"); at != std::string::npos)
        entry.replace(at, 5, "(*)");
    }
    if (!patterns.empty() && entry.find("(" + patterns + ")") == std::string::npos)
      entry += entry.empty() ? "(" + patterns + ")" : " (" + patterns + ")";
    if (entry.empty()) continue;
    if (!out.empty()) out += ";;";
    out += entry;
  }
  return out;
}

int keyMessageCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's codes are 'A'..'Z'
  switch (key) {
    case Qt::Key_Escape: return KeyMessage::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyMessage::Enter;
    case Qt::Key_Space: return ' ';
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown: return -1;
    default: return 0;
  }
}

// Takes key presses out of the event flow while long work runs. Captured
// keys do not reach the widgets, as the queue consumes them. A modal dialog
// (a question asked in the middle of the work) always gets its keys.
class QtUi::KeyFilter : public QObject {
 public:
  explicit KeyFilter(QtUi& ui) : ui_(ui) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !ui_.capturingKeys() ||
        QApplication::activeModalWidget() != nullptr)
      return QObject::eventFilter(watched, event);
    const int code = keyMessageCode(*static_cast<QKeyEvent*>(event));
    if (code < 0) return QObject::eventFilter(watched, event);
    ui_.keys_.push_back(KeyMessage{code});
    return true;
  }

 private:
  QtUi& ui_;
};

QtUi::QtUi(QMainWindow* window) : window_(window), filter_(std::make_unique<KeyFilter>(*this)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(filter_.get());
}

QtUi::~QtUi() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(filter_.get());
  if (overrideCursor_) QApplication::restoreOverrideCursor();
}

namespace {

// A message longer than this many lines shows its list in a scrolling box.
constexpr int kLongMessageLines = 20;

// A message that ends in a long list (the files an uninstallation left,
// say): the text up to the list's heading above, the list in a scrolling
// box, so the dialog never grows taller than the screen.
class LongMessageDialog : public QDialog {
 public:
  LongMessageDialog(QMessageBox::Icon icon, const QString& caption, const QStringList& lines,
                    QMessageBox::StandardButtons buttons, QWidget* parent)
      : QDialog(parent) {
    setWindowTitle(caption);
    // The list starts after the last line ending in ':' that has lines
    // after it, else after the first line.
    qsizetype head = 1;
    for (qsizetype i = lines.size() - 2; i >= 0; --i)
      if (lines[i].endsWith(':')) {
        head = i + 1;
        break;
      }
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    if (icon != QMessageBox::NoIcon) {
      auto* picture = new QLabel(this);
      picture->setPixmap(QMessageBox::standardIcon(icon));
      picture->setAlignment(Qt::AlignTop);
      top->addWidget(picture);
    }
    auto* text = new QLabel(lines.mid(0, head).join('\n'), this);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(text, 1);
    layout->addLayout(top);
    list_ = new QListWidget(this);
    list_->setObjectName("messageList");
    for (qsizetype i = head; i < lines.size(); ++i)
      if (!lines[i].isEmpty()) list_->addItem(lines[i]);
    layout->addWidget(list_, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::StandardButtons(int(buttons)), this);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::clicked, this, [this, box](QAbstractButton* b) {
      clicked_ = static_cast<QMessageBox::StandardButton>(int(box->standardButton(b)));
      accept();
    });
    // As tall as the list needs, at most two thirds of the screen.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int rows = list_->sizeHintForRow(0) * static_cast<int>(list_->count()) + 8;
    const int width = std::min(available.width() * 3 / 4,
                               std::max(420, list_->sizeHintForColumn(0) + 60));
    const int height = std::min(available.height() * 2 / 3, sizeHint().height() + rows);
    setMaximumHeight(available.height() * 9 / 10);
    resize(width, height);
  }
  QMessageBox::StandardButton clicked() const { return clicked_; }

 private:
  QListWidget* list_;
  QMessageBox::StandardButton clicked_ = QMessageBox::NoButton;
};

}  // namespace

Answer QtUi::messageBox(std::string_view text, std::string_view caption, Icon icon,
                        Buttons buttons) {
  const QStringList lines = fromUtf8(text).split('\n');
  if (lines.size() > kLongMessageLines) {
    LongMessageDialog dialog(qtIcon(icon), fromUtf8(caption), lines, qtButtons(buttons), window_);
    dialog.exec();
    return answerOf(dialog.clicked()).value_or(closedAnswer(buttons));
  }
  QMessageBox box(qtIcon(icon), fromUtf8(caption), fromUtf8(text), qtButtons(buttons), window_);
  box.exec();
  const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
  return answerOf(clicked).value_or(closedAnswer(buttons));
}

std::optional<std::string> QtUi::inputBox(std::string_view prompt, std::string_view caption,
                                          std::string_view initial) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(fromUtf8(caption));
  dialog.setLabelText(fromUtf8(prompt));
  dialog.setTextValue(fromUtf8(initial));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return toUtf8(dialog.textValue());
}

std::string QtUi::showDialog(DialogForm& form) {
  FormDialog dialog(form, window_);
  dialog.exec();
  const std::string button = dialog.clickedButton();
  if (dialog.result() == QDialog::Accepted) dialog.writeBack(form);
  return button;
}

bool QtUi::fileDialog(FileDialogData& data, bool save) {
  QFileDialog dialog(window_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(data.multiple    ? QFileDialog::ExistingFiles
                     : data.mustExist ? QFileDialog::ExistingFile
                                      : QFileDialog::AnyFile);
  if (!data.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QString filter = QString::fromStdString(qtFilter(data.filter));
  if (!filter.isEmpty()) dialog.setNameFilter(filter);
  // File names match the filter without regard to case ("MODEL1.SKB").
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  // The stock extensions are upper-case ("KTD"); the files are lower-case.
  if (!data.defaultExtension.empty()) dialog.setDefaultSuffix(fromUtf8(data.defaultExtension).toLower());
  if (!data.folder.empty()) dialog.setDirectory(fromUtf8(data.folder));
  if (!data.fileName.empty()) dialog.selectFile(fromUtf8(data.fileName));
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  data.fileName = toUtf8(chosen.front());
  data.folder = toUtf8(QFileInfo(chosen.front()).absolutePath());
  if (data.multiple) {
    data.fileNames.clear();
    for (const QString& f : chosen) data.fileNames.push_back(toUtf8(f));
    if (chosen.size() > 1) data.fileName = data.folder;
  }
  return true;
}

bool QtUi::openFileDialog(FileDialogData& data) { return fileDialog(data, false); }
bool QtUi::saveFileDialog(FileDialogData& data) { return fileDialog(data, true); }

bool QtUi::chooseFolder(std::string& folder, std::string_view caption) {
  const QString chosen =
      QFileDialog::getExistingDirectory(window_, fromUtf8(caption), fromUtf8(folder));
  if (chosen.isEmpty()) return false;
  folder = toUtf8(chosen);
  return true;
}

bool QtUi::pollKey(KeyMessage& key) {
  // The fill polls every 128 of its steps, thousands of times a second;
  // letting Qt work at every poll would cost the fill more than the window
  // gains. Every few milliseconds is enough to paint and to take keys.
  const auto now = std::chrono::steady_clock::now();
  if (keys_.empty() && now - lastEvents_ >= EventInterval) {
    lastEvents_ = now;
    QCoreApplication::processEvents();
  }
  if (keys_.empty()) return false;
  key = keys_.front();
  keys_.pop_front();
  return true;
}

void QtUi::setStatusText(std::string_view text) {
  if (window_) window_->statusBar()->showMessage(fromUtf8(text));
}

void QtUi::setCursor(Cursor cursor) {
  cursor_ = cursor;
  if (cursor == Cursor::Arrow) {
    if (overrideCursor_) QApplication::restoreOverrideCursor();
    overrideCursor_ = false;
    return;
  }
  const QCursor shape(cursor == Cursor::Wait ? Qt::WaitCursor : Qt::BlankCursor);
  if (overrideCursor_) {
    QApplication::changeOverrideCursor(shape);
  } else {
    QApplication::setOverrideCursor(shape);
    overrideCursor_ = true;
  }
}

void QtUi::setCaption(std::string_view caption) {
  if (window_) window_->setWindowTitle(fromUtf8(caption));
}

void QtUi::beep() { QApplication::beep(); }

void QtUi::showProgress(std::string_view text) {
  if (!window_) return;
  if (!progress_) {
    progress_ = new QLabel(window_);
    window_->statusBar()->addPermanentWidget(progress_);
  }
  progress_->setText(fromUtf8(text));
}

bool QtUi::openWithDesktop(std::string_view path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(path)));
}

}  // namespace vorkel
