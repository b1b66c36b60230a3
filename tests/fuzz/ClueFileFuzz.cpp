// penvik's clue files (.ledeord) for one of three grids the first byte
// picks: whatever the file holds, every clue kept belongs to a word a clue
// cell of the grid starts and fits the editor's limit, and the clues written
// out again read back the same with nothing skipped.
#include "penvik/ClueCells.h"
#include "penvik/Clues.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

penvik::RawGrid grid(int choice) {
  static const char* const kGrids[] = {"3\t2\n#AB\n#CD\n", "4\t4\n#A#B\nCDEF\n#G#H\nIJKL\n",
                                       "1\t1\n#\n"};
  return *penvik::parseRawGrid(kGrids[choice % 3]).grid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace penvik;
  const vorkel::fuzz::Input in = vorkel::fuzz::split(data, size);
  const RawGrid g = grid(in.choice);
  const ClueFileResult read = parseClueFile(in.bytes, g);
  vorkel::fuzz::expect(read.error.empty() || read.clues.empty(), "a refused file gives no clues");
  for (const auto& [key, text] : read.clues.all()) {
    vorkel::fuzz::expect(clueCellAt(g, key.column, key.row).starts(key.direction),
                         "a clue belongs to a word its cell starts");
    vorkel::fuzz::expect(text.size() <= MaxClueText, "a clue fits the editor's limit");
  }
  const ClueFileResult back = parseClueFile(formatClueFile(g, read.clues), g);
  vorkel::fuzz::expect(back.error.empty() && back.skipped == 0 && back.clues == read.clues,
                       "clues written out read back the same");
  return 0;
}
