#include "app/qt/WindowDrawerPorts.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include "app/DrawerProgram.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Ui.h"
#include "platform/qt/QtWindowEndpoint.h"

namespace vorkel {

std::optional<WindowHandle> WindowDrawerPorts::findDrawer() {
  std::string error;
  std::optional<WindowFolder> folder = WindowFolder::open(error);
  if (!folder) return std::nullopt;
  return folder->findWindow(DrawerLink::WindowClass, DrawerLink::WindowTitle);
}

SendResult WindowDrawerPorts::send(const WindowHandle& to, std::string_view name,
                                   std::int64_t wParam, std::int64_t lParam) {
  if (endpoint_) return endpoint_->endpoint().sendMessage(to, name, wParam, lParam);
  return sendMessage(to, name, wParam, lParam);
}

bool WindowDrawerPorts::startDrawer() {
  // "..\PENVIK\" beside the start folder, the generator's own folder, PATH.
  const std::optional<DrawerProgram> found =
      findDrawerProgram(workFolder_, Process::programFolder());
  if (!found) return false;
  const std::optional<StartedProgram> started =
      Process::startWatched("\"" + found->program + "\"", found->folder);
  if (!started) return false;
  // Ready for input: its window can be found. A program that ended shows
  // none: waiting for it would only freeze the window. While waiting, the
  // window takes the user's keys and clicks as during the run itself (a key
  // reaches the run's question, closing stops the run), never more than a
  // few milliseconds late.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < ReadyTimeoutMs) {
    if (findDrawer()) return true;
    if (started->ended()) return false;
    QApplication::processEvents();
    QThread::msleep(PollMs);
  }
  return true;
}

bool WindowDrawerPorts::openFile(std::string_view path) { return ui_.openWithDesktop(path); }

void WindowDrawerPorts::bringGeneratorForward() {
  if (!window_) return;
  window_->raise();
  window_->activateWindow();
}

std::int64_t WindowDrawerPorts::threadId() { return static_cast<std::int64_t>(::syscall(SYS_gettid)); }

std::int64_t WindowDrawerPorts::activeWindow() {
  QWidget* active = QApplication::activeWindow();
  return active ? static_cast<std::int64_t>(active->winId()) : 0;
}

}  // namespace vorkel
