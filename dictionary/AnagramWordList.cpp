#include "dictionary/AnagramWordList.h"

#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "dictionary/WordFile.h"
#include "platform/Files.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// The word at the start of a line as letter bytes; empty when the line does
// not start with a letter.
std::string wordOf(std::string_view line, const Language& language) {
  std::string word;
  for (char c : line) {
    const auto letter = static_cast<unsigned char>(language.input(static_cast<unsigned char>(c)) & 0xDF);
    if (letter < 0x40 || letter > 0x5F) break;
    word.push_back(static_cast<char>(letter));
  }
  return word;
}

}  // namespace

void AnagramWordList::read(std::string_view bytes, const Language& language, Ui& ui) {
  words_.clear();
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(at, end - at);
    at = end + 1;
    if (line.size() > MaxLine) line = line.substr(0, MaxLine);
    while (!line.empty() && line.back() >= 1 && line.back() <= 31) line.remove_suffix(1);
    if (line.empty()) continue;
    std::string word = wordOf(line, language);
    if (word.empty()) continue;
    if (words_.size() == MaxWords) {
      ui.messageBox(texts::anagramListFull, texts::anagramListFullCaption);
      return;
    }
    std::uint32_t set = 0;
    for (char c : word) set |= std::uint32_t{1} << (c & 0x1F);
    words_.push_back({std::move(word), set});
  }
}

AnagramWordList::Load AnagramWordList::load(const std::string& path, const Language& language,
                                            Ui& ui) {
  words_.clear();
  // A list is a word file: the user may pick a whole dictionary list.
  const auto bytes = Files::readFile(path, MaxWordFileBytes);
  if (!bytes) return Load::CannotOpen;
  read(*bytes, language, ui);
  return Load::Read;
}

}  // namespace vorkel
