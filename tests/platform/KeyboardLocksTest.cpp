#include "platform/KeyboardLocks.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace vorkel {
namespace {

// The lights as the kernel shows them, one folder per light; the attribute
// files claim a page of 4096 bytes whatever they hold.
TEST(KeyboardLocks, ALockIsOnWhenAnyKeyboardLightsIt) {
  testing::TempFolder t;
  t.write("input3::capslock/brightness", "1\n");
  t.write("input3::numlock/brightness", "0\n");
  t.write("input7::numlock/brightness", "255\n");
  t.write("input3::scrolllock/brightness", "0\n");
  t.write("phy0-led/brightness", "1\n");
  const std::optional<KeyboardLocks> locks = KeyboardLocks::read(t.path());
  ASSERT_TRUE(locks.has_value());
  EXPECT_TRUE(locks->capsLock);
  EXPECT_TRUE(locks->numLock);
  EXPECT_FALSE(locks->scrollLock);
  EXPECT_FALSE(KeyboardLocks::read(t / "phy0-led").has_value());  // no keyboard lights
}

}  // namespace
}  // namespace vorkel
