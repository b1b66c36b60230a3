#include "document/CrosswordDocument.h"

#include <algorithm>
#include <cstdio>

#include "document/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

void CrosswordDocument::resize(int w, int h) {
  width_ = std::clamp(w, kMinSize, kMaxSize);
  height_ = std::clamp(h, kMinSize, kMaxSize);
  cells_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), Cell{});
}

unsigned char CrosswordDocument::letterOf(const Cell& cell) {
  if (cell.isClue || cell.text.empty()) return 0;
  return static_cast<unsigned char>(cell.text[0]);
}

void CrosswordDocument::setLetter(Cell& cell, unsigned char letter) {
  cell.isClue = false;
  cell.text.clear();
  if (letter != 0) cell.text.push_back(static_cast<char>(letter));
}

void CrosswordDocument::setClue(Cell& cell, std::string_view text) {
  cell.isClue = true;
  cell.text.assign(text.substr(0, Cell::kMaxText));
  std::replace(cell.text.begin(), cell.text.end(), '"', '\'');
}

std::vector<LongRun> findLongRuns(const CrosswordDocument& doc, int limit) {
  std::vector<LongRun> runs;
  const int w = doc.width();
  const int h = doc.height();
  // One scan per direction: `outer` walks rows (across) or columns (down),
  // `inner` the cells along it; a run ends at a clue cell or the edge.
  for (int dir = 0; dir < 2; ++dir) {
    const bool down = dir == 1;
    const int outerEnd = down ? w : h;
    const int innerEnd = down ? h : w;
    for (int o = 1; o <= outerEnd; ++o) {
      int start = 0;
      for (int i = 1; i <= innerEnd + 1; ++i) {
        const bool letter =
            i <= innerEnd && !(down ? doc.cellAt(o, i) : doc.cellAt(i, o)).isClue;
        if (letter) {
          if (start == 0) start = i;
          continue;
        }
        if (start != 0 && i - start > limit) {
          LongRun run;
          run.column = down ? o : start;
          run.row = down ? start : o;
          run.length = i - start;
          run.down = down;
          runs.push_back(run);
        }
        start = 0;
      }
    }
  }
  return runs;
}

bool checkFillable(const CrosswordDocument& doc, Ui& ui) {
  const std::vector<LongRun> runs = findLongRuns(doc);
  if (runs.empty()) return true;
  const LongRun& run = runs.front();
  char text[256];
  std::snprintf(text, sizeof text, texts::kRunTooLong, run.length,
                run.down ? texts::kDown : texts::kAcross, run.column, run.row, kMaxFillableRun);
  ui.messageBox(text, texts::kRunTooLongCaption, Icon::Error, Buttons::Ok);
  return false;
}

}  // namespace vorkel
