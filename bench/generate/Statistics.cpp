#include "bench/generate/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vorkel::bench {

double quantile(std::vector<double> v, double q) {
  if (v.empty()) return std::nan("");
  std::sort(v.begin(), v.end());
  const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size())));
  return v[std::min(std::max<std::size_t>(rank, 1), v.size()) - 1];
}

std::string fmt(double v, int decimals) {
  if (std::isnan(v)) return "–";
  if (std::isinf(v)) return "∞";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

std::string ms(double seconds) { return fmt(seconds * 1000, 1); }

std::string ratio(double qxw, double ours, double budget) {
  if (std::isinf(qxw)) return "> " + fmt(budget / ours, 0);
  return fmt(qxw / ours, 0);
}

}  // namespace vorkel::bench
