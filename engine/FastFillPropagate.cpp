// Propagation of the fast fill: keeping the slots' candidates and the
// cells' letters in line with each other (see FastFillSearch.h for the
// state and its invariant).
//
// A slot's candidates and its cells meet in two directions:
//   sync           cell -> slot: drop the words with a letter the cell no
//                  longer allows (one AND-NOT per dropped letter, or one AND
//                  with the letters kept when they are fewer);
//   deriveLetters  slot -> cell: a letter stays possible in a cell only while
//                  some candidate has it there.
// A narrowed cell queues the slot crossing it. propagate() works the queue in
// rounds, until nothing changes or after settings.rounds of them. Measured
// on the benchmark's hard grids (bench_fill --rounds): one round, the
// crossing slots only, finds dead ends so late that it needs ten to a
// hundred times the failures; two rounds are close to going on until
// nothing changes in the medians, but with three to four times its 90th
// percentile on the hardest grids, where the fixed point fails least. What
// is left in the queue after the last round is not lost: the cells keep
// their narrowed letters, and sync brings a slot in line with them before
// the slot is counted on (chosen or propagated through).
//
// Where a slot has few candidates compared with the blocks its set spans,
// reading the words' letters is cheaper than going over the sets; both
// functions choose by a rough count of the memory each way reads.

#include <algorithm>
#include <bit>
#include <cassert>

#include "engine/FastFillSearch.h"

