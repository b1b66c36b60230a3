// Crossword documents (.ktd) and plain-text grids, in any language: the
// reader never fails on content, and what it read writes out and reads back
// byte for byte.
#include "document/DocumentFile.h"
#include "tests/fuzz/LanguageInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  fuzz::LanguageInput in(data, size);
  CrosswordDocument doc;
  if (!parseDocument(doc, in.bytes, in.language, in.ui)) return 0;
  fuzz::expect(CrosswordDocument::validSize(doc.width(), doc.height()), "size within 1..50");
  const std::string bytes = serializeDocument(doc);
  CrosswordDocument back;
  fuzz::expect(parseDocument(back, bytes, in.language, in.ui), "a written document reads back");
  fuzz::expect(serializeDocument(back) == bytes, "a written document reads back the same");
  return 0;
}
