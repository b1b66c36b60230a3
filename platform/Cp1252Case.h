#pragma once
// Comparison without regard to case for Windows-1252 text: the ASCII letters
// and the accented letters of the code page (Æ/æ, Ø/ø, Å/å, Š/š, ...). Used
// for the names in settings files and registry keys, which the original
// platform compared the same way.

#include <string_view>

namespace vorkel {

inline unsigned char foldCp1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                                         // Ÿ
  return c;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCp1252(static_cast<unsigned char>(a[i])) != foldCp1252(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace vorkel
