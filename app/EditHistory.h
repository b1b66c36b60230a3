#pragma once
// Undo and redo for the grid and the path.
//
// The history keeps whole states, not edits: a grid is at most 50 x 50
// cells, so a copy costs little, and an undo gives the grid back byte for
// byte whatever the change was (typed letters, clear, resize, rotate, a
// path edit, a run's fill). The window records the state after every user
// action; a state that differs from the one recorded before it is one step.
// While a run is going the history is paused, so the run's fill is a single
// step when it ends.
//
//   EditHistory history;
//   history.reset(doc, path);          // a template was loaded: no steps
//   ... the user types a letter ...
//   history.record(doc, path);         // one step
//   EditState state{doc, path};
//   if (history.undo(state)) { doc = state.document; path = state.path; }

#include <cstddef>
#include <deque>

#include "document/CrosswordDocument.h"
#include "engine/Path.h"

namespace vorkel {

struct EditState {
  CrosswordDocument document;
  Path path;
  bool operator==(const EditState&) const = default;
};

class EditHistory {
 public:
  // Steps kept each way; the oldest go first.
  static constexpr std::size_t Depth = 200;

  // Forgets every step: `document` and `path` are where the user starts.
  void reset(const CrosswordDocument& document, const Path& path);

  // Makes the state one step when it differs from the one recorded last
  // (and forgets what could be redone). Nothing while paused. True when a
  // step was made.
  bool record(const CrosswordDocument& document, const Path& path);

  // `state` holds the state now (recorded first when it is new) and is
  // given the one before it (undo) or after it (redo). False, with `state`
  // as it was, when there is none.
  bool undo(EditState& state);
  bool redo(EditState& state);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  std::size_t undoSteps() const { return undo_.size(); }

  // A run's changes become one step: nothing is recorded until resume(),
  // which records the state then.
  void pause() { paused_ = true; }
  void resume(const CrosswordDocument& document, const Path& path);

 private:
  bool travel(std::deque<EditState>& from, std::deque<EditState>& to, EditState& state);

  std::deque<EditState> undo_;
  std::deque<EditState> redo_;
  EditState current_;
  bool paused_ = false;
};

}  // namespace vorkel
