#include "platform/qt/FormDialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
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
    auto* edit = new QLineEdit(fromUtf8(field.text));
    edit->setObjectName(fromUtf8(field.name));
    if (field.maxLength > 0) edit->setMaxLength(static_cast<int>(field.maxLength));
    fields->addRow(fromUtf8(field.label.empty() ? field.name : field.label), edit);
    edits_.emplace_back(field.name, edit);
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
  for (const auto& [name, edit] : edits_) form.set(name, edit->text().toUtf8().toStdString());
}

void FormDialog::reject() {
  clicked_ = cancelButton_;
  QDialog::reject();
}

}  // namespace vorkel
