#pragma once
// Decimal numbers in text, read the two ways the system needs:
//
// - Leading numbers, as the C library reads them in files and dialog fields
//   (scanf's %d, strtol, atoi): white space, an optional sign, the digits up
//   to the first other character. Text that is no number reads as 0 (or
//   fails, for scanInt); values beyond the 32-bit range are clamped to it.
//
//     std::size_t pos = 0; std::int32_t x;
//     while (scanInt("3 -4 x", pos, x)) ...          // 3, then -4
//     leadingInt("  42abc") == 42;  leadingInt("abc") == 0
//
// - Whole numbers, for command-line arguments: the text is one number in
//   the type's range and nothing else ("12", not "12x", " 12" or "").
//
//     int n; if (!parseNumber(arg, n)) error...

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace vorkel {

// Reads a number from `pos` on. False when no digit follows the white space
// and sign; `pos` is then at the first character that did not fit, and
// after a number just past its last digit.
bool scanInt(std::string_view text, std::size_t& pos, std::int32_t& value);

// The number the text starts with; 0 when it starts with none.
std::int32_t leadingInt(std::string_view text);

template <class T>
bool parseNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace vorkel
