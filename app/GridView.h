#pragma once
// The grid view's model: the cell cursor and typing direction, the zoom,
// the geometry that maps pixels to cells, what a click, key or typed
// character does to the document, and the "&Kryds" menu's commands.
//
// A front-end widget owns one, forwards mouse buttons, keys and characters
// to it, paints from `layout()`, and repaints when a call answers true. The
// document itself lives in the application context; every change goes
// through here, gated by the context's `editMode`, with the beeps the user
// hears when typing is not allowed.
//
//   GridView view(context);
//   GridLayout g = view.layout(clientHeight);          // cell size, origin
//   if (view.character('a')) widget.update();
//   view.resizeCommand();                               // " Angiv størrelse "

#include <memory>
#include <optional>
#include <string>

#include "app/commands/PathEditor.h"
#include "platform/Ui.h"

namespace vorkel {

class ApplicationContext;

// Keys the view handles (others do nothing).
enum class GridKey { Left, Right, Up, Down, Delete, Backspace };

// Where the grid lies in the view's coordinates (without scrolling).
struct GridLayout {
  int origin = 10;    // pixel offset of the grid's top-left corner
  int cellSize = 0;   // side of a cell in pixels
  int columns = 0;
  int rows = 0;
  int width() const { return columns * cellSize; }
  int height() const { return rows * cellSize; }
};

struct GridCell {
  int column = 1;  // 1-based
  int row = 1;
  bool operator==(const GridCell&) const = default;
};

class GridView {
 public:
  static constexpr double InitialZoom = 1.09;
  static constexpr int Origin = 10;
  static constexpr int ScrollUnit = 15;  // pixels per scroll step
  static constexpr int MinGridSize = 3;
  static constexpr int MaxGridSize = 40;
  static constexpr double MinZoom = 0.05;
  static constexpr double MaxZoom = 30.0;
  // The tones of refused input: a change without edit mode, a letter typed
  // into a clue cell.
  static constexpr int RefusedHz = 200, RefusedMs = 200;
  static constexpr int ClueCellHz = 100, ClueCellMs = 100;

  explicit GridView(ApplicationContext& context);
  ~GridView();

  // The grid's geometry for a client area `clientHeight` pixels high: the
  // grid's height fills the client height less two cells, times the zoom.
  GridLayout layout(int clientHeight) const;

  // The cell under a point of the client area (`scrollX`, `scrollY` in
  // scroll units); nothing when the point lies off the grid.
  std::optional<GridCell> cellAt(int x, int y, int clientHeight, int scrollX = 0,
                                 int scrollY = 0) const;

  // The engine's cell (0-based) under a point of the client area, as the
  // path editor reads a drag: not limited to the grid.
  GridCell engineCellAt(int x, int y, int clientHeight, int scrollX = 0, int scrollY = 0) const;

  // "&Ret vej": the path editor as a mode of the view. False (and the
  // message) without a path. While it is open, keys go to it.
  bool openPathEditor();
  PathEditor* pathEditor() { return editor_.get(); }
  void closePathEditor();

  // Input. Each answers true when the view should be repainted.
  bool leftClick(GridCell cell);
  bool rightClick(GridCell cell);
  bool key(GridKey key);
  bool character(unsigned char byte);  // a Windows-1252 byte

  // "&Ændre størrelse": dialog " Angiv størrelse "; true when resized.
  bool resizeCommand();
  // "&Zoom": the zoom percentage in an input box; true when changed.
  bool zoomCommand();
  // "&Drej 90 grader": swaps columns and rows of the grid and of the path.
  void transposeCommand();
  // "&Rens": every letter cell becomes blank.
  void clearCommand();
  // "&Fortryd" and "&Gentag": the grid and the path as they were before the
  // last change, or again after it; the path editor closes first. A beep
  // and false when there is nothing to undo or redo.
  bool undoCommand();
  bool redoCommand();
  // Makes a change of the grid or the path since the last one a step to
  // undo; the front-end calls it after each key and click.
  void recordChange();

  double zoom() const { return zoom_; }
  GridCell cursor() const { return cursor_; }
  bool typeDown() const { return typeDown_; }
  // Scroll range in units: (width / height x zoom x 80, zoom x 80); 150 by
  // 100 until the zoom is first set.
  int scrollRangeX() const { return scrollRangeX_; }
  int scrollRangeY() const { return scrollRangeY_; }

  // The zoom in percent as the zoom box shows it: "109.0" for 1.09.
  static std::string zoomText(double zoom);

 private:
  bool editAllowed();
  void advance();
  void keepCursorInGrid();
  bool travel(bool back);

  ApplicationContext& context_;
  double zoom_ = InitialZoom;
  GridCell cursor_;
  bool typeDown_ = false;
  int scrollRangeX_ = 150;
  int scrollRangeY_ = 100;
  std::unique_ptr<PathEditor> editor_;
};

}  // namespace vorkel
