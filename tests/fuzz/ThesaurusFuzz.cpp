// The thesaurus clue drafts are made from (mythes .dat files): whatever the
// file holds, every synonym and broader term it gives is a clean clue text.
#include <string_view>

#include "dictionary/Thesaurus.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

void expectClean(const std::string& term) {
  vorkel::fuzz::expect(!term.empty(), "no empty term");
  vorkel::fuzz::expect(term.find_first_of("|()\n") == std::string::npos,
                       "no bar, bracket or line break in a term");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto t = Thesaurus::parse(text, error);
  if (!t) return 0;
  // Ask for every word the file names as a headword or a term.
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("|\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(pos, end - pos);
    for (const std::string& s : t->synonyms(word)) expectClean(s);
    for (const std::string& b : t->broaderTerms(word)) expectClean(b);
    pos = end + 1;
  }
  return 0;
}
