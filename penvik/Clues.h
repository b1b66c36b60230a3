#pragma once
// The clue texts the user writes into a crossword's clue cells, and the
// small file beside the raw crossword that keeps them ("x13_000.009" keeps
// its clues in "x13_000.009.ledeord").
//
// The clue file, Windows-1252 text with CR LF line ends:
//
//   PENVIK LEDEORD 1              the format and its version
//   13<TAB>9                      the crossword's width and height
//   #OST#...                      its rows, exactly as in the raw crossword
//   ...
//   2<TAB>1<TAB>V<TAB>Mejeriprodukt   one line per clue: column and row of
//   2<TAB>1<TAB>L<TAB>Fugl<TAB>udkast the clue cell (1-based), V across
//                                     ("vandret") or L down ("lodret"),
//                                     then the text, and "udkast" for a
//                                     draft the user has not yet accepted
//
// A file that holds drafts says "PENVIK LEDEORD 2"; one without is written
// as version 1, byte for byte as before drafts were kept, and both are read.
//
// The rows make sure the clues are only ever used for the crossword they
// were written for: when the raw crossword under that name is another one
// (the old one was deleted and the generator reused its name), the clue
// file is reported and not used. In a text, "\\", "\t" and "\n" stand for a
// backslash, a tab and a line break. A clue line that is malformed, names a
// cell that starts no word that way, or holds a text longer than
// MaxClueText is skipped and counted; the rest of the file is used.
//
//   ClueFileResult r = loadClues(rawPath, grid);
//   Clues clues = r.clues;                      // empty when there is no file
//   clues.set({2, 0, Direction::Across}, "Mejeriprodukt");
//   saveClues(rawPath, grid, clues);            // written whole or not at all

#include <compare>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "penvik/ClueCells.h"
#include "penvik/RawGrid.h"

namespace penvik {

// The longest clue text in bytes; the editor stops typing there.
inline constexpr std::size_t MaxClueText = 120;

// One clue: the clue cell (0-based) and the direction of its word.
struct ClueKey {
  int column = 0;
  int row = 0;
  Direction direction = Direction::Across;
  friend auto operator<=>(const ClueKey&, const ClueKey&) = default;
};

class Clues {
 public:
  // The text of a clue; empty when none was written.
  const std::string& text(const ClueKey& key) const;
  // Sets a text (Windows-1252, cut to MaxClueText), a draft or typed; an
  // empty text removes it.
  void set(const ClueKey& key, std::string_view text, bool draft = false);
  // A draft: proposed by the program, not yet accepted or edited.
  bool isDraft(const ClueKey& key) const { return drafts_.contains(key); }
  std::size_t draftCount() const { return drafts_.size(); }
  bool empty() const { return texts_.empty(); }
  std::size_t size() const { return texts_.size(); }
  const std::map<ClueKey, std::string>& all() const { return texts_; }
  friend bool operator==(const Clues&, const Clues&) = default;

 private:
  std::map<ClueKey, std::string> texts_;
  std::set<ClueKey> drafts_;
};

// "<raw crossword>.ledeord".
std::string clueFilePath(std::string_view rawPath);

// The clue file's bytes for the crossword.
std::string formatClueFile(const RawGrid& grid, const Clues& clues);

struct ClueFileResult {
  Clues clues;
  // Set when the file as a whole could not be used (nothing was taken).
  std::string error;
  // Clue lines that were skipped.
  int skipped = 0;
};

// Reads a clue file's bytes for the crossword.
ClueFileResult parseClueFile(std::string_view bytes, const RawGrid& grid);

// The clues kept beside the raw crossword; no clues and no error when there
// is no clue file.
ClueFileResult loadClues(std::string_view rawPath, const RawGrid& grid);

// Writes the clue file beside the raw crossword through a temporary file, so
// it is whole or untouched; with no clues left, removes it. False when it
// could not be written.
bool saveClues(std::string_view rawPath, const RawGrid& grid, const Clues& clues);

}  // namespace penvik
