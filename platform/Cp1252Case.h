#pragma once
// Letter case in Windows-1252 text: the ASCII letters and the accented
// letters of the code page (Æ/æ, Ø/ø, Å/å, Š/š, Ÿ/ÿ, ...). The one folding
// of the system: names in settings files and registry keys, file names
// (platform/Files.h) and the case checks of word lists all use it. The
// languages' own letter tables (dictionary/Language.h) are a separate
// matter: they say what a letter is in each language.

#include <string_view>

namespace vorkel {

inline unsigned char foldCp1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                                         // Ÿ
  return c;
}

// The upper-case form of a lower-case letter; other bytes as they are.
// "ß" (0xDF) has no upper-case form in the code page.
inline unsigned char upperCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);  // š œ ž
  if (c == 0xFF) return 0x9F;                                                         // ÿ
  return c;
}

inline bool isUpperCp1252(unsigned char c) { return foldCp1252(c) != c; }
inline bool isLowerCp1252(unsigned char c) { return upperCp1252(c) != c || c == 0xDF; }

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCp1252(static_cast<unsigned char>(a[i])) != foldCp1252(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace vorkel
