#include "platform/HugePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace vorkel {
namespace {

// Blocks on either side of the size that is mapped on its own come back
// zeroed, whole and writable, the large ones on a 2 MB boundary, and go
// back without harm; a container grows through the allocator as usual.
TEST(HugePages, LargeBlocksAreZeroedAlignedAndFreed) {
  for (const std::size_t bytes : {std::size_t{0}, std::size_t{1}, kHugePageBytes - 1, kHugePageBytes,
                                  kHugePageBytes + 1, 5 * kHugePageBytes + 12345}) {
    auto* p = static_cast<unsigned char*>(allocateLarge(bytes));
    ASSERT_NE(p, nullptr) << bytes;
    for (std::size_t i = 0; i < bytes; i += 4093) EXPECT_EQ(p[i], 0) << bytes << " at " << i;
    if (bytes > 0) EXPECT_EQ(p[bytes - 1], 0);
    if (bytes >= kHugePageBytes) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % kHugePageBytes, 0u);
    std::memset(p, 0xA5, bytes);
    freeLarge(p, bytes);
  }
  freeLarge(nullptr, kHugePageBytes);
  EXPECT_EQ(allocateLarge(SIZE_MAX - kHugePageBytes), nullptr);

  std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> index;
  for (std::uint32_t i = 0; i < 1'500'000; ++i) index.push_back(i);
  index.assign(3'000'000, 7);
  EXPECT_EQ(index.front(), 7u);
  EXPECT_EQ(index.back(), 7u);
  EXPECT_THROW(index.reserve(index.max_size() / 2 + 1), std::exception);
}

}  // namespace
}  // namespace vorkel
