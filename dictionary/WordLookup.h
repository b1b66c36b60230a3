#pragma once
// Looking words up in the dictionary: the membership test of single words,
// the pattern search ("Søg et ord") and the statistics box ("Oplys").
//
//   std::string last;                        // the search dialog's memory
//   searchWordCommand(dict, ui, last);       // asks, then shows the matches
//   showStatisticsCommand(dict, ui);
//   if (lookUpWord(dict, "kat") == WordStatus::Stored) ...
//
// Texts from the user arrive as UTF-8 and are read as Windows-1252; matches
// are shown through the ui as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorkel {

class WordStore;
class Ui;

enum class WordStatus {
  Stored,    // the word is in the dictionary
  Missing,   // a proper word of 2..25 letters that is not stored
  NotAWord,  // empty, 1 or more than 25 letters, or a character outside the
             // language (the store has shown "Sprog og tegnsæt passer ikke sammen")
};

// Membership of a word (Windows-1252 text, up to its first blank). Unlike
// WordStore::hasMatch, which answers true for anything that cannot be a word
// so that the fill never stops on it, this tells such texts apart. At most
// one message is shown per call.
WordStatus lookUpWord(WordStore& dict, std::string_view text);

// The longest text the pattern search shows, in characters.
inline constexpr std::size_t MaxSearchResult = 2500;
// The search dialog's text buffer (terminating zero included).
inline constexpr std::size_t SearchBufferSize = 30;
// The statistics box's text buffer (terminating zero included).
inline constexpr std::size_t StatisticsBufferSize = 4000;

// The words matching `pattern` (Windows-1252; ' ', '.' and '?' match any
// letter), each as display text followed by one blank, in the store's order.
// A word that no longer fits in MaxSearchResult characters ends the list:
// it and every later word are left out, even shorter ones.
std::string collectMatches(WordStore& dict, std::string_view pattern);

// "Søg et ord": asks for a pattern (the dialog opens with `lastSearch`,
// UTF-8, and keeps what was confirmed) and shows the matches of a pattern of
// 2..25 characters. Cancel or another length does nothing.
void searchWordCommand(WordStore& dict, Ui& ui, std::string& lastSearch);

// "Oplys": the statistics text in a message box.
void showStatisticsCommand(const WordStore& dict, Ui& ui);

// UTF-8 from the ui as Windows-1252, cut to the `bufferSize - 1` characters
// a dialog buffer of that size holds. A character without a Windows-1252
// byte becomes `replacement`; text that is not UTF-8 gives an empty string.
std::string dialogText(std::string_view utf8, std::size_t bufferSize, char replacement);

}  // namespace vorkel
