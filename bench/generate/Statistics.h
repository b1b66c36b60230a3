#pragma once
// The arithmetic and the number formats of the benchmark's tables: the
// nearest-rank quantile of a set of times, numbers with a fixed count of
// decimals ("–" for none, "∞" for endless), milliseconds, and qxw's time
// over ours.

#include <limits>
#include <string>
#include <vector>

namespace vorkel::bench {

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// The q-quantile (0 < q <= 1) by the nearest-rank rule: the 90th
// percentile of 10 values is the 9th smallest. NaN for no values.
double quantile(std::vector<double> v, double q);

// `v` with `decimals` decimals; "–" for NaN, "∞" for infinity.
std::string fmt(double v, int decimals = 3);

// Seconds as milliseconds, one decimal.
std::string ms(double seconds);

// qxw's time over ours; "> N" when qxw did not finish within its budget.
std::string ratio(double qxw, double ours, double budget);

}  // namespace vorkel::bench
