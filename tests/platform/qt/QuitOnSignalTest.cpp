// Runs in platform_qt_tests, whose QApplication (offscreen) is made by the
// shared environment.
#include "platform/qt/QuitOnSignal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "QtTestSupport.h"

namespace vorkel {
namespace {

// A window that asks before it closes: on a signal it closes unasked.
class AskingWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override {
    if (!QuitOnSignal::signalled()) event->ignore();
  }
};

// A signal ends the event loop as closing the window does, so the window's
// owners clean up, also when a window would ask first; the handlers in
// force before come back afterwards.
TEST(QuitOnSignal, EachSignalEndsTheEventLoopOnce) {
  for (int s : {SIGTERM, SIGINT, SIGHUP}) {
    bool timedOut = false;
    {
      AskingWindow window;
      window.show();
      QuitOnSignal quit;
      QTimer::singleShot(0, [s] { std::raise(s); });
      QTimer::singleShot(5000, [&] {
        timedOut = true;
        window.hide();
        QCoreApplication::quit();
      });
      QCoreApplication::exec();
    }
    EXPECT_FALSE(timedOut) << s;
    struct sigaction now {};
    ::sigaction(s, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << s;
  }
}

}  // namespace
}  // namespace vorkel
