// The starting state of the fast fill: every word of its length for each
// slot, the grid's letters for each cell, and propagation until nothing
// changes (once per attempt, so it may go all the way).

#include <algorithm>

#include "engine/FastFillSearch.h"

namespace vorkel {

FastFillSearch::FastFillSearch(const WordIndex& index, const SlotGraph& graph, Random& random,
                               Ui& ui, const FastFillSettings& settings)
    : index_(index), graph_(graph), random_(random), ui_(ui), settings_(settings) {}

void FastFillSearch::adopt(FastFillWorkspace& w) {
  slots_.swap(w.slots);
  candidates_.swap(w.candidates);
  seen_.swap(w.seen);
  cellLetters_.swap(w.cellLetters);
  support_.swap(w.support);
  supportAt_.swap(w.supportAt);
  for (int length = 0; length <= SlotGraph::MaxLength; ++length)
    slotsByLength_[length].swap(w.slotsByLength[length]);
  queue_.swap(w.queue);
  nextQueue_.swap(w.nextQueue);
  queuedIn_.swap(w.queuedIn);
  trail_.swap(w.trail);
  saved_.swap(w.saved);
  conflicts_.swap(w.conflicts);
}

void FastFillSearch::giveBack(FastFillWorkspace& w) { adopt(w); }

bool FastFillSearch::setup(const std::vector<LetterSet>& cellLetters) {
  cellLetters_ = cellLetters;
  const std::size_t slotCount = graph_.slots.size();
  slots_.assign(slotCount, SlotState{});
  queuedIn_.assign(slotCount, 0);
  supportAt_.assign(slotCount, 0);
  for (auto& list : slotsByLength_) list.clear();
  if (conflicts_.size() != slotCount) conflicts_.assign(slotCount, 0);

  std::size_t blocks = 0, seen = 0, supports = 0;
  for (std::size_t s = 0; s < slotCount; ++s) {
    const int length = graph_.slots[s].length;
    SlotState& st = slots_[s];
    st.offset = blocks;
    st.seenAt = seen;
    supportAt_[s] = supports;
    st.count = index_.wordCount(length);
    st.lo = 0;
    st.hi = index_.blockCount(length);
    st.dirty = true;
    blocks += static_cast<std::size_t>(st.hi);
    seen += static_cast<std::size_t>(length);
    supports += static_cast<std::size_t>(length) * 32;
    slotsByLength_[length].push_back(static_cast<int>(s));
  }
  candidates_.assign(blocks, ~Block{0});
  seen_.assign(seen, ~LetterSet{0});
  support_.assign(supports, 0);
  for (std::size_t s = 0; s < slotCount; ++s) {
    SlotState& st = slots_[s];
    if (st.count == 0) return false;  // no word of this length at all
    // The last block holds only the words there are.
    const int tail = st.count % WordIndex::BlockBits;
    if (tail != 0) candidates_[st.offset + static_cast<std::size_t>(st.hi - 1)] = (Block{1} << tail) - 1;
  }

  trail_.clear();
  saved_.clear();
  // The trail and the copies of slot records grow with the search: up to
  // about 20 blocks copied and 3 trail entries per block of the candidates
  // in the stock models. Room reserved up front is touched only as it is
  // used; grown by doubling instead, each step copies everything into fresh
  // pages, and on a virtual machine a fresh page costs about 10
  // microseconds to fault in: a third of the search of a small model.
  if (saved_.capacity() < blocks * 32) saved_.reserve(blocks * 32);
  if (trail_.capacity() < blocks * 4) trail_.reserve(blocks * 4);
  queue_.clear();
  nextQueue_.clear();
  nextTag_ = ++tagCounter_;
  for (std::size_t s = 0; s < slotCount; ++s) {
    queuedIn_[s] = nextTag_;
    nextQueue_.push_back(static_cast<int>(s));
  }
  const bool consistent = propagate(0);
  // Nothing undoes the start: the trail begins here.
  trail_.clear();
  saved_.clear();
  stamp_ = nextStamp_++;
  return consistent;
}

}  // namespace vorkel
