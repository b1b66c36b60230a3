#include "platform/WindowMessages.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>
#include <cstdio>
#include <system_error>
#include <vector>

#include "platform/NameHash.h"
#include "platform/WindowMessageWire.h"

namespace vorkel {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Owns one descriptor.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = other.fd_;
      other.fd_ = -1;
    }
    return *this;
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

std::string errorText(int code) { return std::system_category().message(code); }

// --- names in the folder ---
//
// A window's socket is "<class>,<title>,<time>-<random>": each part keeps
// ASCII letters, digits, "-" and "_" and writes every other byte as %XX, so
// "," never occurs inside a part and a name never begins with ".". A part
// longer than MaxPartLength becomes "=" and a 64-bit hash of it, which keeps
// the socket path within the kernel's limit of 107 bytes. <time> is the
// monotonic clock at registration in microseconds, 12 hex digits, so the
// names of one class and title sort by age.

constexpr std::size_t MaxPartLength = 24;

std::string encodePart(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  if (out.size() <= MaxPartLength) return out;
  return "=" + nameHash(text);
}

// Classes are compared without regard to ASCII case.
std::string classPart(std::string_view className) {
  std::string lower(className);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return encodePart(lower);
}

// The start shared by the names of every window of that class and title;
// an empty title gives the start shared by every window of the class.
std::string namePrefix(std::string_view className, std::string_view title) {
  std::string prefix = classPart(className) + ",";
  if (!title.empty()) prefix += encodePart(title) + ",";
  return prefix;
}

std::string uniqueSuffix() {
  const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
      SteadyClock::now().time_since_epoch());
  std::uint32_t random = 0;
  if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
    random = static_cast<std::uint32_t>(::getpid()) * 2654435761u;
  static constexpr char hex[] = "0123456789abcdef";
  std::string out;
  for (int shift = 44; shift >= 0; shift -= 4)
    out += hex[(static_cast<std::uint64_t>(now.count()) >> shift) & 15];
  out += '-';
  for (int shift = 28; shift >= 0; shift -= 4) out += hex[(random >> shift) & 15];
  return out;
}

bool makeAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  return true;
}

// Connects without blocking. 0 on success, else the errno: EAGAIN when the
// listener's queue is full (it is alive but busy), ECONNREFUSED when nobody
// listens on the socket any more, ENOENT when it is gone.
int connectTo(const std::string& path, Fd& out) {
  sockaddr_un address;
  if (!makeAddress(path, address)) return ENAMETOOLONG;
  Fd sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!sock) return errno;
  while (::connect(sock.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    if (errno != EINTR) return errno;
  }
  out = std::move(sock);
  return 0;
}

// Writes all bytes to a socket without ever raising SIGPIPE; false when the
// peer is gone or the socket would block.
bool sendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

struct Candidate {
  std::string path;
  std::string suffix;  // "<time>-<random>"
};

// The sockets of the folder whose names start with `prefix`, newest first.
std::vector<Candidate> candidates(const std::string& folder, const std::string& prefix) {
  std::vector<Candidate> out;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    Candidate c{folder + "/" + name, name.substr(name.rfind(',') + 1)};
    struct stat st {};
    if (::lstat(c.path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) continue;
    out.push_back(std::move(c));
  }
  std::sort(out.begin(), out.end(),
            [](const Candidate& a, const Candidate& b) { return a.suffix > b.suffix; });
  return out;
}

// True when a window listens on the socket. A socket nobody listens on any
// more is left over from a program that ended without removing it: it is
// removed. Windows are bound under a hidden name and renamed into place only
// once they listen, so a socket under its final name that refuses is stale.
bool probeAndClean(const std::string& path) {
  Fd probe;
  const int err = connectTo(path, probe);
  if (err == 0 || err == EAGAIN) return true;
  if (err == ECONNREFUSED) ::unlink(path.c_str());
  return false;
}

std::string checkedFolderError(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
    return "cannot create the window folder " + path + ": " + errorText(errno);
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0)
    return "cannot read the window folder " + path + ": " + errorText(errno);
  if (!S_ISDIR(st.st_mode)) return "the window folder " + path + " is not a folder";
  if (st.st_uid != ::geteuid())
    return "the window folder " + path + " belongs to another user";
  if ((st.st_mode & 077) != 0) {
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
    return "the window folder " + path + " has mode " + mode +
           "; it must be 0700 so that no other user can reach it";
  }
  return {};
}

