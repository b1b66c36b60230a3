#pragma once
// The path optimisation and the commands that make or check a path.
//
// The optimisation links every stop to the slot it names, drops stops that
// repeat an earlier stop's slot, and sets each stop's back-jump distance
// `rc`: when the fill finds no word for a stop's slot, it jumps straight back
// to the nearest earlier stop whose slot touches this one, since only such a
// stop can change what fits here.
//
//   Path path;
//   newPathCommand(doc, path, ui);        // "&Ny Vej": automatic path + optimisation
//   optimiseCommand(doc, path, ui);       // "&Optimer/Kontroller"
//
// Stops that match no slot are reported by the slot search ("Vej og model
// passer ikke sammen") and keep the fallback slot it offers.

#include <cstddef>

namespace vorkel {

class CrosswordDocument;
class Path;
class Simpelarr;
class Ui;
struct EtOrd;

// The farthest a back-jump looks: a stop with no touching stop among the
// kMaxBackJump - 1 stops before it keeps the `rc` it had.
inline constexpr int kMaxBackJump = 250;

// True when `q` touches `p`: some cell c of q lies within p's extent along
// p's direction (the cell just past p's end counts) and the word through c
// across p's direction reaches p's line (again counting the cell just past
// its end). So q crosses p, or one word crosses both. `grid` supplies the
// cells; its slot list is not used.
bool touches(const Simpelarr& grid, const EtOrd& q, const EtOrd& p);

// Optimises the path on a grid whose slot list has been built. Stop numbers
// and stops behind the first end marker are left alone.
void optimisePath(Path& path, Simpelarr& grid);

// Builds a grid from the document ("#" in the clue cells, the rest blank)
// and optimises the path on it. An empty path stays empty.
void optimisePath(Path& path, const CrosswordDocument& doc, Ui& ui);

// "&Optimer/Kontroller": without a path says "Ingen Vejstop-liste\nIngen
// optimering" and returns false; otherwise optimises and confirms.
bool optimiseCommand(const CrosswordDocument& doc, Path& path, Ui& ui);

// "&Ny Vej": the automatic path on a grid built from the document, then the
// optimisation. Returns the number of stops.
std::size_t newPathCommand(const CrosswordDocument& doc, Path& path, Ui& ui);

// "&Autovej" and the simple menu's runs: as "&Ny Vej", with the hourglass
// cursor while it works.
std::size_t autoPathCommand(const CrosswordDocument& doc, Path& path, Ui& ui);

}  // namespace vorkel
