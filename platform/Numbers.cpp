#include "platform/Numbers.h"

#include <climits>

namespace vorkel {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

bool scanInt(std::string_view text, std::size_t& pos, std::int32_t& value) {
  std::size_t p = pos;
  while (p < text.size() && isSpace(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  if (p >= text.size() || text[p] < '0' || text[p] > '9') {
    pos = p;
    return false;
  }
  long long v = 0;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
    if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (text[p] - '0');
    ++p;
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  value = static_cast<std::int32_t>(v);
  pos = p;
  return true;
}

std::int32_t leadingInt(std::string_view text) {
  std::size_t pos = 0;
  std::int32_t value = 0;
  return scanInt(text, pos, value) ? value : 0;
}

}  // namespace vorkel
