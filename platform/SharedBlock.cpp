#include "platform/SharedBlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/NameHash.h"
#include "platform/WindowMessages.h"

namespace vorkel {

namespace {

void* mapShared(int fd, std::size_t size) {
  void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  return p == MAP_FAILED ? nullptr : p;
}

enum class Hold { Held, Gone, Failed };

// Takes the holder's shared lock on an opened block. Gone: the last holder
// let go between our open and the lock and removed the name, so this object
// is no longer the session's block and the name must be looked up again.
Hold hold(int fd) {
  while (::flock(fd, LOCK_SH) != 0)
    if (errno != EINTR) return Hold::Failed;
  struct stat st {};
  if (::fstat(fd, &st) != 0) return Hold::Failed;
  return st.st_nlink > 0 ? Hold::Held : Hold::Gone;
}

// How often a name that vanished under us is looked up again before giving up.
constexpr int kAttempts = 8;

}  // namespace

std::string SharedBlock::systemName(std::string_view name) {
  // Shared-memory names are one component beginning with "/".
  std::string out = "/";
  for (char c : name) out += (c == '/' || c == '\0') ? '_' : c;
  return out + "." + nameHash(WindowFolder::defaultPath() + "\n" + WindowFolder::sessionKey());
}

SharedBlock::SharedBlock(std::string shmName, int fd, void* memory, std::size_t size, bool created)
    : shmName_(std::move(shmName)), fd_(fd), memory_(memory), size_(size), created_(created) {}

SharedBlock::~SharedBlock() {
  ::munmap(memory_, size_);
  // The exclusive lock is had only when no other process holds the block.
  struct stat st {};
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd_, &st) == 0 && st.st_nlink > 0)
    ::shm_unlink(shmName_.c_str());
  ::close(fd_);
}

std::unique_ptr<SharedBlock> SharedBlock::createOrOpen(std::string_view name, std::size_t size) {
  if (name.empty() || size == 0) return nullptr;
  const std::string shm = systemName(name);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    int fd = ::shm_open(shm.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno != EEXIST) return nullptr;
      bool gone = false;
      std::unique_ptr<SharedBlock> existing = openName(shm, size, gone);
      if (existing || !gone) return existing;
      continue;  // its last holder removed it meanwhile: make it anew
    }
    const Hold held = hold(fd);
    if (held == Hold::Gone) {
      ::close(fd);
      continue;
    }
    // A new block is zero-filled by ftruncate.
    void* mem = held == Hold::Held && ::ftruncate(fd, static_cast<off_t>(size)) == 0
                    ? mapShared(fd, size)
                    : nullptr;
    if (!mem) {
      ::shm_unlink(shm.c_str());
      ::close(fd);
      return nullptr;
    }
    return std::unique_ptr<SharedBlock>(new SharedBlock(shm, fd, mem, size, true));
  }
  return nullptr;
}

std::unique_ptr<SharedBlock> SharedBlock::openExisting(std::string_view name, std::size_t size) {
  if (name.empty() || size == 0) return nullptr;
  const std::string shm = systemName(name);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    bool gone = false;
    std::unique_ptr<SharedBlock> block = openName(shm, size, gone);
    if (block || !gone) return block;
  }
  return nullptr;
}

std::unique_ptr<SharedBlock> SharedBlock::openName(const std::string& shm, std::size_t size,
                                                   bool& gone) {
  gone = false;
  int fd = ::shm_open(shm.c_str(), O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) {
    gone = errno == ENOENT;
    return nullptr;
  }
  // Only our own block, and one large enough.
  struct stat st {};
  const bool usable = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() &&
                      st.st_size >= static_cast<off_t>(size);
  const Hold held = usable ? hold(fd) : Hold::Failed;
  void* mem = held == Hold::Held ? mapShared(fd, size) : nullptr;
  if (!mem) {
    ::close(fd);
    gone = held == Hold::Gone;
    return nullptr;
  }
  return std::unique_ptr<SharedBlock>(new SharedBlock(shm, fd, mem, size, false));
}
bool SharedBlock::writeText(std::string_view text) {
  if (text.size() >= size_) return false;
  std::memcpy(memory_, text.data(), text.size());
  static_cast<char*>(memory_)[text.size()] = '\0';
  return true;
}

std::string SharedBlock::readText() const {
  const char* p = static_cast<const char*>(memory_);
  const void* nul = std::memchr(p, '\0', size_);
  std::size_t len = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - p) : size_;
  return std::string(p, len);
}

}  // namespace vorkel
