#pragma once
// Shared by the window tests: one QApplication for the whole test program
// (on the offscreen platform unless another is chosen), and helpers that
// answer the modal boxes and dialogs a command opens while its exec()
// blocks the test.

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace vorkel {

// One QApplication for the whole program, on the offscreen platform when no
// other is chosen, so the tests run without a display.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = new QApplication(argc_, argv_);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[16] = "qtui_tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
};

inline ::testing::Environment* const qtTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Acts on the next modal widget once it is shown: polls for it, because the
// exec() that shows it blocks the test. A box that never appears, or that
// the action leaves open, is closed after a few seconds so no test hangs.
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QWidget*)> action) : action_(std::move(action)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(10);
  }
  bool acted() const { return acted_; }

 private:
  void tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !acted_) {
      acted_ = true;
      action_(modal);
    } else if (++ticks_ > 300) {
      if (modal) modal->close();
      if (!modal) timer_.stop();
    } else if (acted_ && !modal) {
      timer_.stop();
    }
  }

  std::function<void(QWidget*)> action_;
  QTimer timer_;
  bool acted_ = false;
  int ticks_ = 0;
};

inline void clickButton(QWidget* modal, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(box->button(which), nullptr);
  box->button(which)->click();
}

inline void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(target, &event);
}

// Answers the modal widgets that open one after another, one action each,
// in order; the same widget is answered once. What is left open after the
// actions are used up is closed after a few seconds so no test hangs.
class ModalScript {
 public:
  explicit ModalScript(std::deque<std::function<void(QWidget*)>> actions)
      : actions_(std::move(actions)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(10);
  }
  bool done() const { return actions_.empty(); }

 private:
  void tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != last_ && !actions_.empty()) {
      last_ = modal;
      auto action = std::move(actions_.front());
      actions_.pop_front();
      action(modal);
      idle_ = 0;
    } else if (modal && ++idle_ > 500) {
      modal->close();
      idle_ = 0;
    }
  }

  std::deque<std::function<void(QWidget*)>> actions_;
  QTimer timer_;
  QPointer<QWidget> last_;
  int idle_ = 0;
};

}  // namespace vorkel
