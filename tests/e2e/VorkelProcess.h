#pragma once
// Running the built `vorkel` as a user does, for the whole-program tests:
// a child process with its stdout and stderr in files of a fresh folder.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"

extern char** environ;

namespace vorkel::e2e {

namespace fs = std::filesystem;

inline const std::string kStock = VORKEL_BINARY_DIR "/Stock";
inline const std::string kVorkel = VORKEL_BINARY_DIR "/vorkel";

inline std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline pid_t spawnVorkel(const std::vector<std::string>& args, const std::string& outFile,
                  const std::string& errFile) {
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
  pid_t pid = -1;
  if (posix_spawn(&pid, kVorkel.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

inline int waitFor(pid_t pid) {
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class VorkelRunTest : public ::testing::Test {
 protected:
  testing::TempFolder dir;

  Outcome vorkel(const std::vector<std::string>& args) {
    Outcome r;
    r.exitCode = waitFor(spawnVorkel(args, dir / "stdout", dir / "stderr"));
    r.out = dir.read("stdout");
    r.err = dir.read("stderr");
    return r;
  }
  static std::map<std::string, std::string> files(const std::string& folder) {
    std::map<std::string, std::string> out;
    if (fs::is_directory(folder))
      for (const auto& e : fs::directory_iterator(folder))
        out[e.path().filename().string()] = readAll(e.path());
    return out;
  }
  static std::multiset<std::string> contents(const std::map<std::string, std::string>& named) {
    std::multiset<std::string> set;
    for (const auto& [name, bytes] : named) set.insert(bytes);
    return set;
  }
};

}  // namespace vorkel::e2e
