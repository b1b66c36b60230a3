// Choices of the fast fill: which slot next, and which of its words.
//
// Slot: the open slot with the fewest candidates per weight of its open
// crossings (dom/wdeg, Boussemart, Hemery, Lecoutre and Sais 2004). Each
// open crossing weighs 1 plus the dead ends met in it so far, and a slot's
// own dead ends count too: few candidates fail (or succeed) soon, and the
// slots where the search keeps failing are the ones to settle first. The
// dead ends are kept across the attempts at one crossword, so a restart
// starts where the trouble was. (The counts of slots that propagation has
// not reached are upper bounds; the chosen slot is synced first.)
//
// Word: a few candidates drawn at random, each weighed by how many
// candidates its crossing slots would keep (the sum of the logarithms of
// those counts, i.e. their product). The best one is placed. A candidate
// that would leave a crossing slot without words cannot stand and is
// removed at once. Drawing at random rather than weighing every candidate
// keeps a placement cheap and lets restarts try different fills; weighing
// a few halves the long tail of the search times against taking the first
// drawn. With word scores the fill draws more candidates (many more from a
// list cut at a score floor, fastFillSettings) and a draw's
// weight adds its score (FastFillSettings::scoredSamples, scoreWeight), so
// it leans to the better words at the cost of one array read per draw; the
// better-informed choice also meets fewer dead ends. The draws are found in
// one pass over the slot's blocks, however many there are.

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "engine/FastFillSearch.h"
#include "platform/Random.h"

