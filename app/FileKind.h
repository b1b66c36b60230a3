#pragma once
// What kind of file the bytes are, told from their content alone: the
// suite's files have no magic numbers and users rename them freely, so a
// command that expects a dictionary or a template looks first and refuses
// the wrong kind with a name for what it got ("it looks like a crossword
// model") instead of reading it as something it is not.
//
//   switch (recogniseFile(bytes, language)) { case FileKind::Model: ... }
//
// The signs, in the order they are tried:
//   Empty          nothing but blanks and line ends
//   Dictionary     `.dic`: the first byte is '='
//   Template       an INI file with a [Skabelon] section
//   Settings       another INI file (the program profile, the registry store)
//   Model          `.ktd`: "W<TAB>H", then a line starting with BEGIN
//   RawCrossword   "W<TAB>H" (or blanks between), then rows of cells: a raw
//                  crossword, or a model as a plain-text grid
//   Path           `.vej`: lines of two or more whole numbers
//   Parameters     `.par`: lines of one number each, maybe with a comment
//   WordList       text that starts (after blanks) with a letter of the language
//   Unknown        anything else (binary data, text that starts otherwise)

#include <string_view>

namespace vorkel {

class Language;

enum class FileKind {
  Empty,
  Dictionary,
  Template,
  Settings,
  Model,
  RawCrossword,
  Path,
  Parameters,
  WordList,
  Unknown
};

// `language` decides what counts as a letter for a word list. A UTF-8
// byte-order mark is passed over.
FileKind recogniseFile(std::string_view bytes, const Language& language);

// "a crossword model (.ktd)", "an empty file", ...: the kind in a sentence.
const char* describeFileKind(FileKind kind);

// Word files of the dictionary commands: a `.dic` or a word list.
inline bool isWordFileKind(FileKind kind) {
  return kind == FileKind::Dictionary || kind == FileKind::WordList;
}
// Grids the grid commands read: a model or a raw crossword (the document
// reader takes both).
inline bool isGridKind(FileKind kind) {
  return kind == FileKind::Model || kind == FileKind::RawCrossword;
}

}  // namespace vorkel
