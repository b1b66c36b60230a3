#pragma once
// The path optimisation and the commands that make or check a path.
//
// The optimisation links every stop to the slot it names, drops stops that
// repeat an earlier stop's slot, and sets each stop's back-jump distance
// `rc` (engine/BackJumps.h).
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
class WorkingGrid;
class Ui;

// Optimises the path on a grid whose slot list has been built. Stop numbers
// and stops behind the first end marker are left alone.
void optimisePath(Path& path, WorkingGrid& grid);

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
