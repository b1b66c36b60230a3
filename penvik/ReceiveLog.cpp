#include "penvik/ReceiveLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Files.h"

namespace penvik {

namespace {

std::string escaped(std::string_view text) {
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c < 0x20 || c == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

bool absolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

std::string ReceiveLog::defaultPath(const Environment& environment) {
  const char* explicitPath = environment("PENVIK_LOG");
  if (explicitPath && *explicitPath) return explicitPath;
  const char* state = environment("XDG_STATE_HOME");
  if (absolute(state)) return vorkel::Files::joinPath(state, "vorkel/penvik.log");
  const char* home = environment("HOME");
  if (absolute(home)) return vorkel::Files::joinPath(home, ".local/state/vorkel/penvik.log");
  return {};
}

std::string ReceiveLog::formatLine(std::time_t when, std::string_view fileName,
                                   std::string_view note) {
  std::tm local{};
  char stamp[40] = "";
  if (::localtime_r(&when, &local) &&
      std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S%z", &local) > 0) {
    // %z gives +0100; ISO 8601's extended form writes +01:00.
    const std::size_t n = std::strlen(stamp);
    if (n >= 5 && (stamp[n - 5] == '+' || stamp[n - 5] == '-')) {
      std::memmove(stamp + n - 1, stamp + n - 2, 3);
      stamp[n - 2] = ':';
    }
  }
  std::string line = std::string(stamp) + "\t" + escaped(fileName);
  if (!note.empty()) line += "\t" + escaped(note);
  return line + "\n";
}

bool ReceiveLog::append(std::time_t when, std::string_view fileName, std::string_view note,
                        std::string& error) const {
  if (path_.empty()) {
    error = "no log file: neither PENVIK_LOG nor HOME is set";
    return false;
  }
  const std::string folder = vorkel::Files::parentFolder(path_);
  if (!folder.empty() && !vorkel::Files::createFolders(folder)) {
    error = folder + ": cannot make the log's folder";
    return false;
  }
  // The log names every file handed over: only its owner reads it. A log
  // made before, readable by others, is made private at the next line.
  const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = path_ + ": " + std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 077) != 0)
    ::fchmod(fd, st.st_mode & 0700);
  const bool written = vorkel::Files::writeAll(fd, formatLine(when, fileName, note));
  const int savedErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    error = path_ + ": " + std::strerror(written ? errno : savedErrno);
    return false;
  }
  return true;
}

}  // namespace penvik
