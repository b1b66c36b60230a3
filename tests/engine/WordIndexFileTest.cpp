// The word index kept beside a dictionary: read back it answers as the
// index it was made from; made from another file, damaged or cut short it
// is refused.
#include "engine/WordIndexFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

std::shared_ptr<const void> aligned(const std::string& bytes, std::string_view& view) {
  auto buffer = std::make_shared<std::vector<std::uint64_t>>((bytes.size() + 7) / 8);
  std::memcpy(buffer->data(), bytes.data(), bytes.size());
  view = std::string_view(reinterpret_cast<const char*>(buffer->data()), bytes.size());
  return buffer;
}

TEST(WordIndexFile, ReadBackAnswersAsTheIndexItWasMadeFromAndRefusesAnythingElse) {
  ScriptedUi ui;
  Language language;
  std::string list;
  for (const char* w : {"OST", "OSTE", "HAV", "HAVE", "ØRN", "ÆBLE", "ALLE", "ALT", "TAL", "LAT"})
    list += std::string(w) + "\r\n";
  for (int i = 0; i < 300; ++i) list += "ORD" + std::string(1, static_cast<char>('A' + i % 26)) +
                                        static_cast<char>('A' + i / 26) + "\r\n";
  const WordIndex built = WordIndex::fromWordFile(list, language, ui);
  IndexKey key;
  key.dictionary = {1234, 5678};
  key.language = 42;
  key.floor = 0;
  const std::string bytes = formatWordIndexFile(built, key);

  std::string_view view;
  auto owner = aligned(bytes, view);
  const std::optional<WordIndex> read = parseWordIndexFile(view, key, owner);
  ASSERT_TRUE(read);
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength; ++length) {
    ASSERT_EQ(read->wordCount(length), built.wordCount(length)) << length;
    for (int w = 0; w < built.wordCount(length); ++w)
      ASSERT_EQ(read->find(length, built.letters(length, w)), w);
    for (int position = 0; position < length && built.wordCount(length) > 0; ++position)
      for (int code = 0; code < 32; ++code) {
        ASSERT_EQ(std::memcmp(read->withLetter(length, position, code), built.withLetter(length, position, code),
                              static_cast<std::size_t>(built.blockCount(length)) * 8), 0);
        ASSERT_EQ(read->nonZeroBlocks(length, position, code).end -
                      read->nonZeroBlocks(length, position, code).begin,
                  built.nonZeroBlocks(length, position, code).end -
                      built.nonZeroBlocks(length, position, code).begin);
      }
  }

  // Made from another dictionary (size, time), language or floor; any
  // byte changed; cut short or with more after it.
  const std::vector<std::function<bool(IndexKey&, std::string&)>> refusals = {
      [](IndexKey& k, std::string&) { return k.dictionary.modifiedNs += 1, true; },
      [](IndexKey& k, std::string&) { return k.dictionary.size += 1, true; },
      [](IndexKey& k, std::string&) { return k.scores.size = 1, true; },
      [](IndexKey& k, std::string&) { return k.language = 7, true; },
      [](IndexKey& k, std::string&) { return k.floor = 50, true; },
      [](IndexKey&, std::string& b) { return b[b.size() / 2] ^= 1, true; },
      [](IndexKey&, std::string& b) { return b[3] ^= 1, true; },
      [](IndexKey&, std::string& b) { return b.resize(b.size() - 8), true; },
      [](IndexKey&, std::string& b) { return b.resize(40), true; },
      [](IndexKey&, std::string& b) { return b += std::string(8, '\0'), true; },
  };
  for (std::size_t i = 0; i < refusals.size(); ++i) {
    IndexKey k = key;
    std::string b = bytes;
    refusals[i](k, b);
    auto o = aligned(b, view);
    EXPECT_FALSE(parseWordIndexFile(view, k, o)) << "case " << i;
  }

  // A damaged length goes unnoticed only by a run that does not use it.
  std::string b = bytes;
  b[b.size() / 2] ^= 1;
  auto o = aligned(b, view);
  int damaged = 0;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength && damaged == 0; ++length)
    if (parseWordIndexFile(view, key, o, WordIndex::AllLengths & ~(1u << length))) damaged = length;
  ASSERT_NE(damaged, 0);
  EXPECT_FALSE(parseWordIndexFile(view, key, o, 1u << damaged));
  const int other = damaged == 3 ? 4 : 3;
  const std::optional<WordIndex> others = parseWordIndexFile(view, key, o, 1u << other);
  ASSERT_TRUE(others);
  EXPECT_EQ(others->wordCount(other), built.wordCount(other));
  EXPECT_EQ(others->wordCount(damaged), 0);
}

}  // namespace
}  // namespace vorkel
