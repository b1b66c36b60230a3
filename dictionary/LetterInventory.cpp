#include "dictionary/LetterInventory.h"

#include "dictionary/Language.h"

namespace vorkel {

LetterInventory LetterInventory::fromText(std::string_view text, const Language& language,
                                          int wordsLeft) {
  LetterInventory inv;
  inv.wordsLeft = wordsLeft;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == ' ') continue;
    const unsigned char letter = language.input(b);
    if (letter != 0) {
      inv.add(letter & 0x1F);
    } else {
      ++inv.foreign;
      ++inv.total;
    }
  }
  return inv;
}

LetterInventory LetterInventory::fromLetters(std::string_view letters, int wordsLeft) {
  LetterInventory inv;
  inv.wordsLeft = wordsLeft;
  for (char c : letters) inv.add(static_cast<unsigned char>(c) & 0x1F);
  return inv;
}

bool LetterInventory::subtract(const LetterInventory& other, LetterInventory& rest) const {
  if (other.present & ~present || other.foreign > foreign) return false;
  rest.present = 0;
  for (std::size_t k = 0; k < 32; ++k) {
    const int n = counts[k] - other.counts[k];
    if (n < 0) return false;
    rest.counts[k] = n;
    if (n > 0) rest.present |= std::uint32_t{1} << k;
  }
  rest.foreign = foreign - other.foreign;
  rest.total = total - other.total;
  rest.wordsLeft = wordsLeft - 1;
  return true;
}

}  // namespace vorkel
