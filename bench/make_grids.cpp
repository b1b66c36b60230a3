// Random Scandinavian grids for the generation benchmark (bench_generate
// --grids DIR): pictures with "#" for a clue cell and "." for a letter cell,
// as `vorkel grid import` reads them.
//
//   bench_make_grids --size 18x15 [--clues 23] [--block 9x8] [--count 5]
//                    [--max-run 10] [--seed S] [--name PREFIX] [--out DIR]
//
// The kind of grid a user draws for a magazine rather than one designed
// around our fill:
//   - no frame of clue cells: the top row and the left column alternate
//     clue cells and letter cells (starting with a clue cell in the
//     corner), so their letters begin down and across words too;
//   - clue cells scattered inside, never two side by side, up to the wanted
//     share of all cells (the picture block counts);
//   - an optional picture block: a rectangle of clue cells inside the grid;
//   - every letter cell in a word of two or more letters, no run longer
//     than --max-run (at most 25, the longest word).
// A grid that does not come out so is thrown away and drawn again; the
// output says how many slots each one has and how long its words are.
//
// Each grid is written as DIR/PREFIX-K.txt (K from 1). The same options
// and seed give the same grids.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: bench_make_grids --size WxH [--clues PERCENT] [--block WxH] [--count N]\n"
    "                        [--max-run R] [--seed S] [--name PREFIX] [--out DIR]\n"
    "\n"
    "  --size     grid width x height (each 4 to 60)\n"
    "  --clues    share of clue cells in percent, the block included (default 23)\n"
    "  --block    a picture block of clue cells, width x height (default none)\n"
    "  --count    grids to make (default 5)\n"
    "  --max-run  longest run of letter cells, 2 to 25 (default 10)\n"
    "  --seed     random seed (default 1)\n"
    "  --name     file name prefix (default: the size, e.g. 18x15)\n"
    "  --out      output folder (default: the current folder)\n";

struct Options {
  int width = 0, height = 0;
  double clues = 23;
  int blockWidth = 0, blockHeight = 0;
  int count = 5;
  int maxRun = 10;
  std::uint32_t seed = 1;
  std::string name;
  std::string out = ".";
};

using Grid = std::vector<std::string>;

struct Shape {
  int slots = 0;
  int longest = 0;
  double meanRun = 0;
  int lonely = 0;  // letter cells in no run of two or more
};

