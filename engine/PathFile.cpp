#include "engine/PathFile.h"

#include <algorithm>
#include <cstdio>

#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr std::size_t kMaxLineChars = 89;

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
  seeds.first = {v[0], v[1], directionFromNumber(v[2])};
  seeds.second = {v[3], v[4], directionFromNumber(v[5])};
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
  while (pos < bytes.size() && out.stops.size() < kMaxPathStops) {
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

    PathStop stop;
    stop.x = v[0];
    stop.y = v[1];
    stop.direction = directionFromNumber(v[2]);
    stop.backJump = v[3];
    stop.type = v[4];
    stop.number = ++number;
    out.stops.push_back(stop);
  }
  out.stops.push_back(PathStop{});  // the end marker: x = y = -1, nr = 0

  if (!seedLine) {
    const PathStop& s = out.stops.front();
    out.seeds.first = {s.x, s.y, s.direction};
    out.seeds.second = {};
  }
  return out;
}

std::string formatPathFile(const std::vector<PathStop>& stops, const SeedPositions& seeds) {
  std::string out;
  char line[128];
  std::snprintf(line, sizeof line, "-2 %d %d %d %d %d %d\r\n", seeds.first.x, seeds.first.y,
                directionNumber(seeds.first.direction), seeds.second.x, seeds.second.y,
                directionNumber(seeds.second.direction));
  out += line;
  for (const PathStop& s : stops) {
    std::snprintf(line, sizeof line, "%d %d %d %d %d \r\n", s.x, s.y, directionNumber(s.direction),
                  s.backJump, s.type);
    out += line;
    if (s.isEndMarker()) break;
  }
  out += "-1 -1 0 0 \r\n";
  return out;
}

}  // namespace vorkel
