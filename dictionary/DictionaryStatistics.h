#pragma once
// The statistics text of the word store ("Oplys"): per length 2..25 its word
// count, capacity and growth step, two lengths to a line, then the totals.
//
//   02: 00104 (00400/0050)  |  03: 00785 (01300/0100)
//   ...
//   IALT:  Ord : 294311  Afsat plads til 1234567

#include <string>

namespace vorkel {

class WordStore;

std::string dictionaryStatistics(const WordStore& dict);

}  // namespace vorkel
