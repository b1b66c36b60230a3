#include "engine/CandidateSearch.h"

#include <algorithm>
#include <cstring>

#include "dictionary/WordStore.h"
#include "platform/Random.h"

namespace vorkel {

namespace {

constexpr LetterSet kAllLetters = 0xFFFFFFFFu;

// Fills `info` from the crossing slot through the cell (cellX, cellY).
void readCrossing(WorkingGrid& grid, Slot* crossing, int cellX, int cellY, CrossInfo& info) {
  info = CrossInfo{};
  if (crossing == nullptr) return;  // the empty stand-by: nothing to ask
  grid.readSlot(*crossing);
  if (!WorkingGrid::hasEmptyCell(*crossing)) return;
  const int pos = crossing->direction == Direction::Across ? cellX - crossing->x : cellY - crossing->y;
  if (pos < 0 || pos >= crossing->len) return;  // not through this cell: no usable crossing
  info.len = crossing->len;
  info.pos = pos;
  info.ch = static_cast<unsigned char>(grid.get(cellX, cellY));
  if (crossing->len <= CrossInfo::MaxCells) {
    const std::string_view text = crossing->textView();
    text.copy(info.text, text.size());
    info.text[text.size()] = '\0';
  }
}

// The letters the crossing can take at the shared cell; 0 when none.
LetterSet crossingLetters(const WordStore& dictionary, const CrossInfo& info) {
  if (info.len == 1) return kAllLetters;  // a one-cell run is no word: anything goes
  // No dictionary word is longer than MaxLength, so such a crossing can
  // never be completed.
  if (info.len > WordStore::MaxLength) return 0;
  Crossing crossing;
  dictionary.normalisePattern(std::string_view(info.text), crossing.pattern);
  crossing.index = info.pos;
  crossing.letter = WordStore::Blank;
  crossing.length = info.len;
  crossing.letters = 0;
  dictionary.possibleLetters(crossing);
  return crossing.letters;
}

}  // namespace

int keptCandidates(const SearchParameters& parameters, int length) {
  return std::clamp(parameters.keptCandidates, 1, CandidateList::capacityFor(length));
}

bool searchCandidates(FillContext& context, Slot& slot, WordPattern& scratch,
                      CandidateList& list, const SlotIndex* index) {
  list.saved = slot;
  scratch.slot = &slot;
  scratch.len = slot.len;
  // An open slot of one cell never gets candidates; nor does one that no
  // dictionary word is long enough to fill (its text would not fit the
  // scratch either).
  if (slot.len < WordStore::MinLength || slot.len > WordStore::MaxLength) return false;
  const std::string_view text = slot.textView();
  text.copy(scratch.pattern, text.size());
  scratch.pattern[text.size()] = '\0';

  WorkingGrid& grid = context.grid;
  const int length = slot.len;
  const Direction across = slot.direction == Direction::Down ? Direction::Across : Direction::Down;  // the crossings' direction
  for (int i = 0; i < length; ++i) {
    const int cx = slot.direction == Direction::Down ? slot.x : slot.x + i;
    const int cy = slot.direction == Direction::Down ? slot.y + i : slot.y;
    Slot* crossing = index != nullptr ? index->find(cx, cy, across) : nullptr;
    if (crossing == nullptr) crossing = grid.findSlot(cx, cy, across);
    readCrossing(grid, crossing, cx, cy, scratch.cross[i]);
  }

  LetterSet sets[WordPattern::MaxPositions] = {};
  for (int i = 0; i < length; ++i) {
    CrossInfo& info = scratch.cross[i];
    if (info.ch != ' ') continue;  // a fixed letter, or no open crossing
    info.allowed = crossingLetters(context.dictionary, info);
    if (info.allowed == 0) return false;
    sets[i] = info.allowed;
  }

  list.reset(length);
  const int kept = keptCandidates(context.parameters, length);
  const int percent = context.parameters.replacePercent;
  EngineCounters& counters = context.counters;
  Random& random = context.random;
  counters.remaining = context.parameters.maxReplacements;

  const auto collect = [&](std::string_view word) {
    if (word.size() != static_cast<std::size_t>(length)) return true;  // not for this slot
    const auto* letters = reinterpret_cast<const unsigned char*>(word.data());
    if (list.count() < kept) {
      list.append(letters);
      return true;
    }
    if (counters.remaining <= 0) return false;
    if (random.next() % 100 < percent) {
      --counters.remaining;
      list.replace(random.below(list.count()), letters);
    }
    return true;
  };
  context.dictionary.findCandidates(length, std::string_view(scratch.pattern, text.size()), sets,
                                    collect);
  return list.count() > 0;
}

}  // namespace vorkel
