#include "engine/WorkingGrid.h"

#include <algorithm>

#include "document/CrosswordDocument.h"
#include "engine/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Ui.h"

namespace vorkel {

WorkingGrid::WorkingGrid(int width, int height, Ui& ui)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      ui_(&ui),
      rows_(static_cast<std::size_t>(height_), std::string(static_cast<std::size_t>(width_), ' ')) {}

WorkingGrid::WorkingGrid(const WorkingGrid& other)
    : width_(other.width_), height_(other.height_), ui_(other.ui_), rows_(other.rows_) {}

WorkingGrid& WorkingGrid::operator=(const WorkingGrid& other) {
  if (this != &other) {
    width_ = other.width_;
    height_ = other.height_;
    ui_ = other.ui_;
    rows_ = other.rows_;
    slots_.clear();
  }
  return *this;
}

WorkingGrid WorkingGrid::fromDocument(const CrosswordDocument& doc, Ui& ui, bool withLetters) {
  WorkingGrid grid(doc.width(), doc.height(), ui);
  for (int y = 0; y < grid.height_; ++y)
    for (int x = 0; x < grid.width_; ++x) {
      const Cell& cell = doc.cellAt(x + 1, y + 1);
      if (cell.isClue) grid.put('#', x, y);
      else if (withLetters) grid.put(static_cast<char>(CrosswordDocument::letterOf(cell)), x, y);
    }
  return grid;
}

void WorkingGrid::copyLettersTo(CrosswordDocument& doc) const {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const char ch = get(x, y);
      if (ch != '#' && doc.contains(x + 1, y + 1))
        CrosswordDocument::setLetter(doc.cellAt(x + 1, y + 1), static_cast<unsigned char>(ch));
    }
}

void WorkingGrid::put(char ch, int x, int y) {
  if (ch == '\0') return;
  if (!inside(x, y)) {
    ui_->messageBox(texts::gridPutOutside, texts::gridPutOutsideCaption, Icon::None, Buttons::Ok);
    return;
  }
  rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ch;
}

void WorkingGrid::buildSlots() {
  slots_.clear();
  // One scan per direction with the same three rules: a letter cell at the
  // start of a line starts a slot holding it; a "#" followed by a letter cell
  // starts an empty slot at that cell; any other cell extends the newest
  // slot. Slots are made in creation order here and reversed at the end,
  // which gives the order of a list that is pushed on the front.
  for (int dir = 0; dir < 2; ++dir) {
    const bool down = static_cast<Direction>(dir) == Direction::Down;
    const int lines = down ? width_ : height_;
    const int cells = down ? height_ : width_;
    for (int line = 0; line < lines; ++line) {
      for (int i = 0; i < cells; ++i) {
        const int x = down ? line : i;
        const int y = down ? i : line;
        const char ch = get(x, y);
        if (ch == '\0') break;
        if (ch == '#') {
          if (i >= cells - 1) break;
          if ((down ? get(x, y + 1) : get(x + 1, y)) != '#') {
            Slot slot;
            slot.x = down ? x : x + 1;
            slot.y = down ? y + 1 : y;
            slot.direction = down ? Direction::Down : Direction::Across;
            slots_.push_back(slot);
          }
          continue;
        }
        if (i == 0) {
          Slot slot;
          slot.x = x;
          slot.y = y;
          slot.direction = down ? Direction::Down : Direction::Across;
          slots_.push_back(slot);
        }
        slots_.back().append(ch);
      }
    }
  }
  std::reverse(slots_.begin(), slots_.end());
}

Slot* WorkingGrid::exactSlot(int x, int y, Direction direction) {
  for (Slot& slot : slots_)
    if (slot.x == x && slot.y == y && slot.direction == direction) return &slot;
  return nullptr;
}

void WorkingGrid::wordStart(int& x, int& y, Direction direction) const {
  x = std::clamp(x, 0, std::max(width_ - 1, 0));
  y = std::clamp(y, 0, std::max(height_ - 1, 0));
  if (direction == Direction::Down) {
    while (y > 0 && get(x, y - 1) != '#') --y;
  } else {
    while (x > 0 && get(x - 1, y) != '#') --x;
  }
}

Slot* WorkingGrid::slotThrough(int x, int y, Direction direction) {
  if (Slot* slot = exactSlot(x, y, direction)) return slot;
  wordStart(x, y, direction);
  return exactSlot(x, y, direction);
}

Slot* WorkingGrid::findSlot(int x, int y, Direction direction) {
  if (Slot* slot = slotThrough(x, y, direction)) return slot;
  ui_->messageBox(texts::gridSlotMismatch, texts::gridSlotMismatchCaption, Icon::Error,
                  Buttons::Ok);
  // The fallback looks only once: a slot list that does not match the cells
  // must not lead back here.
  for (int i = 1; i < width_ && i < height_; ++i)
    if (get(i, i) != '#') return slotThrough(i, i, Direction::Across);
  return nullptr;
}

void WorkingGrid::readSlot(Slot& slot) const {
  int x = slot.x;
  int y = slot.y;
  wordStart(x, y, slot.direction);
  slot.x = x;
  slot.y = y;
  slot.text[0] = '\0';
  slot.len = 0;
  const int dx = slot.direction == Direction::Down ? 0 : 1;
  const int dy = slot.direction == Direction::Down ? 1 : 0;
  for (; inside(x, y); x += dx, y += dy) {
    const char ch = get(x, y);
    if (ch == '#' || ch == '\0') break;
    slot.append(ch);
  }
}

void WorkingGrid::writeSlot(const Slot& slot) {
  const bool down = slot.direction == Direction::Down;
  const bool fits = inside(slot.x, slot.y) && slot.len >= 0 &&
                    (down ? slot.y + slot.len <= height_ : slot.x + slot.len <= width_);
  if (!fits) {
    ui_->messageBox(cp1252ToUtf8(slot.textView()), texts::gridSlotTooLongCaption, Icon::None,
                    Buttons::Ok);
    return;
  }
  const std::string_view text = slot.textView();
  int x = slot.x;
  int y = slot.y;
  for (char ch : text) {
    if (!inside(x, y)) break;  // a text longer than the slot stops at the edge
    rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ch;
    (down ? y : x) += 1;
  }
}

bool WorkingGrid::isDuplicate(const Slot& slot) const {
  for (const Slot& other : slots_)
    if (&other != &slot && other.len == slot.len && other.textView() == slot.textView())
      return true;
  return false;
}

}  // namespace vorkel
