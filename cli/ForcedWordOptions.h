#pragma once
// `vorkel generate --forced FILE` and `--draw N --word-file FILE`: the
// words every crossword of the batch must hold, read as the window reads
// "tvang.txt" and its word file (engine/ForcedWords.h), and checked
// against the model before any attempt.
//
//   ForcedWordOptions forced;                        // filled while parsing
//   if (!forced.consistent(withLetters, err)) return 2;
//   if (forced.wanted() && !forced.prepare(context, batch, err)) return 1;

#include <iosfwd>
#include <string>

namespace vorkel {

class ApplicationContext;
struct GenerateBatch;

struct ForcedWordOptions {
  std::string forcedFile;  // --forced
  std::string wordFile;    // --word-file
  int draw = 0;            // --draw, 1 to ForcedWords::Capacity

  bool wanted() const { return !forcedFile.empty() || !wordFile.empty() || draw > 0; }
  // False (said) for options that do not go together: --forced with
  // --draw, --draw without --word-file and the other way round, and any of
  // them with --with-letters (the words go into an empty model).
  bool consistent(bool withLetters, std::ostream& err) const;

  // Reads the file into the batch, in the loaded template's language, and
  // refuses (said, false) a file that cannot be read or has no word, a
  // forced word that fits no slot of the model (its length, or a character
  // that is no letter), more forced words of one length than the model has
  // slots of it, a word file none of whose words fits, and a draw of more
  // words than the model has slots for. When the word file has fewer
  // fitting words than --draw asks for, says so and draws that many.
  bool prepare(ApplicationContext& context, GenerateBatch& batch, std::ostream& err) const;
};

}  // namespace vorkel
