// Runs in platform_qt_tests, whose QApplication (offscreen) is made by the
// test environment in QtUiTest.cpp.
#include "platform/qt/QtWindowEndpoint.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <future>
#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "platform/qt/QtUi.h"

namespace vorkel {
namespace {

using namespace std::chrono_literals;

bool isReady(const std::future<SendResult>& f) {
  return f.valid() && f.wait_for(0s) == std::future_status::ready;
}

// Runs the event loop until `done` holds or a few seconds have passed.
bool runUntil(const std::function<bool()>& done) {
  for (auto end = std::chrono::steady_clock::now() + 8s; !done() && std::chrono::steady_clock::now() < end;)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// A window that answers the presence query, shows the box for a message
// that should never reach it, and answers anything else with wParam + 1.
struct Generator {
  testing::TempFolder temp;
  std::string error;
  WindowFolder folder = WindowFolder::openAt(temp / "windows", error).value();
  QMainWindow main;
  QtUi ui{&main};
  int boxes = 0;
  std::vector<std::string> seen;
  QtWindowEndpoint window{WindowEndpoint::create(
      folder, "Krydsords", "Krydsords-vorkel",
      [this](const WindowMessage& m) -> std::int64_t {
        if (m.name == "OrvaAndPimMsg") return 2;
        if (m.name != "FraVorkelMsg") return seen.push_back(m.name), m.wParam + 1;
        ++boxes;
        ui.messageBox("Denne funktion burde være umulig at kalde", "Hovsa", Icon::Error, Buttons::Ok);
        return 0;
      },
      error)};
};

TEST(QtWindowEndpoint, AnswersOtherProgramsWhileItsHandlerShowsABox) {
  Generator g;
  const WindowHandle h = g.window.handle();
  auto first = std::async(std::launch::async, [h] { return sendMessage(h, "FraVorkelMsg", 1, 7, 20s); });
  // While the box is open a presence query is answered at once, and a second
  // message of the same kind opens a second box on top of the first.
  std::future<SendResult> presence, second;
  QString caption;
  int ticks = 0;
  QTimer steps;
  QObject::connect(&steps, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box) return;
    if (!presence.valid()) {
      caption = box->windowTitle();
      presence = std::async(std::launch::async, [h] { return sendMessage(h, "OrvaAndPimMsg", 0, 0, 5s); });
      second = std::async(std::launch::async, [h] { return sendMessage(h, "FraVorkelMsg", 1, 8, 20s); });
    } else if ((isReady(presence) && g.boxes == 2) || ++ticks > 500) {
      box->reject();  // the second box, then the first; or give up rather than hang
    }
  });
  steps.start(10);
  ASSERT_TRUE(runUntil([&] { return isReady(first) && isReady(second); }));
  EXPECT_LE(ticks, 500) << "the presence query was not answered while the box was open";
  EXPECT_EQ(caption, "Hovsa");
  EXPECT_EQ(presence.get().answer, 2);
  EXPECT_EQ(first.get().status, SendStatus::Answered);
  EXPECT_EQ(second.get().status, SendStatus::Answered);
  EXPECT_EQ(g.boxes, 2);
}

TEST(QtWindowEndpoint, ServesPostsDuringLongWorkAndSendsToItselfDirectly) {
  Generator g;
  ASSERT_TRUE(postMessage(g.window.handle(), "MRUFILEMESSAGE", 0, 0));
  // Long work polls the keyboard queue, which lets the event loop run.
  KeyMessage key;
  ASSERT_TRUE(runUntil([&] { return g.ui.pollKey(key), !g.seen.empty(); }));
  EXPECT_EQ(g.seen, std::vector<std::string>{"MRUFILEMESSAGE"});

  SendResult own;
  QTimer::singleShot(0, [&] {
    own = g.window.endpoint().sendMessage(g.window.handle(), "MRUFILEMESSAGE", 3, 0, 1s);
  });
  ASSERT_TRUE(runUntil([&] { return own.answered(); }));
  EXPECT_EQ(own.answer, 4);
}

}  // namespace
}  // namespace vorkel