// What a send needs of its own window to answer messages while it waits.
struct OwnWindow {
  int fd = -1;
  std::function<void()> serve;
  std::shared_ptr<bool> alive;
  // Called at least every WhileWaitingMs while the send waits; may be empty.
  std::function<void()> whileWaiting;
};

int millisecondsUntil(SteadyClock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
  return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 1 << 30));
}

SendResult exchange(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                    std::int64_t lParam, std::chrono::milliseconds timeout, OwnWindow* own) {
  if (!wire::isValidMessageName(name)) return {SendStatus::Invalid, 0};
  const auto deadline = SteadyClock::now() + timeout;

  // Waits for the socket (or up to `ms`), answering our own window's
  // messages meanwhile; the caller looks at the socket again.
  auto wait = [&](int fd, short events, int ms) {
    const bool serving = own && own->alive && *own->alive;
    const bool idle = serving && own->whileWaiting;
    if (idle) ms = std::min(ms, WindowEndpoint::WhileWaitingMs);
    pollfd fds[2] = {{fd, events, 0}, {serving ? own->fd : -1, POLLIN, 0}};
    if (::poll(fds, 2, ms) > 0 && serving && (fds[1].revents & POLLIN)) own->serve();
    if (idle && *own->alive) own->whileWaiting();
  };

  Fd sock;
  for (;;) {
    const int err = connectTo(to.path, sock);
    if (err == 0) break;
    if (err != EAGAIN) return {SendStatus::Gone, 0};
    // The window is alive but its queue of connections is full.
    if (SteadyClock::now() >= deadline) return {SendStatus::TimedOut, 0};
    wait(-1, 0, std::min(1, millisecondsUntil(deadline)));
  }
  if (!sendAll(sock.get(), wire::encodeRequest({std::string(name), wParam, lParam, false})))
    return {SendStatus::Gone, 0};

  std::string reply;
  for (;;) {
    char buffer[64];
    const ssize_t n = ::recv(sock.get(), buffer, sizeof buffer, MSG_DONTWAIT);
    if (n > 0) {
      reply.append(buffer, static_cast<std::size_t>(n));
      if (reply.size() > wire::ReplySize) return {SendStatus::Refused, 0};
      continue;
    }
    if (n == 0) break;  // the receiver closed: the reply is all there is
    if (errno == EINTR) continue;
    if (errno != EAGAIN) return {SendStatus::Gone, 0};
    if (reply.size() == wire::ReplySize) break;
    if (SteadyClock::now() >= deadline) return {SendStatus::TimedOut, 0};
    wait(sock.get(), POLLIN, millisecondsUntil(deadline));
  }
  if (reply.empty()) return {SendStatus::Gone, 0};
  const auto parsed = wire::parseReply(reply);
  if (!parsed || parsed->refused) return {SendStatus::Refused, 0};
  if (parsed->busy) return {SendStatus::Busy, 0};
  return {SendStatus::Answered, parsed->answer};
}

}  // namespace

const char* describe(SendStatus status) {
  switch (status) {
    case SendStatus::Answered: return "answered";
    case SendStatus::Gone: return "the window is gone";
    case SendStatus::TimedOut: return "the window did not answer in time";
    case SendStatus::Refused: return "the window refused the message";
    case SendStatus::Busy: return "the window is too busy to handle the message";
    case SendStatus::Invalid: return "the message name is empty, too long or holds a NUL byte";
  }
  return "unknown";
}

// --- the folder ---

namespace {

bool isFolderPath(const char* path) {
  struct stat st {};
  return path && path[0] == '/' && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string WindowFolder::defaultPath() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); isFolderPath(runtime))
    return std::string(runtime) + "/vorkel-windows";
  if (const char* home = std::getenv("HOME"); isFolderPath(home) && std::string_view(home) != "/")
    return std::string(home) + "/.cache/vorkel-windows";
  return "/tmp/vorkel-windows-" + std::to_string(::geteuid());
}

