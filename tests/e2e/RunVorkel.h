#pragma once
// Runs the built `vorkel` as a user does: a child process with its own
// stdout and stderr files, in a folder of the test's choosing.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace vorkel::testing {

inline const std::string kVorkel = VORKEL_BINARY_DIR "/vorkel";
inline const std::string kStock = VORKEL_BINARY_DIR "/Stock";

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string readAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Starts vorkel with `args` in `folder` (empty: the test's own), its output
// into the two files; the process id, or -1.
inline pid_t spawnVorkel(const std::vector<std::string>& args, const std::string& outFile,
                         const std::string& errFile, const std::string& folder = {}) {
  std::vector<std::string> all{kVorkel};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const int flags = O_WRONLY | O_CREAT | O_TRUNC;
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), flags, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), flags, 0644);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t pid = -1;
  if (posix_spawn(&pid, kVorkel.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The exit code (128 + signal when killed). A run past `limit` is killed:
// a hang fails the test instead of stopping the suite.
inline int waitFor(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(120)) {
  if (pid < 0) return -1;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0) return -1;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs vorkel to its end, with stdout and stderr kept in `scratch`.
inline Outcome runVorkel(const std::vector<std::string>& args, const std::string& scratch,
                         const std::string& folder = {}) {
  Outcome r;
  r.exitCode = waitFor(spawnVorkel(args, scratch + "/stdout", scratch + "/stderr", folder));
  r.out = readAll(scratch + "/stdout");
  r.err = readAll(scratch + "/stderr");
  return r;
}

}  // namespace vorkel::testing
