// Seeded fills of small grids, judged by a checker that shares nothing with
// the engine: it reads the finished grid as text and looks every run up in
// the test's own word list.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "FillTestSupport.h"

namespace vorkel {
namespace {

using filltest::FillFixture;
using filltest::stopAt;

struct CellRun {
  int x, y;
  Direction direction;
  int len;
};

// Every maximal run of two or more non-"#" cells, across then down.
std::vector<CellRun> runsOf(const std::vector<std::string>& g) {
  std::vector<CellRun> out;
  const int h = static_cast<int>(g.size());
  const int w = static_cast<int>(g[0].size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w;) {
      if (g[y][x] == '#') { ++x; continue; }
      int e = x;
      while (e < w && g[y][e] != '#') ++e;
      if (e - x >= 2) out.push_back({x, y, Direction::Across, e - x});
      x = e;
    }
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h;) {
      if (g[y][x] == '#') { ++y; continue; }
      int e = y;
      while (e < h && g[e][x] != '#') ++e;
      if (e - y >= 2) out.push_back({x, y, Direction::Down, e - y});
      y = e;
    }
  return out;
}

std::string textOf(const std::vector<std::string>& g, const CellRun& r) {
  std::string s;
  for (int i = 0; i < r.len; ++i) s += r.direction == Direction::Across ? g[r.y][r.x + i] : g[r.y + i][r.x];
  return s;
}

// Empty when the grid is a valid crossword: every run a word, none twice.
std::string checkFilled(const std::vector<std::string>& g, const std::set<std::string>& dict) {
  std::set<std::string> seen;
  for (const CellRun& r : runsOf(g)) {
    const std::string t = textOf(g, r);
    if (t.find(' ') != std::string::npos) return "open run " + t;
    if (!dict.count(t)) return "not a word: " + t;
    if (!seen.insert(t).second) return "twice: " + t;
  }
  return {};
}

class FillCheckerTest : public FillFixture {
 protected:
  std::set<std::string> known;

  // A random block pattern (every letter cell in some run of 2+), a planted
  // solution whose runs all go into the dictionary, and random decoys.
  std::vector<std::string> makeCase(Random& rng, int w, int h) {
    for (;;) {
      std::vector<std::string> g(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), ' '));
      for (auto& row : g)
        for (char& c : row) c = rng.below(100) < 18 ? '#' : static_cast<char>('A' + rng.below(6));
      std::vector<std::vector<bool>> covered(g.size(), std::vector<bool>(g[0].size(), false));
      std::set<std::string> planted;
      bool distinct = true;
      for (const CellRun& r : runsOf(g)) {
        distinct = distinct && planted.insert(textOf(g, r)).second;
        for (int i = 0; i < r.len; ++i)
          covered[r.direction == Direction::Across ? r.y : r.y + i][r.direction == Direction::Across ? r.x + i : r.x] = true;
      }
      bool isolated = false;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) isolated = isolated || (g[y][x] != '#' && !covered[y][x]);
      if (!distinct || isolated || planted.empty()) continue;
      for (const std::string& word : planted) known.insert(word);
      for (int i = 0; i < 300; ++i) {
        std::string word;
        const int len = 2 + rng.below(4);
        for (int k = 0; k < len; ++k) word += static_cast<char>('A' + rng.below(6));
        known.insert(word);
      }
      for (auto& row : g)
        for (char& c : row)
          if (c != '#') c = ' ';
      return g;
    }
  }
};

TEST_F(FillCheckerTest, SeededFillsOfSmallGridsAreValidCrosswords) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    Random rng(seed);
    known.clear();
    dict = std::make_unique<WordStore>(1000, language, ui);
    const int size = 4 + static_cast<int>(seed % 2);
    const std::vector<std::string> empty = makeCase(rng, size, size);
    for (const std::string& w : known) dict->insertWord(w);
    setGrid(empty);
    std::vector<PathStop> stops;
    for (const CellRun& r : runsOf(empty)) stops.push_back(stopAt(r.x, r.y, r.direction));
    setPath(stops);
    random.seed(seed);
    counters = {};

    ASSERT_EQ(fill(), FillResult::Filled);
    EXPECT_EQ(checkFilled(rows(), known), "");

    // With seed letters the planted solution may be out of reach; either
    // the grid is a valid crossword or it holds only its seed letters.
    setGrid(empty);
    path.seeds().first = {0, 0, Direction::Across};
    path.seeds().second = {0, 0, Direction::Across};
    const FillResult result = fill(true);
    if (result == FillResult::Filled) {
      EXPECT_EQ(checkFilled(rows(), known), "");
    } else {
      int letters = 0;
      for (const std::string& row : rows())
        for (char c : row) letters += c != ' ' && c != '#';
      EXPECT_LE(letters, 2);
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vorkel
