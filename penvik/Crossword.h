#pragma once
// The crosswords the drawing program has open: each raw crossword with the
// clues written for it, in the order they arrived (newest last).
//
//   CrosswordList list;
//   Crossword& c = list.open("/data/out/x13_000.009");   // read now
//   if (!c.grid) show(c.error);
//   std::string error;
//   if (!c.setClue({0, 0, Direction::Across}, "Ost", error)) show(error);
//
// A clue is saved to the clue file (penvik/Clues.h) as soon as it changes,
// so nothing written is lost when the program ends.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "penvik/Clues.h"
#include "penvik/RawGrid.h"

namespace penvik {

struct Crossword {
  std::string path;
  std::optional<RawGrid> grid;  // empty when the file could not be read
  std::string error;            // why, when grid is empty
  Clues clues;
  // A problem with the clue file, told to the user; the crossword is usable.
  std::string clueNote;
  // The clue file beside it was written for another crossword: it is set
  // aside (renamed "….ledeord.gammel") before new clues are saved, so the
  // user's earlier work is not overwritten.
  bool foreignClueFile = false;

  // Reads the raw crossword and its clues.
  static Crossword open(std::string path);

  // Sets the clue's text (empty removes it), a draft or typed, and saves
  // the clue file. The clue must be one the crossword has (a clue cell that
  // starts a word that way). False with a message when it is not, or the file could not be
  // written; the text is kept in memory either way when the clue is valid.
  bool setClue(const ClueKey& key, std::string_view text, std::string& error, bool draft = false);
  // Adds drafts for clues that have no text yet (penvik/ClueDrafts.h) and
  // saves the clue file once; a clue with a text keeps it. False with a
  // message when the file could not be written.
  bool addDrafts(const Clues& drafts, std::string& error);
  // Every draft becomes a clue, saved once.
  bool acceptDrafts(std::string& error);

 private:
  // Writes the clue file, setting a foreign one aside first.
  bool save(std::string& error);
};

class CrosswordList {
 public:
  // Reads the crossword and puts it last; a path already listed is read
  // again and moves to the end. Returns the entry.
  Crossword& open(const std::string& path);

  const std::vector<Crossword>& entries() const { return entries_; }
  Crossword& at(std::size_t index) { return entries_.at(index); }
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<Crossword> entries_;
};

}  // namespace penvik
