#pragma once
// Word files of the dictionary: the encoded `.dic` format and plain word
// lists (Windows-1252 text, one word per line).
//
// `.dic`: the byte '=' and then the words as display text (the language's
// upper-case names, e.g. "KÅL"), each character c as a 16-bit value written
// low byte first whose odd bits carry c and whose even bits (mask 0x5555)
// are random filler; a character 0 ends each word. No header, no count.
//
//   bit of the value  1  3  5  7  9 11 13 15
//   carries          c0 c1 c6 c3 c4 c5 c2 c7
//
// A file whose first byte is '=' is read as `.dic`; one whose first byte the
// language's typing table takes for a letter is a word list; anything else
// holds no words. A line or an encoded word longer than 98 characters is cut
// to its first 98 (the rest is dropped, never read as a word of its own); an
// encoded word cut short by the end of the file is dropped.
//
//   WordStore dict(110000, language, ui);
//   if (!loadWordFile(dict, "dksort.dic")) return;     // message shown
//   saveDictionary(dict, "kopi.dic", context.random);
//
// Failures are shown through the store's Ui; the functions answer false.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "dictionary/WordListEncoding.h"
#include "dictionary/WordVisitor.h"

namespace vorkel {

class Language;
class Random;
class WordStore;

// Longest line or encoded word taken from a file, in characters.
inline constexpr int MaxFileWord = 98;

// The largest word file read: ten times the stock dictionary's `.dic` (about
// 6 MiB for 294,500 words) and above every word list Debian ships; a larger
// file is refused as it would fill the memory with the store built from it.
inline constexpr std::uint64_t MaxWordFileBytes = 64u << 20;

// Reads the words of a `.dic` file or a word list into `dict`, a word list
// in the given encoding (dictionary/WordListEncoding.h). False, with the
// message "Fejl i åbning af fil til load af ordbogen", when the file cannot
// be read; otherwise true, whatever the file holds.
bool loadWordFile(WordStore& dict, const std::string& path,
                  WordListEncoding encoding = WordListEncoding::Cp1252);
// The same, taking only the words `keep` answers true for (given as the
// store takes them: Windows-1252 text).
bool loadWordFile(WordStore& dict, const std::string& path, WordListEncoding encoding,
                  const std::function<bool(std::string_view)>& keep);

// Writes every word of `dict` as `.dic`, in the order of forEachWord, with
// filler bits from `random`. The file is written beside the target and then
// renamed over it, so a failed save leaves the old file as it was.
bool saveDictionary(const WordStore& dict, const std::string& path, Random& random);

// --- building blocks, also for the set operations on word files ---

enum class WordFileKind { Encoded, WordList, Nothing };
WordFileKind wordFileKind(std::string_view bytes, const Language& language);

// Hands every word the loader would insert (Windows-1252 text of 2 to 98
// characters, NUL-ended) to `visitor`, in file order; stops when it answers
// false.
void forEachFileWord(std::string_view bytes, const Language& language, WordVisitor visitor);

// Appends one word (text) in the `.dic` encoding, with its ending 0.
void appendEncodedWord(std::string& out, std::string_view text, Random& random);

// The whole content of a word file (found without regard to case); false
// when it is missing, is no regular file, is larger than MaxWordFileBytes
// or cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes);

// A word file's bytes as the loaders read them: a word list decoded to
// Windows-1252 as `encoding` says, a `.dic` file as it is.
bool readWordFile(const std::string& path, WordListEncoding encoding, std::string& bytes);

}  // namespace vorkel
