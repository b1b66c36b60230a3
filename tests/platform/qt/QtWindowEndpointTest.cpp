// Runs in platform_qt_tests, whose QApplication (offscreen) is made by the
// test environment in QtUiTest.cpp.
#include "platform/qt/QtWindowEndpoint.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "../TempFolder.h"
#include "platform/WindowMessageWire.h"
#include "platform/qt/QtUi.h"

namespace vorkel {
namespace {

using namespace std::chrono_literals;

template <typename T>
bool isReady(const std::future<T>& f) {
  return f.valid() && f.wait_for(0s) == std::future_status::ready;
}

// Runs the event loop until `done` holds or `limit` has passed.
bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 8s) {
  for (auto end = std::chrono::steady_clock::now() + limit; !done() && std::chrono::steady_clock::now() < end;)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// Another program's request on a real socket, written the moment it is
// made; its reply is collected by polling, from the test's own thread.
class RawClient {
 public:
  RawClient(const WindowHandle& to, const WindowMessage& message) {
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    to.path.copy(a.sun_path, sizeof a.sun_path - 1);
    const std::string request = wire::encodeRequest(message);
    EXPECT_EQ(::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    EXPECT_EQ(::send(fd_, request.data(), request.size(), MSG_NOSIGNAL), static_cast<ssize_t>(request.size()));
  }
  ~RawClient() { ::close(fd_); }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  // The reply once it is whole; nothing before.
  std::optional<wire::Reply> reply() {
    char b[64];
    ssize_t n;
    while ((n = ::recv(fd_, b, sizeof b, MSG_DONTWAIT)) > 0) bytes_.append(b, static_cast<std::size_t>(n));
    return bytes_.size() == wire::ReplySize ? wire::parseReply(bytes_) : std::nullopt;
  }

 private:
  int fd_ = -1;
  std::string bytes_;
};

// The resident memory of this process in kilobytes.
long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// A window that answers the presence query, shows the box for a message
// that should never reach it, and answers anything else with wParam + 1.
struct Generator {
  testing::TempFolder temp;
  std::string error;
  WindowFolder folder = WindowFolder::openAt(temp / "windows", error).value();
  QMainWindow main;
  QtUi ui{&main};
  int boxes = 0;      // opened so far
  int openBoxes = 0;  // open now
  int mostOpenBoxes = 0;
  std::vector<std::string> seen;
  std::vector<std::string> order;  // every message handled, and each box as it closes
  QtWindowEndpoint window{WindowEndpoint::create(
      folder, "Krydsords", "Krydsords-vorkel",
      [this](const WindowMessage& m) -> std::int64_t {
        order.push_back(m.name);
        if (m.name == "OrvaAndPimMsg") return 2;
        if (m.name != "FraVorkelMsg") return seen.push_back(m.name), m.wParam + 1;
        ++boxes;
        mostOpenBoxes = std::max(mostOpenBoxes, ++openBoxes);
        ui.messageBox("Denne funktion burde være umulig at kalde", "Hovsa", Icon::Error, Buttons::Ok);
        --openBoxes;
        order.push_back("box closed");
        return 0;
      },
      error)};
};

TEST(QtWindowEndpoint, AnswersOtherProgramsWhileItsHandlerShowsABox) {
  Generator g;
  const WindowHandle h = g.window.handle();
  // Both requests are in the window's socket before its event loop runs, so
  // it reads them together; the first opens a box. The presence query is
  // answered while that box is open, although nothing new arrives to wake
  // the window.
  RawClient first(h, {"FraVorkelMsg", 1, 7, false});
  RawClient presence(h, {"OrvaAndPimMsg", 0, 0, false});
  // Then a second message of the box's kind, sent while the box is open,
  // opens a second box on top of the first.
  std::optional<wire::Reply> presenceReply;
  int boxesAtPresenceReply = 0;
  std::future<SendResult> second;
  QString caption;
  const auto giveUp = std::chrono::steady_clock::now() + 15s;  // close the boxes rather than hang
  QTimer steps;
  QObject::connect(&steps, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box) return;
    const bool late = std::chrono::steady_clock::now() > giveUp;
    if (!presenceReply) {
      presenceReply = presence.reply();
      if (presenceReply) {
        boxesAtPresenceReply = g.openBoxes;
        caption = box->windowTitle();
        second = std::async(std::launch::async, [h] { return sendMessage(h, "FraVorkelMsg", 1, 8, 30s); });
      } else if (late) {
        box->reject();
      }
    } else if (g.boxes == 2 || late) {
      box->reject();  // the second box, then the first
    }
  });
  steps.start(5);
  std::optional<wire::Reply> firstReply;
  ASSERT_TRUE(runUntil([&] { return (firstReply = first.reply()) && (!second.valid() || isReady(second)); }, 40s));
  ASSERT_TRUE(presenceReply) << "the presence query was not answered while the box was open";
  EXPECT_EQ(presenceReply->answer, 2);
  EXPECT_EQ(boxesAtPresenceReply, 1);
  EXPECT_EQ(caption, "Hovsa");
  EXPECT_FALSE(firstReply->refused);
  ASSERT_TRUE(second.valid());
  EXPECT_EQ(second.get().status, SendStatus::Answered);
  EXPECT_EQ(g.boxes, 2);
  EXPECT_EQ(g.order, (std::vector<std::string>{"FraVorkelMsg", "OrvaAndPimMsg", "FraVorkelMsg",
                                               "box closed", "box closed"}));
}

// Another program posts thousands of messages that each open a box: a few
// boxes open, the rest are dropped, and the window answers a presence query
// at once while they are open.
TEST(QtWindowEndpoint, AFloodOfBoxMessagesOpensAFewBoxesAndTheWindowStillAnswers) {
  Generator g;
  const WindowHandle h = g.window.handle();
  const long memoryBefore = residentKilobytes();
  std::atomic<int> delivered = 0;
  std::atomic<bool> flooding = true;
  auto flood = std::async(std::launch::async, [&] {
    for (int i = 0; i < 10000; ++i) delivered += postMessage(h, "FraVorkelMsg", 1, i) ? 1 : 0;
    flooding = false;
  });
  // Presence queries throughout the flood, and one after it.
  auto presence = std::async(std::launch::async, [&] {
    std::vector<std::pair<SendResult, std::chrono::steady_clock::duration>> answers;
    do {
      const auto start = std::chrono::steady_clock::now();
      const SendResult r = sendMessage(h, "OrvaAndPimMsg", 0, 0, 10s);
      answers.emplace_back(r, std::chrono::steady_clock::now() - start);
      std::this_thread::sleep_for(20ms);
    } while (flooding || answers.size() < 2);
    return answers;
  });
  long memoryDuring = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (!isReady(presence)) return;
    if (!memoryDuring) memoryDuring = residentKilobytes();
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
  });
  closer.start(5);
  ASSERT_TRUE(runUntil([&] { return isReady(flood) && isReady(presence) && g.openBoxes == 0; }, 120s));
  EXPECT_GT(delivered.load(), 0);
  EXPECT_GE(g.boxes, 1);
  EXPECT_LE(g.mostOpenBoxes, 4) << "boxes opened on top of each other";
  for (const auto& [answer, took] : presence.get()) {
    EXPECT_EQ(answer.status, SendStatus::Answered);
    EXPECT_EQ(answer.answer, 2);
    // Far more than the window needs (milliseconds) even on a loaded machine.
    EXPECT_LT(took, 3s);
  }
  EXPECT_LT(memoryDuring - memoryBefore, 50 * 1024) << "kilobytes";
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
