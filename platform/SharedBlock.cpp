#include "platform/SharedBlock.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vorkel {

namespace {

// Shared-memory names are one component beginning with "/".
std::string shmNameFor(std::string_view name) {
  std::string out = "/";
  for (char c : name) out += (c == '/' || c == '\0') ? '_' : c;
  return out;
}

void* mapShared(int fd, std::size_t size) {
  void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  return p == MAP_FAILED ? nullptr : p;
}

}  // namespace

SharedBlock::SharedBlock(std::string shmName, void* memory, std::size_t size, bool created)
    : shmName_(std::move(shmName)), memory_(memory), size_(size), created_(created) {}

SharedBlock::~SharedBlock() {
  ::munmap(memory_, size_);
  if (created_) ::shm_unlink(shmName_.c_str());
}

std::unique_ptr<SharedBlock> SharedBlock::createOrOpen(std::string_view name, std::size_t size) {
  if (name.empty() || size == 0) return nullptr;
  std::string shm = shmNameFor(name);
  int fd = ::shm_open(shm.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) {
    // A new block is zero-filled by ftruncate.
    void* mem = ::ftruncate(fd, static_cast<off_t>(size)) == 0 ? mapShared(fd, size) : nullptr;
    ::close(fd);
    if (!mem) {
      ::shm_unlink(shm.c_str());
      return nullptr;
    }
    return std::unique_ptr<SharedBlock>(new SharedBlock(shm, mem, size, true));
  }
  if (errno != EEXIST) return nullptr;
  return openExisting(name, size);
}

std::unique_ptr<SharedBlock> SharedBlock::openExisting(std::string_view name, std::size_t size) {
  if (name.empty() || size == 0) return nullptr;
  std::string shm = shmNameFor(name);
  int fd = ::shm_open(shm.c_str(), O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  struct stat st {};
  void* mem = nullptr;
  if (::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(size)) mem = mapShared(fd, size);
  ::close(fd);
  if (!mem) return nullptr;
  return std::unique_ptr<SharedBlock>(new SharedBlock(shm, mem, size, false));
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
