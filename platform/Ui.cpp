#include "platform/Ui.h"

namespace vorkel {

std::string firstCharacters(std::string_view utf8, std::size_t maxLength) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    // Continuation bytes (10xxxxxx) belong to the character before them.
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (characters == maxLength) return std::string(utf8.substr(0, i));
    ++characters;
  }
  return std::string(utf8);
}

}  // namespace vorkel
