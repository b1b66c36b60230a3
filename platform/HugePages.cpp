#include "platform/HugePages.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace vorkel {

namespace {

std::size_t wholeHugePages(std::size_t bytes) {
  return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
}

}  // namespace

void adviseHugePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
  const std::uintptr_t end = (start + bytes) & ~(kHugePageBytes - 1);
  if (bytes < kHugePageBytes || end <= first) return;
  ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

void* allocateLarge(std::size_t bytes) {
  if (bytes < kHugePageBytes) return std::calloc(1, bytes == 0 ? 1 : bytes);
  if (bytes > SIZE_MAX - 2 * kHugePageBytes) return nullptr;
  // Map 2 MB more than needed and give back what lies before the first
  // boundary and after the block, so that the block starts on one.
  const std::size_t size = wholeHugePages(bytes);
  void* mapped = ::mmap(nullptr, size + kHugePageBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
  if (aligned > start) ::munmap(mapped, aligned - start);
  const std::uintptr_t tail = start + size + kHugePageBytes - (aligned + size);
  if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + size), tail);
  adviseHugePages(reinterpret_cast<void*>(aligned), size);
  return reinterpret_cast<void*>(aligned);
}

void freeLarge(void* data, std::size_t bytes) {
  if (!data) return;
  if (bytes < kHugePageBytes) {
    std::free(data);
    return;
  }
  ::munmap(data, wholeHugePages(bytes));
}

}  // namespace vorkel
