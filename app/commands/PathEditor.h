#pragma once
// The path editor ("&Ret vej"): the path shown on the grid, stop by stop,
// with the current stop moved by the arrow keys, deleted, a new stop
// inserted after it by a drag across its word, and its type cycled.
//
// A mode of the grid view: the view forwards keys and the drag to it and
// draws what lines() gives (the stops from the first to the current one)
// and stopText(). Every change takes effect in the path at once; there is
// no undo. Drawing a stop corrects it where it can: a stop on a clue cell
// moves along its direction (with a message), a stop is moved back to the
// first cell of its word.
//
//   auto editor = PathEditor::open(path, document, ui);   // nullptr: no path
//   editor->key(PathEditor::Key::Next);
//   editor->key(PathEditor::Key::Insert);  editor->drag(2, 3, 4, 40);  // down stop at (2, 3)
//   editor->close();                                      // Escape

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vorkel {

class CrosswordDocument;
class Path;
class Ui;
struct PathStop;

class PathEditor {
 public:
  enum class Key { Next, Previous, Delete, Insert, CycleType };

  // A stop's word on the grid: from its first cell to its last (0-based).
  struct Line {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool operator==(const Line&) const = default;
  };

  // Opens the editor: renumbers the path and sets the status text. Without
  // a path: "Ingen Vej-liste" / "Intet at se" and nullptr.
  static std::unique_ptr<PathEditor> open(Path& path, const CrosswordDocument& document, Ui& ui);

  // Acts on a key and draws again. Insert waits for drag().
  void key(Key key);
  bool awaitingDrag() const { return awaitingDrag_; }
  // The drag after Insert: it started in cell (x, y) and moved (dx, dy)
  // pixels. A new stop there, down when the drag went more down than
  // across, goes in after the current stop and becomes it.
  void drag(int x, int y, int dx, int dy);

  // Clears the status text and renumbers the path.
  void close();

  std::size_t current() const { return current_; }
  std::vector<Line> lines() const { return lines_; }
  // "Vejstop nr. %d position: (%d,%d - Ned)" for the current stop.
  std::string stopText() const { return stopText_; }

 private:
  PathEditor(Path& path, const CrosswordDocument& document, Ui& ui);
  bool real(std::size_t index) const;
  // Corrects a stop and gives its line; false when nothing is drawn.
  bool drawStop(PathStop& stop, Line& line);
  void redraw();

  Path& path_;
  const CrosswordDocument& document_;
  Ui& ui_;
  std::size_t current_ = 0;
  bool awaitingDrag_ = false;
  std::vector<Line> lines_;
  std::string stopText_;
};

}  // namespace vorkel
