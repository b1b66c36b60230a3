// The fast fill's propagation and undo, judged against a brute-force fill
// of tiny grids with tiny dictionaries, where every solution is known. The
// brute force shares nothing with the engine: it finds the runs itself,
// tries every word in every run and compares letters as text.

#include "engine/FastFillSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "engine/FastFill.h"
#include "engine/WorkingGrid.h"
#include "engine/SlotGraph.h"
#include "engine/WordIndex.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

using Picture = std::vector<std::string>;  // "#" clue cell, "." letter cell

struct Run {
  int x, y;
  bool down;
  int length;
};

std::vector<Run> runsOf(const Picture& p) {
  std::vector<Run> runs;
  const int h = static_cast<int>(p.size()), w = static_cast<int>(p[0].size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w;) {
      int e = x;
      while (e < w && p[y][e] != '#') ++e;
      if (e - x >= 2) runs.push_back({x, y, false, e - x});
      x = e + 1;
    }
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h;) {
      int e = y;
      while (e < h && p[e][x] != '#') ++e;
      if (e - y >= 2) runs.push_back({x, y, true, e - y});
      y = e + 1;
    }
  return runs;
}

// Every fill of the picture with distinct words of the list, or the first
// `limit` of them.
std::vector<Picture> bruteForce(const Picture& p, const std::vector<std::string>& words,
                                std::size_t limit = 500) {
  const std::vector<Run> runs = runsOf(p);
  std::vector<Picture> solutions;
  Picture grid = p;
  std::set<std::string> used;
  std::vector<std::string> placed;
  auto fits = [&](const Run& r, const std::string& w) {
    for (int i = 0; i < r.length; ++i) {
      const char c = r.down ? grid[r.y + i][r.x] : grid[r.y][r.x + i];
      if (c != '.' && c != w[i]) return false;
    }
    return true;
  };
  std::function<void(std::size_t)> go = [&](std::size_t k) {
    if (solutions.size() >= limit) return;
    if (k == runs.size()) {
      solutions.push_back(grid);
      return;
    }
    const Run& r = runs[k];
    for (const std::string& w : words) {
      if (static_cast<int>(w.size()) != r.length || used.count(w) || !fits(r, w)) continue;
      const Picture before = grid;
      for (int i = 0; i < r.length; ++i) (r.down ? grid[r.y + i][r.x] : grid[r.y][r.x + i]) = w[i];
      used.insert(w);
      go(k + 1);
      used.erase(w);
      grid = before;
    }
  };
  go(0);
  return solutions;
}