namespace vorkel {

namespace {

using Block = WordIndex::Block;

// Up to this many candidates a slot is handled by reading its words rather
// than by going over bit sets.
constexpr int kFewCandidates = 64;

int bitCount(LetterSet s) { return std::popcount(s); }

// Slots, cells and positions are ints, as the slot graph numbers them; every
// vector they index is sized from the same graph.
template <class Vector>
auto& at(Vector& v, int index) {
  return v[static_cast<std::size_t>(index)];
}

}  // namespace

bool FastFillSearch::hasCandidate(int slot, int word) const {
  const SlotState& st = at(slots_, slot);
  return candidates_[st.offset + static_cast<std::size_t>(word / WordIndex::BlockBits)] >>
             (word % WordIndex::BlockBits) & 1u;
}

void FastFillSearch::narrowCell(int cell, LetterSet letters) {
  LetterSet& current = at(cellLetters_, cell);
  assert((letters & ~current) == 0);
  if (letters == current) return;
  trail_.push_back({TrailEntry::CellLetters, cell, current});
  current = letters;
}

void FastFillSearch::queueCrossing(int slot, int position) {
  const SlotGraph::Slot& g = at(graph_.slots, slot);
  const int crossing = at(g.crossing, position);
  if (crossing < 0 || at(slots_, crossing).word >= 0) return;
  if (at(queuedIn_, crossing) == nextTag_) return;
  at(queuedIn_, crossing) = nextTag_;
  nextQueue_.push_back(crossing);
}

void FastFillSearch::clearWord(int slot, int word) {
  saveSlot(slot);
  SlotState& st = at(slots_, slot);
  candidates_[st.offset + static_cast<std::size_t>(word / WordIndex::BlockBits)] &=
      ~(Block{1} << (word % WordIndex::BlockBits));
  --st.count;
  setDirty(slot, true);
}

void FastFillSearch::setDirty(int slot, bool dirty) {
  SlotState& st = at(slots_, slot);
  if (st.dirty == dirty) return;
  trail_.push_back({TrailEntry::Dirty, slot, st.dirty ? 1u : 0u});
  st.dirty = dirty;
}

bool FastFillSearch::sync(int slot) {
  SlotState& st = at(slots_, slot);
  const SlotGraph::Slot& g = at(graph_.slots, slot);
  const int length = g.length;
  LetterSet* seen = seen_.data() + st.seenAt;

  // What changed since the candidates were last brought in line: letters
  // to drop (the rare ones by their lists of blocks), or, where fewer
  // letters are kept than dropped, the kept ones.
  const Block* dropSets[SlotGraph::MaxLength * 32];
  int drops = 0;
  // A rare letter's set and its list of blocks. No initialisers: the
  // arrays here are left uninitialised and only their first entries are
  // written; zeroing a 12 KB array of lists on every call was a tenth of
  // the search time on a large grid.
  struct Rare {
    const Block* set;
    const std::uint32_t* begin;
    const std::uint32_t* end;
  };
  Rare rareLetters[SlotGraph::MaxLength * 32];
  int rares = 0;
  const Block* keepSets[SlotGraph::MaxLength * 32];
  int keepGroupEnd[SlotGraph::MaxLength];  // keepSets[previous end .. this end) is one group
  int keepGroups = 0, keeps = 0;
  bool changed = false;
  for (int i = 0; i < length; ++i) {
    const LetterSet now = at(cellLetters_, at(g.cell, i));
    if (now == seen[i]) continue;
    changed = true;
    const LetterSet present = index_.lettersAt(length, i);
    const LetterSet dropped = seen[i] & ~now & present;
    const LetterSet kept = now & present;
    if (bitCount(kept) < bitCount(dropped)) {
      for (LetterSet k = kept; k != 0; k &= k - 1)
        keepSets[keeps++] = index_.withLetter(length, i, std::countr_zero(k));
      keepGroupEnd[keepGroups++] = keeps;
      continue;
    }
    for (LetterSet d = dropped; d != 0; d &= d - 1) {
      const int code = std::countr_zero(d);
      const WordIndex::BlockList list = index_.nonZeroBlocks(length, i, code);
      if (list.begin != nullptr) {
        rareLetters[rares++] = {index_.withLetter(length, i, code), list.begin, list.end};
      } else {
        dropSets[drops++] = index_.withLetter(length, i, code);
      }
    }
  }
  if (!changed) return st.count > 0;
  saveSlot(slot);
  for (int i = 0; i < length; ++i)
    seen[i] = at(cellLetters_, at(g.cell, i));
  const int before = st.count;
  Block* words = candidates_.data() + st.offset;
  const long span = st.hi - st.lo;
  const bool fullPass = drops + keepGroups > 0;  // a group may keep nothing at all

  if (st.count <= kFewCandidates ||
      static_cast<long>(st.count) * length < span * (fullPass ? drops + keeps + 1 : 1)) {
    // Fewer letters to read than blocks to go over: test each word.
    blocks_ += static_cast<std::uint64_t>(span);
    for (int b = st.lo; b < st.hi; ++b) {
      for (Block bits = words[b]; bits != 0; bits &= bits - 1) {
        const int word = b * WordIndex::BlockBits + std::countr_zero(bits);
        const std::uint8_t* letters = index_.letters(length, word);
        for (int i = 0; i < length; ++i)
          if (!(seen[i] >> letters[i] & 1u)) {
            words[b] &= ~(Block{1} << (word % WordIndex::BlockBits));
            --st.count;
            break;
          }
      }
    }
  } else if (fullPass) {
    for (int k = 0; k < rares; ++k) dropSets[drops++] = rareLetters[k].set;
    blocks_ += static_cast<std::uint64_t>(span * (1 + drops + keeps));
    int count = 0, lo = st.hi, hi = st.lo;
    for (int b = st.lo; b < st.hi; ++b) {
      Block x = words[b];
      if (x == 0) continue;
      Block drop = 0;
      for (int k = 0; k < drops; ++k) drop |= dropSets[k][b];
      x &= ~drop;
      for (int group = 0, k = 0; group < keepGroups && x != 0; ++group) {
        Block keep = 0;
        for (; k < keepGroupEnd[group]; ++k) keep |= keepSets[k][b];
        x &= keep;
      }
      words[b] = x;
      if (x != 0) {
        count += std::popcount(x);
        if (lo > b) lo = b;
        hi = b + 1;
      }
    }
    st.count = count;
    st.lo = count > 0 ? lo : 0;
    st.hi = count > 0 ? hi : 0;
  } else {
    // Rare letters only: just the blocks that hold them.
    for (int k = 0; k < rares; ++k) {
      const Rare& rare = rareLetters[k];
      const std::uint32_t* p = std::lower_bound(rare.begin, rare.end, static_cast<std::uint32_t>(st.lo));
      for (; p != rare.end && static_cast<int>(*p) < st.hi; ++p) {
        blocks_ += 2;
        const Block x = words[*p] & rare.set[*p];
        words[*p] ^= x;
        st.count -= std::popcount(x);
      }
    }
  }
  if (st.count != before) setDirty(slot, true);
  if (st.count == 0) at(conflicts_, slot) += 1;
  return st.count > 0;
}

bool FastFillSearch::supports(int slot, int position, int code) {
  const SlotState& st = at(slots_, slot);
  const int length = at(graph_.slots, slot).length;
  const Block* words = candidates_.data() + st.offset;
  const Block* with = index_.withLetter(length, position, code);
  std::uint32_t& last = support_[at(supportAt_, slot) +
                                 static_cast<std::size_t>(position * 32 + code)];
  const int remembered = static_cast<int>(last);
  if (remembered >= st.lo && remembered < st.hi && (words[remembered] & with[remembered]) != 0)
    return true;
  const WordIndex::BlockList list = index_.nonZeroBlocks(length, position, code);
  if (list.begin != nullptr) {
    for (const std::uint32_t* p =
             std::lower_bound(list.begin, list.end, static_cast<std::uint32_t>(st.lo));
         p != list.end && static_cast<int>(*p) < st.hi; ++p) {
      blocks_ += 2;
      if ((words[*p] & with[*p]) != 0) {
        last = *p;
        return true;
      }
    }
    return false;
  }
  for (int b = st.lo; b < st.hi; ++b)
    if ((words[b] & with[b]) != 0) {
      blocks_ += 2 * static_cast<std::uint64_t>(b - st.lo + 1);
      last = static_cast<std::uint32_t>(b);
      return true;
    }
  blocks_ += 2 * static_cast<std::uint64_t>(st.hi - st.lo);
  return false;
}

void FastFillSearch::deriveLetters(int slot) {
  SlotState& st = at(slots_, slot);
  setDirty(slot, false);
  const SlotGraph::Slot& g = at(graph_.slots, slot);
  const int length = g.length;

  // Only a cell that an open slot crosses is worth narrowing: the letters
  // of any other cell follow from this slot's word alone. A cell down to
  // one letter keeps it (the slot is synced and has words).
  int positions[SlotGraph::MaxLength];
  int checks = 0, letters = 0;
  for (int i = 0; i < length; ++i) {
    const int crossing = at(g.crossing, i);
    if (crossing < 0 || at(slots_, crossing).word >= 0) continue;
    const int n = bitCount(at(cellLetters_, at(g.cell, i)) &
                           index_.lettersAt(length, i));
    if (n <= 1) continue;
    positions[checks++] = i;
    letters += n;
  }
  if (checks == 0) return;

  // Either read the words' letters, or ask for each letter whether some
  // candidate has it (a remembered block, then a scan). A word's letters
  // cost a miss in the cache where a block of a set is streamed, so a
  // letter read is weighed as 16 blocks (measured on the hard grids: 4 and
  // 8 were slower, 32 no faster).
  LetterSet found[SlotGraph::MaxLength] = {};
  const bool read = st.count <= kFewCandidates ||
                    static_cast<long>(st.count) * checks * 16 <= static_cast<long>(st.hi - st.lo) * letters;
  if (read) {
    blocks_ += static_cast<std::uint64_t>(st.hi - st.lo);
    const Block* words = candidates_.data() + st.offset;
    for (int b = st.lo; b < st.hi; ++b)
      for (Block bits = words[b]; bits != 0; bits &= bits - 1) {
        const std::uint8_t* word =
            index_.letters(length, b * WordIndex::BlockBits + std::countr_zero(bits));
        for (int k = 0; k < checks; ++k) found[k] |= LetterSet{1} << word[positions[k]];
      }
  }

  for (int k = 0; k < checks; ++k) {
    const int i = positions[k];
    const int cell = at(g.cell, i);
    const LetterSet now = at(cellLetters_, cell);
    LetterSet possible = 0;
    if (read) {
      possible = found[k] & now;
    } else {
      for (LetterSet left = now & index_.lettersAt(length, i); left != 0; left &= left - 1) {
        const int code = std::countr_zero(left);
        if (supports(slot, i, code)) possible |= LetterSet{1} << code;
      }
    }
    if (possible == now) continue;
    narrowCell(cell, possible);
    saveSlot(slot);
    seen_[st.seenAt + static_cast<std::size_t>(i)] = possible;
    queueCrossing(slot, i);
  }
}

bool FastFillSearch::propagate(int rounds) {
  bool consistent = true;
  for (int round = 0; consistent && (rounds == 0 || round < rounds) && !nextQueue_.empty();
       ++round) {
    queue_.swap(nextQueue_);
    nextQueue_.clear();
    nextTag_ = ++tagCounter_;
    for (const int slot : queue_) {
      if (at(slots_, slot).word >= 0) continue;
      if (!sync(slot)) {
        consistent = false;
        break;
      }
      if (at(slots_, slot).dirty) deriveLetters(slot);
    }
  }
  // Whatever is still queued is caught up by sync when its slot is next
  // looked at.
  nextQueue_.clear();
  nextTag_ = ++tagCounter_;
  return consistent;
}

bool FastFillSearch::place(int slot, int word) {
  SlotState& st = at(slots_, slot);
  const SlotGraph::Slot& g = at(graph_.slots, slot);
  trail_.push_back({TrailEntry::Word, slot, static_cast<std::uint32_t>(st.word)});
  st.word = word;
  const std::uint8_t* letters = index_.letters(g.length, word);
  for (int i = 0; i < g.length; ++i) {
    const int cell = at(g.cell, i);
    const LetterSet letter = LetterSet{1} << letters[i];
    assert(at(cellLetters_, cell) & letter);
    if (at(cellLetters_, cell) == letter) continue;
    narrowCell(cell, letter);
    queueCrossing(slot, i);
  }
  // Every word once: no other slot may take it now.
  for (const int other : slotsByLength_[g.length]) {
    if (other == slot || at(slots_, other).word >= 0 ||
        !hasCandidate(other, word))
      continue;
    clearWord(other, word);
    if (at(slots_, other).count == 0) {
      at(conflicts_, other) += 1;
      nextQueue_.clear();
      nextTag_ = ++tagCounter_;
      return false;
    }
  }
  return propagate(settings_.rounds);
}

bool FastFillSearch::remove(int slot, const int* words, int count) {
  for (int k = 0; k < count; ++k)
    if (hasCandidate(slot, words[k])) clearWord(slot, words[k]);
  if (at(slots_, slot).count == 0) {
    at(conflicts_, slot) += 1;
    return false;
  }
  if (at(slots_, slot).dirty) deriveLetters(slot);
  return propagate(settings_.rounds);
}

}  // namespace vorkel
