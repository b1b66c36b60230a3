// Raw crosswords as penvik reads them: either refused with a reason or a
// grid of 1..50 cells each way holding only clue cells, blanks and letters,
// and a grid written out again reads back the same.
#include "penvik/RawGrid.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace penvik;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RawGridResult read = parseRawGrid(bytes);
  vorkel::fuzz::expect(read.grid.has_value() == read.error.empty(), "a grid or a reason");
  if (!read.grid) return 0;
  const RawGrid& g = *read.grid;
  vorkel::fuzz::expect(g.width >= 1 && g.width <= RawGrid::MaxSize && g.height >= 1 &&
                           g.height <= RawGrid::MaxSize,
                       "size within 1..50");
  vorkel::fuzz::expect(g.cells.size() == static_cast<std::size_t>(g.width * g.height),
                       "a byte per cell");
  for (char c : g.cells)
    vorkel::fuzz::expect(c == RawGrid::ClueCell || c == RawGrid::EmptyLetter ||
                             isCp1252Letter(static_cast<unsigned char>(c)),
                         "clue cells, blanks and letters only");
  const RawGridResult back =
      parseRawGrid(std::to_string(g.width) + "\t" + std::to_string(g.height) + "\r\n" + g.rows());
  vorkel::fuzz::expect(back.grid && *back.grid == g, "a grid written again reads back the same");
  return 0;
}
