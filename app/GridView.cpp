#include "app/GridView.h"

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "platform/RangeMessage.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

// An integer as the dialogs read it: leading blanks, a sign and digits;
// text that is no number reads as 0, which every range refuses.
long readInteger(const std::string& text) { return leadingInt(text); }

}  // namespace

GridView::GridView(ApplicationContext& context) : context_(context) {}
GridView::~GridView() = default;

GridCell GridView::engineCellAt(int x, int y, int clientHeight, int scrollX, int scrollY) const {
  const GridLayout g = layout(clientHeight);
  const int s = std::max(1, g.cellSize);
  const auto cell = [s](int pixel) {
    // Whole cells from the origin, rounding down also left of it.
    return pixel >= 0 ? pixel / s : -((-pixel + s - 1) / s);
  };
  return {cell(x + scrollX * ScrollUnit - g.origin), cell(y + scrollY * ScrollUnit - g.origin)};
}

bool GridView::openPathEditor() {
  closePathEditor();
  editor_ = PathEditor::open(context_.path, context_.document, context_.ui);
  return editor_ != nullptr;
}

void GridView::closePathEditor() {
  if (!editor_) return;
  editor_->close();
  editor_.reset();
}

GridLayout GridView::layout(int clientHeight) const {
  const CrosswordDocument& doc = context_.document;
  GridLayout g;
  g.origin = Origin;
  g.columns = doc.width();
  g.rows = doc.height();
  g.cellSize = static_cast<int>(clientHeight * zoom_ / (doc.height() + 2));
  return g;
}

std::optional<GridCell> GridView::cellAt(int x, int y, int clientHeight, int scrollX,
                                         int scrollY) const {
  const GridLayout g = layout(clientHeight);
  if (g.cellSize <= 0) return std::nullopt;
  x += scrollX * ScrollUnit;
  y += scrollY * ScrollUnit;
  if (x < g.origin || x > g.origin + g.width() || y < g.origin || y > g.origin + g.height())
    return std::nullopt;
  GridCell cell{(x - g.origin) / g.cellSize + 1, (y - g.origin) / g.cellSize + 1};
  cell.column = std::min(cell.column, g.columns);
  cell.row = std::min(cell.row, g.rows);
  return cell;
}

bool GridView::editAllowed() {
  if (context_.editMode) return true;
  context_.ui.tone(RefusedHz, RefusedMs);
  return false;
}

bool GridView::leftClick(GridCell cell) {
  cursor_ = cell;
  keepCursorInGrid();
  return true;
}

bool GridView::rightClick(GridCell cell) {
  if (!editAllowed()) return false;
  CrosswordDocument& doc = context_.document;
  if (!doc.contains(cell.column, cell.row)) return false;
  Cell& k = doc.cellAt(cell.column, cell.row);
  if (k.isClue) CrosswordDocument::setLetter(k, ' ');
  else CrosswordDocument::setClue(k, "??");
  context_.documentModified = true;
  return true;
}

bool GridView::key(GridKey key) {
  if (!editAllowed()) return false;
  keepCursorInGrid();
  CrosswordDocument& doc = context_.document;
  const auto blankCursorCell = [&] {
    Cell& k = doc.cellAt(cursor_.column, cursor_.row);
    if (!k.isClue) {
      CrosswordDocument::setLetter(k, ' ');
      context_.documentModified = true;
    }
  };
  switch (key) {
    case GridKey::Left:
      cursor_.column = std::max(1, cursor_.column - 1);
      typeDown_ = false;
      break;
    case GridKey::Right:
      cursor_.column = std::min(doc.width(), cursor_.column + 1);
      typeDown_ = false;
      break;
    case GridKey::Up:
      cursor_.row = std::max(1, cursor_.row - 1);
      typeDown_ = true;
      break;
    case GridKey::Down:
      cursor_.row = std::min(doc.height(), cursor_.row + 1);
      typeDown_ = true;
      break;
    case GridKey::Delete: blankCursorCell(); break;
    case GridKey::Backspace:
      if (typeDown_) cursor_.row = std::max(1, cursor_.row - 1);
      else cursor_.column = std::max(1, cursor_.column - 1);
      blankCursorCell();
      break;
  }
  return true;
}

bool GridView::character(unsigned char byte) {
  if (!editAllowed()) return false;
  const unsigned char typed = byte == ' ' ? ' ' : context_.language.typing(byte);
  if (typed == 0) return false;  // not a letter of the language: ignored
  keepCursorInGrid();
  Cell& k = context_.document.cellAt(cursor_.column, cursor_.row);
  if (k.isClue) {
    context_.ui.tone(ClueCellHz, ClueCellMs);
    return true;
  }
  CrosswordDocument::setLetter(k, typed);
  context_.documentModified = true;
  advance();
  return true;
}

