#pragma once
// A short, stable stand-in for a long name: the 64-bit FNV-1a hash of its
// bytes as 16 upper-case hex digits. Used where a name must fit a system
// limit (socket paths, shared-memory names) and stay the same in every
// process that derives it.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorkel {

inline std::string nameHash(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  std::string out;
  for (int shift = 60; shift >= 0; shift -= 4) out += hex[(hash >> shift) & 15];
  return out;
}

}  // namespace vorkel
