#pragma once
// The question Cancel asks on every page: go on ("&Fortsæt") or leave the
// installer ("&Afslut"). exec() answers Accepted for leaving.

#include <QDialog>

class QPushButton;

namespace vorkel::setup {

class ExitDialog : public QDialog {
 public:
  explicit ExitDialog(QWidget* parent = nullptr);
  QPushButton* resumeButton() const { return resume_; }
  QPushButton* exitButton() const { return exit_; }

 private:
  QPushButton* resume_;
  QPushButton* exit_;
};

}  // namespace vorkel::setup
