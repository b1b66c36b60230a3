#include "dictionary/AnagramSettings.h"

#include "platform/Numbers.h"


namespace vorkel {

namespace {

// The number the text starts with (as the C library's atoi reads it; no
// digits read as 0), kept when it lies inside low..high, else `otherwise`.
int numberIn(const std::string& text, int low, int high, int otherwise) {
  const std::int32_t value = leadingInt(text);
  return value < low || value > high ? otherwise : static_cast<int>(value);
}

std::vector<std::string> counting(int from, int to, int step) {
  std::vector<std::string> out;
  for (int v = from; v <= to; v += step) out.push_back(std::to_string(v));
  return out;
}

}  // namespace

AnagramSettings AnagramSettings::fromTexts(const std::string& shortest, const std::string& longest,
                                           const std::string& answers, const std::string& words) {
  AnagramSettings s;
  s.shortestWord = numberIn(shortest, 1, 5, 1);
  s.longestWord = numberIn(longest, 4, 25, 25);
  s.maxAnswers = numberIn(answers, 1000, 10000, 2000);
  s.maxWords = numberIn(words, 1, 15, 6);
  return s;
}

std::vector<std::string> AnagramSettings::shortestChoices() { return counting(1, 5, 1); }
std::vector<std::string> AnagramSettings::longestChoices() { return counting(4, 25, 1); }
std::vector<std::string> AnagramSettings::answersChoices() { return counting(1000, 10000, 1000); }
std::vector<std::string> AnagramSettings::wordsChoices() { return counting(1, 12, 1); }

}  // namespace vorkel
