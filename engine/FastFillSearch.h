#pragma once
// Internal to the fast fill (FastFill.h): the search state and the phases
// that work on it, one source file per phase:
//
//   FastFillSetup.cpp       the starting state from the grid
//   FastFillPropagate.cpp   sync, letter sets of cells, placing and removing
//   FastFillChoose.cpp      the next slot and its word
//   FastFillBacktrack.cpp   the trail, undo and the search itself
//
// State. For every slot s:
//   candidates   bit set over the words of its length; a word is in it
//                unless it has been shown not to fit (it may still hold
//                words that the latest letter sets of its cells exclude, see
//                `seen`); blocks outside [lo, hi) are zero;
//   count        the number of words in candidates;
//   seen[i]      the letters of cell i that candidates were last brought in
//                line with; always a superset of the cell's letters, and
//                candidates holds no word with a letter outside seen;
//   word         the placed word, -1 while the slot is open;
//   dirty        candidates shrank since the cells' letters were last
//                derived from it.
// For every cell, letters: the codes still possible there. The invariant the
// search keeps: every fill that agrees with the placed words has, in every
// cell, a letter of its set, and in every open slot a word of its
// candidates. Only sync and the two update functions shrink the sets; only
// undo grows them.

#include <cstdint>
#include <vector>

#include "engine/FastFill.h"
#include "engine/SlotGraph.h"
#include "engine/WordIndex.h"

namespace vorkel {

struct FastFillWorkspace;

class FastFillSearch {
  friend struct FastFillWorkspace;

 public:
  using Block = WordIndex::Block;

  FastFillSearch(const WordIndex& index, const SlotGraph& graph, Random& random, Ui& ui,
                 const FastFillSettings& settings);

  // --- setup (FastFillSetup.cpp) ---
  // The starting state: every word of its length for each slot, the given
  // letters for each cell (0 for a cell whose letter no word has), then
  // propagation until nothing changes. False when that shows the grid
  // cannot be filled.
  bool setup(const std::vector<LetterSet>& cellLetters);

  // --- the search (FastFillBacktrack.cpp) ---
  FastFillOutcome::Status search();
  // After Filled: the placed word of each slot.
  int wordOf(int slot) const { return slots_[static_cast<std::size_t>(slot)].word; }
  std::uint64_t nodes() const { return nodes_; }
  std::uint64_t blocks() const { return blocks_; }
  std::uint64_t failures() const { return failures_; }
  LetterSet cellLetters(int cell) const { return cellLetters_[static_cast<std::size_t>(cell)]; }
  // The vectors an attempt works in (FastFillWorkspace, below). An attempt takes
  // them from the one before and gives them back, so the attempts of a run
  // allocate once; setup() sets each afresh but the dead ends per slot,
  // which are carried from one attempt to the next on purpose.
  void adopt(FastFillWorkspace& workspace);
  void giveBack(FastFillWorkspace& workspace);

  // --- trail (FastFillBacktrack.cpp) ---
  struct Mark {
    std::size_t trail = 0;
    std::size_t saved = 0;
    std::uint32_t stamp = 0;
  };
  Mark mark();
  void undo(const Mark& mark);

  // --- propagation (FastFillPropagate.cpp) ---
  // Places `word` in `slot` and propagates; false on a contradiction.
  bool place(int slot, int word);
  // Removes words from an open slot's candidates and propagates; false on a
  // contradiction.
  bool remove(int slot, const int* words, int count);
  // Brings the slot's candidates in line with its cells' letters; false
  // when none is left.
  bool sync(int slot);
  bool hasCandidate(int slot, int word) const;
  int candidateCount(int slot) const { return slots_[static_cast<std::size_t>(slot)].count; }

  // --- choice (FastFillChoose.cpp) ---
  // The open slot to fill next; -1 when every slot holds a word.
  int chooseSlot() const;
  // A word for a synced open slot with candidates, or -1 when the samples
  // showed that none can stand (the slot is then left without candidates).
  // Words found to empty a crossing slot are removed on the way.
  int chooseWord(int slot);