void GridView::advance() {
  const CrosswordDocument& doc = context_.document;
  if (typeDown_) cursor_.row = std::min(doc.height(), cursor_.row + 1);
  else cursor_.column = std::min(doc.width(), cursor_.column + 1);
}

void GridView::recordChange() { context_.history.record(context_.document, context_.path); }

bool GridView::undoCommand() { return travel(true); }
bool GridView::redoCommand() { return travel(false); }

bool GridView::travel(bool back) {
  // The editor holds places in the path; it closes before the path changes.
  closePathEditor();
  EditState state{context_.document, context_.path};
  if (!(back ? context_.history.undo(state) : context_.history.redo(state))) {
    context_.ui.beep();
    return false;
  }
  context_.document = std::move(state.document);
  context_.path = std::move(state.path);
  keepCursorInGrid();
  return true;
}

void GridView::keepCursorInGrid() {
  const CrosswordDocument& doc = context_.document;
  cursor_.column = std::clamp(cursor_.column, 1, doc.width());
  cursor_.row = std::clamp(cursor_.row, 1, doc.height());
}

bool GridView::resizeCommand() {
  CrosswordDocument& doc = context_.document;
  DialogForm form;
  form.id = "stoerrelse";
  form.title = texts::resizeTitle;
  form.prompt = texts::resizePrompt;
  form.fields = {{"bredde", std::to_string(doc.width()), texts::resizeWidth, 9},
                 {"hoejde", std::to_string(doc.height()), texts::resizeHeight, 9}};
  form.buttons = {texts::resizeOk, texts::resizeCancel};
  long width = 0, height = 0;
  for (;;) {
    if (context_.ui.showDialog(form) != texts::resizeOk) return false;
    width = readInteger(form.text("bredde"));
    height = readInteger(form.text("hoejde"));
    if (width < MinGridSize || width > MaxGridSize) {
      showRangeMessage(context_.ui, texts::resizeWidthName, MinGridSize, MaxGridSize);
      continue;
    }
    if (height < MinGridSize || height > MaxGridSize) {
      showRangeMessage(context_.ui, texts::resizeHeightName, MinGridSize, MaxGridSize);
      continue;
    }
    break;
  }
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  CrosswordDocument resized = doc;
  resized.resize(w, h);
  for (int c = 1; c <= std::min(w, doc.width()); ++c)
    for (int r = 1; r <= std::min(h, doc.height()); ++r) resized.cellAt(c, r) = doc.cellAt(c, r);
  doc = std::move(resized);
  context_.documentModified = true;
  keepCursorInGrid();
  return true;
}

std::string GridView::zoomText(double zoom) {
  // Hundredths of a percent, rounded, so 1.09 shows as 109.0.
  const long hundredths = std::lround(zoom * 10000.0);
  char text[32];
  if (hundredths % 100 == 0) std::snprintf(text, sizeof text, "%ld.0", hundredths / 100);
  else std::snprintf(text, sizeof text, "%ld.%02ld", hundredths / 100, hundredths % 100);
  return text;
}

bool GridView::zoomCommand() {
  std::string entry = zoomText(zoom_);
  for (;;) {
    std::optional<std::string> answer =
        context_.ui.inputBoxLimited(texts::zoomPrompt, texts::zoomCaption, entry, 7);
    if (!answer) return false;
    entry = *answer;
    const double zoom = std::strtod(entry.c_str(), nullptr) / 100.0;
    if (!(zoom >= MinZoom && zoom <= MaxZoom)) {
      showRangeMessage(context_.ui, texts::zoomName, 5, 3000);
      continue;
    }
    zoom_ = zoom;
    const CrosswordDocument& doc = context_.document;
    scrollRangeX_ = static_cast<int>(static_cast<double>(doc.width()) / doc.height() * zoom_ * 80);
    scrollRangeY_ = static_cast<int>(zoom_ * 80);
    return true;
  }
}

void GridView::transposeCommand() {
  CrosswordDocument& doc = context_.document;
  CrosswordDocument turned = doc;
  turned.resize(doc.height(), doc.width());
  for (int c = 1; c <= doc.width(); ++c)
    for (int r = 1; r <= doc.height(); ++r) turned.cellAt(r, c) = doc.cellAt(c, r);
  doc = std::move(turned);
  context_.path.transpose();
  std::swap(cursor_.column, cursor_.row);
  keepCursorInGrid();
  context_.documentModified = true;
}

void GridView::clearCommand() {
  CrosswordDocument& doc = context_.document;
  for (int c = 1; c <= doc.width(); ++c)
    for (int r = 1; r <= doc.height(); ++r) {
      Cell& k = doc.cellAt(c, r);
      if (!k.isClue) CrosswordDocument::setLetter(k, ' ');
    }
  context_.documentModified = true;
}

}  // namespace vorkel
