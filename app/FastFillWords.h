#pragma once
// The fast fill's words the context keeps between the window's runs
// (app/FastAttempt.h), and what they were made from, so that the next run
// of the same template starts at once.

#include <cstdint>
#include <memory>
#include <string>

namespace vorkel {

class WordIndex;

struct FastFillWords {
  std::shared_ptr<const WordIndex> index;
  std::string dictionary;     // located
  int floor = 0;
  std::uint32_t lengths = 0;  // the word lengths the index holds
};

}  // namespace vorkel
