#pragma once
// When a run gives up on an attempt and starts a new one.
//
// A randomised depth-first fill has a heavy tail: most attempts on a model
// finish within a few thousand entries into the search, a few wander for
// millions. Ending an attempt after a budget of entries and starting afresh
// (new seed letters, the random stream going on) cuts the tail off. Budgets
// are counted in entries, never in time, so a seeded run reproduces.
//
//   none       no limit: every attempt runs until it fills or fails
//   fixed:N    N entries for every attempt
//   luby:U     U times the Luby sequence 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...
//              (Luby, Sinclair and Zuckerman 1993: within a constant factor
//              of the best fixed budget without knowing it beforehand)
//
//   std::optional<RestartPolicy> p = RestartPolicy::parse("luby:2000");
//   fill.entryBudget = p->budget(attemptNumber);   // 1, 2, ... per crossword

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

class RestartPolicy {
 public:
  enum class Kind { None, Fixed, Luby };

  RestartPolicy() = default;
  RestartPolicy(Kind kind, std::uint64_t unit) : kind_(kind), unit_(unit) {}

  // "none", "fixed:N" or "luby:U" with N, U from 1 on; nullopt otherwise.
  static std::optional<RestartPolicy> parse(std::string_view text);

  // The entry budget of the attempt-th attempt (counted from 1) at one
  // crossword; 0 means no limit.
  std::uint64_t budget(std::uint64_t attempt) const;

  // The policy as parse reads it.
  std::string text() const;

  Kind kind() const { return kind_; }
  std::uint64_t unit() const { return unit_; }

 private:
  Kind kind_ = Kind::None;
  std::uint64_t unit_ = 0;
};

// The i-th term (i from 1) of the Luby sequence.
std::uint64_t lubyTerm(std::uint64_t i);

// The fast fill's restarts when the user names none. A unit of 100 dead
// ends suits a whole word list (the benchmark's hard grids: 50 restarts too
// soon, 200 and 400 wait too long). A list cut at a score floor above 1
// holds fewer words, so a fill meets more dead ends on its way to success
// and 100 ends attempts that would have filled: 300 there (Model3 at the
// stock floor: 2.5 attempts a crossword instead of 9, half the time).
RestartPolicy fastFillRestart(int floor);

}  // namespace vorkel
