#include "platform/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Cp1252Case.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// "Penvik.exe" -> {"Penvik.exe", "Penvik", "penvik"}.
std::vector<std::string> candidateNames(std::string_view program) {
  std::vector<std::string> names{std::string(program)};
  if (program.size() > 4 && Files::sameNameIgnoringCase(program.substr(program.size() - 4), ".exe")) {
    std::string bare(program.substr(0, program.size() - 4));
    names.push_back(bare);
    std::string lower = bare;
    for (char& c : lower) c = static_cast<char>(foldCp1252(static_cast<unsigned char>(c)));
    if (lower != bare) names.push_back(lower);
  }
  return names;
}

}  // namespace

bool Process::lowerToIdle() {
  sched_param param {};
  if (::sched_setscheduler(0, SCHED_IDLE, &param) == 0) return true;
  return ::setpriority(PRIO_PROCESS, 0, 19) == 0;
}

std::vector<std::string> Process::splitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < commandLine.size()) {
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    if (i >= commandLine.size()) break;
    std::string word;
    bool quoted = false;
    while (i < commandLine.size() && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t'))) {
      if (commandLine[i] == '"') quoted = !quoted;
      else word += commandLine[i];
      ++i;
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::string Process::findProgram(std::string_view program, std::string_view workingFolder) {
  if (program.empty()) return {};
  std::string folder = workingFolder.empty() ? std::string(".") : Files::findCaseInsensitive(workingFolder);
  bool hasPath = program.find_first_of("/\\") != std::string_view::npos;
  // A bare name is looked for in the folder the caller names, never in the
  // current directory: a program planted there by someone else (in /tmp, an
  // unpacked archive) must not run in place of the one on PATH.
  if (hasPath || !workingFolder.empty())
    for (const auto& name : candidateNames(program)) {
      std::string local = Files::findCaseInsensitive(Files::isAbsolutePath(name) ? name : Files::joinPath(folder, name));
      if (isExecutableFile(local)) return local;
    }
  if (hasPath) return {};
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    std::size_t colon = dirs.find(':');
    std::string_view dir = dirs.substr(0, colon);
    if (!dir.empty() && dir.front() == '/')  // "" and "." would mean the current directory
      for (const auto& name : candidateNames(program)) {
        std::string p = Files::joinPath(dir, name);
        if (isExecutableFile(p)) return p;
      }
    if (colon == std::string_view::npos) break;
    dirs.remove_prefix(colon + 1);
  }
  return {};
}

StartedProgram::~StartedProgram() {
  if (lifeLine_ >= 0) ::close(lifeLine_);
}

bool StartedProgram::ended() const {
  if (lifeLine_ < 0) return true;
  pollfd p{lifeLine_, POLLIN, 0};
  int n;
  do {
    n = ::poll(&p, 1, 0);
  } while (n < 0 && errno == EINTR);
  // Nobody writes into the line: readable or hung up means every holder closed it.
  return n > 0 && (p.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

bool Process::start(std::string_view commandLine, std::string_view workingFolder) {
  return startWatched(commandLine, workingFolder).has_value();
}

std::optional<StartedProgram> Process::startWatched(std::string_view commandLine,
                                                    std::string_view workingFolder) {
  std::vector<std::string> words = splitCommandLine(commandLine);
  if (words.empty()) return std::nullopt;
  std::string program = findProgram(words[0], workingFolder);
  if (program.empty()) return std::nullopt;
  if (program[0] != '/') program = Files::absolutePath(program);
  std::string folder = workingFolder.empty() ? std::string() : Files::findCaseInsensitive(workingFolder);

  // Everything the children need is prepared before fork: after it they only
  // make async-signal-safe calls.
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful
  // exec closes it (close-on-exec) without a word.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return std::nullopt;
  // The life line: its write end goes with the program through exec.
  int life[2];
  if (::pipe2(life, O_CLOEXEC) != 0) {
    ::close(report[0]);
    ::close(report[1]);
    return std::nullopt;
  }
  pid_t child = ::fork();
  if (child < 0) {
    for (int fd : {report[0], report[1], life[0], life[1]}) ::close(fd);
    return std::nullopt;
  }
  if (child == 0) {
    ::close(report[0]);
    ::close(life[0]);
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild == 0) {
      int err = 0;
      if (::fcntl(life[1], F_SETFD, 0) != 0) err = errno;
      if (err == 0 && !folder.empty() && ::chdir(folder.c_str()) != 0) err = errno;
      if (err == 0) {
        ::execv(program.c_str(), argv.data());
        err = errno;
      }
      if (::write(report[1], &err, sizeof err) < 0) _exit(127);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  ::close(report[1]);
  ::close(life[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  int err = 0;
  ssize_t n;
  do {
    n = ::read(report[0], &err, sizeof err);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  if (!forked || n != 0) {
    ::close(life[0]);
    return std::nullopt;
  }
  return StartedProgram(life[0]);
}

std::string Process::programFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

}  // namespace vorkel
