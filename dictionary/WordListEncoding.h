#pragma once
// How the bytes of a plain word list are read: Windows-1252, as the window
// program's files are, or UTF-8, as word lists from elsewhere (Debian's
// among them) are, converted to Windows-1252 line by line.
//
//   Auto    a UTF-8 byte-order mark, or valid UTF-8 that has multi-byte
//           sequences, is UTF-8; anything else is Windows-1252
//   Utf8    UTF-8; a line that is not valid UTF-8, or holds a character
//           Windows-1252 lacks, is left out (and counted)
//   Cp1252  the bytes as they are
// A byte-order mark is never part of the first word. A `.dic` file (first
// byte '=') is encoded words, not text: it is passed on unchanged.
//
//   DecodedWordList d = decodeWordList(bytes, WordListEncoding::Auto);
//   forEachFileWord(d.bytes, language, visitor);

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

enum class WordListEncoding { Auto, Utf8, Cp1252 };

// "auto", "utf-8" (or "utf8"), "cp1252" (or "windows-1252"); case is ignored.
std::optional<WordListEncoding> parseWordListEncoding(std::string_view name);

struct DecodedWordList {
  std::string bytes;                // Windows-1252 text, or the `.dic` bytes
  bool encoded = false;             // a `.dic` file: nothing was decoded
  bool utf8 = false;                // read as UTF-8
  bool byteOrderMark = false;       // a UTF-8 byte-order mark was taken off
  long linesLeftOut = 0;            // UTF-8 lines not valid or not in Windows-1252
  long firstLineLeftOut = 0;        // its line number (1-based), 0 when none
  // Read as Windows-1252 although the text holds UTF-8 multi-byte
  // sequences, so "ø" becomes "Ã¸": worth a warning. `allUtf8` tells whether
  // the whole text is valid UTF-8 (then the choice was plainly wrong) or
  // only parts of it (a list put together from two sources).
  bool looksLikeUtf8 = false;
  bool allUtf8 = false;
};

DecodedWordList decodeWordList(std::string_view bytes, WordListEncoding encoding);

}  // namespace vorkel
