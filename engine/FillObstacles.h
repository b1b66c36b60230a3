#pragma once
// What makes a fill hopeless before it starts.
//
// The fill engine never gives up by itself: a path stop it cannot use is
// shown and passed over, a slot without candidates jumps back, and a batch
// run starts attempt after attempt. Some models can be seen to be hopeless
// from their files alone; a run refuses them before the first attempt:
//
//   StopOutsideGrid   a path stop names a cell beyond the grid
//   StopOnClue        a path stop names a clue cell (a path made for
//                     another model)
//   StopOnNoSlot      a path stop names no cell of a word (beyond the last
//                     column or row, clamped onto a clue cell)
//   CellOffPath       an empty letter cell lies in no slot the path visits:
//                     a fill never puts a letter there
//   NoWordOfLength    the dictionary has no word as long as a slot of the
//                     model (every slot must become a word)
//   NoWordForLetters  no word of the dictionary fits a slot's fixed letters
//                     (a fill with the model's letters)
//
//   std::vector<FillObstacle> found = findFillObstacles(doc, path, dict, withLetters);
//   for (const FillObstacle& o : found) err << o.describe() << '\n';
//
// Nothing here is shown to the user: the callers word it (the command line
// in English, naming the files). Cells are 1-based (column, row), as the
// document addresses them; stops keep their 1-based number in the path.

#include <string>
#include <vector>

#include "engine/Slot.h"

namespace vorkel {

class CrosswordDocument;
class Path;
class WordStore;

struct FillObstacle {
  enum class Kind {
    StopOutsideGrid,
    StopOnClue,
    StopOnNoSlot,
    CellOffPath,
    NoWordOfLength,
    NoWordForLetters
  };
  Kind kind = Kind::StopOnClue;
  int column = 0;  // the cell named (1-based); a slot's first cell
  int row = 0;
  int stop = 0;    // the path stop (1-based), 0 when the obstacle is no stop's
  Direction direction = Direction::Across;
  int length = 0;       // NoWordOfLength, NoWordForLetters: the slot's length
  std::string letters;  // NoWordForLetters: the slot's cells, blank where empty (Windows-1252)

  // One English sentence, without the file names; letters in UTF-8.
  std::string describe() const;
};

// Every obstacle, stops first in path order, then cells in reading order,
// then lengths and letters by slot (across slots first). Empty: nothing
// proves the fill hopeless (it may still be hard).
std::vector<FillObstacle> findFillObstacles(const CrosswordDocument& doc, const Path& path,
                                            WordStore& dictionary, bool withLetters);

}  // namespace vorkel
