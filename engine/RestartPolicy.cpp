#include "engine/RestartPolicy.h"

#include <limits>

#include "platform/Numbers.h"

namespace vorkel {

RestartPolicy fastFillRestart(int floor) {
  return RestartPolicy(RestartPolicy::Kind::Luby, floor > 1 ? 300 : 100);
}

namespace {

std::optional<std::uint64_t> positiveNumber(std::string_view text) {
  std::uint64_t value = 0;
  if (!parseNumber(text, value) || value == 0) return std::nullopt;
  return value;
}

}  // namespace

std::uint64_t lubyTerm(std::uint64_t i) {
  if (i == 0) return 1;
  // With k the smallest number such that i <= 2^k - 1: the term is 2^(k-1)
  // at i = 2^k - 1, and otherwise repeats the sequence from its start.
  for (;;) {
    unsigned k = 1;
    while (k < 63 && (std::uint64_t{1} << k) - 1 < i) ++k;
    if (i == (std::uint64_t{1} << k) - 1) return std::uint64_t{1} << (k - 1);
    i -= (std::uint64_t{1} << (k - 1)) - 1;
  }
}

std::optional<RestartPolicy> RestartPolicy::parse(std::string_view text) {
  if (text == "none") return RestartPolicy();
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view name = text.substr(0, colon);
  const std::optional<std::uint64_t> unit = positiveNumber(text.substr(colon + 1));
  if (!unit) return std::nullopt;
  if (name == "fixed") return RestartPolicy(Kind::Fixed, *unit);
  if (name == "luby") return RestartPolicy(Kind::Luby, *unit);
  return std::nullopt;
}

std::uint64_t RestartPolicy::budget(std::uint64_t attempt) const {
  switch (kind_) {
    case Kind::None:
      return 0;
    case Kind::Fixed:
      return unit_;
    case Kind::Luby: {
      const std::uint64_t term = lubyTerm(attempt);
      // Saturate rather than wrap: a wrapped budget could come out as 0,
      // which means no limit at all.
      if (term > std::numeric_limits<std::uint64_t>::max() / unit_)
        return std::numeric_limits<std::uint64_t>::max();
      return term * unit_;
    }
  }
  return 0;
}

std::string RestartPolicy::text() const {
  switch (kind_) {
    case Kind::Fixed:
      return "fixed:" + std::to_string(unit_);
    case Kind::Luby:
      return "luby:" + std::to_string(unit_);
    case Kind::None:
      break;
  }
  return "none";
}

}  // namespace vorkel
