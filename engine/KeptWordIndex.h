#pragma once
// The fast fill's word index of a dictionary, kept beside it in a file
// (WordIndexFile.h) by whoever needs it first: the next run maps it in a
// few milliseconds instead of reading, decoding and scoring the dictionary.
//
//   WordIndexSource source{dic, scorePathBeside(dic), WordListEncoding::Cp1252, 50};
//   KeptWordIndex words = loadKeptWordIndex(source, language, ui, graph.lengths());
//   if (!words.problem.empty()) refuse(words.problem);
//
// A kept index is used only while it was made from the dictionary and score
// file as they are now (size and time), for this language, encoding and
// floor, and is whole and undamaged; otherwise the index is built as
// before and, where the folder may be written, kept for the next run
// (written atomically, so several processes may build it at once: each
// writes a whole file and the last rename wins). Where the folder is
// read-only (an installed package) it is built in memory every time, for
// only the lengths asked for. A list with words the language cannot spell
// is not kept, so its messages come at every run.

#include <cstdint>
#include <optional>
#include <string>

#include "dictionary/WordListEncoding.h"
#include "engine/WordIndex.h"

namespace vorkel {

class Language;
class Ui;

struct WordIndexSource {
  std::string dictionary;  // the word file, as located
  std::string scores;      // the score file beside it; empty when there is none
  WordListEncoding encoding = WordListEncoding::Cp1252;
  int floor = 0;           // words scored below it are left out; 0 without scores
};

struct KeptWordIndex {
  enum class From { Kept, Built, BuiltAndKept };
  std::optional<WordIndex> index;  // empty on a problem, or when the file could not be read
  std::string problem;             // why the score file cannot be used
  From from = From::Built;
  std::string path;                // where the index is (or would be) kept
};

// `lengths`: the word lengths needed (bit L for length L). A kept index
// is checked for those lengths only and answers for them alone; one built
// and kept holds every length; one built and not kept only those asked for.
KeptWordIndex loadKeptWordIndex(const WordIndexSource& source, const Language& language, Ui& ui,
                                std::uint32_t lengths = WordIndex::AllLengths);

}  // namespace vorkel
