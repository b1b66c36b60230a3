// Word index files (NAME.dic.<floor>.index beside a dictionary), with the
// input as the file's body (after a first byte: 1 when the words carry
// scores) under a header that names it rightly, so that
// the checks behind the checksum are reached: an index is refused, or every
// question a fill asks of it stays inside its arrays and its words are
// found where they stand.
#include <cstring>
#include <memory>
#include <vector>

#include "engine/WordIndexFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  if (size == 0) return 0;
  IndexKey key;
  key.dictionary = {10, 20};
  const std::string file = wordIndexFileWithBody(
      key, data[0] == 1, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  // Exactly as long as the file, so that a read past it is caught.
  auto buffer = std::make_shared<std::vector<std::uint64_t>>((file.size() + 7) / 8);
  std::memcpy(buffer->data(), file.data(), file.size());
  const std::string_view bytes(reinterpret_cast<const char*>(buffer->data()), file.size());
  const std::optional<WordIndex> index = parseWordIndexFile(bytes, key, buffer);
  if (!index) return 0;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength; ++length) {
    const int blocks = index->blockCount(length);
    for (int w = 0; w < index->wordCount(length); ++w) {
      fuzz::expect(index->find(length, index->letters(length, w)) == w, "each word found where it is");
      fuzz::expect(index->score(length, w) >= 0 && index->score(length, w) <= 100, "a score 0..100");
    }
    if (index->wordCount(length) == 0) continue;
    for (int position = 0; position < length; ++position)
      for (int code = 0; code < 32; ++code) {
        // Every block of every set is read (a read outside the file is caught).
        const WordIndex::Block* set = index->withLetter(length, position, code);
        std::uint64_t any = 0;
        for (int b = 0; b < blocks; ++b) any |= set[b];
        const WordIndex::BlockList list = index->nonZeroBlocks(length, position, code);
        for (const std::uint32_t* p = list.begin; p != list.end; ++p)
          fuzz::expect(static_cast<int>(*p) < blocks, "a listed block inside the set");
        fuzz::expect(any != 0 || list.begin == list.end, "no block listed for an empty set");
      }
  }
  return 0;
}
