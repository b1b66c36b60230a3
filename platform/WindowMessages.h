#pragma once
// Window messages between programs of one user: find a window by its class
// and title, send it a registered message and wait for its answer.
//
// What it is. A program that wants to be reachable registers a window: a
// listening Unix socket in a per-user folder, named after the window's class
// and title. Another program (or the same one) finds the window by class and
// title and sends it a message: a registered name (the name is the message's
// identity; there are no numbers to register) with two integer parameters.
// The receiver's handler runs on the receiver's own thread, from its event
// loop, and its answer travels back to the sender, which waits for it.
//
// The order of calls.
//   1. WindowFolder::open() makes sure the per-user folder exists and is
//      private (see there), or says why it cannot be used.
//   2. Receiver: WindowEndpoint::create(folder, class, title, handler); watch
//      endpoint->fd() in the event loop and call endpoint->servePending()
//      whenever it is readable (platform/qt/QtWindowEndpoint.h does this for
//      Qt). The handler answers each message with an integer.
//   3. Sender: folder.findWindow(class, title) gives a handle or nothing;
//      sendMessage(handle, name, wParam, lParam) waits for the answer;
//      postMessage(...) delivers without waiting. A program that has a window
//      itself sends through endpoint->sendMessage(...), which hands a message
//      for its own window straight to its handler and answers messages that
//      arrive for it while it waits.
//
//   std::string error;
//   auto folder = WindowFolder::open(error);
//   if (!folder) { report(error); return; }
//
//   // the receiver
//   auto window = WindowEndpoint::create(*folder, "OWL_Window", "Penvik",
//       [](const WindowMessage& m) -> std::int64_t {
//         if (m.name == "FraVorkelMsg" && m.wParam == 1) takeFile();
//         return 0;
//       }, error);
//   ... poll window->fd(); on readable: window->servePending();
//
//   // the sender
//   if (auto penvik = folder->findWindow("OWL_Window", "Penvik")) {
//     SendResult r = sendMessage(*penvik, "FraVorkelMsg", 1, threadId);
//     if (r.status == SendStatus::Gone) ...  // the window went away meanwhile
//   }
//
// Names and case. The class is compared without regard to ASCII case; the
// title is compared exactly, byte for byte. findWindow with an empty title
// finds a window of the class whatever its title (a window registered with an
// empty title has none). When several windows match, the one registered last
// is found. Several windows may share a class and title.
//
// Only the user who owns the folder can reach it: the folder is mode 0700 and
// a receiver checks the peer's user on every connection. Requests are checked
// for length and form; a malformed or oversized request is answered with a
// refusal and never reaches the handler.
//
// Threads and re-entrancy. An endpoint belongs to the thread that serves it;
// sendMessage() and postMessage() may be called from any thread. A handler
// may call servePending() again, directly or through a nested event loop (a
// handler that shows a modal box), so a message that arrives meanwhile is
// answered at once instead of waiting for the user. A handler may also
// destroy its own endpoint: servePending() then returns without touching it,
// and requests it had read but not yet handled are dropped (their senders
// see Gone).
//
// Requests read but not yet handled keep the descriptor readable, so a
// nested event loop that watches it (a handler's modal box) serves them
// even when nothing new arrives.
//
// Limits. Whatever other programs do, a window keeps a bounded number of
// connections and handlers and stays reachable:
//   - connections whose request has not arrived whole: at most 64; a new one
//     pushes out the one that has waited longest, and one that has not
//     delivered its request within two seconds is closed;
//   - requests read and waiting for the handler: at most 64; beyond that a
//     send is answered Busy and a post is dropped;
//   - handlers running on top of each other (each nested event loop serves
//     the next message): at most 4 for the same message name and 16 in all;
//     a message beyond that is answered Busy (dropped when posted) without
//     running the handler, so a flood of messages that open boxes opens a
//     few boxes, not thousands, while a quick message (a presence query) is
//     still answered;
//   - when the process runs out of descriptors, the listener is left alone
//     for a tenth of a second instead of being retried in a busy loop.
//
// Every function reports failure through its result and never throws.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace vorkel {

// A found or registered window: the socket that stands for it.
struct WindowHandle {
  std::string path;
  friend bool operator==(const WindowHandle&, const WindowHandle&) = default;
};

// One message as its receiver's handler sees it.
struct WindowMessage {
  std::string name;  // the registered name, 1 to MaxNameLength bytes
  std::int64_t wParam = 0;
  std::int64_t lParam = 0;
  bool posted = false;  // true: the sender does not wait; the answer is dropped
};

using WindowMessageHandler = std::function<std::int64_t(const WindowMessage&)>;

