#include "bench/generate/JsonScrape.h"

#include <cstdlib>
#include <sstream>

namespace vorkel::bench {

std::optional<double> jsonNumber(const std::string& json, const std::string& key) {
  const std::string quoted = "\"" + key + "\"";
  auto at = json.find(quoted);
  if (at == std::string::npos) return std::nullopt;
  at = json.find(':', at + quoted.size());
  if (at == std::string::npos) return std::nullopt;
  const char* begin = json.c_str() + at + 1;
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin) return std::nullopt;
  return v;
}

std::string jsonText(const std::string& json, const std::string& key) {
  const std::string quoted = "\"" + key + "\"";
  auto at = json.find(quoted);
  if (at == std::string::npos) return {};
  at = json.find('"', json.find(':', at + quoted.size()));
  if (at == std::string::npos) return {};
  const auto end = json.find('"', at + 1);
  return end == std::string::npos ? std::string() : json.substr(at + 1, end - at - 1);
}

std::string jsonLine(const std::string& out) {
  std::istringstream in(out);
  std::string line, found;
  while (std::getline(in, line)) {
    const auto first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line[first] == '{') found = line;
  }
  return found;
}

}  // namespace vorkel::bench
