#pragma once
// The word list of the anagram finder's verb and list searches: up to 2000
// words read from a text file ("verbs.txt" or a list the user chooses), kept
// in file order.
//
// File format: Windows-1252 text lines; a line longer than 99 characters is
// cut there; trailing control bytes (1..31, the line end) are removed; empty
// lines are skipped. The word is the start of the line, each character taken
// through the language's input table, up to the first blank or other
// character that is no letter; anything after it on the line is a comment.
// A line whose first character is no letter holds no word and is skipped.
//
//   AnagramWordList list;
//   if (list.load("verbs.txt", language, ui) == AnagramWordList::Load::CannotOpen) ...
//
// When the file holds more than 2000 words the user is told once ("Der er
// flere ord end der er plads til - max. 2000 i en liste") and the first
// 2000 are kept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class Language;
class Ui;

class AnagramWordList {
 public:
  static constexpr std::size_t MaxWords = 2000;
  static constexpr std::size_t MaxLine = 99;

  struct Entry {
    std::string letters;       // letter bytes 0x40..0x5F
    std::uint32_t letterSet;   // bit k for each code k in the word
  };

  enum class Load { Read, CannotOpen };

  // Empties the list and reads `path`. A file that cannot be read leaves the
  // list empty.
  Load load(const std::string& path, const Language& language, Ui& ui);

  // Empties the list and reads the words of `bytes` (the file's content).
  void read(std::string_view bytes, const Language& language, Ui& ui);

  void clear() { words_.clear(); }
  bool empty() const { return words_.empty(); }
  std::size_t size() const { return words_.size(); }
  const std::vector<Entry>& words() const { return words_; }

 private:
  std::vector<Entry> words_;
};

}  // namespace vorkel