enum class SendStatus {
  Answered,  // the handler ran; `answer` holds its result
  Gone,      // no window listens there any more, or it went away before answering
  TimedOut,  // the window exists but did not answer in time
  Refused,   // the receiver refused the request as malformed
  Busy,      // the receiver is overloaded (too many requests waiting, or too many
             // handlers for this message already open on top of each other) and
             // did not run its handler
  Invalid,   // the arguments were bad (empty or too long name); nothing was sent
};

struct SendResult {
  SendStatus status = SendStatus::Gone;
  std::int64_t answer = 0;
  bool answered() const { return status == SendStatus::Answered; }
};

// A short English description of a status, for logs and error messages.
const char* describe(SendStatus status);

inline constexpr std::size_t MaxMessageNameLength = 255;

// How long a send waits for the answer unless told otherwise. A receiver
// that reads a file name and returns answers in milliseconds; one whose
// handler asks its user something may take a while. Ten seconds lets that
// happen without freezing the sender for long behind a hung receiver.
inline constexpr std::chrono::milliseconds DefaultSendTimeout{10000};

// The per-user folder that holds the windows.
class WindowFolder {
 public:
  // "$XDG_RUNTIME_DIR/vorkel-windows"; where the session has no runtime
  // folder, "$HOME/.cache/vorkel-windows" (a name in /tmp could be taken by
  // another user first); "/tmp/vorkel-windows-<uid>" only without either.
  // Not created by this call.
  static std::string defaultPath();

  // A secret of the default folder's programs: random, made once and kept in
  // the folder, which no other user can enter. Names in a shared namespace
  // (the hand-over's shared block) are made from it so that no other user
  // can take them first. Empty when the folder cannot be opened.
  static std::string sessionKey();

  // Opens the default folder, creating it with mode 0700. Nothing (and a
  // message in `error`) when the folder cannot be made, is not a folder,
  // belongs to another user or can be entered by others: a folder someone
  // else controls could hand us their sockets.
  static std::optional<WindowFolder> open(std::string& error);
  // The same for a given folder (tests, or a program told where to look).
  static std::optional<WindowFolder> openAt(std::string_view path, std::string& error);

  const std::string& path() const { return path_; }

  // The live window of that class and title, or nothing. Sockets left behind
  // by programs that ended without cleaning up are removed on the way.
  std::optional<WindowHandle> findWindow(std::string_view className,
                                         std::string_view title) const;

 private:
  explicit WindowFolder(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

// Sends a message and waits up to `timeout` for the answer. The receiver
// must be served by another thread or process: a program that owns windows
// sends through WindowEndpoint::sendMessage instead.
SendResult sendMessage(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                       std::int64_t lParam,
                       std::chrono::milliseconds timeout = DefaultSendTimeout);

// Delivers a message without waiting for it to be handled. False when the
// window is gone, its queue of connections is full, or the name is bad.
bool postMessage(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                 std::int64_t lParam);

// A registered window: the receiving side.
class WindowEndpoint {
 public:
  // Registers a window of that class and title in the folder. Nothing (and
  // a message in `error`) when the socket cannot be made.
  static std::unique_ptr<WindowEndpoint> create(const WindowFolder& folder,
                                                std::string_view className,
                                                std::string_view title,
                                                WindowMessageHandler handler, std::string& error);
  // Removes the window: its socket disappears from the folder.
  ~WindowEndpoint();
  WindowEndpoint(const WindowEndpoint&) = delete;
  WindowEndpoint& operator=(const WindowEndpoint&) = delete;

  const WindowHandle& handle() const { return handle_; }

  // The descriptor to watch for reading. Readable means servePending() has
  // something to do (a new connection or request, a request still waiting
  // for the handler, a connection's time-out); it never blocks.
  int fd() const;

  // Accepts new connections, reads what has arrived, and runs the handler
  // for every complete request, answering each send. Returns the number of
  // messages handled.
  int servePending();

  // Sends as this window. A message for this window itself runs its handler
  // directly (a send to oneself never waits on oneself); otherwise it waits
  // like sendMessage() and meanwhile answers messages sent to this window, so
  // two windows that send to each other at once do not wait on each other.
  SendResult sendMessage(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                         std::int64_t lParam,
                         std::chrono::milliseconds timeout = DefaultSendTimeout);

  // Work a send from this window does while it waits for another program,
  // at least every WhileWaitingMs: a window program lets its window take
  // input and repaint, so a receiver that never answers does not freeze it.
  static constexpr int WhileWaitingMs = 10;
  void setWhileWaiting(std::function<void()> work);

 private:
  struct State;
  explicit WindowEndpoint(std::unique_ptr<State> state, WindowHandle handle);

  std::unique_ptr<State> state_;
  WindowHandle handle_;
};

}  // namespace vorkel
