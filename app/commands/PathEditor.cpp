#include "app/commands/PathEditor.h"

#include <cstdio>
#include <cstdlib>

#include "document/CrosswordDocument.h"
#include "engine/Path.h"
#include "engine/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

PathEditor::PathEditor(Path& path, const CrosswordDocument& document, Ui& ui)
    : path_(path), document_(document), ui_(ui) {}

std::unique_ptr<PathEditor> PathEditor::open(Path& path, const CrosswordDocument& document,
                                             Ui& ui) {
  if (path.length() == 0) {
    ui.messageBox(texts::editorNoPath, texts::editorNoPathCaption);
    return nullptr;
  }
  path.renumber();
  ui.setStatusText(texts::editorStatus);
  std::unique_ptr<PathEditor> editor(new PathEditor(path, document, ui));
  editor->redraw();
  return editor;
}

bool PathEditor::real(std::size_t index) const {
  const auto& stops = path_.stops();
  return index < stops.size() && !stops[index].isEndMarker();
}

bool PathEditor::drawStop(PathStop& stop, Line& line) {
  const int w = document_.width(), h = document_.height();
  const bool down = stop.direction == Direction::Down;
  const auto inGrid = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h; };
  const auto clue = [&](int x, int y) { return document_.cellAt(x + 1, y + 1).isClue; };
  char text[96];
  std::snprintf(text, sizeof text, down ? texts::editorStopDown : texts::editorStopAcross, stop.number,
                stop.x, stop.y);
  stopText_ = text;

  if (inGrid(stop.x, stop.y) && clue(stop.x, stop.y)) {
    if ((down && stop.y == h - 1) || (!down && stop.x == w - 1)) {
      ui_.messageBox(texts::editorStripe, texts::editorStripeCaption);
      if (down) {
        stop.y = 0;
        ++stop.x;
      } else {
        stop.x = 0;
        ++stop.y;
      }
      return false;
    }
    ui_.messageBox(texts::editorOnClue, texts::editorOnClueCaption);
    (down ? stop.y : stop.x) += 1;
  }
  // A stop outside the grid (below zero, or moved past its edge) names no
  // cell; it is reported and not drawn.
  if (!inGrid(stop.x, stop.y)) {
    ui_.messageBox(texts::editorNegative, texts::editorNegativeCaption);
    return false;
  }
  int& along = down ? stop.y : stop.x;
  while (along > 0 && !(down ? clue(stop.x, stop.y - 1) : clue(stop.x - 1, stop.y))) --along;
  line = {stop.x, stop.y, stop.x, stop.y};
  int& end = down ? line.y1 : line.x1;
  const int limit = down ? h : w;
  while (end + 1 < limit && !(down ? clue(line.x1, end + 1) : clue(end + 1, line.y1))) ++end;
  return true;
}

void PathEditor::redraw() {
  auto& stops = path_.stops();
  lines_.clear();
  Line line;
  // The stop after the current one is wiped: drawn, then not shown.
  if (real(current_) && real(current_ + 1)) drawStop(stops[current_ + 1], line);
  for (std::size_t i = 0; i <= current_ && real(i); ++i)
    if (drawStop(stops[i], line)) lines_.push_back(line);
}

void PathEditor::key(Key key) {
  auto& stops = path_.stops();
  switch (key) {
    case Key::Next:
      if (real(current_ + 1)) ++current_;
      break;
    case Key::Previous:
      if (current_ > 0) --current_;
      break;
    case Key::Delete:
      if (!real(current_)) break;
      stops.erase(stops.begin() + static_cast<std::ptrdiff_t>(current_));
      if (current_ > 0) --current_;
      break;
    case Key::Insert: awaitingDrag_ = true; return;
    case Key::CycleType:
      if (real(current_)) stops[current_].type = (stops[current_].type + 1) % 4;
      break;
  }
  redraw();
}

void PathEditor::drag(int x, int y, int dx, int dy) {
  if (!awaitingDrag_) return;
  awaitingDrag_ = false;
  // A drag that starts beside the grid (in the view's margin) names no
  // cell; a stop there would read as the path's end. Nothing is inserted.
  if (x < 0 || y < 0 || x >= document_.width() || y >= document_.height()) {
    ui_.messageBox(texts::editorNegative, texts::editorNegativeCaption);
    return;
  }
  PathStop stop;
  stop.x = x;
  stop.y = y;
  stop.direction = std::abs(dy) > std::abs(dx) ? Direction::Down : Direction::Across;
  stop.number = 0;
  stop.backJump = 0;
  stop.type = 0;
  auto& stops = path_.stops();
  // After the current stop; into an empty path, at its start.
  const std::size_t at = real(current_) ? current_ + 1 : 0;
  stops.insert(stops.begin() + static_cast<std::ptrdiff_t>(at), stop);
  current_ = at;
  redraw();
}

void PathEditor::close() {
  ui_.setStatusText("");
  path_.renumber();
}

}  // namespace vorkel
