// What a flood of messages or of idle connections from another program does
// to the two windows that take messages, q4 and penvik, each started as its
// own process on Qt's offscreen platform with a private window folder:
//   - a flood: COUNT posts of the message that makes each window work (q4
//     opens a box for the drawing program's message, penvik reads the shared
//     block and writes its log), sent once each, then sent again until taken;
//   - idle: IDLE connections opened to the window and left silent.
// During each, a quick question (q4's presence query, penvik's "come
// forward") is sent every 10 ms; the slowest answer, how many went
// unanswered, and the window's resident memory before and after are printed.
// bench_window_flood [--count N] [--idle N]
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/WindowMessages.h"

using namespace vorkel;
using Clock = std::chrono::steady_clock;

namespace {

struct Target {
  const char* label;
  std::string program;
  std::vector<std::string> args;
  const char* windowClass;
  const char* title;
  const char* floodName;  // the message that makes the window work
  std::int64_t floodW;
  const char* queryName;  // a quick question
  std::int64_t queryW;
};

long residentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

pid_t start(const Target& t, const std::string& folder) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  ::chdir(folder.c_str());
  std::vector<char*> argv{const_cast<char*>(t.program.c_str())};
  for (const std::string& a : t.args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::freopen("/dev/null", "w", stderr);
  ::execv(t.program.c_str(), argv.data());
  std::_Exit(127);
}

// Sends the quick question every 10 ms until told to stop; the slowest
// answer in ms and how many were not answered.
struct Prober {
  std::atomic<bool> stop{false};
  double slowestMs = 0;
  int asked = 0;
  int unanswered = 0;
  void run(const WindowHandle& window, const Target& t) {
    while (!stop) {
      const auto begin = Clock::now();
      const SendResult r =
          sendMessage(window, t.queryName, t.queryW, 0, std::chrono::milliseconds(2000));
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
      ++asked;
      if (!r.answered()) ++unanswered;
      slowestMs = std::max(slowestMs, ms);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
};

int openIdle(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
    return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

void measure(const Target& t, const std::string& work, const WindowFolder& folder, int count,
             int idle) {
  const pid_t pid = start(t, work);
  std::optional<WindowHandle> window;
  for (int i = 0; i < 200 && !window; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    window = folder.findWindow(t.windowClass, t.title);
  }
  if (!window) {
    std::printf("%-7s did not register a window\n", t.label);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long before = residentKb(pid);

  // Floods of posts, with the prober asking beside them: first each post
  // sent once (dropped when the window's queue is full), then each sent
  // again until the window takes it (for 20 s at most).
  for (const bool retry : {false, true}) {
    Prober prober;
    std::thread probe([&] { prober.run(*window, t); });
    int taken = 0;
    const auto begin = Clock::now();
    const auto giveUp = begin + std::chrono::seconds(20);
    for (int i = 0; i < count && Clock::now() < giveUp; ++i) {
      bool posted = postMessage(*window, t.floodName, t.floodW, 0);
      while (retry && !posted && Clock::now() < giveUp) {
        std::this_thread::yield();
        posted = postMessage(*window, t.floodName, t.floodW, 0);
      }
      taken += posted ? 1 : 0;
    }
    const double floodMs = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    prober.stop = true;
    probe.join();
    std::printf("%-7s flood%s %6d posts (%5d taken) in %5.0f ms: slowest answer %6.1f ms, %d of "
                "%d unanswered, memory +%ld kB\n",
                t.label, retry ? " (retried)" : "          ", count, taken, floodMs,
                prober.slowestMs, prober.unanswered, prober.asked, residentKb(pid) - before);
  }

  // Idle connections, kept open while the prober asks.
  {
    std::vector<int> idleFds;
    for (int i = 0; i < idle; ++i)
      if (int fd = openIdle(window->path); fd >= 0) idleFds.push_back(fd);
    Prober prober;
    std::thread probe([&] { prober.run(*window, t); });
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
    prober.stop = true;
    probe.join();
    std::printf("%-7s idle connections %6zu for 3000 ms:              slowest answer %6.1f ms, %d of %d "
                "unanswered, memory +%ld kB\n",
                t.label, idleFds.size(), prober.slowestMs, prober.unanswered, prober.asked,
                residentKb(pid) - before);
    for (int fd : idleFds) ::close(fd);
  }
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  int count = 10000;
  int idle = 1000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--count") == 0) count = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--idle") == 0) idle = std::atoi(argv[i + 1]);
  }
  // Room for the idle connections on this side.
  rlimit files{};
  ::getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  ::setrlimit(RLIMIT_NOFILE, &files);

  char pattern[] = "/tmp/vorkel-flood-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const std::string root = pattern;
  ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
  ::setenv("HOME", root.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string stock = VORKEL_BINARY_DIR "/Stock";
  ::setenv("VORKEL_REGISTRY", (stock + "/registry.ini").c_str(), 1);

  std::string error;
  const std::optional<WindowFolder> folder = WindowFolder::open(error);
  if (!folder) {
    std::fprintf(stderr, "bench_window_flood: %s\n", error.c_str());
    return 1;
  }
  const Target targets[] = {
      {"q4", VORKEL_BINARY_DIR "/q4", {}, "Vorkel", "Krydsords-vorkel", "FraVorkelMsg", 1,
       "OrvaAndPimMsg", 0},
      {"penvik", VORKEL_BINARY_DIR "/penvik", {}, "OWL_Window", "Penvik", "FraVorkelMsg", 1,
       "FraVorkelMsg", 2},
  };
  for (const Target& t : targets) measure(t, stock, *folder, count, idle);
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return 0;
}
