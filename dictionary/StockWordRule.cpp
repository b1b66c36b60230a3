#include "dictionary/StockWordRule.h"

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252Case.h"

namespace vorkel {

namespace {

// An upper-case letter without its accent; other characters as they are.
unsigned char plainLetter(unsigned char upper) {
  if (upper >= 0xC0 && upper <= 0xC5) return 'A';
  if (upper == 0xC7) return 'C';
  if (upper >= 0xC8 && upper <= 0xCB) return 'E';
  if (upper >= 0xCC && upper <= 0xCF) return 'I';
  if (upper == 0xD1) return 'N';
  if ((upper >= 0xD2 && upper <= 0xD6) || upper == 0xD8) return 'O';
  if (upper >= 0xD9 && upper <= 0xDC) return 'U';
  if (upper == 0xDD || upper == 0x9F) return 'Y';
  if (upper == 0x8A) return 'S';
  if (upper == 0x8E) return 'Z';
  return upper;
}

// Ö/Ø and Ä/Æ: one letter written two ways in the Nordic languages.
bool nordicVariants(unsigned char a, unsigned char b) {
  auto pair = [](unsigned char c) { return c == 0xD6 || c == 0xD8 ? 1 : c == 0xC4 || c == 0xC6 ? 2 : 0; };
  return pair(a) != 0 && pair(a) == pair(b);
}

}  // namespace

StockVerdict StockWordRule::judge(std::string_view entry, const Language& language) const {
  for (std::size_t i = 0; i < entry.size(); ++i) {
    const auto b = static_cast<unsigned char>(entry[i]);
    if (isUpperCp1252(b) && !(capitalisedNouns && i == 0)) return StockVerdict::UpperCase;
  }
  for (char ch : entry) {
    const auto b = static_cast<unsigned char>(ch);
    const unsigned char letter = language.input(b);
    if (letter == 0 || (!isLowerCp1252(b) && !isUpperCp1252(b))) return StockVerdict::NotLetters;
    const unsigned char shown = language.nameOf(letter & 0x1F);
    const unsigned char upper = upperCp1252(b);
    if (upper != shown && plainLetter(upper) != shown && !nordicVariants(upper, shown))
      return StockVerdict::OtherLetter;
  }
  if (entry.size() < static_cast<std::size_t>(WordStore::MinLength) ||
      entry.size() > static_cast<std::size_t>(WordStore::MaxLength))
    return StockVerdict::BadLength;
  return StockVerdict::Taken;
}

}  // namespace vorkel
