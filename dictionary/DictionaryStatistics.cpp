#include "dictionary/DictionaryStatistics.h"

#include <cstdio>

#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"

namespace vorkel {

std::string dictionaryStatistics(const WordStore& dict) {
  std::string text;
  char piece[96];
  // Capacities stay below 2^24 cells per length, so the sums fit an int.
  int words = 0;
  int room = 0;
  for (int length = WordStore::MinLength; length <= WordStore::MaxLength; ++length) {
    const WordStore::BucketFigures f = dict.figures(length);
    std::snprintf(piece, sizeof piece, texts::statisticsLength, length, f.count, f.capacity,
                  f.growthStep);
    text += piece;
    text += length % 2 == 0 ? texts::statisticsAfterEven : texts::statisticsAfterOdd;
    words += f.count;
    room += f.capacity;
  }
  std::snprintf(piece, sizeof piece, texts::statisticsTotal, words, room);
  text += piece;
  return text;
}

}  // namespace vorkel
