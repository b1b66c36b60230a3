// Runs in platform_qt_tests, whose QApplication (offscreen) is made by the
// shared environment.
#include "platform/qt/QuitOnSignal.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "QtTestSupport.h"

namespace vorkel {
namespace {

// A signal ends the event loop as closing the window does, so the window's
// owners clean up; the handlers in force before come back afterwards.
TEST(QuitOnSignal, EachSignalEndsTheEventLoopOnce) {
  for (int s : {SIGTERM, SIGINT, SIGHUP}) {
    bool timedOut = false;
    {
      QuitOnSignal quit;
      QTimer::singleShot(0, [s] { std::raise(s); });
      QTimer::singleShot(5000, [&timedOut] {
        timedOut = true;
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
