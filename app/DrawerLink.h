#pragma once
// The link to the drawing program: each finished raw crossword is handed
// over to it as soon as it is written, the drawing program started when it
// is not running, and the file opened with the desktop's handler when it
// cannot be started.
//
// The hand-over: the file's full name goes into the shared block
// "FraVorkelMappingId", then the drawing program's window (class
// "OWL_Window", title "Penvik") gets "FraVorkelMsg" with wParam 1 and the
// sender's thread id, and copies the name before it answers; the last file
// of a run is followed by "FraVorkelMsg" with wParam 2 (come forward).
//
//   DrawerLink link(ports, &block);
//   link.handOver("/home/ann/Lager/x10_000.010", /*last=*/true);
//
// The world around it (finding the window, sending, starting the program,
// the desktop's handler, bringing the generator forward) comes through
// DrawerPorts, so tests count what it does; app/qt makes the real ones.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/HandOver.h"
#include "platform/WindowMessages.h"

namespace vorkel {

class SharedBlock;

class DrawerPorts {
 public:
  virtual ~DrawerPorts() = default;
  // The drawing program's window, when it runs.
  virtual std::optional<WindowHandle> findDrawer() = 0;
  // A synchronous send to it; the answer, or why there is none.
  virtual SendResult send(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                          std::int64_t lParam) = 0;
  // Starts the drawing program and waits until it is ready for input (its
  // window shows) or a time-out; false when it could not be started.
  virtual bool startDrawer() = 0;
  // Opens a file with the desktop's handler.
  virtual bool openFile(std::string_view path) = 0;
  // Brings the generator's own window to the foreground.
  virtual void bringGeneratorForward() = 0;
  // What the wParam-1 and wParam-2 messages carry as lParam.
  virtual std::int64_t threadId() = 0;
  virtual std::int64_t activeWindow() = 0;
};

class DrawerLink : public HandOver {
 public:
  static constexpr const char* BlockName = "FraVorkelMappingId";
  static constexpr const char* WindowClass = "OWL_Window";
  static constexpr const char* WindowTitle = "Penvik";
  static constexpr const char* Message = "FraVorkelMsg";
  static constexpr int StartAttempts = 7;

  // `block` may be null: the block could not be made, so no file name can
  // travel; the wParam-2 message still does.
  DrawerLink(DrawerPorts& ports, SharedBlock* block) : ports_(ports), block_(block) {}

  void handOver(const std::string& fileName, bool last) override;

 private:
  DrawerPorts& ports_;
  SharedBlock* block_;
};

}  // namespace vorkel
