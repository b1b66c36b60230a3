#pragma once
// The fast fill: fills a grid with dictionary words, each word at most
// once, without a path.
//
// Where the path fill (FillEngine.h) visits the slots in the user's order
// and asks the word store at every step, this fill keeps for every slot the
// set of its candidate words as a bit set over the words of its length
// (WordIndex.h) and for every letter cell the set of letters still possible
// there, and decides the order itself:
//
//   choose     (FastFillChoose.cpp)  the open slot with the fewest candidates
//              per crossing, crossings that failed often counting more; for
//              it the best of a few random candidates, by how many
//              candidates the crossing slots would keep;
//   propagate  (FastFillPropagate.cpp) after a word is placed or removed, the
//              crossing slots drop the words that no longer fit and narrow
//              their cells, the slots crossing those follow, and so on until
//              nothing changes; a placed word leaves the candidates of every
//              other slot;
//   backtrack  (FastFillBacktrack.cpp) every change is saved on a trail
//              first; a word that led nowhere is taken back, removed from
//              its slot's candidates and the removal propagated.
//
// The search is complete: given no failure budget, it finds a fill when
// there is one and otherwise answers Unfillable. A budget of failures (dead
// ends) makes one call one attempt of a restarting run: the caller starts a
// new attempt, the random stream going on, with the budget its restart
// policy gives (a Luby sequence cuts the heavy tail of the search times).
// Only the random generator steers the search, never the clock, so a seed
// reproduces a fill.
//
//   WordIndex index = WordIndex::build(dictionary, SlotGraph::of(grid).lengths());
//   FastFill fill(index, language);
//   FastFillOutcome r = fill.fill(grid, random, ui, FastFillSettings{});
//   if (r.status == FastFillOutcome::Status::Filled) saveRawCrossword(grid, ...);
//
// Letters already in the grid (a template filled with letters) stay: their
// cells allow that letter only, and a slot they complete must be a word.
// Forced words enter the same way, as letters the placement has written into
// the grid before the fill. On success the grid holds the crossword in the
// language's letters; otherwise it is left as it was.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/WordIndex.h"

namespace vorkel {

class Language;
class Random;
class WorkingGrid;
class Ui;

struct FastFillSettings {
  // Dead ends one attempt may meet before it gives up; 0 for no limit.
  std::uint64_t failureBudget = 0;
  // Rounds of propagation after each placement or removal: 1 updates the
  // crossing slots, 2 the slots crossing those as well, and so on; 0 goes
  // on until nothing changes (FastFillPropagate.cpp says why that is the
  // default).
  int rounds = 0;
  // Random candidates weighed per placement (at most 64); with word scores
  // more of them, so that a better word is among them more often (on the
  // whole list 8 draws instead of 4 raise the share of well-known words
  // from 78 to 82 % at the same speed). fastFillSettings gives a list cut
  // at a score floor many more.
  int samples = 4;
  int scoredSamples = 8;
  // How much a word's own score (WordIndex::score, 0..100) counts beside
  // the room it leaves its crossings (the sum of log2 of their candidate
  // counts): a word of score 100 gains this many bits over one of score 0.
  // Ignored when the index has no scores.
  double scoreWeight = 16;
};

// The settings of a fill from words cut at score `floor` (0: the whole
// list). Above 1: 64 draws at score weight 8. The stock models, filled from
// the words scored 50 or more, then meet about a third fewer dead ends than
// with 8 draws at weight 16 (Model3: 976 to 628 placements a crossword) at
// a slightly higher mean word score. A whole list keeps 8 draws: there the
// crossing slots hold so many words that weighing 64 draws costs more than
// the dead ends it saves (the benchmark's hard grids: up to half as long
// again for a single crossword).
FastFillSettings fastFillSettings(int floor);

struct FastFillOutcome {
  enum class Status : std::uint8_t {
    Filled,      // the grid holds the crossword
    GaveUp,      // the failure budget ran out: try again
    Unfillable,  // no fill exists with these words and letters
    Stopped,     // the ui's keyboard queue asked to stop (Escape)
  };
  Status status = Status::GaveUp;
  std::uint64_t nodes = 0;     // words placed
  std::uint64_t failures = 0;  // dead ends met
  std::uint64_t blocks = 0;    // 64-bit blocks of word sets read or copied
};

struct FastFillWorkspace;

class FastFill {
 public:
  // The index and the language must outlive the fill. `language` turns the
  // grid's letters into letter codes and back.
  FastFill(const WordIndex& index, const Language& language);
  ~FastFill();
  FastFill(const FastFill&) = delete;
  FastFill& operator=(const FastFill&) = delete;

  // A new crossword: forgets the dead ends the attempts so far met, so that
  // it is filled as a fresh FastFill would fill it (its memory is kept).
  void startCrossword();

  // One attempt at filling `grid`. The keyboard queue of `ui` is looked at
  // every 128 placements; Escape stops the attempt.
  FastFillOutcome fill(WorkingGrid& grid, Random& random, Ui& ui, const FastFillSettings& settings);

 private:
  const WordIndex& index_;
  const Language& language_;
  // The search's vectors between attempts, and the dead ends per slot that
  // steer the next attempt (FastFillSearch).
  std::unique_ptr<FastFillWorkspace> workspace_;
};

}  // namespace vorkel
