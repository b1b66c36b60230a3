#include "platform/Cp1252.h"

#include <array>
#include <cstdint>

namespace vorkel {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t toCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
  return b;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Windows-1252 byte for a code point, or -1.
int fromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 sequence at `i`; false when it is malformed.
bool decode(std::string_view s, std::size_t& i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra;
  if (b0 < 0x80) {
    cp = b0;
    extra = 0;
  } else if ((b0 & 0xE0) == 0xC0) {
    cp = b0 & 0x1F;
    extra = 1;
  } else if ((b0 & 0xF0) == 0xE0) {
    cp = b0 & 0x0F;
    extra = 2;
  } else if ((b0 & 0xF8) == 0xF0) {
    cp = b0 & 0x07;
    extra = 3;
  } else {
    return false;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) return false;  // truncated sequence
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(extra) + 1;
  return true;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) appendUtf8(out, toCodePoint(static_cast<unsigned char>(c)));
  return out;
}

bool utf8ToCp1252Exact(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  bool exact = true;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp;
    if (!decode(utf8, i, cp)) return false;
    const int b = fromCodePoint(cp);
    if (b < 0) {
      exact = false;
      out += '?';
    } else {
      out += static_cast<char>(b);
    }
  }
  return exact;
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  char32_t cp;
  while (i < bytes.size())
    if (!decode(bytes, i, cp)) return false;
  return true;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp;
    if (!decode(utf8, i, cp)) return std::nullopt;
    const int b = fromCodePoint(cp);
    out += b < 0 ? replacement : static_cast<char>(b);
  }
  return out;
}

}  // namespace vorkel
