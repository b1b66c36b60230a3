// Dictionary files (.dic) and plain word lists, in any language: the words
// the store takes from a file, written in the .dic encoding, read back as the
// same words in the same order, and the store answers for every one of them.
#include <string>
#include <vector>

#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Random.h"
#include "tests/fuzz/LanguageInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  fuzz::LanguageInput in(data, size);
  WordStore dict(0, in.language, in.ui);
  std::vector<std::string> taken;
  forEachFileWord(in.bytes, in.language, [&](std::string_view word) {
    fuzz::expect(word.size() >= 2 && word.size() <= MaxFileWord, "2 to 98 characters");
    if (dict.insertWord(word)) taken.emplace_back(word);
    return true;
  });

  Random random(static_cast<std::uint32_t>(in.choice));
  std::string encoded = "=";
  for (const std::string& word : taken) appendEncodedWord(encoded, word, random);
  std::size_t next = 0;
  forEachFileWord(encoded, in.language, [&](std::string_view word) {
    fuzz::expect(next < taken.size() && word == taken[next], "the encoding keeps every word");
    ++next;
    return true;
  });
  fuzz::expect(next == taken.size(), "the encoding loses no word");
  for (const std::string& word : taken) fuzz::expect(dict.hasMatch(word), "a taken word is stored");
  fuzz::expect(dict.wordCount() == static_cast<int>(taken.size()), "one stored word per word taken");
  return 0;
}
