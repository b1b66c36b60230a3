// The anagram finder's word lists (verbs.txt and lists the user picks), in
// any language: at most 2000 words, each of letter bytes with its letter set.
#include "dictionary/AnagramWordList.h"
#include "tests/fuzz/LanguageInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  fuzz::LanguageInput in(data, size);
  AnagramWordList list;
  list.read(in.bytes, in.language, in.ui);
  fuzz::expect(list.size() <= AnagramWordList::MaxWords, "at most 2000 words");
  for (const AnagramWordList::Entry& e : list.words()) {
    fuzz::expect(!e.letters.empty() && e.letters.size() <= AnagramWordList::MaxLine, "a short word");
    std::uint32_t set = 0;
    for (char c : e.letters) {
      const auto b = static_cast<unsigned char>(c);
      fuzz::expect(b >= 0x40 && b <= 0x5F, "letter bytes only");
      set |= std::uint32_t{1} << (b & 0x1F);
    }
    fuzz::expect(set == e.letterSet, "the letter set of the word");
  }
  return 0;
}
