#pragma once
// The files a command reads, looked at before the shared core reads them,
// so that every refusal names the file as the user wrote it, where it was
// looked for and why it cannot be used:
//
//   vorkel dict stats: cannot open 'nope.dic' (looked for /home/a/nope.dic): no such file
//   vorkel dict test: 'Model1.ktd' is not a dictionary (it looks like a crossword model (.ktd))
//
//   InputFile list;
//   if (!readWordInput(console, "mine.txt", language, WordListEncoding::Auto, list))
//     return ExitFailed;
//   loadWordFile(dict, list.path, WordListEncoding::Auto);

#include <string>
#include <string_view>

#include "app/FileKind.h"
#include "dictionary/WordListEncoding.h"

namespace vorkel {

class Console;
class Language;

struct InputFile {
  std::string given;  // as the user wrote it
  std::string path;   // where it was found (absolute)
  std::string bytes;  // the content; a word list decoded to Windows-1252
  FileKind kind = FileKind::Unknown;
  DecodedWordList decoded;  // how a word file was read
};

// Reads the file (found without regard to case when the exact name does
// not exist). False, said, when it cannot be read.
bool readInput(Console& console, std::string_view given, const Language& language,
               InputFile& file);

// Says "'<given>' is not <wanted> (it looks like <kind>)" and answers false.
bool refuseKind(Console& console, const InputFile& file, std::string_view wanted);

// A dictionary or word list, decoded as `encoding` says. False, said, when
// it cannot be read or is another kind of file. Warns (and goes on) when the
// encoding looks wrong or, with `warnLeftOut`, when lines had to be left out.
bool readWordInput(Console& console, std::string_view given, const Language& language,
                   WordListEncoding encoding, InputFile& file, bool warnLeftOut = true);

// A model or raw crossword. False, said, otherwise.
bool readGridInput(Console& console, std::string_view given, const Language& language,
                   InputFile& file);

}  // namespace vorkel
