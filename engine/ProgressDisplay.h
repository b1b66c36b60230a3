#pragma once
// The fill's progress, drawn through the ui port while the search runs.
//
// Two pictures: the grid (the status line naming the current path stop, then
// the grid's rows) and the run's counters (saved crosswords, attempts, and
// when the current attempt started). The run loop draws the counters once
// before every fill; the fill draws both at its periodic checks.

#include <ctime>
#include <string>
#include <string_view>

#include "platform/Clock.h"  // calendarTimeText, the form of the attempt's start

namespace vorkel {

class WorkingGrid;
class Ui;
struct RunCounters;
struct PathStop;

// "vej nr: %d (%d,%d) ret %d" for the stop.
std::string fillStatusLine(const PathStop& stop);

// The status line, then one line per grid row (converted to UTF-8).
void showFillGrid(Ui& ui, const WorkingGrid& grid, std::string_view statusLine);

// The counters line, then the attempt's start time.
void showFillCounters(Ui& ui, const RunCounters& run);

}  // namespace vorkel
