#pragma once
// Large memory filled soon after it is taken (a word list read whole, a
// word store's cells and index) is otherwise first touched a 4 KB page at a
// time, and on a virtual machine each such fault costs microseconds: the
// Norwegian word list's 120 MB took a third of a second in faults alone.
// Asked for, the kernel backs such memory with 2 MB pages where it can
// (transparent huge pages in "madvise" mode, Debian's default): one fault
// per 2 MB. Where the kernel does not offer them nothing changes.
//
//   void* cells = allocateLarge(bytes);  // zeroed; on whole 2 MB pages when large
//   freeLarge(cells, bytes);
//   std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> index(n);
//   adviseHugePages(buffer, bytes);      // memory from elsewhere, before its first write

#include <cstddef>
#include <new>

namespace vorkel {

// Below this a block gains nothing: huge pages cover whole aligned 2 MB.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Asks for huge pages for the whole 2 MB pages inside [data, data + bytes).
// Memory already touched keeps its pages; a refusal is ignored.
void adviseHugePages(void* data, std::size_t bytes);

// `bytes` of zeroed memory, a block of 2 MB or more mapped on its own at a
// 2 MB boundary with huge pages asked for; nullptr when there is no memory.
void* allocateLarge(std::size_t bytes);
// Frees a block of allocateLarge, given the same size.
void freeLarge(void* data, std::size_t bytes);

// An allocator of large blocks for containers (a hash index of millions of
// entries).
template <typename T>
struct HugePageAllocator {
  using value_type = T;
  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}
  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    void* p = allocateLarge(n * sizeof(T));
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) { freeLarge(p, n * sizeof(T)); }
  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const { return true; }
};

}  // namespace vorkel