namespace vorkel {

namespace {

using Block = WordIndex::Block;
// Candidates a crossing slot may keep before more make no difference to
// the choice of a word.
constexpr int kEnough = 256;

}  // namespace

int FastFillSearch::chooseSlot() const {
  int best = -1;
  double bestKey = std::numeric_limits<double>::infinity();
  for (std::size_t s = 0; s < slots_.size(); ++s) {
    const SlotState& st = slots_[s];
    if (st.word >= 0) continue;
    const SlotGraph::Slot& g = graph_.slots[s];
    double weight = conflicts_[s];
    for (int i = 0; i < g.length; ++i) {
      const int u = g.crossing[static_cast<std::size_t>(i)];
      if (u >= 0 && slots_[static_cast<std::size_t>(u)].word < 0)
        weight += 1 + conflicts_[static_cast<std::size_t>(u)];
    }
    const double key = static_cast<double>(st.count) / std::max(weight, 1.0);
    if (key < bestKey) {
      bestKey = key;
      best = static_cast<int>(s);
    }
  }
  return best;
}

std::uint32_t FastFillSearch::randomBits() {
  const auto high = static_cast<std::uint32_t>(random_.next());
  return high << 15 | static_cast<std::uint32_t>(random_.next());
}

// The words of the candidates of ranks ranks[0 .. n) (distinct, each below
// the slot's count, in word order) into words[0 .. n), in one pass over the
// slot's blocks: a rank is found in the block where the running count of
// candidates passes it.
void FastFillSearch::candidatesAt(int slot, const std::uint32_t* ranks, int n, int* words) const {
  std::pair<std::uint32_t, int> order[kMaxSamples];
  for (int k = 0; k < n; ++k) order[k] = {ranks[k], k};
  std::sort(order, order + n);
  const SlotState& st = slots_[static_cast<std::size_t>(slot)];
  const Block* blocks = candidates_.data() + st.offset;
  int next = 0;
  std::uint32_t before = 0;  // candidates in the blocks before b
  int b = st.lo;
  for (; b < st.hi && next < n; ++b) {
    const Block bits = blocks[b];
    const auto inBlock = static_cast<std::uint32_t>(std::popcount(bits));
    for (; next < n && order[next].first < before + inBlock; ++next) {
      Block x = bits;
      for (std::uint32_t left = order[next].first - before; left > 0; --left) x &= x - 1;
      words[order[next].second] = b * WordIndex::BlockBits + std::countr_zero(x);
    }
    before += inBlock;
  }
  blocks_ += static_cast<std::uint64_t>(b - st.lo);
}

// How many candidates `slot` keeps with letter `code` at `position`, counted
// up to kEnough: a crossing that keeps that many is no worry, and most of a
// large set need not be counted. An upper bound when the slot has not been
// synced since its cells narrowed.
int FastFillSearch::keptWith(int slot, int position, int code) const {
  const SlotState& st = slots_[static_cast<std::size_t>(slot)];
  const int length = graph_.slots[static_cast<std::size_t>(slot)].length;
  const Block* words = candidates_.data() + st.offset;
  const Block* with = index_.withLetter(length, position, code);
  int kept = 0;
  const WordIndex::BlockList list = index_.nonZeroBlocks(length, position, code);
  if (list.begin != nullptr) {
    const std::uint32_t* p = std::lower_bound(list.begin, list.end, static_cast<std::uint32_t>(st.lo));
    for (; p != list.end && static_cast<int>(*p) < st.hi && kept < kEnough; ++p) {
      kept += std::popcount(words[*p] & with[*p]);
      blocks_ += 2;
    }
    return std::min(kept, kEnough);
  }
  int b = st.lo;
  for (; b < st.hi && kept < kEnough; ++b) kept += std::popcount(words[b] & with[b]);
  blocks_ += 2 * static_cast<std::uint64_t>(b - st.lo);
  return std::min(kept, kEnough);
}

int FastFillSearch::chooseWord(int slot) {
  const SlotGraph::Slot& g = graph_.slots[static_cast<std::size_t>(slot)];
  const int samples =
      std::clamp(index_.hasScores() ? settings_.scoredSamples : settings_.samples, 1, kMaxSamples);
  for (;;) {
    const int count = slots_[static_cast<std::size_t>(slot)].count;
    if (count <= 0) return -1;
    // Distinct draws, in the order drawn; with no more candidates than
    // draws, all of them.
    std::uint32_t ranks[kMaxSamples];
    int draws = 0;
    if (count <= samples) {
      for (; draws < count; ++draws) ranks[draws] = static_cast<std::uint32_t>(draws);
    } else {
      for (int attempt = 0; draws < samples && attempt < 4 * samples; ++attempt) {
        const std::uint32_t rank = randomBits() % static_cast<std::uint32_t>(count);
        if (std::find(ranks, ranks + draws, rank) == ranks + draws) ranks[draws++] = rank;
      }
    }
    int drawn[kMaxSamples];
    candidatesAt(slot, ranks, draws, drawn);

    int best = -1;
    double bestScore = -1;
    int dead[kMaxSamples];
    int deadCount = 0;
    // Draws often share a letter in a place: each count once.
    int known[SlotGraph::MaxLength][32];
    for (int i = 0; i < g.length; ++i) std::fill(std::begin(known[i]), std::end(known[i]), -1);
    for (int k = 0; k < draws; ++k) {
      const int word = drawn[k];
      const std::uint8_t* letters = index_.letters(g.length, word);
      double score = 0;
      bool fits = true;
      for (int i = 0; i < g.length && fits; ++i) {
        const int crossing = g.crossing[static_cast<std::size_t>(i)];
        if (crossing < 0 || slots_[static_cast<std::size_t>(crossing)].word >= 0) continue;
        // A cell down to one letter is the same for every draw.
        if (std::popcount(cellLetters_[static_cast<std::size_t>(g.cell[static_cast<std::size_t>(i)])]) == 1)
          continue;
        int& kept = known[i][letters[i]];
        if (kept < 0) kept = keptWith(crossing, g.crossingPosition[static_cast<std::size_t>(i)], letters[i]);
        fits = kept > 0;
        score += std::log2(static_cast<double>(kept));
      }
      if (!fits) {
        dead[deadCount++] = word;
        continue;
      }
      // The word's own worth, weighed against the crossings' room: among
      // draws that leave their crossings about as much room, the better
      // word wins; a much tighter fit still beats a better word.
      if (index_.hasScores())
        score += settings_.scoreWeight * index_.score(g.length, word) / WordIndex::MaxScore;
      if (score > bestScore) {
        bestScore = score;
        best = word;
      }
    }
    if (deadCount == 0) return best;
    if (!remove(slot, dead, deadCount) || !sync(slot)) return -1;
    // The removal narrowed cells; the best draw may no longer fit.
    if (best >= 0 && hasCandidate(slot, best)) return best;
  }
}

}  // namespace vorkel
