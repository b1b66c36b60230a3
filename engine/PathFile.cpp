#include "engine/PathFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace vorkel {

namespace {

constexpr std::size_t kMaxLineChars = 89;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads a decimal integer the way scanf's %d does: leading white space, an
// optional sign, at least one digit. Values beyond the 32-bit range are
// clamped. On failure `pos` is left at the first character that did not fit.
bool scanInt(std::string_view text, std::size_t& pos, std::int32_t& value) {
  std::size_t p = pos;
  while (p < text.size() && isBlank(text[p])) ++p;
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

void skipToNextLine(std::string_view bytes, std::size_t& pos) {
  while (pos < bytes.size() && bytes[pos] != '\n') ++pos;
  if (pos < bytes.size()) ++pos;
}

// Reads the optional seed line. Returns false (and leaves `pos` at 0) when
// the file does not begin with -2.
bool readSeedLine(std::string_view bytes, std::size_t& pos, SeedPositions& seeds) {
  std::size_t p = 0;
  std::int32_t first = 0;
  if (!scanInt(bytes, p, first) || first != -2) return false;
  // The six numbers may run over line ends, as they do for scanf. Numbers
  // missing from a damaged seed line leave their seed ignored (x = -1).
  std::int32_t v[6] = {-1, 0, 0, -1, 0, 0};
  for (std::int32_t& n : v)
    if (!scanInt(bytes, p, n)) break;
  seeds.first = {v[0], v[1], v[2]};
  seeds.second = {v[3], v[4], v[5]};
  skipToNextLine(bytes, p);
  pos = p;
  return true;
}

}  // namespace

PathFileContents parsePathFile(std::string_view bytes) {
  PathFileContents out;
  std::size_t pos = 0;
  const bool seedLine = readSeedLine(bytes, pos, out.seeds);

  std::int32_t number = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, std::min(end - pos, kMaxLineChars));
    line = line.substr(0, line.find('\0'));  // the C string ends there
    pos = end < bytes.size() ? end + 1 : end;

    std::int32_t v[5] = {-1, -1, 0, 0, 0};
    std::size_t p = 0;
    int count = 0;
    while (count < 5 && scanInt(line, p, v[count])) ++count;
    if (count < 2) break;

    VejStop stop;
    stop.x = v[0];
    stop.y = v[1];
    stop.retning = static_cast<std::uint8_t>(v[2]);
    stop.rc = v[3];
    stop.Type = v[4];
    stop.nr = ++number;
    out.stops.push_back(stop);
  }
  out.stops.push_back(VejStop{});  // the end marker: x = y = -1, nr = 0

  if (!seedLine) {
    const VejStop& s = out.stops.front();
    out.seeds.first = {s.x, s.y, s.retning};
    out.seeds.second = {};
  }
  return out;
}

std::string formatPathFile(const std::vector<VejStop>& stops, const SeedPositions& seeds) {
  std::string out;
  char line[128];
  std::snprintf(line, sizeof line, "-2 %d %d %d %d %d %d\r\n", seeds.first.x, seeds.first.y,
                seeds.first.retning, seeds.second.x, seeds.second.y, seeds.second.retning);
  out += line;
  for (const VejStop& s : stops) {
    std::snprintf(line, sizeof line, "%d %d %d %d %d \r\n", s.x, s.y, s.retning, s.rc, s.Type);
    out += line;
    if (s.isEndMarker()) break;
  }
  out += "-1 -1 0 0 \r\n";
  return out;
}

}  // namespace vorkel
