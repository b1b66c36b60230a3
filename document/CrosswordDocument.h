#pragma once
// The crossword document: the model grid that the generator fills.
//
// A grid of `width` x `height` cells (1..50 each; a new document is 10 x 10),
// the numbered code fields and the drawing program's image list. The engine
// addresses cells 1-based through cellAt(column, row); the file lists them
// 0-based, row by row (see DocumentFile.h).
//
//   CrosswordDocument doc;               // 10 x 10 empty letter cells
//   doc.resize(5, 3);                    // new size, default cells
//   doc.setClue(doc.cellAt(1, 1), "Hund");
//   doc.setLetter(doc.cellAt(2, 1), 'A');

#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "document/CodeField.h"
#include "document/Cell.h"

namespace vorkel {

class Ui;

// One word of the image section with the white space that stood before it in
// the file, so that a file comes back as it was read. Tokens made in memory
// may leave `spaceBefore` empty; the writer then separates them itself.
struct ImageToken {
  std::string text;
  std::string spaceBefore;

  bool operator==(const ImageToken&) const = default;
};

class CrosswordDocument {
 public:
  static constexpr int kMinSize = 1;
  static constexpr int kMaxSize = 50;
  static constexpr int kDefaultSize = 10;

  CrosswordDocument() { resize(kDefaultSize, kDefaultSize); }

  int width() const { return width_; }
  int height() const { return height_; }
  static bool validSize(int w, int h) {
    return w >= kMinSize && w <= kMaxSize && h >= kMinSize && h <= kMaxSize;
  }

  // Discards every cell and makes a grid of default cells; sizes are clamped
  // to 1..50. Code fields and images are kept.
  void resize(int w, int h);

  bool contains(int column, int row) const {
    return column >= 1 && column <= width_ && row >= 1 && row <= height_;
  }
  // 1-based; the cell must exist (see contains).
  Cell& cellAt(int column, int row) {
    assert(contains(column, row));
    return cells_[index(column, row)];
  }
  const Cell& cellAt(int column, int row) const {
    assert(contains(column, row));
    return cells_[index(column, row)];
  }

  // 0 for a clue cell, else the first byte of its text (0 when it has none).
  static unsigned char letterOf(const Cell& cell);
  // Makes the cell a letter cell holding `letter` (0: no letter); typography
  // and line flags stay.
  static void setLetter(Cell& cell, unsigned char letter);
  // Makes the cell a clue cell holding `text`, cut to Cell::kMaxText bytes.
  // A double quote would end the text in the file, so it becomes an
  // apostrophe.
  static void setClue(Cell& cell, std::string_view text);

  std::vector<CodeField> codeFields;  // in the order read
  std::vector<ImageToken> images;    // "IMAGES" first when not empty
  // How many code fields stood before the image section in the file; the
  // writer keeps that order. Larger than kodeFelter.size() means "after all".
  std::size_t imagesAfterCodeFields = static_cast<std::size_t>(-1);
  // White space that ended the file after the last section, written back.
  std::string tail;
  // Set for a new document and for one a generation run filled; cleared by
  // a successful load or save. Save As then starts with an empty name.
  bool untitled = true;

  // Equal in every cell, field and byte a save would write.
  bool operator==(const CrosswordDocument&) const = default;

 private:
  std::size_t index(int column, int row) const {
    return static_cast<std::size_t>(column - 1) * static_cast<std::size_t>(height_) +
           static_cast<std::size_t>(row - 1);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Cell> cells_;  // column-major: `height` cells per column
};

// A run of letter cells longer than the fill can handle.
struct LongRun {
  int column = 0;  // 1-based first cell
  int row = 0;
  int length = 0;
  bool down = false;
};

// The longest word the dictionary holds and the fill can place.
constexpr int kMaxFillableRun = 25;

// Every across and down run of letter cells longer than `limit`, across runs
// first, each in reading order. The document allows such runs; the engine
// cannot fill them, so commands check this before they start a fill.
std::vector<LongRun> findLongRuns(const CrosswordDocument& doc, int limit = kMaxFillableRun);

// False, after telling the user about the first such run, when the document
// holds a run longer than kMaxFillableRun.
bool checkFillable(const CrosswordDocument& doc, Ui& ui);

}  // namespace vorkel
