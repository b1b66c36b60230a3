#pragma once
// The look every wizard page shares: the picture on the left, the text
// area, the separator and the Next and Cancel buttons (and Back where the
// page has one), at fixed positions relative to the page's fixed size.
// A page is a view of the wizard model: `load` shows the model's state,
// `store` puts the user's input back before a button acts on it.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vorkel::setup {

class Wizard;

class PageBase : public QDialog {
  Q_OBJECT

 public:
  PageBase(int width, int height, const char* caption, const char* text, bool hasBack,
           QWidget* parent = nullptr);

  virtual void load(const Wizard& wizard) { (void)wizard; }
  virtual void store(Wizard& wizard) { (void)wizard; }

  QPushButton* nextButton() const { return next_; }
  QPushButton* backButton() const { return back_; }
  QPushButton* cancelButton() const { return cancel_; }
  QLabel* textArea() const { return text_; }

 signals:
  void nextClicked();
  void backClicked();
  void cancelClicked();
  void closeRequested();

 protected:
  // A page without buttons: no separator, and the picture as tall as the
  // page, so a short page does not squeeze it.
  void useFullHeightForPicture();
  // Escape and the window frame's close ask as Cancel does.
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* picture_;
  QFrame* separator_;
  QLabel* text_;
  QPushButton* next_;
  QPushButton* back_ = nullptr;
  QPushButton* cancel_;
};

// The picture of the pages: a small crossword on the band's navy.
QPixmap pagePicture(int width, int height);

}  // namespace vorkel::setup
