#include "platform/qt/QuitOnSignal.h"

#include <QCoreApplication>
#include <QVariant>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vorkel {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Set on the application object when a signal ends the event loop.
constexpr const char* kSignalledProperty = "vorkelQuitOnSignal";

// The one thing a signal handler may reach: where to write its byte. Set
// before the handlers are installed and cleared after they are removed.
volatile std::sig_atomic_t wakeDescriptor = -1;

extern "C" void onQuitSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (wakeDescriptor >= 0) (void)::write(wakeDescriptor, &byte, 1);
  errno = saved;
}

}  // namespace

bool QuitOnSignal::signalled() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && app->property(kSignalledProperty).toBool();
}

QuitOnSignal::QuitOnSignal() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wake_) != 0) return;
  wakeDescriptor = wake_[0];
  notifier_ = std::make_unique<QSocketNotifier>(wake_[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char bytes[16];
    while (::read(wake_[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::instance()->setProperty(kSignalledProperty, true);
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = onQuitSignal;
  sigemptyset(&action.sa_mask);
  // After the first signal the default action is back: a second one ends a
  // program whose event loop does not come back.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->setProperty(kSignalledProperty, false);
  for (int s : kSignals) ::signal(s, SIG_DFL);
  wakeDescriptor = -1;
  notifier_.reset();
  for (int fd : wake_)
    if (fd >= 0) ::close(fd);
}

}  // namespace vorkel