// Runs of letter cells, across and down.
Shape shapeOf(const Grid& g) {
  const int h = static_cast<int>(g.size()), w = static_cast<int>(g[0].size());
  Shape s;
  std::vector<int> across(static_cast<std::size_t>(w * h), 0), down(across.size(), 0);
  long total = 0;
  for (int dir = 0; dir < 2; ++dir) {
    const int lines = dir ? w : h, along = dir ? h : w;
    for (int line = 0; line < lines; ++line)
      for (int i = 0; i < along;) {
        auto at = [&](int k) { return dir ? g[k][line] : g[line][k]; };
        if (at(i) == '#') {
          ++i;
          continue;
        }
        int end = i;
        while (end < along && at(end) != '#') ++end;
        for (int k = i; k < end; ++k) {
          const int cell = dir ? k * w + line : line * w + k;
          (dir ? down : across)[static_cast<std::size_t>(cell)] = end - i;
        }
        if (end - i >= 2) {
          ++s.slots;
          total += end - i;
          s.longest = std::max(s.longest, end - i);
        }
        i = end;
      }
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (g[y][x] != '#' && across[static_cast<std::size_t>(y * w + x)] < 2 &&
          down[static_cast<std::size_t>(y * w + x)] < 2)
        ++s.lonely;
  s.meanRun = s.slots ? static_cast<double>(total) / s.slots : 0;
  return s;
}

int clueCount(const Grid& g) {
  int n = 0;
  for (const auto& row : g) n += static_cast<int>(std::count(row.begin(), row.end(), '#'));
  return n;
}

class Maker {
 public:
  Maker(const Options& o, std::mt19937& rng) : o_(o), rng_(rng) {}

  // One grid as described at the top; empty when this draw failed.
  Grid draw() {
    const int w = o_.width, h = o_.height;
    Grid g(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
    fixed_.assign(static_cast<std::size_t>(w * h), false);
    for (int x = 0; x < w; x += 2) mark(g, x, 0);
    for (int y = 0; y < h; y += 2) mark(g, 0, y);
    if (o_.blockWidth > 0) {
      // Anywhere at least two cells from the edges, so letters run around it.
      const int x0 = 2 + below(w - o_.blockWidth - 3);
      const int y0 = 2 + below(h - o_.blockHeight - 3);
      for (int y = y0; y < y0 + o_.blockHeight; ++y)
        for (int x = x0; x < x0 + o_.blockWidth; ++x) mark(g, x, y);
    }
    if (shapeOf(g).lonely > 0) return {};
    const int target = static_cast<int>(o_.clues / 100.0 * w * h + 0.5);

    // Long runs are cut first, then clue cells are added at random.
    for (int tries = 0; tries < 20 * w * h; ++tries) {
      const bool tooLong = shapeOf(g).longest > o_.maxRun;
      if (!tooLong && clueCount(g) >= target) break;
      int x = below(w), y = below(h);
      if (tooLong && !onLongRun(g, x, y)) continue;
      // The top row and the left column keep their alternation.
      if (x == 0 || y == 0) continue;
      if (g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') continue;
      if (touchesClue(g, x, y)) continue;
      g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
      if (shapeOf(g).lonely > 0) g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '.';
    }
    const Shape s = shapeOf(g);
    if (s.longest > o_.maxRun || s.lonely > 0 || clueCount(g) < target) return {};
    return g;
  }

 private:
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  void mark(Grid& g, int x, int y) {
    g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
    fixed_[static_cast<std::size_t>(y * o_.width + x)] = true;
  }

  // A new clue cell beside another one inside the grid is not wanted; the
  // frame's and the block's own cells do not count.
  bool touchesClue(const Grid& g, int x, int y) const {
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int k = 0; k < 4; ++k) {
      const int nx = x + dx[k], ny = y + dy[k];
      if (nx < 0 || ny < 0 || nx >= o_.width || ny >= o_.height) continue;
      if (g[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] == '#' &&
          !fixed_[static_cast<std::size_t>(ny * o_.width + nx)])
        return true;
    }
    return false;
  }

  bool onLongRun(const Grid& g, int x, int y) const {
    auto run = [&](int dx, int dy) {
      int n = 1;
      for (int k = 1;; ++k) {
        const int nx = x + k * dx, ny = y + k * dy;
        if (nx >= o_.width || ny >= o_.height || g[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] == '#') break;
        ++n;
      }
      for (int k = 1;; ++k) {
        const int nx = x - k * dx, ny = y - k * dy;
        if (nx < 0 || ny < 0 || g[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] == '#') break;
        ++n;
      }
      return n;
    };
    return run(1, 0) > o_.maxRun || run(0, 1) > o_.maxRun;
  }

  const Options& o_;
  std::mt19937& rng_;
  std::vector<bool> fixed_;
};

bool parseSize(const std::string& text, int& w, int& h) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  char* end = nullptr;
  w = static_cast<int>(std::strtol(text.c_str(), &end, 10));
  if (end != text.c_str() + x) return false;
  h = static_cast<int>(std::strtol(text.c_str() + x + 1, &end, 10));
  return *end == '\0';
}

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const std::string v = argv[++i];
    if (a == "--size") {
      if (!parseSize(v, o.width, o.height)) return false;
    } else if (a == "--block") {
      if (!parseSize(v, o.blockWidth, o.blockHeight)) return false;
    } else if (a == "--clues") o.clues = std::atof(v.c_str());
    else if (a == "--count") o.count = std::atoi(v.c_str());
    else if (a == "--max-run") o.maxRun = std::atoi(v.c_str());
    else if (a == "--seed") o.seed = static_cast<std::uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
    else if (a == "--name") o.name = v;
    else if (a == "--out") o.out = v;
    else return false;
  }
  const bool blockFits = o.blockWidth == 0 ||
                         (o.blockWidth >= 1 && o.blockHeight >= 1 &&
                          o.blockWidth <= o.width - 5 && o.blockHeight <= o.height - 5);
  return o.width >= 4 && o.height >= 4 && o.width <= 60 && o.height <= 60 && blockFits &&
         o.clues > 0 && o.clues < 60 && o.count >= 1 && o.maxRun >= 2 && o.maxRun <= 25;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  if (o.name.empty()) o.name = std::to_string(o.width) + "x" + std::to_string(o.height);
  std::error_code ec;
  fs::create_directories(o.out, ec);
  std::mt19937 rng(o.seed);
  Maker maker(o, rng);
  for (int k = 1; k <= o.count; ++k) {
    Grid g;
    for (int draw = 0; draw < 1000 && g.empty(); ++draw) g = maker.draw();
    if (g.empty()) {
      std::cerr << "bench_make_grids: no grid of this kind found; try fewer clue cells or a "
                   "longer --max-run\n";
      return 1;
    }
    const fs::path file = fs::path(o.out) / (o.name + "-" + std::to_string(k) + ".txt");
    std::ofstream out(file, std::ios::binary);
    for (const auto& row : g) out << row << '\n';
    if (!out) {
      std::cerr << "bench_make_grids: cannot write " << file.string() << "\n";
      return 1;
    }
    const Shape s = shapeOf(g);
    std::printf("%s: %dx%d, %.0f %% clue cells, %d slots, runs %.2f on average, longest %d\n",
                file.string().c_str(), o.width, o.height,
                100.0 * clueCount(g) / (o.width * o.height), s.slots, s.meanRun, s.longest);
  }
  return 0;
}
