#include "app/EditHistory.h"

#include <utility>

namespace vorkel {

void EditHistory::reset(const CrosswordDocument& document, const Path& path) {
  undo_.clear();
  redo_.clear();
  current_ = EditState{document, path};
}

bool EditHistory::record(const CrosswordDocument& document, const Path& path) {
  if (paused_ || (current_.document == document && current_.path == path)) return false;
  undo_.push_back(std::move(current_));
  if (undo_.size() > Depth) undo_.pop_front();
  redo_.clear();
  current_ = EditState{document, path};
  return true;
}

void EditHistory::resume(const CrosswordDocument& document, const Path& path) {
  paused_ = false;
  record(document, path);
}

bool EditHistory::travel(std::deque<EditState>& from, std::deque<EditState>& to,
                         EditState& state) {
  record(state.document, state.path);
  if (from.empty()) return false;
  to.push_back(std::move(current_));
  if (to.size() > Depth) to.pop_front();
  current_ = std::move(from.back());
  from.pop_back();
  state = current_;
  return true;
}

bool EditHistory::undo(EditState& state) { return travel(undo_, redo_, state); }
bool EditHistory::redo(EditState& state) { return travel(redo_, undo_, state); }

}  // namespace vorkel
