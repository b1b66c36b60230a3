#pragma once
// Word lists as sets: the operations that combine a word file with the
// dictionary in memory. Each works on a file already chosen; the menu
// commands around them (file dialog, extension rule, wait cursor) are in
// app/commands/WordListCommands.h, and the command line calls these directly.
//
//   replace      replaceFromWordFile   the dictionary becomes the file's words
//   union        loadWordFile          (dictionary/WordFile.h) adds them
//   subtraction  subtractWordFile      removes them
//   join         joinWordFile          keeps only the words also in the file,
//                                      through "bygtmp.dic" in the work folder
//   save         saveDictionary        (dictionary/WordFile.h)
//
// A file is read as `.dic` or as a word list by its first byte alone, never
// by its name (dictionary/WordFile.h). Upper and lower case and the national
// letters fold as the language's input table says, in every operation.
//
// Replace and join build a new dictionary only after the file has been read
// (and, for the join, "bygtmp.dic" written) in full: a file that cannot be
// read leaves the old dictionary as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/WordListEncoding.h"

namespace vorkel {

class Random;
class WordStore;
struct DictionarySession;

// The planned size of a dictionary read from a file of `bytes` bytes: one
// word per 5 bytes, at least 20000.
inline constexpr int MinimumPlannedWords = 20000;
int plannedWordsForFile(std::uint64_t bytes);

// The planned size of the dictionary a join builds.
inline constexpr int JoinPlannedWords = 110000;

// Whether the text from the last '.' of `path` is exactly ".txt", ".TXT",
// ".dic" or ".DIC" (a word file to read), or ".dic" or ".DIC" (to save).
bool isWordFileName(std::string_view path);
bool isDictionaryFileName(std::string_view path);

// Replaces the dictionary by the words of `path`, planned for the file's
// size. A missing file shows "Cannot find file" (the path as text); an
// unreadable one "Fejl i åbning af fil til load af ordbogen". Both keep the
// old dictionary and answer false.
bool replaceFromWordFile(DictionarySession& session, const std::string& path);

// Removes from the dictionary every stored word of the file (a word the
// file holds twice goes once, a word not stored is passed over without a
// message, a foreign one is reported once). False, with "Fejl i åbning af
// fil til load af ordbogen", when the file cannot be read.
//
// The store unlinks a word by walking its chains, about 0.3 ms per word in
// the full Danish list (a subtraction of half of it took 46 s). Above
// SubtractionRebuildThreshold words the dictionary is therefore rebuilt
// from the words that stay (planned for its former word count), which
// leaves the same words in well under a second; only the sizes "Oplys"
// shows and the order of words within a chain differ from deleting one by
// one.
inline constexpr std::size_t SubtractionRebuildThreshold = 1000;
bool subtractWordFile(DictionarySession& session, const std::string& path);

// Writes, as `.dic`, every word of the input file that `dict` holds, as the
// file spells it (not normalised). The output is written whole through a
// temporary file, so the input may be the output itself. False, with
// "Fejl i åbning af fil til load af ordbogen" and the input path as caption,
// when the input cannot be read; with "Fejl i åbning af fil til save af
// ordbogen" and the output path when the output cannot be written.
bool writeCommonWords(WordStore& dict, const std::string& input, const std::string& output,
                      Random& random, WordListEncoding encoding = WordListEncoding::Cp1252);

// The join: writeCommonWords into "bygtmp.dic" in the work folder (left
// there afterwards), then a new dictionary planned for 110000 words holding
// what was written. When the file cannot be read or "bygtmp.dic" written the
// old dictionary stays and the answer is false.
bool joinWordFile(DictionarySession& session, const std::string& path);

// "bygtmp.dic" in the session's work folder.
std::string joinTemporaryPath(const DictionarySession& session);

}  // namespace vorkel
