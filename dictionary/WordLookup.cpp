#include "dictionary/WordLookup.h"

#include "dictionary/DictionaryStatistics.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"
#include "platform/Ui.h"

namespace vorkel {

WordStatus lookUpWord(WordStore& dict, std::string_view text) {
  // Normalising first shows the message for a foreign character once and
  // gives the length; hasMatch then only sees proper words, for which it is
  // the exact membership test.
  char letters[WordStore::MaxLength + 1];
  const int length = dict.normaliseWord(text, letters);
  if (length < WordStore::MinLength || length > WordStore::MaxLength) return WordStatus::NotAWord;
  return dict.hasMatch(text) ? WordStatus::Stored : WordStatus::Missing;
}

std::string collectMatches(WordStore& dict, std::string_view pattern) {
  std::string result;
  std::size_t total = 0;
  bool full = false;
  dict.forEachMatch(static_cast<int>(pattern.size()), pattern, [&](std::string_view word) {
    // Once a word has been refused every later one is too: a walk over all
    // chains (a pattern without letters) goes on after a refusal.
    if (full || total + word.size() + 1 > MaxSearchResult) {
      full = true;
      return false;
    }
    total += word.size() + 1;
    result += dict.codesToText(word);
    result += ' ';
    return true;
  });
  return result;
}

void searchWordCommand(WordStore& dict, Ui& ui, std::string& lastSearch) {
  const auto entered = ui.inputBox(texts::searchPrompt, texts::searchTitle, lastSearch);
  if (!entered) return;
  // A character outside Windows-1252 must not become a wildcard: 0x01 is no
  // letter and matches nothing.
  const std::string pattern = dialogText(*entered, SearchBufferSize, '\x01');
  lastSearch = cp1252ToUtf8(dialogText(*entered, SearchBufferSize, '?'));
  if (pattern.size() < WordStore::MinLength || pattern.size() > WordStore::MaxLength) return;
  ui.setCursor(Cursor::Wait);
  const std::string found = collectMatches(dict, pattern);
  ui.setCursor(Cursor::Arrow);
  ui.messageBox(cp1252ToUtf8(found), texts::searchTitle);
}

void showStatisticsCommand(const WordStore& dict, Ui& ui) {
  std::string text = dictionaryStatistics(dict);
  if (text.size() >= StatisticsBufferSize) text.resize(StatisticsBufferSize - 1);
  ui.messageBox(text, texts::statisticsCaption);
}

std::string dialogText(std::string_view utf8, std::size_t bufferSize, char replacement) {
  std::optional<std::string> bytes = utf8ToCp1252(utf8, replacement);
  if (!bytes) return {};
  const std::size_t nul = bytes->find('\0');
  if (nul != std::string::npos) bytes->resize(nul);
  if (bufferSize > 0 && bytes->size() > bufferSize - 1) bytes->resize(bufferSize - 1);
  return *bytes;
}

}  // namespace vorkel
