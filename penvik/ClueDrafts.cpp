#include "penvik/ClueDrafts.h"

#include <set>

#include "penvik/ClueCells.h"
#include "platform/Cp1252.h"

namespace penvik {

std::string clueWord(const RawGrid& grid, const ClueKey& key) {
  const bool across = key.direction == Direction::Across;
  int column = key.column + (across ? 1 : 0);
  int row = key.row + (across ? 0 : 1);
  std::string bytes;
  while (grid.contains(column, row) && grid.at(column, row) != RawGrid::ClueCell) {
    const char letter = grid.at(column, row);
    if (!isCp1252Letter(static_cast<unsigned char>(letter))) return {};
    bytes.push_back(letter);
    (across ? column : row) += 1;
  }
  if (bytes.size() < 2) return {};
  return vorkel::cp1252ToUtf8(bytes);
}

namespace {

// Windows-1252 text in upper case, for comparing clues.
std::string folded(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
  }
  return out;
}

}  // namespace

Clues draftClues(const RawGrid& grid, const Clues& typed, const ClueLookup& lookup,
                 const ClueFits& fits) {
  Clues drafts;
  std::set<std::string> used;
  for (const auto& [key, text] : typed.all()) used.insert(folded(text));
  for (const ClueCell& cell : findClueCells(grid)) {
    for (const Direction d : {Direction::Across, Direction::Down}) {
      if (!cell.starts(d)) continue;
      const ClueKey key{cell.column, cell.row, d};
      if (!typed.text(key).empty()) continue;
      const std::string word = clueWord(grid, key);
      if (word.empty()) continue;
      // The first usable proposal that fits its box, else the first usable.
      std::string first;
      for (const std::string& proposal : lookup(word)) {
        std::string bytes;
        if (proposal.empty() || !vorkel::utf8ToCp1252Exact(proposal, bytes) ||
            bytes.size() > MaxClueText || used.count(folded(bytes)))
          continue;
        if (first.empty()) first = bytes;
        if (!fits || fits(key, bytes)) {
          first = bytes;
          break;
        }
      }
      if (first.empty()) continue;
      used.insert(folded(first));
      drafts.set(key, first);
    }
  }
  return drafts;
}

Clues withDrafts(const Clues& typed, const Clues& drafts) {
  Clues all = typed;
  for (const auto& [key, text] : drafts.all())
    if (all.text(key).empty()) all.set(key, text);
  return all;
}

}  // namespace penvik
