#include "dictionary/AnagramSettings.h"


namespace vorkel {

namespace {

// The text read as the C library's atoi reads it (leading blanks, a sign,
// the digits up to the first other character; no digits reads as 0), kept
// when it lies inside low..high, else `otherwise`.
int numberIn(const std::string& text, int low, int high, int otherwise) {
  std::size_t p = 0;
  while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  long long value = 0;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9' && value <= high) {
    value = value * 10 + (text[p] - '0');
    ++p;
  }
  if (negative) value = -value;
  if (value < low || value > high) return otherwise;
  return static_cast<int>(value);
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
