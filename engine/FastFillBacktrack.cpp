// The trail and the search of the fast fill.
//
// Trail. Every change of the state is saved before it is made: a cell's
// letters, a slot's word and dirty flag as single entries, a slot's
// candidates (with lo, hi, count and seen) as one copy of the blocks in use,
// taken at most once per stamp. A mark starts a new stamp; undo() goes back
// to a mark by restoring the entries after it, newest first, so every copy
// restores the state it was taken from. Only undo() grows a set.
//
// Search. Depth-first, one placed word per level, chronological
// backtracking: a word that leads to a contradiction (at once or deeper
// down) is taken back, counts as a failure, and is removed from its slot's
// candidates; the removal is propagated like a placement. A level ends when
// its slot has no candidates left. Since nothing but contradictions removes
// a word, running out at the first level proves that no fill exists.

#include <algorithm>

#include "engine/FastFillSearch.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

using Block = WordIndex::Block;

// How often the keyboard queue is looked at, in placements.
constexpr std::uint64_t kPollInterval = 128;

}  // namespace

FastFillSearch::Mark FastFillSearch::mark() {
  const Mark m{trail_.size(), saved_.size(), stamp_};
  stamp_ = nextStamp_++;
  return m;
}

// A slot record in saved_: lo, hi, count, then the seen letters, then the
// candidate blocks lo .. hi - 1.
void FastFillSearch::saveSlot(int slot) {
  SlotState& st = slots_[static_cast<std::size_t>(slot)];
  if (st.savedStamp == stamp_) return;
  const int length = graph_.slots[static_cast<std::size_t>(slot)].length;
  trail_.push_back({TrailEntry::SlotRecord, slot, st.savedStamp, saved_.size()});
  st.savedStamp = stamp_;
  saved_.push_back(static_cast<Block>(static_cast<std::uint32_t>(st.lo)) |
                   static_cast<Block>(static_cast<std::uint32_t>(st.hi)) << 32);
  saved_.push_back(static_cast<Block>(static_cast<std::uint32_t>(st.count)));
  for (int i = 0; i < length; ++i) saved_.push_back(seen_[st.seenAt + static_cast<std::size_t>(i)]);
  blocks_ += static_cast<std::uint64_t>(st.hi - st.lo);
  saved_.insert(saved_.end(), candidates_.begin() + static_cast<std::ptrdiff_t>(st.offset + st.lo),
                candidates_.begin() + static_cast<std::ptrdiff_t>(st.offset + st.hi));
}

void FastFillSearch::undo(const Mark& m) {
  while (trail_.size() > m.trail) {
    const TrailEntry& e = trail_.back();
    switch (e.kind) {
      case TrailEntry::CellLetters:
        cellLetters_[static_cast<std::size_t>(e.index)] = e.value;
        break;
      case TrailEntry::Word:
        slots_[static_cast<std::size_t>(e.index)].word = static_cast<int>(e.value);
        break;
      case TrailEntry::Dirty:
        slots_[static_cast<std::size_t>(e.index)].dirty = e.value != 0;
        break;
      case TrailEntry::SlotRecord: {
        SlotState& st = slots_[static_cast<std::size_t>(e.index)];
        const int length = graph_.slots[static_cast<std::size_t>(e.index)].length;
        const Block* record = saved_.data() + e.saved;
        // Blocks outside the saved range were zero then and have only
        // shrunk since.
        st.lo = static_cast<int>(record[0] & 0xFFFFFFFFu);
        st.hi = static_cast<int>(record[0] >> 32);
        st.count = static_cast<int>(record[1]);
        for (int i = 0; i < length; ++i)
          seen_[st.seenAt + static_cast<std::size_t>(i)] = static_cast<LetterSet>(record[2 + i]);
        blocks_ += static_cast<std::uint64_t>(st.hi - st.lo);
        std::copy(record + 2 + length, record + 2 + length + (st.hi - st.lo),
                  candidates_.begin() + static_cast<std::ptrdiff_t>(st.offset + st.lo));
        st.savedStamp = e.value;
        break;
      }
    }
    trail_.pop_back();
  }
  saved_.resize(m.saved);
  stamp_ = m.stamp;
}

bool FastFillSearch::stopRequested() {
  if (stopped_) return true;
  // From the first placement on, so that a stop asked for between two
  // attempts ends the next one at once.
  if (nodes_ % kPollInterval != 1) return false;
  KeyMessage key;
  if (ui_.pollKey(key) && key.key == KeyMessage::Escape) stopped_ = true;
  return stopped_;
}

FastFillOutcome::Status FastFillSearch::search() {
  switch (searchFrom()) {
    case Level::Filled: return FastFillOutcome::Status::Filled;
    case Level::Dead: return FastFillOutcome::Status::Unfillable;
    case Level::OutOfBudget: return FastFillOutcome::Status::GaveUp;
    case Level::Stopped: break;
  }
  return FastFillOutcome::Status::Stopped;
}

FastFillSearch::Level FastFillSearch::searchFrom() {
  const int slot = chooseSlot();
  if (slot < 0) return Level::Filled;
  for (;;) {
    if (!sync(slot)) return Level::Dead;
    const int word = chooseWord(slot);
    if (word < 0) return Level::Dead;
    ++nodes_;
    if (stopRequested()) return Level::Stopped;
    const Mark before = mark();
    if (place(slot, word)) {
      const Level below = searchFrom();
      if (below != Level::Dead) return below;
    }
    undo(before);
    ++failures_;
    if (settings_.failureBudget != 0 && failures_ >= settings_.failureBudget)
      return Level::OutOfBudget;
    if (!remove(slot, &word, 1)) return Level::Dead;
  }
}

}  // namespace vorkel
