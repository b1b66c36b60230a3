#pragma once
// The state of the keyboard's lock keys (Caps Lock, Num Lock, Scroll Lock)
// as the kernel shows it on the keyboard's lights: /sys/class/leds/*::capslock
// and so on. Where the system has no such lights (no keyboard, a container,
// a remote session) the state is unknown, and a window shows no indicators.

#include <optional>
#include <string>

namespace vorkel {

struct KeyboardLocks {
  bool capsLock = false;
  bool numLock = false;
  bool scrollLock = false;

  // Reads the lights below `ledFolder`; nothing when it has none of them.
  static std::optional<KeyboardLocks> read(const std::string& ledFolder = "/sys/class/leds");
};

}  // namespace vorkel
