#include "platform/StagedFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "platform/Files.h"

namespace vorkel {

namespace {

// Eight characters of a temporary name from the kernel's random source;
// different processes and threads never agree on them by accident.
std::string randomSuffix() {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char raw[8] = {};
  if (::getrandom(raw, sizeof raw, 0) != static_cast<ssize_t>(sizeof raw)) {
    // No random source: the process id and the address of a local still
    // differ between concurrent writers; O_EXCL catches the rest.
    unsigned long v = static_cast<unsigned long>(::getpid()) * 2654435761u ^
                      reinterpret_cast<std::uintptr_t>(&raw);
    for (unsigned char& b : raw) b = static_cast<unsigned char>(v >>= 3);
  }
  std::string out;
  for (unsigned char b : raw) out += kAlphabet[b % (sizeof kAlphabet - 1)];
  return out;
}

bool noHardLinks(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EXDEV ||
         error == EMLINK;
}

}  // namespace

StagedFile::StagedFile(std::string_view folder, std::string_view prefix)
    : folder_(Files::toSlashes(folder)), prefix_(prefix) {}

StagedFile::~StagedFile() { discard(); }

void StagedFile::discard() {
  const int saved = errno;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  unnamed_ = finished_ = false;
  errno = saved;
}

void StagedFile::flushNames(const std::string& folder) {
  const int saved = errno;
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  errno = saved;
}

bool StagedFile::flushData(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::syncfs(fd) == 0;
  const int error = errno;
  ::close(fd);
  errno = error;
  return ok;
}

bool StagedFile::openUnnamed(mode_t mode) {
  discard();
  // An unnamed file gets its name through its entry in /proc; without
  // /proc it could never be published.
  if (::access("/proc/self/fd", X_OK) == 0) {
    const int fd = ::open(folder_.empty() ? "." : folder_.c_str(),
                          O_TMPFILE | O_WRONLY | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) {
      fd_ = fd;
      unnamed_ = true;
      return true;
    }
    // Only a file system without unnamed files falls back; a folder that
    // is missing or may not be written fails here as it would below.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
  }
  return open(mode);
}

bool StagedFile::open(mode_t mode) {
  discard();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = Files::joinPath(folder_, prefix_ + randomSuffix());
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) {
      fd_ = fd;
      temp_ = std::move(name);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool StagedFile::append(std::string_view bytes) {
  if (fd_ < 0 || finished_) {
    errno = EBADF;
    return false;
  }
  if (Files::writeAll(fd_, bytes)) return true;
  if (errno == 0) errno = EIO;
  discard();
  return false;
}

bool StagedFile::finish(const struct stat* like, Flush flush) {
  if (fd_ < 0 || finished_) {
    errno = EBADF;
    return false;
  }
  if (like) {
    // Owner and group first: changing them clears set-id bits that the
    // permissions then put back. Only the owner's own files (or root) can
    // change hands; otherwise the new file stays the writer's.
    if (::fchown(fd_, like->st_uid, like->st_gid) != 0) ::fchown(fd_, static_cast<uid_t>(-1), like->st_gid);
    ::fchmod(fd_, like->st_mode & 07777);
  }
  bool ok = flush == Flush::Later || ::fsync(fd_) == 0;
  int error = errno;
  // An unnamed file is reached through its descriptor until it is published.
  if (!unnamed_) {
    if (::close(fd_) != 0 && ok) {
      ok = false;
      error = errno;
    }
    fd_ = -1;
  }
  if (!ok) {
    discard();
    errno = error;
    return false;
  }
  finished_ = true;
  return true;
}

bool StagedFile::replace(const std::string& target) {
  if (!finished_ || unnamed_) {
    errno = unnamed_ ? EINVAL : EBADF;
    return false;
  }
  if (::rename(temp_.c_str(), target.c_str()) != 0) {
    discard();
    return false;
  }
  temp_.clear();
  finished_ = false;
  flushNames(folder_);
  return true;
}

int StagedFile::publishNew(const std::string& target, Flush flush) {
  if (!finished_) return EBADF;
  if (unnamed_) {
    // Linking the descriptor's entry in /proc names the file exclusively,
    // with its whole content, as the hard link below does.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) != 0)
      return errno;
    ::close(fd_);
    fd_ = -1;
    unnamed_ = finished_ = false;
    if (flush == Flush::Now) flushNames(folder_);
    return 0;
  }
  // A hard link takes the name exclusively and carries the whole content
  // from its first moment.
  int error = 0;
  if (::link(temp_.c_str(), target.c_str()) == 0) {
    ::unlink(temp_.c_str());
  } else if (error = errno; error == EEXIST || !noHardLinks(error)) {
    return error;
  } else if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) !=
             0) {
    // Neither hard links nor an exclusive rename: reserve the name, then
    // rename the content over the (empty) reservation.
    error = errno;
    if (error == EEXIST) return error;
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    ::close(fd);
    if (::rename(temp_.c_str(), target.c_str()) != 0) {
      error = errno;
      ::unlink(target.c_str());
      return error;
    }
  }
  temp_.clear();
  finished_ = false;
  if (flush == Flush::Now) flushNames(folder_);
  return 0;
}

}  // namespace vorkel
