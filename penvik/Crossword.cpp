#include "penvik/Crossword.h"

#include <cstdio>

#include "platform/Files.h"

namespace penvik {

Crossword Crossword::open(std::string path) {
  Crossword c;
  // The generator names the file as its platform wrote paths: "\" may
  // separate, and the case of a name may differ from the file's.
  c.path = vorkel::Files::findCaseInsensitive(path);
  RawGridResult raw = loadRawGrid(c.path);
  if (!raw.grid) {
    c.error = std::move(raw.error);
    return c;
  }
  c.grid = std::move(raw.grid);
  ClueFileResult clues = loadClues(c.path, *c.grid);
  c.clues = std::move(clues.clues);
  if (!clues.error.empty()) {
    c.clueNote = std::move(clues.error);
    c.foreignClueFile = vorkel::Files::exists(clueFilePath(c.path));
  } else if (clues.skipped > 0) {
    c.clueNote = clueFilePath(c.path) + ": " + std::to_string(clues.skipped) +
                 " ledeord kunne ikke bruges og er udeladt.";
  }
  return c;
}

bool Crossword::setClue(const ClueKey& key, std::string_view text, std::string& message,
                        bool draft) {
  if (!grid || !clueCellAt(*grid, key.column, key.row).starts(key.direction)) {
    message = "Feltet starter intet ord i den retning.";
    return false;
  }
  if (clues.text(key) == text.substr(0, MaxClueText) && clues.isDraft(key) == (draft && !text.empty()))
    return true;
  clues.set(key, text, draft);
  return save(message);
}

bool Crossword::addDrafts(const Clues& drafts, std::string& message) {
  if (!grid) return true;
  bool added = false;
  for (const auto& [key, text] : drafts.all()) {
    if (!clues.text(key).empty() || !clueCellAt(*grid, key.column, key.row).starts(key.direction))
      continue;
    clues.set(key, text, true);
    added = true;
  }
  return !added || save(message);
}

bool Crossword::acceptDrafts(std::string& message) {
  if (clues.draftCount() == 0) return true;
  const Clues before = clues;
  for (const auto& [key, text] : before.all())
    if (before.isDraft(key)) clues.set(key, text);
  return save(message);
}

bool Crossword::save(std::string& message) {
  if (foreignClueFile) {
    const std::string old = clueFilePath(path);
    if (std::rename(old.c_str(), (old + ".gammel").c_str()) != 0) {
      message = old + ": den gamle ledeordsfil kan ikke flyttes til side; ledeordet er ikke gemt.";
      return false;
    }
    foreignClueFile = false;
  }
  if (!saveClues(path, *grid, clues)) {
    message = clueFilePath(path) + ": ledeordene kan ikke gemmes.";
    return false;
  }
  return true;
}

Crossword& CrosswordList::open(const std::string& path) {
  Crossword opened = Crossword::open(path);
  std::erase_if(entries_, [&](const Crossword& c) { return c.path == opened.path; });
  entries_.push_back(std::move(opened));
  return entries_.back();
}

}  // namespace penvik