std::optional<WindowFolder> WindowFolder::open(std::string& error) {
  const std::string path = defaultPath();
  // The cache folder of a new home may not be there yet.
  const std::string parent = path.substr(0, path.rfind('/'));
  if (::mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) {
    error = "cannot create " + parent + ": " + errorText(errno);
    return std::nullopt;
  }
  return openAt(path, error);
}

std::string WindowFolder::sessionKey() {
  std::string error;
  const std::optional<WindowFolder> folder = open(error);
  if (!folder) return {};
  const std::string keyPath = folder->path() + "/session-key";
  auto readKey = [&keyPath]() -> std::string {
    char text[33] = {};
    Fd fd(::open(keyPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd || ::read(fd.get(), text, 32) != 32) return {};
    return std::string(text, 32);
  };
  if (std::string key = readKey(); !key.empty()) return key;
  // Written whole under a private name, then linked into place: a program
  // that starts at the same moment reads either no key or the whole one,
  // and the first link wins.
  unsigned char random[16];
  if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return {};
  std::string key;
  for (unsigned char b : random) {
    key += "0123456789abcdef"[b >> 4];
    key += "0123456789abcdef"[b & 15];
  }
  const std::string staged = keyPath + "." + std::to_string(::getpid());
  {
    Fd fd(::open(staged.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd || ::write(fd.get(), key.data(), key.size()) != static_cast<ssize_t>(key.size())) {
      ::unlink(staged.c_str());
      return {};
    }
  }
  const bool linked = ::link(staged.c_str(), keyPath.c_str()) == 0;
  ::unlink(staged.c_str());
  return linked ? key : readKey();
}

std::optional<WindowFolder> WindowFolder::openAt(std::string_view path, std::string& error) {
  std::string folder(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty()) {
    error = "no window folder given";
    return std::nullopt;
  }
  error = checkedFolderError(folder);
  if (!error.empty()) return std::nullopt;
  return WindowFolder(std::move(folder));
}

std::optional<WindowHandle> WindowFolder::findWindow(std::string_view className,
                                                     std::string_view title) const {
  if (className.empty()) return std::nullopt;
  for (const Candidate& c : candidates(path_, namePrefix(className, title)))
    if (probeAndClean(c.path)) return WindowHandle{c.path};
  return std::nullopt;
}

// --- sending without a window ---

SendResult sendMessage(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                       std::int64_t lParam, std::chrono::milliseconds timeout) {
  return exchange(to, name, wParam, lParam, timeout, nullptr);
}

bool postMessage(const WindowHandle& to, std::string_view name, std::int64_t wParam,
                 std::int64_t lParam) {
  if (!wire::isValidMessageName(name)) return false;
  Fd sock;
  if (connectTo(to.path, sock) != 0) return false;
  return sendAll(sock.get(), wire::encodeRequest({std::string(name), wParam, lParam, true}));
}

// --- the receiving side ---

namespace {

// Connections whose request has not fully arrived. A sender writes its
// request as soon as it is connected, so such a connection is normally read
// whole at once. When there are this many, a new connection pushes out the
// one that has waited longest: peers that connect and never write cannot
// use up our descriptors, nor lock other programs out.
constexpr std::size_t MaxPartialConnections = 64;
// A connection that has not delivered its whole request by then is closed.
constexpr std::chrono::milliseconds IdleTimeout{2000};
// Requests read and waiting for the handler. Beyond this many a send is
// answered busy and a post is dropped. (New requests are read only when the
// queue is empty, at most MaxAcceptsPerServe and 32 epoll events' worth, so
// this is a safeguard rather than a limit met in practice.)
constexpr std::size_t MaxWaitingRequests = 64;
// Connections taken from the listener's backlog per servePending(), so a
// flood never keeps one call from returning to its event loop.
constexpr int MaxAcceptsPerServe = 32;
// Handlers running on top of each other: a handler that opens a box serves
// the next message from the box's event loop. A message whose handler
// already runs this many times (a flood of messages that each open a box)
// is answered busy instead of opening yet another box; the total keeps
// messages of many names from doing the same.
constexpr int MaxNestedSameMessage = 4;
constexpr int MaxHandlerDepth = 16;
// When the process has no descriptor left for a new connection, accept
// fails while the listener stays readable; it is left unwatched this long
// rather than retried in a busy loop.
constexpr std::chrono::milliseconds ListenerPause{100};

struct Connection {
  Fd fd;
  std::string bytes;
  SteadyClock::time_point deadline;
};

// A request read whole, waiting for its handler. A post's descriptor is
// closed as soon as it is read: nobody waits for its answer.
struct Request {
  Fd fd;
  WindowMessage message;
};

}  // namespace

struct WindowEndpoint::State {
  Fd listener;
  Fd epoll;
  // Armed whenever servePending() has work that no socket announces: a
  // request still waiting in the queue (now), a connection's time-out, the
  // end of a pause of the listener. It sits in the epoll set, so the
  // endpoint's descriptor is readable exactly when there is work.
  Fd wake;
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  pid_t owner = 0;
  WindowMessageHandler handler;
  std::function<void()> whileWaiting;
  std::map<int, Connection> connections;
  // Requests read and not yet handled, in the order they came. A handler
  // that serves again (the nested event loop of a message box) takes the
  // next one from here, so a request read together with the one that opened
  // the box is answered while the box is open, not after it closes.
  std::deque<Request> queue;
  // The handlers running now, nested in each other: how many in all, and
  // how many for each message name.
  int depth = 0;
  std::map<std::string, int> running;
  bool listenerPaused = false;
  SteadyClock::time_point listenerResumes;
  // False once the endpoint is destroyed; a handler that destroys its own
  // endpoint leaves servePending() to return without touching it.
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);

  ~State() {
    *alive = false;
    // A forked child that inherited the endpoint must not remove its
    // parent's window.
    struct stat st {};
    if (::getpid() == owner && ::lstat(path.c_str(), &st) == 0 && st.st_dev == device &&
        st.st_ino == inode)
      ::unlink(path.c_str());
  }

  bool watch(int fd) {
    epoll_event event {};
    event.events = EPOLLIN;
    event.data.fd = fd;
    return ::epoll_ctl(epoll.get(), EPOLL_CTL_ADD, fd, &event) == 0;
  }

  void forget(int fd) {
    ::epoll_ctl(epoll.get(), EPOLL_CTL_DEL, fd, nullptr);
    connections.erase(fd);
  }

  // Takes a request into the queue, or turns it away when the queue is full.
  void enqueue(Request r) {
    if (queue.size() < MaxWaitingRequests) {
      queue.push_back(std::move(r));
    } else if (!r.message.posted) {
      sendAll(r.fd.get(), wire::encodeBusyReply());
    }
  }

  // Reads what has arrived on a connection. A complete request goes to the
  // queue, a malformed one is refused at once; a connection closed early is
  // dropped (the probes of findWindow close without writing).
  void readFrom(int fd) {
    auto it = connections.find(fd);
    if (it == connections.end()) {
      ::epoll_ctl(epoll.get(), EPOLL_CTL_DEL, fd, nullptr);
      return;
    }
    Connection& c = it->second;
    bool closed = false;
    char buffer[512];
    while (c.bytes.size() <= wire::MaxRequestSize) {
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n > 0) {
        c.bytes.append(buffer, static_cast<std::size_t>(n));
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      closed = n == 0 || errno != EAGAIN;
      break;
    }
    wire::ParsedRequest parsed = wire::parseRequest(c.bytes);
    if (parsed.state == wire::ParseState::Incomplete && !closed) return;
    Fd owned = std::move(c.fd);
    forget(fd);
    if (parsed.state == wire::ParseState::Malformed) {
      sendAll(owned.get(), wire::encodeReply(true, 0));
    } else if (parsed.state == wire::ParseState::Complete) {
      if (parsed.message.posted) owned.reset();
      enqueue({std::move(owned), std::move(parsed.message)});
    }
  }

  void pauseListener() {
    ::epoll_ctl(epoll.get(), EPOLL_CTL_DEL, listener.get(), nullptr);
    listenerPaused = true;
    listenerResumes = SteadyClock::now() + ListenerPause;
  }

  void acceptSome() {
    for (int accepted = 0; accepted < MaxAcceptsPerServe;) {
      Fd conn(::accept4(listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
      if (!conn) {
        if (errno == EINTR || errno == ECONNABORTED) continue;
        // Out of descriptors or memory, the pending connection stays and
        // with it the listener's readiness: look again after a pause.
        if (errno != EAGAIN && errno != EWOULDBLOCK) pauseListener();
        return;
      }
      ++accepted;
      ucred peer {};
      socklen_t length = sizeof peer;
      if (::getsockopt(conn.get(), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 ||
          peer.uid != ::geteuid() || !watch(conn.get()))
        continue;
      const int fd = conn.get();
      connections[fd] = Connection{std::move(conn), {}, SteadyClock::now() + IdleTimeout};
      // The request has usually arrived with the connection.
      readFrom(fd);
      if (connections.size() > MaxPartialConnections) {
        auto oldest = std::min_element(connections.begin(), connections.end(),
                                       [](const auto& a, const auto& b) {
                                         return a.second.deadline < b.second.deadline;
                                       });
        forget(oldest->first);
      }
    }
  }

  // Closes the connections that have not delivered a request in time, and
  // watches the listener again once its pause is over.
  void keepTime() {
    const auto now = SteadyClock::now();
    for (auto it = connections.begin(); it != connections.end();) {
      const int fd = (it++)->first;
      if (connections.at(fd).deadline <= now) forget(fd);
    }
    if (listenerPaused && listenerResumes <= now) {
      listenerPaused = false;
      watch(listener.get());
    }
  }

  // Arms `wake` for the next piece of work that no socket announces.
  void scheduleWake() {
    itimerspec setting {};
    int flags = 0;
    if (!queue.empty()) {
      setting.it_value.tv_nsec = 1;  // now
    } else {
      std::optional<SteadyClock::time_point> next;
      if (listenerPaused) next = listenerResumes;
      for (const auto& [fd, c] : connections)
        if (!next || c.deadline < *next) next = c.deadline;
      if (next) {
        // The steady clock is CLOCK_MONOTONIC, the timer's clock.
        const auto ns = std::max<std::int64_t>(
            1, std::chrono::duration_cast<std::chrono::nanoseconds>(next->time_since_epoch()).count());
        setting.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
        setting.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
        flags = TFD_TIMER_ABSTIME;
      }
    }
    ::timerfd_settime(wake.get(), flags, &setting, nullptr);
  }

  void clearWake() {
    std::uint64_t expirations = 0;
    while (::read(wake.get(), &expirations, sizeof expirations) < 0 && errno == EINTR) {
    }
  }
};

WindowEndpoint::WindowEndpoint(std::unique_ptr<State> state, WindowHandle handle)
    : state_(std::move(state)), handle_(std::move(handle)) {}

WindowEndpoint::~WindowEndpoint() = default;

std::unique_ptr<WindowEndpoint> WindowEndpoint::create(const WindowFolder& folder,
                                                       std::string_view className,
                                                       std::string_view title,
                                                       WindowMessageHandler handler,
                                                       std::string& error) {
  if (className.empty()) {
    error = "a window needs a class name";
    return nullptr;
  }
  if (!handler) {
    error = "a window needs a message handler";
    return nullptr;
  }
  const std::string name = namePrefix(className, title) + (title.empty() ? "," : "") + uniqueSuffix();
  const std::string path = folder.path() + "/" + name;
  const std::string hidden = folder.path() + "/." + name;
  sockaddr_un address;
  if (!makeAddress(hidden, address)) {
    error = "the window folder's path " + folder.path() + " is too long for a socket";
    return nullptr;
  }

  // Old sockets of the same class and title whose programs are gone.
  for (const Candidate& c : candidates(folder.path(), namePrefix(className, title)))
    probeAndClean(c.path);

  auto state = std::make_unique<State>();
  state->listener = Fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  state->epoll = Fd(::epoll_create1(EPOLL_CLOEXEC));
  state->wake = Fd(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC));
  if (!state->listener || !state->epoll || !state->wake) {
    error = "cannot make a socket: " + errorText(errno);
    return nullptr;
  }
  // Listen under a hidden name first and rename into place, so a socket
  // under its final name always has a listener behind it.
  ::unlink(hidden.c_str());
  if (::bind(state->listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(state->listener.get(), 64) != 0 || ::rename(hidden.c_str(), path.c_str()) != 0) {
    error = "cannot register the window in " + folder.path() + ": " + errorText(errno);
    ::unlink(hidden.c_str());
    return nullptr;
  }
  state->path = path;
  state->owner = ::getpid();
  state->handler = std::move(handler);
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    state->device = st.st_dev;
    state->inode = st.st_ino;
  }
  if (!state->watch(state->listener.get()) || !state->watch(state->wake.get())) {
    error = "cannot watch the window's socket: " + errorText(errno);
    return nullptr;  // State's destructor removes the socket
  }
  return std::unique_ptr<WindowEndpoint>(new WindowEndpoint(std::move(state), WindowHandle{path}));
}

int WindowEndpoint::fd() const { return state_->epoll.get(); }

int WindowEndpoint::servePending() {
  State& s = *state_;
  s.clearWake();
  // First read everything that is ready, calling nobody: a handler may serve
  // again (a nested event loop) and must not find half-used epoll results.
  // A nested call that finds requests still queued serves those first and
  // leaves the sockets for the next call: reading more on every level of a
  // flood of box-opening messages would overfill the queue and turn away a
  // presence query as busy.
  if (s.queue.empty()) {
    epoll_event events[32];
    int n;
    do n = ::epoll_wait(s.epoll.get(), events, 32, 0);
    while (n < 0 && errno == EINTR);
    for (int i = 0; i < n; ++i) {
      const int fd = events[i].data.fd;
      if (fd == s.listener.get()) s.acceptSome();
      else if (fd != s.wake.get()) s.readFrom(fd);
    }
  }
  s.keepTime();

  // Then run the handler for each request, taken off the queue first: the
  // handler may serve again, or destroy this endpoint (and the queue; the
  // senders left waiting then see the window gone).
  const std::shared_ptr<bool> alive = s.alive;
  const WindowMessageHandler handler = s.handler;
  int handled = 0;
  while (*alive && !s.queue.empty()) {
    Request r = std::move(s.queue.front());
    s.queue.pop_front();
    const WindowMessage& m = r.message;
    int& sameMessage = s.running[m.name];
    if (sameMessage >= MaxNestedSameMessage || s.depth >= MaxHandlerDepth) {
      if (sameMessage == 0) s.running.erase(m.name);
      if (!m.posted) sendAll(r.fd.get(), wire::encodeBusyReply());
      continue;
    }
    ++sameMessage;
    ++s.depth;
    // Should the handler open a box, its event loop finds the descriptor
    // readable while requests are left and serves them.
    s.scheduleWake();
    const std::int64_t answer = handler(m);
    ++handled;
    if (!m.posted) sendAll(r.fd.get(), wire::encodeReply(false, answer));
    if (!*alive) break;
    --s.depth;
    if (--s.running[m.name] == 0) s.running.erase(m.name);
  }
  if (*alive) s.scheduleWake();
  return handled;
}

void WindowEndpoint::setWhileWaiting(std::function<void()> work) {
  state_->whileWaiting = std::move(work);
}

SendResult WindowEndpoint::sendMessage(const WindowHandle& to, std::string_view name,
                                       std::int64_t wParam, std::int64_t lParam,
                                       std::chrono::milliseconds timeout) {
  if (!wire::isValidMessageName(name)) return {SendStatus::Invalid, 0};
  struct stat st {};
  const bool own = to.path == handle_.path ||
                   (::stat(to.path.c_str(), &st) == 0 && st.st_dev == state_->device &&
                    st.st_ino == state_->inode);
  if (own) {
    const WindowMessageHandler handler = state_->handler;
    return {SendStatus::Answered, handler({std::string(name), wParam, lParam, false})};
  }
  OwnWindow self{fd(), [this] { servePending(); }, state_->alive, state_->whileWaiting};
  return exchange(to, name, wParam, lParam, timeout, &self);
}

}  // namespace vorkel