// A random picture whose every letter cell is in a run of two or more.
Picture randomPicture(Random& random) {
  for (;;) {
    const int w = 2 + random.below(3), h = 2 + random.below(3);
    Picture p(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
    for (auto& row : p)
      for (char& c : row)
        if (random.below(100) < 20) c = '#';
    const std::vector<Run> runs = runsOf(p);
    if (runs.empty()) continue;
    std::set<std::pair<int, int>> covered;
    for (const Run& r : runs)
      for (int i = 0; i < r.length; ++i)
        covered.insert(r.down ? std::make_pair(r.x, r.y + i) : std::make_pair(r.x + i, r.y));
    int letters = 0;
    for (const auto& row : p) letters += static_cast<int>(std::count(row.begin(), row.end(), '.'));
    if (static_cast<int>(covered.size()) == letters) return p;
  }
}

// Every run of two or more letters a word of the list, none twice.
bool isCrossword(const Picture& g, const std::vector<std::string>& words) {
  std::set<std::string> seen;
  for (const Run& r : runsOf(g)) {
    std::string w;
    for (int i = 0; i < r.length; ++i) w += r.down ? g[r.y + i][r.x] : g[r.y][r.x + i];
    if (std::find(words.begin(), words.end(), w) == words.end() || !seen.insert(w).second)
      return false;
  }
  return true;
}

// Random words over A, B, C for the lengths of the picture's runs, some
// lists so short that no fill exists.
std::vector<std::string> randomWords(const Picture& p, Random& random) {
  std::set<std::string> words;
  const int perRun = random.below(4);
  for (const Run& r : runsOf(p))
    for (int k = 0; k < perRun + r.length / 2 + 1; ++k) {
      std::string w;
      for (int i = 0; i < r.length; ++i) w += static_cast<char>('A' + random.below(3));
      words.insert(w);
    }
  return {words.begin(), words.end()};
}

// A picture filled with random letters whose runs are distinct words (the
// planted solution), and a list of those words among many random ones of
// the same lengths: large enough for candidate sets of many blocks.
struct Planted {
  Picture solution;
  std::vector<std::string> words;
};

// A, B, C, D and E are common; F, G and H rare, as some letters are in
// every language.
char skewedLetter(Random& random) {
  const int r = random.below(100);
  return static_cast<char>(r < 90 ? 'A' + r / 18 : r < 96 ? 'F' : r < 99 ? 'G' : 'H');
}

Planted plant(Random& random) {
  for (;;) {
    const int w = 4 + random.below(3), h = 4 + random.below(2);
    Picture p(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
    for (auto& row : p)
      for (char& c : row) c = random.below(100) < 15 ? '#' : skewedLetter(random);
    std::set<std::string> planted;
    bool distinct = true;
    std::set<int> lengths;
    for (const Run& r : runsOf(p)) {
      std::string word;
      for (int i = 0; i < r.length; ++i) word += r.down ? p[r.y + i][r.x] : p[r.y][r.x + i];
      distinct = distinct && planted.insert(word).second;
      lengths.insert(r.length);
    }
    Picture shape = p;
    for (auto& row : shape)
      for (char& c : row)
        if (c != '#') c = '.';
    if (!distinct || planted.empty()) continue;
    // Every letter cell in some run.
    bool covered = true;
    for (int y = 0; y < h && covered; ++y)
      for (int x = 0; x < w && covered; ++x) {
        if (p[y][x] == '#') continue;
        const bool across = (x > 0 && p[y][x - 1] != '#') || (x + 1 < w && p[y][x + 1] != '#');
        const bool down = (y > 0 && p[y - 1][x] != '#') || (y + 1 < h && p[y + 1][x] != '#');
        covered = across || down;
      }
    if (!covered) continue;
    std::set<std::string> words = planted;
    for (const int length : lengths)
      for (int k = 0; k < (length == 2 ? 40 : 1500); ++k) {
        std::string word;
        for (int i = 0; i < length; ++i) word += skewedLetter(random);
        words.insert(word);
      }
    return {p, {words.begin(), words.end()}};
  }
}

class FastFillSearchTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  Random random{99};

  WordIndex indexOf(const std::vector<std::string>& words) {
    std::string list;
    for (const auto& w : words) list += w + "\n";
    return WordIndex::fromWordFile(list, language, ui);
  }
  WorkingGrid gridOf(const Picture& p) {
    WorkingGrid g(static_cast<int>(p[0].size()), static_cast<int>(p.size()), ui);
    for (std::size_t y = 0; y < p.size(); ++y)
      for (std::size_t x = 0; x < p[y].size(); ++x)
        g.put(p[y][x] == '#' ? '#' : (p[y][x] == '.' ? ' ' : p[y][x]), static_cast<int>(x),
              static_cast<int>(y));
    return g;
  }
  static std::vector<LetterSet> anyLetter(const SlotGraph& g) {
    return std::vector<LetterSet>(static_cast<std::size_t>(g.width * g.height), ~LetterSet{0});
  }
  // The word of a solution in a slot, as the index numbers it.
  static int wordIn(const Picture& solution, const SlotGraph::Slot& s, const WordIndex& index) {
    std::uint8_t codes[WordIndex::MaxLength];
    for (int i = 0; i < s.length; ++i)
      codes[i] = static_cast<std::uint8_t>(
          (s.direction == Direction::Down ? solution[s.y + i][s.x] : solution[s.y][s.x + i]) & 31);
    return index.find(s.length, codes);
  }
  // Every solution's letters are still possible in their cells, and its
  // words still candidates (or placed) in their slots.
  static void expectKeeps(const FastFillSearch& search, const SlotGraph& g, const WordIndex& index,
                          const std::vector<Picture>& solutions, const std::string& where) {
    for (const Picture& sol : solutions) {
      for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
          if (sol[y][x] == '#') continue;
          ASSERT_TRUE(search.cellLetters(y * g.width + x) >> (sol[y][x] & 31) & 1u)
              << where << ": letter " << sol[y][x] << " pruned at " << x << "," << y;
        }
      for (std::size_t s = 0; s < g.slots.size(); ++s) {
        const int word = wordIn(sol, g.slots[s], index);
        const int placed = search.wordOf(static_cast<int>(s));
        ASSERT_TRUE(placed == word || (placed < 0 && search.hasCandidate(static_cast<int>(s), word)))
            << where << ": word of slot " << s << " pruned";
      }
    }
  }
  // Everything undo must put back, including that counts match the sets.
  static std::vector<int> snapshot(const FastFillSearch& search, const SlotGraph& g,
                                   const WordIndex& index) {
    std::vector<int> state;
    for (int c = 0; c < g.width * g.height; ++c)
      state.push_back(static_cast<int>(search.cellLetters(c)));
    for (std::size_t s = 0; s < g.slots.size(); ++s) {
      const int slot = static_cast<int>(s);
      state.push_back(search.wordOf(slot));
      int members = 0;
      for (int w = 0; w < index.wordCount(g.slots[s].length); ++w)
        if (search.hasCandidate(slot, w)) {
          ++members;
          state.push_back(w);
        }
      if (search.wordOf(slot) < 0) {
        EXPECT_EQ(search.candidateCount(slot), members);
      }
      state.push_back(-1);
    }
    return state;
  }
};

