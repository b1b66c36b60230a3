#pragma once
// Where a word of a clue may be broken across two lines, by the hyphenation
// patterns of Debian's hyphen-da, read with libhyphen.
//
//   std::unique_ptr<Hyphenation> h = Hyphenation::load(Hyphenation::DanishPatterns);
//   if (h) breaks = h->breaks("mejeriprodukt");   // {2, 4, 6, 9}: me-je-ri-pro-dukt
//
// Words are Windows-1252 bytes, as clue texts are; the patterns are
// ISO-8859-1, which holds every Danish letter at the same byte.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct _HyphenDict;

namespace penvik {

class Hyphenation {
 public:
  static constexpr const char* DanishPatterns = "/usr/share/hyphen/hyph_da_DK.dic";

  // The patterns of a file; null when it cannot be read.
  static std::unique_ptr<Hyphenation> load(const std::string& path);
  ~Hyphenation();
  Hyphenation(const Hyphenation&) = delete;
  Hyphenation& operator=(const Hyphenation&) = delete;

  // The positions i (counted in bytes from 0) before which `word` may be
  // broken, ascending; never within the first or last two letters. A word
  // holding anything but letters has none.
  std::vector<int> breaks(std::string_view word) const;

 private:
  explicit Hyphenation(_HyphenDict* dict) : dict_(dict) {}
  _HyphenDict* dict_;
};

}  // namespace penvik
