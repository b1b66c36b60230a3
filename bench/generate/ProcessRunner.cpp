#include "bench/generate/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace vorkel::bench {

namespace {

using Clock = std::chrono::steady_clock;

// The child being measured. Children run in their own process group (so that
// a stopped run takes its helpers along), which keeps Ctrl-C away from them:
// on SIGINT or SIGTERM this process ends the running child itself. The signal
// handler reads it, hence a sig_atomic_t.
static_assert(sizeof(pid_t) <= sizeof(std::sig_atomic_t), "a process id must fit the handler's flag");
volatile std::sig_atomic_t runningChild = 0;

extern "C" void onStop(int signal) {
  if (runningChild > 0) kill(-runningChild, SIGKILL);
  _exit(128 + signal);
}

}  // namespace

Outcome runProcess(const std::vector<std::string>& argv, double limit) {
  Outcome r;
  int outPipe[2], errPipe[2];
  if (pipe(outPipe) != 0) return r;
  if (pipe(errPipe) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    return r;
  }
  std::fflush(stdout);
  std::fflush(stderr);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    close(outPipe[0]);
    close(outPipe[1]);
    close(errPipe[0]);
    close(errPipe[1]);
    const int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    std::fprintf(stderr, "cannot run %s: %s\n", args[0], std::strerror(errno));
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  if (pid < 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return r;
  }
  setpgid(pid, pid);  // either side may win the race; both ask the same
  runningChild = pid;
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(limit));
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  int openPipes = 2;
  bool killed = false;
  char buffer[8192];
  while (openPipes > 0) {
    int wait = -1;
    if (!killed) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      wait = static_cast<int>(std::max<long long>(0, left.count()));
    }
    const int ready = poll(fds, 2, wait);
    if (ready < 0 && errno != EINTR) break;
    if (ready == 0 && !killed) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      killed = true;
      r.timedOut = true;
      continue;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? r.out : r.err).append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --openPipes;
      }
    }
  }
  for (auto& f : fds)
    if (f.fd >= 0) close(f.fd);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  runningChild = 0;
  r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  r.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  r.peakKb = usage.ru_maxrss;
  if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
  return r;
}

void installStopHandlers() {
  signal(SIGPIPE, SIG_IGN);
  signal(SIGINT, onStop);
  signal(SIGTERM, onStop);
}

std::string firstLine(const std::string& text) {
  const auto end = text.find('\n');
  return text.substr(0, end == std::string::npos ? text.size() : end);
}

}  // namespace vorkel::bench