TEST_F(FastFillSearchTest, PropagationNeverPrunesALetterOrWordOfASolution) {
  int withSolutions = 0, without = 0;
  for (int trial = 0; trial < 160; ++trial) {
    const Picture p = randomPicture(random);
    const std::vector<std::string> words = randomWords(p, random);
    const std::vector<Picture> solutions = bruteForce(p, words);
    const WordIndex index = indexOf(words);
    const WorkingGrid grid = gridOf(p);
    const SlotGraph graph = SlotGraph::of(grid);
    for (const int rounds : {1, 2, 0}) {
      const std::string where = "trial " + std::to_string(trial) + " rounds " + std::to_string(rounds);
      FastFillSettings settings;
      settings.rounds = rounds;
      FastFillSearch search(index, graph, random, ui, settings);
      const bool consistent = search.setup(anyLetter(graph));
      if (solutions.empty()) {
        if (consistent) {
          EXPECT_EQ(search.search(), FastFillOutcome::Status::Unfillable) << where;
        }
        continue;
      }
      ASSERT_TRUE(consistent) << where;
      expectKeeps(search, graph, index, solutions, where + " after setup");

      // Place the word one solution has in one slot: the solutions with it
      // must survive; take it out again: those without it must survive.
      const Picture& chosen = solutions[static_cast<std::size_t>(random.below(static_cast<int>(solutions.size())))];
      const int slot = random.below(static_cast<int>(graph.slots.size()));
      const int word = wordIn(chosen, graph.slots[static_cast<std::size_t>(slot)], index);
      std::vector<Picture> with, others;
      for (const Picture& sol : solutions)
        (wordIn(sol, graph.slots[static_cast<std::size_t>(slot)], index) == word ? with : others)
            .push_back(sol);
      ASSERT_TRUE(search.sync(slot));
      const FastFillSearch::Mark mark = search.mark();
      ASSERT_TRUE(search.place(slot, word)) << where;
      expectKeeps(search, graph, index, with, where + " after a placement");
      search.undo(mark);
      if (!search.remove(slot, &word, 1)) {
        EXPECT_TRUE(others.empty()) << where << ": a removal failed with solutions left";
        continue;
      }
      expectKeeps(search, graph, index, others, where + " after a removal");
    }
    ++(solutions.empty() ? without : withSolutions);
  }
  // Both kinds of case came up often enough to mean something.
  EXPECT_GT(withSolutions, 50);
  EXPECT_GT(without, 20);
}

