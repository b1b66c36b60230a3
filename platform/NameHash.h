#pragma once
// The 64-bit FNV-1a hash of some bytes, and a short, stable stand-in for a
// long name made from it (16 upper-case hex digits). Used where a name must
// fit a system limit (socket paths, shared-memory names) and stay the same
// in every process that derives it, and to fingerprint files.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorkel {

inline std::uint64_t fnv1a(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

inline std::string nameHash(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  const std::uint64_t hash = fnv1a(text);
  std::string out;
  for (int shift = 60; shift >= 0; shift -= 4) out += hex[(hash >> shift) & 15];
  return out;
}

}  // namespace vorkel
