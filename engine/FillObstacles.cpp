#include "engine/FillObstacles.h"

#include <set>

#include "dictionary/WordStore.h"
#include "document/CrosswordDocument.h"
#include "engine/Path.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

// A word slot of the document (0-based first cell), with its cells as the
// fill would see them.
struct Run {
  int x = 0;
  int y = 0;
  int len = 0;
  Direction direction = Direction::Across;
  std::string cells;  // letters, blank where empty
};

bool isClue(const CrosswordDocument& doc, int x, int y) {
  return doc.cellAt(x + 1, y + 1).isClue;
}

char cellLetter(const CrosswordDocument& doc, int x, int y, bool withLetters) {
  if (!withLetters) return ' ';
  const unsigned char letter = CrosswordDocument::letterOf(doc.cellAt(x + 1, y + 1));
  return letter == 0 ? ' ' : static_cast<char>(letter);
}

// The run through (x, y) in one direction: its first cell and length.
Run runThrough(const CrosswordDocument& doc, int x, int y, Direction direction, bool withLetters) {
  const int dx = direction == Direction::Across ? 1 : 0;
  const int dy = 1 - dx;
  while (x - dx >= 0 && y - dy >= 0 && !isClue(doc, x - dx, y - dy)) {
    x -= dx;
    y -= dy;
  }
  Run run{x, y, 0, direction, {}};
  while (x < doc.width() && y < doc.height() && !isClue(doc, x, y)) {
    run.cells += cellLetter(doc, x, y, withLetters);
    ++run.len;
    x += dx;
    y += dy;
  }
  return run;
}

// Every run of two or more cells, across runs first, each in reading order.
std::vector<Run> wordSlots(const CrosswordDocument& doc, bool withLetters) {
  std::vector<Run> runs;
  for (const Direction direction : {Direction::Across, Direction::Down})
    for (int y = 0; y < doc.height(); ++y)
      for (int x = 0; x < doc.width(); ++x) {
        if (isClue(doc, x, y)) continue;
        const bool starts = direction == Direction::Across ? (x == 0 || isClue(doc, x - 1, y))
                                           : (y == 0 || isClue(doc, x, y - 1));
        if (!starts) continue;
        Run run = runThrough(doc, x, y, direction, withLetters);
        if (run.len >= 2) runs.push_back(std::move(run));
      }
  return runs;
}

std::string cell(int column, int row) {
  return std::to_string(column) + "," + std::to_string(row);
}

const char* directionName(Direction r) { return r == Direction::Down ? "down" : "across"; }

FillObstacle obstacle(FillObstacle::Kind kind, int column, int row, int stop = 0,
                      Direction direction = Direction::Across, int length = 0) {
  FillObstacle o;
  o.kind = kind;
  o.column = column;
  o.row = row;
  o.stop = stop;
  o.direction = direction;
  o.length = length;
  return o;
}

}  // namespace

std::string FillObstacle::describe() const {
  const std::string at = "cell " + cell(column, row);
  const std::string byStop = "path stop " + std::to_string(stop) + " (" + at + " " +
                             directionName(direction) + ")";
  switch (kind) {
    case Kind::StopOutsideGrid:
      return byStop + " lies outside the grid";
    case Kind::StopOnClue:
      return byStop + " is on a clue cell: the path does not belong to this model";
    case Kind::StopOnNoSlot:
      return byStop + " is in no word of the model";
    case Kind::CellOffPath:
      return at + " is a letter cell in no word the path visits";
    case Kind::NoWordOfLength:
      return "the dictionary has no word of " + std::to_string(length) +
             " letters for the slot " + directionName(direction) + " from " + at;
    case Kind::NoWordForLetters: {
      std::string shown = letters;
      for (char& c : shown)
        if (c == ' ') c = '.';
      return "no word of the dictionary fits the letters " + cp1252ToUtf8(shown) +
             " of the slot " + directionName(direction) + " from " + at;
    }
  }
  return at;
}

std::vector<FillObstacle> findFillObstacles(const CrosswordDocument& doc, const Path& path,
                                            WordStore& dictionary, bool withLetters) {
  std::vector<FillObstacle> found;
  const int width = doc.width();
  const int height = doc.height();
  if (width <= 0 || height <= 0) return found;

  // The stops, read as the fill reads them: a stop beyond the last column
  // or row by one is clamped onto it; further out it is outside.
  std::vector<std::vector<bool>> visited(static_cast<std::size_t>(height),
                                         std::vector<bool>(static_cast<std::size_t>(width)));
  int number = 0;
  for (const PathStop& stop : path.stops()) {
    if (stop.isEndMarker()) break;
    ++number;
    const Direction direction = stop.direction == Direction::Down ? Direction::Down : Direction::Across;
    FillObstacle o =
        obstacle(FillObstacle::Kind::StopOutsideGrid, stop.x + 1, stop.y + 1, number, direction);
    if (stop.x > width || stop.y > height || stop.y < 0) {
      found.push_back(o);
      continue;
    }
    if (stop.x < width && stop.y < height && isClue(doc, stop.x, stop.y)) {
      o.kind = FillObstacle::Kind::StopOnClue;
      found.push_back(o);
      continue;
    }
    const int x = std::min(stop.x, width - 1);
    const int y = std::min(stop.y, height - 1);
    if (isClue(doc, x, y)) {
      o.kind = FillObstacle::Kind::StopOnNoSlot;
      found.push_back(o);
      continue;
    }
    const Run run = runThrough(doc, x, y, direction, false);
    for (int i = 0; i < run.len; ++i)
      visited[static_cast<std::size_t>(run.y + (direction == Direction::Down ? i : 0))]
             [static_cast<std::size_t>(run.x + (direction == Direction::Across ? i : 0))] = true;
  }
  // With no usable stop at all there is nothing more to say about cells.
  if (found.size() == static_cast<std::size_t>(number) && number > 0) return found;

  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!isClue(doc, x, y) && !visited[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] &&
          cellLetter(doc, x, y, withLetters) == ' ')
        found.push_back(obstacle(FillObstacle::Kind::CellOffPath, x + 1, y + 1));

  std::set<int> lengthsReported;
  for (const Run& run : wordSlots(doc, withLetters)) {
    FillObstacle o = obstacle(FillObstacle::Kind::NoWordOfLength, run.x + 1, run.y + 1, 0,
                              run.direction, run.len);
    if (run.len > WordStore::MaxLength || dictionary.figures(run.len).count == 0) {
      if (lengthsReported.insert(run.len).second) found.push_back(o);
      continue;
    }
    if (run.cells.find_first_not_of(' ') == std::string::npos) continue;
    bool fits = false;
    dictionary.forEachMatch(run.len, run.cells, [&](std::string_view) {
      fits = true;
      return false;
    });
    if (!fits) {
      o.kind = FillObstacle::Kind::NoWordForLetters;
      o.letters = run.cells;
      found.push_back(o);
    }
  }
  return found;
}

}  // namespace vorkel
