#pragma once
// The checker's own reading of each stock language's word list: which
// letters the language has and how it writes them in a grid (upper case,
// Windows-1252), stated here afresh rather than taken from the program's
// tables. A word list read this way holds every word the stock dictionary
// may place (and a few the stock dictionary leaves out, which does no harm
// to a checker).

#include <fstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace vorkel::e2e {

struct LanguageWords {
  std::string code;    // as in the stock names: ModelN-<code>.skb, <code>sort.dic
  int model;           // the stock model filled in every test run
  std::vector<std::string> lists;
  bool latin1;         // else UTF-8
  bool capitalised;    // entries with a capital first letter count (German nouns)
  // Lower-case letters beyond a-z, each group UTF-8, with the grid letter
  // (a Windows-1252 byte) they are written as.
  std::vector<std::pair<std::string_view, char>> letters;
  std::string_view missing = "";  // plain letters the language has not
};

inline const std::vector<LanguageWords>& stockLanguages() {
  static const std::vector<LanguageWords> all{
      {"dk", 1, {"/usr/share/dict/danish"}, false, false,
       {{"æ", '\xC6'}, {"øòóôõö", '\xD8'}, {"åàáâãä", '\xC5'}, {"èéêë", 'E'}, {"ùúûü", 'U'},
        {"ý", 'Y'}}},
      {"sv", 1, {"/usr/share/dict/swedish"}, true, false,
       {{"äæ", '\xC4'}, {"öø", '\xD6'}, {"å", '\xC5'}, {"èéêë", 'E'}, {"ùúûü", 'U'}, {"ý", 'Y'}}},
      {"no", 3, {"/usr/share/dict/bokmaal", "/usr/share/dict/nynorsk"}, true, false,
       {{"æ", '\xC6'}, {"øö", '\xD8'}, {"å", '\xC5'}, {"èéêë", 'E'}, {"ùúûü", 'U'}, {"ý", 'Y'}}},
      {"de", 5, {"/usr/share/dict/ngerman"}, false, true,
       {{"ä", '\xC4'}, {"ö", '\xD6'}, {"ü", '\xDC'}, {"ß", '\xDF'}, {"èéêë", 'E'}, {"ùúû", 'U'},
        {"ý", 'Y'}}},
      {"es", 6, {"/usr/share/dict/spanish"}, false, false,
       {{"ñ", '\xD1'}, {"àáâãä", 'A'}, {"èéêë", 'E'}, {"ìíîï", 'I'}, {"óôõö", 'O'},
        {"ùúûü", 'U'}, {"ýÿ", 'Y'}}},
      {"en", 4, {"/usr/share/dict/british-english"}, false, false,
       {{"èéêë", 'E'}, {"ùúûü", 'U'}, {"ý", 'Y'}}},
      {"is", 2, {VORKEL_BINARY_DIR "/Dic/is-words.txt"}, false, false,
       {{"á", '\xC1'}, {"ð", '\xD0'}, {"é", '\xC9'}, {"í", '\xCD'}, {"ó", '\xD3'}, {"ú", '\xDA'},
        {"ý", '\xDD'}, {"þ", '\xDE'}, {"æ", '\xC6'}, {"ö", '\xD6'}},
       "cqwz"},
  };
  return all;
}

// The code points of a line; an empty result for a line that is not valid.
inline std::u32string codePoints(const std::string& line, bool latin1) {
  std::u32string out;
  for (std::size_t i = 0; i < line.size();) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (latin1 || c < 0x80) {
      out += c;
      ++i;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < line.size()) {
      out += static_cast<char32_t>(((c & 0x1F) << 6) | (line[i + 1] & 0x3F));
      i += 2;
    } else {
      return {};  // nothing beyond U+07FF is a letter of these languages
    }
  }
  return out;
}

// The language's letters beyond a-z, each with its grid letter.
inline std::unordered_map<char32_t, char> letterMap(const LanguageWords& language) {
  std::unordered_map<char32_t, char> letters;
  for (const auto& [group, grid] : language.letters)
    for (char32_t c : codePoints(std::string(group), false)) letters[c] = grid;
  return letters;
}

// One entry as the grid writes it, or empty when it is no word of the
// language (other characters, capitals where the language takes none,
// lengths outside 2..25).
inline std::string gridForm(const LanguageWords& language, const std::string& line,
                            const std::unordered_map<char32_t, char>& letters) {
  std::u32string text = codePoints(line, language.latin1);
  if (!text.empty() && text.back() == U'\r') text.pop_back();
  std::string word;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const bool capital = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    if (capital) {
      if (!(language.capitalised && i == 0)) return {};
      c += 0x20;
    }
    if (c >= U'a' && c <= U'z') {
      if (language.missing.find(static_cast<char>(c)) != std::string_view::npos) return {};
      word += static_cast<char>(c - 0x20);
    } else if (auto it = letters.find(c); it != letters.end()) {
      word += it->second;
    } else {
      return {};
    }
  }
  return word.size() >= 2 && word.size() <= 25 ? word : std::string();
}

// The language's words in grid form, read once per test program.
inline const std::unordered_set<std::string>& wordsOf(const LanguageWords& language) {
  static std::unordered_map<std::string, std::unordered_set<std::string>> cache;
  auto [it, added] = cache.try_emplace(language.code);
  if (!added) return it->second;
  const auto letters = letterMap(language);
  for (const std::string& list : language.lists) {
    std::ifstream in(list, std::ios::binary);
    for (std::string line; std::getline(in, line);)
      if (std::string w = gridForm(language, line, letters); !w.empty()) it->second.insert(w);
  }
  return it->second;
}

inline const LanguageWords& languageWords(std::string_view code) {
  for (const LanguageWords& l : stockLanguages())
    if (l.code == code) return l;
  return stockLanguages().front();
}

}  // namespace vorkel::e2e