 private:
  struct SlotState {
    std::size_t offset = 0;    // first block of candidates in candidates_
    std::size_t seenAt = 0;    // first entry of seen in seen_
    int lo = 0;                // blocks outside [lo, hi) are zero
    int hi = 0;
    int count = 0;
    int word = -1;
    std::uint32_t savedStamp = 0;  // the stamp under which it was last saved
    bool dirty = false;
  };
  struct TrailEntry {
    enum Kind : std::uint8_t { CellLetters, SlotRecord, Word, Dirty } kind;
    int index;
    std::uint32_t value;     // old letters, word, savedStamp or dirty flag
    std::size_t saved = 0;   // SlotRecord: where its copy starts in saved_
  };

  // Propagation.
  void saveSlot(int slot);
  void narrowCell(int cell, LetterSet letters);
  void queueCrossing(int slot, int position);
  void clearWord(int slot, int word);
  void setDirty(int slot, bool dirty);
  // Derives the letters of the slot's cells from its candidates and narrows
  // the cells; the crossing slots of narrowed cells are queued.
  void deriveLetters(int slot);
  bool propagate(int rounds);
  bool supports(int slot, int position, int code);

  // Choice.
  static constexpr int kMaxSamples = 64;
  void candidatesAt(int slot, const std::uint32_t* ranks, int n, int* words) const;
  std::uint32_t randomBits();

  int keptWith(int slot, int position, int code) const;

  // Search.
  enum class Level { Filled, Dead, OutOfBudget, Stopped };
  Level searchFrom();
  bool stopRequested();

  const WordIndex& index_;
  const SlotGraph& graph_;
  Random& random_;
  Ui& ui_;
  FastFillSettings settings_;

  std::vector<SlotState> slots_;
  std::vector<Block> candidates_;
  std::vector<LetterSet> seen_;
  std::vector<LetterSet> cellLetters_;
  // Per (slot, position, code): the block where a candidate with that
  // letter stood last time; checked first, as it often still does.
  std::vector<std::uint32_t> support_;
  std::vector<std::size_t> supportAt_;  // per slot: its first entry
  // Per length: the slots of that length, for the every-word-once rule.
  std::vector<int> slotsByLength_[SlotGraph::MaxLength + 1];

  // The slots whose cells were narrowed, to be worked in the next round;
  // queuedIn_ holds per slot the tag of the queue that has it.
  std::vector<int> queue_, nextQueue_;
  std::vector<std::uint32_t> queuedIn_;
  std::uint32_t nextTag_ = 1;
  std::uint32_t tagCounter_ = 1;

  std::vector<TrailEntry> trail_;
  std::vector<Block> saved_;  // copies of slot records, see saveSlot
  std::uint32_t stamp_ = 1;
  std::uint32_t nextStamp_ = 2;

  // Dead ends met per slot (its candidates ran out): slots that fail often
  // are chosen earlier. Kept across the attempts at one crossword.
  std::vector<double> conflicts_;

  std::uint64_t nodes_ = 0;
  // 64-bit blocks of word sets read, for the physical limit: how much of a
  // fill's time is streaming memory. Counted per pass over a range.
  mutable std::uint64_t blocks_ = 0;
  std::uint64_t failures_ = 0;
  bool stopped_ = false;
};

// What a fill keeps between its attempts: the search's vectors, with their
// capacity, and the dead ends per slot.
struct FastFillWorkspace {
  std::vector<FastFillSearch::SlotState> slots;
  std::vector<FastFillSearch::Block> candidates;
  std::vector<LetterSet> seen;
  std::vector<LetterSet> cellLetters;
  std::vector<std::uint32_t> support;
  std::vector<std::size_t> supportAt;
  std::vector<int> slotsByLength[SlotGraph::MaxLength + 1];
  std::vector<int> queue, nextQueue;
  std::vector<std::uint32_t> queuedIn;
  std::vector<FastFillSearch::TrailEntry> trail;
  std::vector<FastFillSearch::Block> saved;
  std::vector<double> conflicts;
};

}  // namespace vorkel
