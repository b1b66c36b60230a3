#include "app/qt/WizardDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <functional>
#include <QVBoxLayout>

#include "app/SimpleMode.h"
#include "app/Texts.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "platform/Files.h"
#include "platform/SilentUi.h"

namespace vorkel {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kPicture = 150;

// A model's grid: letter cells light yellow, clue cells dark, a red frame.
// Reading it talks to nobody: a model that cannot be read is drawn as a
// grey card that names the missing file. No file at all is the anagram
// finder.
QPixmap modelPicture(const std::string& ktd) {
  QPixmap pixmap(kPicture, kPicture);
  pixmap.fill(Qt::white);
  CrosswordDocument doc;
  SilentUi silent;
  Language language;
  const std::optional<std::string> bytes = ktd.empty() ? std::nullopt : Files::readFile(ktd);
  QPainter p(&pixmap);
  if (!ktd.empty() && (!bytes || !parseDocument(doc, *bytes, language, silent))) {
    pixmap.fill(QColor(224, 224, 224));
    QFont font("Arial");
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(160, 0, 0));
    p.drawText(QRect(6, 6, kPicture - 12, kPicture - 12), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8(texts::wizardModelMissing).arg(qs(std::string(Files::fileName(ktd)))));
    return pixmap;
  }
  if (ktd.empty()) {
    // The anagram finder's picture: letters that change places.
    QFont font("Arial");
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    const QString word = "ANAGRAM";
    for (int i = 0; i < word.size(); ++i) {
      const QRect tile(8 + (i % 4) * 34, 30 + (i / 4) * 50, 30, 40);
      p.fillRect(tile, QColor(255, 255, 192));
      p.setPen(QColor(200, 0, 0));
      p.drawRect(tile);
      p.setPen(Qt::black);
      p.drawText(tile, Qt::AlignCenter, word.mid(i, 1));
    }
    return pixmap;
  }
  const int cell = std::max(1, (kPicture - 4) / std::max(doc.width(), doc.height()));
  const int x0 = (kPicture - cell * doc.width()) / 2, y0 = (kPicture - cell * doc.height()) / 2;
  for (int c = 1; c <= doc.width(); ++c)
    for (int r = 1; r <= doc.height(); ++r)
      p.fillRect(x0 + (c - 1) * cell, y0 + (r - 1) * cell, cell, cell,
                 doc.cellAt(c, r).isClue ? QColor(60, 60, 60) : QColor(255, 255, 192));
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.drawRect(x0, y0, cell * doc.width(), cell * doc.height());
  return pixmap;
}

// A picture with its caption; a click on the picture chooses it.
class Picture : public QLabel {
 public:
  Picture(const QPixmap& pixmap, std::function<void()> chosen, QWidget* parent)
      : QLabel(parent), chosen_(std::move(chosen)) {
    setPixmap(pixmap);
    setCursor(Qt::PointingHandCursor);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) chosen_();
  }

 private:
  std::function<void()> chosen_;
};

}  // namespace

WizardDialog::WizardDialog(const DialogForm& form, QWidget* parent) : QDialog(parent) {
  setObjectName(qs(form.id));
  setWindowTitle(qs(form.title));
  auto* grid = new QGridLayout;
  int index = 0;
  for (const DialogField& field : form.fields) {
    if (field.name == SimpleMode::CountField) continue;
    auto* cell = new QVBoxLayout;
    const std::string button = field.name;
    auto* picture = new Picture(modelPicture(field.text), [this, button] {
      clicked_ = button;
      accept();
    }, this);
    picture->setObjectName(qs("picture" + field.name));
    cell->addWidget(picture, 0, Qt::AlignHCenter);
    auto* caption = new QLabel(qs(field.label), this);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setFixedWidth(kPicture + 40);
    cell->addWidget(caption);
    cell->addStretch();
    grid->addLayout(cell, index / 3, index % 3);
    ++index;
  }

  countField_ = SimpleMode::CountField;
  count_ = new QComboBox(this);
  count_->setObjectName(qs(countField_));
  count_->setEditable(true);
  for (int n = 1; n <= 9; ++n) count_->addItem(QString::number(n));
  count_->setCurrentText(qs(form.text(countField_)));
  count_->lineEdit()->setMaxLength(19);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(qs(form.prompt), this));
  bottom->addWidget(count_);
  bottom->addStretch();
  for (const std::string& name : form.buttons) {
    if (name != SimpleMode::CancelButton) continue;
    auto* cancel = new QPushButton(qs(name), this);
    cancel->setObjectName(qs(name));
    connect(cancel, &QPushButton::clicked, this, [this, name] {
      clicked_ = name;
      reject();
    });
    bottom->addWidget(cancel);
  }
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addLayout(bottom);
}

void WizardDialog::writeBack(DialogForm& form) const {
  form.set(countField_, count_->currentText().toUtf8().toStdString());
}

}  // namespace vorkel
