#include "engine/ProgressDisplay.h"

#include <cstdio>

#include "engine/RunCounters.h"
#include "engine/WorkingGrid.h"
#include "engine/Texts.h"
#include "engine/PathStop.h"
#include "platform/Cp1252.h"
#include "platform/Ui.h"

namespace vorkel {

std::string fillStatusLine(const PathStop& stop) {
  char line[96];
  std::snprintf(line, sizeof line, texts::fillStatusLine, stop.number, stop.x, stop.y,
                static_cast<int>(stop.direction));
  return line;
}

void showFillGrid(Ui& ui, const WorkingGrid& grid, std::string_view statusLine) {
  std::string picture(statusLine);
  for (int y = 0; y < grid.height(); ++y) {
    picture += '\n';
    std::string_view row = grid.row(y);
    row = row.substr(0, row.find('\0'));
    picture += cp1252ToUtf8(row);
  }
  ui.showFillProgress(Ui::FillPicture::Grid, picture);
}

void showFillCounters(Ui& ui, const RunCounters& run) {
  char line[128];
  std::snprintf(line, sizeof line, texts::fillCountersLine, run.saved, run.tries);
  std::string picture(line);
  picture += '\n';
  picture += calendarTimeText(run.attemptStart);
  ui.showFillProgress(Ui::FillPicture::Counters, picture);
}

}  // namespace vorkel
