#pragma once
// A generic dialog for a humble DialogForm: one labelled widget per field,
// named after the field so tests and styles can find it (a QLineEdit, a
// QPlainTextEdit for a field of several lines, a QCheckBox for a check
// box), and one push button per button name, in the form's order. The first
// button is the default. A click ends the dialog and remembers the
// button's name.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "platform/Ui.h"

class QWidget;

namespace vorkel {

class FormDialog : public QDialog {
 public:
  explicit FormDialog(const DialogForm& form, QWidget* parent = nullptr);

  // The name of the button that ended the dialog. Closing it otherwise
  // (Escape, the window's close button) counts as the cancel button when the
  // form has one ("Fortryd", "Annuller", "Cancel"), else as no button ("").
  std::string clickedButton() const { return clicked_; }

  // Writes the texts of the line edits back into the form's fields.
  void writeBack(DialogForm& form) const;

  void reject() override;

 private:
  std::vector<std::pair<std::string, QWidget*>> edits_;
  std::string cancelButton_;
  std::string clicked_;
};

}  // namespace vorkel
