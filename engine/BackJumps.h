#pragma once
// Back-jump distances of a path: for every stop, how far the fill jumps back
// when it finds no word for the stop's slot (the stop's `rc`).
//
// Only an earlier stop whose slot touches this one can change what fits
// here, so the distance leads straight to the nearest such stop; stops in
// between are skipped. The path optimisation (engine/PathOptimiser.h) links
// every stop to its slot first and then calls setBackJumps.

#include <cstddef>

namespace vorkel {

class Path;
class WorkingGrid;
struct Slot;

// The farthest a back-jump looks: a stop with no touching stop among the
// kMaxBackJump - 1 stops before it keeps the `rc` it had.
inline constexpr int kMaxBackJump = 250;

// True when `q` touches `p`: some cell c of q lies within p's extent along
// p's direction (the cell just past p's end counts) and the word through c
// across p's direction reaches p's line (again counting the cell just past
// its end). So q crosses p, or one word crosses both. `grid` supplies the
// cells; its slot list is not used.
bool touches(const WorkingGrid& grid, const Slot& q, const Slot& p);

// Sets `rc` of the stops 1 .. end-1 from their `slot` links into the grid's
// slot list (-1: no slot; such a stop touches nothing). The first stop
// keeps its own `rc`.
void setBackJumps(Path& path, const WorkingGrid& grid, std::size_t end);

}  // namespace vorkel
