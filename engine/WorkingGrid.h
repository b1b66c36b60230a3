#pragma once
// The working grid of the engine.
//
// The engine never works on the crossword document itself: every generation
// attempt and every path operation builds a `simpelarr` from the document,
// works on its cells and slots, and a finished fill copies its letters back.
//
// Cells are bytes: "#" not a letter cell, blank an empty letter cell, "X" a
// letter cell the path builder has covered, anything else a placed letter.
// Coordinates are 0-based (x column, y row). Every row reads as a
// NUL-terminated string (see row()).
//
//   WorkingGrid grid = WorkingGrid::fromDocument(doc, ui, false);
//   grid.buildSlots();                       // the slot list from the cells
//   Slot* slot = grid.findSlot(3, 0, Direction::Across);  // the slot through (3,0) across
//   slot->setText("HUND"); grid.writeSlot(*slot);
//   grid.copyLettersTo(doc);
//
// Messages go through the Ui given at construction; a copy shares it.

#include <string>
#include <string_view>
#include <vector>

#include "engine/Slot.h"

namespace vorkel {

class CrosswordDocument;
class Ui;

class WorkingGrid {
 public:
  // A grid of width x height blank cells with no slots.
  WorkingGrid(int width, int height, Ui& ui);
  // Same size, ui and cells; the copy's slot list starts empty.
  WorkingGrid(const WorkingGrid& other);
  WorkingGrid& operator=(const WorkingGrid& other);
  WorkingGrid(WorkingGrid&&) noexcept = default;
  WorkingGrid& operator=(WorkingGrid&&) noexcept = default;

  // "#" for every clue cell of the document; with `withLetters` every other
  // cell takes the document's letter (a cell without one stays blank).
  static WorkingGrid fromDocument(const CrosswordDocument& doc, Ui& ui, bool withLetters);
  // Every cell that is not "#" gives its byte to the document cell
  // (x+1, y+1), which becomes a letter cell.
  void copyLettersTo(CrosswordDocument& doc) const;

  int width() const { return width_; }
  int height() const { return height_; }
  Ui& ui() const { return *ui_; }

  // Sets a cell; 0 is ignored. Outside the grid: "Fejlkald i simpelarr::put"
  // and nothing changes.
  void put(char ch, int x, int y);
  // The cell byte; NUL outside the grid (as past the end of a row).
  char get(int x, int y) const {
    return inside(x, y) ? rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] : '\0';
  }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // True when a letter cell is still blank: no crossword to save, whatever
  // the fill said (a path cut short leaves cells it never reached).
  bool hasEmptyLetterCell() const {
    for (const std::string& row : rows_)
      if (row.find(' ') != std::string::npos) return true;
    return false;
  }
  // Row y as a string of `width` cells; empty outside the grid.
  std::string_view row(int y) const {
    return y >= 0 && y < height_ ? std::string_view(rows_[static_cast<std::size_t>(y)])
                                 : std::string_view();
  }

  // Replaces the slot list by the slots of the current cells. The list is in
  // the reverse of the order of creation (across slots row by row, then down
  // slots column by column): the last slot made comes first. Pointers into
  // the old list are invalid afterwards.
  void buildSlots();
  const std::vector<Slot>& slots() const { return slots_; }
  std::vector<Slot>& slots() { return slots_; }

  // The slot that starts at (x, y) in direction `direction`; else the slot of
  // the word through that cell; else, after "Vej og model passer ikke
  // sammen", the across slot through the first diagonal cell (i, i), i >= 1,
  // that is a letter cell; else nullptr.
  Slot* findSlot(int x, int y, Direction direction);

  // Moves the slot's first cell back to the start of its word and refreshes
  // its text and length from the cells.
  void readSlot(Slot& slot) const;
  // Writes the slot's text into the cells. A slot reaching past the grid
  // shows its text with the caption "For langt ord indsættes i kryds" and
  // writes nothing.
  void writeSlot(const Slot& slot);

  static bool hasEmptyCell(const Slot& slot) {
    return slot.textView().find(' ') != std::string_view::npos;
  }
  // True when another slot of the list has the same length and text.
  bool isDuplicate(const Slot& slot) const;

 private:
  Slot* exactSlot(int x, int y, Direction direction);
  // The first cell of the word through (x, y), clamped into the grid.
  void wordStart(int& x, int& y, Direction direction) const;
  Slot* slotThrough(int x, int y, Direction direction);

  int width_ = 0;
  int height_ = 0;
  Ui* ui_;
  std::vector<std::string> rows_;
  std::vector<Slot> slots_;
};

}  // namespace vorkel
