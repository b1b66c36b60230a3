// Score files (`NAME.score` beside a dictionary: "word<TAB>score" a line),
// in any language, strict and lenient: every word kept has a score within
// range, is found again by its codes, and the lookup agrees with the list.
#include "dictionary/WordScores.h"
#include "tests/fuzz/LanguageInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  fuzz::LanguageInput in(data, size);
  for (const bool lenient : {false, true}) {
    std::string error;
    const std::optional<WordScores> scores = WordScores::parse(in.bytes, in.language, error, lenient);
    if (!scores) {
      fuzz::expect(!error.empty(), "a refusal says why");
      continue;
    }
    std::size_t seen = 0;
    scores->forEach([&](const std::uint8_t* codes, int length, int score) {
      ++seen;
      fuzz::expect(score >= 0 && score <= WordScores::MaxScore, "a score from 0 to 100");
      fuzz::expect(scores->score(codes, length) == score, "each word found with its score");
    });
    fuzz::expect(seen == scores->size(), "every word listed once");
  }
  return 0;
}
