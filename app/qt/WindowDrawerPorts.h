#pragma once
// The drawing-program link's view of the world from the generator's window:
// the drawing program's window found through the window messages, sends
// through the generator's own registered window (so messages to it are
// answered while it waits), the program started where findDrawerProgram
// finds it, files opened with the desktop's handler.

#include <QPointer>
#include <string>

#include "app/DrawerLink.h"

class QWidget;

namespace vorkel {

class QtWindowEndpoint;
class Ui;

class WindowDrawerPorts : public DrawerPorts {
 public:
  // How long a started drawing program may take to show its window.
  static constexpr int ReadyTimeoutMs = 5000;
  // How often the wait looks for its window and lets the window work.
  static constexpr int PollMs = 10;

  // `endpoint` may be set later (setEndpoint); `window` is brought forward.
  WindowDrawerPorts(std::string workFolder, Ui& ui, QWidget* window)
      : workFolder_(std::move(workFolder)), ui_(ui), window_(window) {}
  void setEndpoint(QtWindowEndpoint* endpoint) { endpoint_ = endpoint; }

  std::optional<WindowHandle> findDrawer() override;
  SendResult send(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                  std::int64_t lParam) override;
  bool startDrawer() override;
  bool openFile(std::string_view path) override;
  void bringGeneratorForward() override;
  std::int64_t threadId() override;
  std::int64_t activeWindow() override;

 private:
  std::string workFolder_;
  Ui& ui_;
  QPointer<QWidget> window_;
  QtWindowEndpoint* endpoint_ = nullptr;
};

}  // namespace vorkel
