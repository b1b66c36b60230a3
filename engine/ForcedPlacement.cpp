#include "engine/ForcedPlacement.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "dictionary/WordStore.h"
#include "engine/WorkingGrid.h"
#include "platform/Random.h"

namespace vorkel {

namespace {

int cellX(const Slot& slot, int i) { return slot.direction == Direction::Across ? slot.x + i : slot.x; }
int cellY(const Slot& slot, int i) { return slot.direction == Direction::Across ? slot.y : slot.y + i; }

// Every cell empty or already holding the word's letter there. Read from
// the cells, not the slot's text, which holds only its first 39 cells.
bool fits(const WorkingGrid& grid, const Slot& slot, std::string_view word) {
  if (slot.len != static_cast<int>(word.size())) return false;
  for (int i = 0; i < slot.len; ++i) {
    const char cell = grid.get(cellX(slot, i), cellY(slot, i));
    if (cell != ' ' && cell != word[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

bool isPlacedSlot(const Slot& slot, const std::vector<PlacedWord>& placed) {
  return std::any_of(placed.begin(), placed.end(), [&](const PlacedWord& p) {
    return p.x == slot.x && p.y == slot.y && p.direction == slot.direction;
  });
}

// The words the placement completed besides the forced ones: each must be
// a dictionary word and stand once.
bool completedSlotsAcceptable(WorkingGrid& grid, const std::vector<PlacedWord>& placed,
                              WordStore& dictionary) {
  grid.buildSlots();
  for (const Slot& slot : grid.slots()) {
    if (slot.len < 2 || WorkingGrid::hasEmptyCell(slot) || isPlacedSlot(slot, placed)) continue;
    // The dictionary takes any word beyond its longest as present.
    if (slot.len > WordStore::MaxLength || grid.isDuplicate(slot) ||
        !dictionary.hasMatch(slot.textView()))
      return false;
  }
  return true;
}

// An index below `count`, as a random number modulo the count; lists longer
// than the generator's range take two numbers, so every word can be drawn.
int randomIndex(Random& random, std::size_t count) {
  const auto n = static_cast<long long>(count);
  if (n <= Random::Max + 1LL) return random.below(static_cast<int>(n));
  const long long wide = static_cast<long long>(random.next()) * (Random::Max + 1LL) + random.next();
  return static_cast<int>(wide % n);
}

}  // namespace

bool placeForcedWords(WorkingGrid& grid, const ForcedWords& words, const Language& language,
                      Random& random, std::vector<PlacedWord>& placed) {
  placed.clear();
  std::vector<const Slot*> fitting;
  for (const ForcedWord& forced : words.words()) {
    if (!isLetterWord(forced.word, language)) return false;
    grid.buildSlots();
    fitting.clear();
    for (const Slot& slot : grid.slots()) {
      if (static_cast<int>(fitting.size()) >= MaxFittingSlots) break;
      if (fits(grid, slot, forced.word)) fitting.push_back(&slot);
    }
    if (fitting.empty()) return false;
    const Slot& slot =
        fitting.size() == 1 ? *fitting.front() : *fitting[static_cast<std::size_t>(
                                                     random.below(static_cast<int>(fitting.size())))];
    for (int i = 0; i < slot.len; ++i)
      grid.put(forced.word[static_cast<std::size_t>(i)], cellX(slot, i), cellY(slot, i));
    placed.push_back({slot.x, slot.y, slot.direction, forced.word});
  }
  return true;
}

bool placeForcedWordsRetrying(WorkingGrid& grid, const ForcedWords& words, const Language& language,
                              Random& random, WordStore& dictionary,
                              std::vector<PlacedWord>& placed) {
  std::vector<PlacedWord> tried;
  for (int attempt = 0; attempt < MaxPlacementTries; ++attempt) {
    WorkingGrid copy(grid);
    if (!placeForcedWords(copy, words, language, random, tried)) continue;
    if (!completedSlotsAcceptable(copy, tried, dictionary)) continue;
    grid = std::move(copy);
    placed = std::move(tried);
    return true;
  }
  return false;
}

DrawResult drawForcedWords(const std::vector<std::string>& list, WorkingGrid grid,
                           const Language& language, int& numberToDraw, Random& random,
                           ForcedWords& out) {
  out.clear();
  grid.buildSlots();
  std::set<int> lengths;
  for (const Slot& slot : grid.slots()) lengths.insert(slot.len);

  // The words that can go somewhere, each once.
  std::vector<const std::string*> left;
  std::set<std::string_view> seen;
  for (const std::string& word : list) {
    if (word.size() > ForcedWords::MaxWordLength || !lengths.count(static_cast<int>(word.size())) ||
        !isLetterWord(word, language) || !seen.insert(word).second)
      continue;
    left.push_back(&word);
  }
  if (left.empty()) return DrawResult::NoWordFits;

  numberToDraw = std::max(numberToDraw, 0);
  numberToDraw = std::min({numberToDraw, static_cast<int>(left.size()),
                           static_cast<int>(ForcedWords::Capacity)});
  std::vector<bool> taken(left.size(), false);
  while (static_cast<int>(out.size()) < numberToDraw) {
    const auto index = static_cast<std::size_t>(randomIndex(random, left.size()));
    if (taken[index]) continue;
    taken[index] = true;
    out.add(*left[index]);
  }
  return DrawResult::Drawn;
}

}  // namespace vorkel
