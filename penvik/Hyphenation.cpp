#include "penvik/Hyphenation.h"

#include <hyphen.h>

#include <cstdlib>

#include "platform/Files.h"

namespace penvik {

namespace {

// A lower-case Windows-1252 letter, or 0 for anything else.
char lowerLetter(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c);
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
  if (c >= 0xE0 && c != 0xF7) return static_cast<char>(c);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char>(c + 32);
  return 0;
}

// Words longer than this are not looked up: no clue word is, and the
// library's buffers are sized by the caller.
constexpr std::size_t kLongestWord = 100;

}  // namespace

std::unique_ptr<Hyphenation> Hyphenation::load(const std::string& path) {
  if (!vorkel::Files::isFile(path)) return nullptr;
  HyphenDict* dict = hnj_hyphen_load(path.c_str());
  if (dict == nullptr) return nullptr;
  return std::unique_ptr<Hyphenation>(new Hyphenation(dict));
}

Hyphenation::~Hyphenation() { hnj_hyphen_free(dict_); }

std::vector<int> Hyphenation::breaks(std::string_view word) const {
  std::vector<int> at;
  if (word.size() < 4 || word.size() > kLongestWord) return at;
  std::string lower(word.size(), '\0');
  for (std::size_t i = 0; i < word.size(); ++i)
    if (!(lower[i] = lowerLetter(static_cast<unsigned char>(word[i])))) return at;
  std::string hyphens(word.size() + 5, '\0');
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  const int failed = hnj_hyphen_hyphenate2(dict_, lower.data(), static_cast<int>(lower.size()),
                                           hyphens.data(), nullptr, &rep, &pos, &cut);
  // Non-standard breaks (a letter changed at the break) are not used.
  if (rep != nullptr) {
    for (std::size_t i = 0; i < word.size(); ++i) std::free(rep[i]);
    std::free(rep);
    std::free(pos);
    std::free(cut);
    return at;
  }
  if (failed) return at;
  // hyphens[i] odd: a break after letter i, so before letter i + 1.
  for (std::size_t i = 1; i + 2 < word.size(); ++i)
    if (hyphens[i] & 1) at.push_back(static_cast<int>(i) + 1);
  return at;
}

}  // namespace penvik
