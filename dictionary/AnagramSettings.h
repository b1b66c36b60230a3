#pragma once
// The four limits of an anagram search, as the "Find anagrammer" dialog's
// combo boxes give them. Each search reads them anew; a text that is no
// number or lies outside the valid range is replaced by a fixed value
// (not by the preset) without a message:
//
//   shortest word      valid 1..5,        else 1
//   longest word       valid 4..25,       else 25
//   maximum answers    valid 1000..10000, else 2000
//   maximum words      valid 1..15,       else 6   (the combo offers 1..12)

#include <string>
#include <vector>

namespace vorkel {

struct AnagramSettings {
  int shortestWord = 3;
  int longestWord = 25;
  int maxAnswers = 2000;
  int maxWords = 3;

  // The combo texts read as decimal numbers, with the replacements above.
  static AnagramSettings fromTexts(const std::string& shortest, const std::string& longest,
                                   const std::string& answers, const std::string& words);

  // The choices each combo box offers, and its preset text.
  static std::vector<std::string> shortestChoices();  // "1" .. "5", preset "3"
  static std::vector<std::string> longestChoices();   // "4" .. "25", preset "25"
  static std::vector<std::string> answersChoices();   // "1000", "2000" .. "10000", preset "2000"
  static std::vector<std::string> wordsChoices();     // "1" .. "12", preset "3"
};

}  // namespace vorkel
