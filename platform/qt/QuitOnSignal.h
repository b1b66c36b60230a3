#pragma once
// Ends a window program's event loop on SIGTERM, SIGINT and SIGHUP (`kill`,
// Ctrl-C in the terminal that started it, the end of the session) as closing
// its window does, so that the window's socket and the hand-over's shared
// block are removed by their owners instead of staying behind until the next
// start. A second signal ends the program at once, as it always did.
//
//   QApplication app(argc, argv);
//   vorkel::QuitOnSignal quitOnSignal;
//   ...
//   return app.exec();   // returns on the signal; destructors clean up

#include <QSocketNotifier>
#include <memory>

namespace vorkel {

class QuitOnSignal {
 public:
  QuitOnSignal();
  // Restores the handlers that were in force before.
  ~QuitOnSignal();
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

  // Whether a signal is ending the program: a window that would ask before
  // throwing work away closes without asking (nobody is there to answer,
  // and the program must end).
  static bool signalled();

 private:
  int wake_[2] = {-1, -1};  // the handler writes a byte; the event loop reads it
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vorkel