TEST_F(FastFillSearchTest, APlantedSolutionSurvivesEveryStepWithLargeDictionaries) {
  // Candidate sets of many blocks go through the paths that tiny lists never
  // reach: sets dropped and kept block by block, rare letters by their
  // lists of blocks, support by remembered blocks.
  for (int trial = 0; trial < 24; ++trial) {
    const Planted planted = plant(random);
    Picture shape = planted.solution;
    for (auto& row : shape)
      for (char& c : row)
        if (c != '#') c = '.';
    const WordIndex index = indexOf(planted.words);
    const SlotGraph graph = SlotGraph::of(gridOf(shape));
    const int rounds = trial % 3;
    const std::string where = "trial " + std::to_string(trial);
    FastFillSettings settings;
    settings.rounds = rounds;
    FastFillSearch search(index, graph, random, ui, settings);
    ASSERT_TRUE(search.setup(anyLetter(graph))) << where;
    expectKeeps(search, graph, index, {planted.solution}, where + " after setup");
    // Its words in a random order; before each, another candidate is tried
    // and taken back, then removed from the slot, as a failed word is.
    std::vector<int> order(graph.slots.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
    for (std::size_t k = order.size(); k > 1; --k)
      std::swap(order[k - 1], order[static_cast<std::size_t>(random.below(static_cast<int>(k)))]);
    for (const int slot : order) {
      const SlotGraph::Slot& g = graph.slots[static_cast<std::size_t>(slot)];
      const int word = wordIn(planted.solution, g, index);
      if (search.wordOf(slot) >= 0) continue;
      ASSERT_TRUE(search.sync(slot)) << where;
      int other = -1;
      for (int w = 0; w < index.wordCount(g.length) && other < 0; ++w)
        if (w != word && search.hasCandidate(slot, w) && random.below(4) == 0) other = w;
      if (other >= 0) {
        const FastFillSearch::Mark mark = search.mark();
        search.place(slot, other);
        search.undo(mark);
        ASSERT_TRUE(search.remove(slot, &other, 1)) << where;
        expectKeeps(search, graph, index, {planted.solution}, where + " after a removal");
        ASSERT_TRUE(search.sync(slot)) << where;
      }
      ASSERT_TRUE(search.place(slot, word)) << where;
      expectKeeps(search, graph, index, {planted.solution}, where + " after a placement");
    }
  }
}

TEST_F(FastFillSearchTest, TheFillFindsASolutionExactlyWhenThereIsOne) {
  for (int trial = 0; trial < 120; ++trial) {
    const Picture p = randomPicture(random);
    const std::vector<std::string> words = randomWords(p, random);
    const std::vector<Picture> solutions = bruteForce(p, words);
    const WordIndex index = indexOf(words);
    FastFill fill(index, language);
    WorkingGrid grid = gridOf(p);
    const FastFillOutcome outcome = fill.fill(grid, random, ui, FastFillSettings{});
    if (solutions.empty()) {
      EXPECT_EQ(outcome.status, FastFillOutcome::Status::Unfillable) << trial;
      continue;
    }
    ASSERT_EQ(outcome.status, FastFillOutcome::Status::Filled) << trial;
    Picture filled;
    for (int y = 0; y < grid.height(); ++y) filled.emplace_back(grid.row(y));
    std::string shown;
    for (const auto& row : filled) shown += row + "\n";
    EXPECT_TRUE(isCrossword(filled, words)) << "trial " << trial << ": not a crossword:\n" << shown;
  }
}

// The word chosen for a slot is always one of its candidates, also when the
// candidates are few and spread over many blocks of the index: the last
// word of a block, whole blocks empty, a lone word far on. Sets of up to
// and beyond the number of draws, so every draw lands next to a block's
// edge on the way.
TEST_F(FastFillSearchTest, AChosenWordIsACandidateWhereverTheBlocksEnd) {
  std::vector<std::string> words;  // 1,000 words: 16 blocks of 64
  for (char a = 'A'; a <= 'J'; ++a)
    for (char b = 'A'; b <= 'J'; ++b)
      for (char c = 'A'; c <= 'J'; ++c) words.push_back({a, b, c});
  const WordIndex index = indexOf(words);
  const SlotGraph graph = SlotGraph::of(gridOf({"..."}));
  ASSERT_EQ(graph.slots.size(), 1u);
  const int total = index.wordCount(3);
  ASSERT_GT(total, 6 * static_cast<int>(WordIndex::BlockBits));
  const int bits = static_cast<int>(WordIndex::BlockBits);
  const std::vector<std::vector<int>> keeps = {
      {bits - 1, 2 * bits - 1, 2 * bits + 2, 8 * bits, total - 1},
      {0, bits - 1, bits, 5 * bits - 1, 9 * bits + 1},
      {bits - 2, bits - 1, 3 * bits - 1, 4 * bits - 1, 6 * bits - 1, 7 * bits - 1, 10 * bits - 1,
       11 * bits - 1, 12 * bits - 1, 13 * bits, total - 2, total - 1},
  };
  for (std::size_t k = 0; k < keeps.size(); ++k)
    for (int trial = 0; trial < 40; ++trial) {
      FastFillSearch search(index, graph, random, ui, FastFillSettings{});
      ASSERT_TRUE(search.setup(anyLetter(graph)));
      std::vector<int> gone;
      for (int w = 0; w < total; ++w)
        if (std::find(keeps[k].begin(), keeps[k].end(), w) == keeps[k].end()) gone.push_back(w);
      ASSERT_TRUE(search.remove(0, gone.data(), static_cast<int>(gone.size())));
      ASSERT_EQ(search.candidateCount(0), static_cast<int>(keeps[k].size()));
      ASSERT_TRUE(search.sync(0));
      const int chosen = search.chooseWord(0);
      EXPECT_NE(std::find(keeps[k].begin(), keeps[k].end(), chosen), keeps[k].end())
          << "set " << k << " trial " << trial << ": chose word " << chosen;
    }
}

TEST_F(FastFillSearchTest, UndoPutsBackEveryLetterSetAndCandidate) {
  int levels = 0;
  for (int trial = 0; trial < 60; ++trial) {
    // Tiny lists, and large ones whose sets span many blocks.
    Picture p = randomPicture(random);
    std::vector<std::string> words = randomWords(p, random);
    if (trial % 2 == 1) {
      Planted planted = plant(random);
      p = planted.solution;
      for (auto& row : p)
        for (char& c : row)
          if (c != '#') c = '.';
      words = std::move(planted.words);
    }
    const WordIndex index = indexOf(words);
    const SlotGraph graph = SlotGraph::of(gridOf(p));
    FastFillSearch search(index, graph, random, ui, FastFillSettings{});
    if (!search.setup(anyLetter(graph))) continue;
    // As the search goes: each level places a candidate of an open slot,
    // goes deeper, is undone, and removes the word from the slot; the level
    // above undoes that removal in turn.
    std::function<void(int)> level = [&](int depth) {
      const int slot = search.chooseSlot();
      if (depth == 4 || slot < 0 || !search.sync(slot)) return;
      int word = 0;
      while (!search.hasCandidate(slot, word)) ++word;
      const std::vector<int> before = snapshot(search, graph, index);
      const FastFillSearch::Mark mark = search.mark();
      if (search.place(slot, word)) level(depth + 1);
      search.undo(mark);
      ++levels;
      ASSERT_EQ(snapshot(search, graph, index), before) << "trial " << trial << " depth " << depth;
      search.remove(slot, &word, 1);
    };
    const std::vector<int> start = snapshot(search, graph, index);
    const FastFillSearch::Mark mark = search.mark();
    level(0);
    search.undo(mark);
    EXPECT_EQ(snapshot(search, graph, index), start) << "trial " << trial;
  }
  EXPECT_GT(levels, 100);
}

}  // namespace
}  // namespace vorkel
