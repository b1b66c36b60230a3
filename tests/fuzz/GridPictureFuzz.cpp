// Grid pictures (vorkel grid import), in any language: a picture is either
// refused with a reason or read into a grid of 1..50 cells each way, and the
// grid drawn again reads back cell for cell.
#include "document/GridPicture.h"
#include "platform/Cp1252.h"
#include "tests/fuzz/LanguageInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  fuzz::LanguageInput in(data, size);
  const GridPicture read = readGridPicture(in.bytes, in.language, "fuzz.txt");
  fuzz::expect(read.document.has_value() != !read.problem.empty(), "a grid or a reason");
  if (!read.document) return 0;
  const CrosswordDocument& doc = *read.document;
  fuzz::expect(CrosswordDocument::validSize(doc.width(), doc.height()), "size within 1..50");
  std::string picture;
  for (int r = 1; r <= doc.height(); ++r) {
    for (int c = 1; c <= doc.width(); ++c) {
      const Cell& cell = doc.cellAt(c, r);
      picture += cell.isClue ? "#" : cell.text == " " ? "." : cp1252ToUtf8(cell.text);
    }
    picture += '\n';
  }
  const GridPicture back = readGridPicture(picture, in.language, "again.txt");
  fuzz::expect(back.document.has_value(), "a grid drawn again reads back");
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c)
      fuzz::expect(back.document->cellAt(c, r) == doc.cellAt(c, r), "cell for cell");
  return 0;
}
