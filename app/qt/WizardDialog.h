#pragma once
// The model wizard "Lav dine første krydsord ": six pictures (the stock
// models drawn from their own grids, and the anagram finder), the number of
// raw crosswords to make (an editable choice of 1 to 9), and "Afbryd". A
// click on a picture ends the dialog with the picture's number as the
// button; the form's "antal" field gets the chosen number's text.

#include <QDialog>
#include <string>

#include "platform/Ui.h"

class QComboBox;

namespace vorkel {

class WizardDialog : public QDialog {
 public:
  explicit WizardDialog(const DialogForm& form, QWidget* parent = nullptr);
  std::string clickedButton() const { return clicked_; }
  void writeBack(DialogForm& form) const;

 private:
  QComboBox* count_ = nullptr;
  std::string countField_;
  std::string clicked_;
};

}  // namespace vorkel
