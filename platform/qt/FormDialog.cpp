#include "platform/qt/FormDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorkel {

namespace {

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool isCancelName(const std::string& name) {
  return name == "Fortryd" || name == "Annuller" || name == "Cancel";
}

}  // namespace

FormDialog::FormDialog(const DialogForm& form, QWidget* parent) : QDialog(parent) {
  setWindowTitle(fromUtf8(form.title));
  setObjectName(fromUtf8(form.id));

  auto* fields = new QFormLayout;
  for (const DialogField& field : form.fields) {
    if (field.readOnly) {
      auto* shown = new QLabel(fromUtf8(field.text));
      shown->setObjectName(fromUtf8(field.name));
      shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
      if (field.label.empty()) fields->addRow(shown);
      else fields->addRow(fromUtf8(field.label), shown);
      continue;
    }
    QWidget* widget = nullptr;
    switch (field.kind) {
      case DialogField::Kind::Line: {
        auto* edit = new QLineEdit(fromUtf8(field.text));
        if (field.maxLength > 0) edit->setMaxLength(static_cast<int>(field.maxLength));
        widget = edit;
        break;
      }
      case DialogField::Kind::Lines: {
        auto* edit = new QPlainTextEdit(fromUtf8(field.text));
        edit->setTabChangesFocus(true);
        if (field.maxLength > 0) {
          // A plain-text edit has no length limit of its own: typing or
          // pasting beyond it is cut back at once.
          const int limit = static_cast<int>(field.maxLength);
          connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
            const QString text = edit->toPlainText();
            if (text.size() <= limit) return;
            QTextCursor cursor = edit->textCursor();
            const int position = std::min(cursor.position(), limit);
            edit->setPlainText(text.left(limit));
            cursor = edit->textCursor();
            cursor.setPosition(position);
            edit->setTextCursor(cursor);
          });
        }
        widget = edit;
        break;
      }
      case DialogField::Kind::CheckBox: {
        auto* box = new QCheckBox;
        box->setChecked(field.text == "1");
        widget = box;
        break;
      }
    }
    widget->setObjectName(fromUtf8(field.name));
    fields->addRow(fromUtf8(field.label.empty() ? field.name : field.label), widget);
    edits_.emplace_back(field.name, widget);
  }

  // A row of buttons; a dialog of many (a choice among languages) gets
  // rows of four.
  auto* buttons = new QGridLayout;
  const int perRow = form.buttons.size() > 4 ? 4 : static_cast<int>(form.buttons.size());
  int index = 0;
  bool first = true;
  for (const std::string& name : form.buttons) {
    auto* button = new QPushButton(fromUtf8(name));
    button->setObjectName(fromUtf8(name));
    button->setDefault(first);
    button->setAutoDefault(first);
    first = false;
    connect(button, &QPushButton::clicked, this, [this, name] {
      clicked_ = name;
      accept();
    });
    buttons->addWidget(button, index / std::max(1, perRow), index % std::max(1, perRow));
    ++index;
    if (cancelButton_.empty() && isCancelName(name)) cancelButton_ = name;
  }

  auto* outer = new QVBoxLayout(this);
  if (!form.prompt.empty()) {
    auto* prompt = new QLabel(fromUtf8(form.prompt));
    prompt->setObjectName("prompt");
    outer->addWidget(prompt);
  }
  outer->addLayout(fields);
  outer->addLayout(buttons);
}

void FormDialog::writeBack(DialogForm& form) const {
  for (const auto& [name, widget] : edits_) {
    QString text;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) text = line->text();
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) text = lines->toPlainText();
    else if (auto* box = qobject_cast<QCheckBox*>(widget)) text = box->isChecked() ? "1" : "0";
    form.set(name, text.toUtf8().toStdString());
  }
}

void FormDialog::reject() {
  clicked_ = cancelButton_;
  QDialog::reject();
}

}  // namespace vorkel
