// The fast fill in one process, for tuning and for the physical limit:
// per grid the time of each fill (CPU time of the thread and wall time,
// restarts included, loading excluded) over seeds 1..RUNS, and how many
// bit-set blocks one core streams.
//
//   bench_fill [--dic FILE] [--runs N] [--restart P] [--rounds R] [--samples K]
//              [--stream] PICTURE.txt ...
//
// A picture is a grid as `vorkel grid import` reads it ("#" clue cell,
// "." letter cell), e.g. bench/grids/*.txt or data/models/*.txt. Every fill
// is checked: each run of two or more letters a word of the index, none
// twice. --stream measures AND-NOT with a population count over a word set
// that stays in the first-level cache, the inner loop of the fill.
//
// For the physical limit each row gives the 64-bit blocks of word sets a
// fill read (median), the rate that makes of its processor time, and the
// least any fill of the grid by word sets must read: every slot's set once
// (the sum over the slots of the blocks of their length), with the time
// that takes at the streaming rate.

#include <time.h>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "engine/RestartPolicy.h"
#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "engine/FastFill.h"
#include "engine/WorkingGrid.h"
#include "engine/SlotGraph.h"
#include "engine/WordIndex.h"
#include "platform/Random.h"

namespace {

using namespace vorkel;
using namespace vorkel::bench;

double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double quantile(std::vector<double> v, double q) {
  if (v.empty()) return std::nan("");
  std::sort(v.begin(), v.end());
  const auto k = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size()))) - 1;
  return v[std::min(k, v.size() - 1)];
}

std::vector<std::string> readPicture(const std::string& file) {
  std::ifstream in(file);
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(line);
  }
  return rows;
}

// Every run of two or more letters a word of the index, none twice.
bool validFill(const WorkingGrid& grid, const WordIndex& index, const Language& language) {
  std::set<std::string> seen;
  for (int dir = 0; dir < 2; ++dir) {
    const int lines = dir ? grid.width() : grid.height();
    const int along = dir ? grid.height() : grid.width();
    for (int line = 0; line < lines; ++line) {
      std::string run;
      for (int i = 0; i <= along; ++i) {
        const char c = i < along ? (dir ? grid.get(line, i) : grid.get(i, line)) : '#';
        if (c != '#') {
          run += c;
          continue;
        }
        if (run.size() >= 2) {
          std::uint8_t codes[WordIndex::MaxLength];
          if (run.size() > WordIndex::MaxLength) return false;
          for (std::size_t k = 0; k < run.size(); ++k)
            codes[k] = static_cast<std::uint8_t>(language.input(static_cast<unsigned char>(run[k])) & 31);
          if (index.find(static_cast<int>(run.size()), codes) < 0) return false;
          if (!seen.insert(run).second) return false;
        }
        run.clear();
      }
    }
  }
  return true;
}

#if defined(__x86_64__)
// GCC 12's AVX-512 headers start some results from an undefined value,
// which its own warnings then report.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
// The same with AVX-512 (eight blocks and their counts per instruction),
// where the processor has it: what one core can stream at most, beyond the
// scalar code the fill is built as.
__attribute__((target("avx512f,avx512vpopcntdq"))) std::uint64_t andNotCountWide(
    const WordIndex::Block* words, const WordIndex::Block* drop, int blocks) {
  __m512i sum = _mm512_setzero_si512();
  int b = 0;
  for (; b + 8 <= blocks; b += 8) {
    const __m512i x = _mm512_andnot_si512(_mm512_loadu_si512(drop + b), _mm512_loadu_si512(words + b));
    sum = _mm512_add_epi64(sum, _mm512_popcnt_epi64(x));
  }
  std::uint64_t count = static_cast<std::uint64_t>(_mm512_reduce_add_epi64(sum));
  for (; b < blocks; ++b) count += static_cast<std::uint64_t>(std::popcount(words[b] & ~drop[b]));
  return count;
}
#pragma GCC diagnostic pop
#endif

std::uint64_t andNotCount(const WordIndex::Block* words, const WordIndex::Block* drop, int blocks,
                          bool wide) {
#if defined(__x86_64__)
  if (wide) return andNotCountWide(words, drop, blocks);
#else
  (void)wide;
#endif
  std::uint64_t count = 0;
  for (int b = 0; b < blocks; ++b) count += static_cast<std::uint64_t>(std::popcount(words[b] & ~drop[b]));
  return count;
}

bool wideAvailable() {
#if defined(__x86_64__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vpopcntdq");
#else
  return false;
#endif
}

// Blocks per second of processor time for AND-NOT with a population count
// over `blocks` blocks of the index's word sets.
double streamRate(const WordIndex& index, int length, int blocks, bool wide) {
  blocks = std::min(blocks, index.blockCount(length));
  std::vector<WordIndex::Block> words(index.withLetter(length, 0, 5),
                                      index.withLetter(length, 0, 5) + blocks);
  const WordIndex::Block* drop = index.withLetter(length, 1, 18);
  std::uint64_t total = 0;
  long passes = 0;
  const double start = threadSeconds();
  do {
    for (int k = 0; k < 1000; ++k, ++passes) {
      total += andNotCount(words.data(), drop, blocks, wide);
      words[static_cast<std::size_t>(passes % blocks)] ^= total;  // keeps the loop honest
    }
  } while (threadSeconds() - start < 0.5);
  const double rate = static_cast<double>(passes) * blocks / (threadSeconds() - start);
  std::fprintf(stderr, "(checksum %llu)\n", static_cast<unsigned long long>(total & 1));
  return rate;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dic = std::string(VORKEL_BINARY_DIR) + "/Dic/SVbyg.dic";
  int runs = 20;
  RestartPolicy restart = *RestartPolicy::parse("luby:100");  // the command's default
  FastFillSettings settings;
  bool stream = false;
  std::vector<std::string> pictures;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool more = i + 1 < argc;
    if (a == "--dic" && more) dic = argv[++i];
    else if (a == "--runs" && more) runs = std::atoi(argv[++i]);
    else if (a == "--rounds" && more) settings.rounds = std::atoi(argv[++i]);
    else if (a == "--samples" && more) settings.samples = std::atoi(argv[++i]);
    else if (a == "--restart" && more) {
      const auto p = RestartPolicy::parse(argv[++i]);
      if (!p) {
        std::fprintf(stderr, "bench_fill: bad --restart\n");
        return 2;
      }
      restart = *p;
    } else if (a == "--stream") stream = true;
    else if (!a.empty() && a[0] != '-') pictures.push_back(a);
    else {
      std::fprintf(stderr,
                   "usage: bench_fill [--dic FILE] [--runs N] [--restart P] [--rounds R] "
                   "[--samples K] [--stream] PICTURE.txt ...\n");
      return 2;
    }
  }

  QuietUi ui;
  Language language;
  const auto loadStart = Clock::now();
  const std::optional<WordIndex> loaded = WordIndex::loadWordFile(dic, language, ui);
  if (!loaded || loaded->totalCount() == 0) {
    std::fprintf(stderr, "bench_fill: no words in %s\n", dic.c_str());
    return 1;
  }
  const WordIndex& index = *loaded;
  std::printf("index of %s: %d words, %.1f MB, made in %.1f ms\n\n", dic.c_str(),
              index.totalCount(), static_cast<double>(index.memoryBytes()) / 1e6,
              seconds(loadStart) * 1e3);

  double rate = 0;
  if (stream) {
    std::printf("AND-NOT with popcount, one core, sets in the first-level cache:\n");
    for (int blocks : {64, 256, 1024}) {
      const double r = streamRate(index, 7, blocks, false);
      rate = std::max(rate, r);
      std::printf("  %4d blocks: %.2f G blocks/s as the fill is built", blocks, r / 1e9);
      if (wideAvailable()) std::printf(", %.2f with AVX-512", streamRate(index, 7, blocks, true) / 1e9);
      std::printf("\n");
    }
    std::printf("\n");
  }
  if (pictures.empty()) return 0;

  std::printf("restart %s, rounds %d, samples %d, seeds 1..%d; times in ms\n\n",
              restart.text().c_str(), settings.rounds, settings.samples, runs);
  std::printf("| grid | slots | cpu median | cpu p90 | wall median | wall p90 | nodes median | "
              "failures median | tries/fill | bad | k blocks median | G blocks/s | floor k blocks | "
              "floor µs |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  for (const std::string& file : pictures) {
    const std::vector<std::string> rows = readPicture(file);
    if (rows.empty()) continue;
    WorkingGrid empty(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), ui);
    for (std::size_t y = 0; y < rows.size(); ++y)
      for (std::size_t x = 0; x < rows[y].size(); ++x)
        if (rows[y][x] == '#') empty.put('#', static_cast<int>(x), static_cast<int>(y));
    std::vector<double> cpu, wall, nodes, failures, blocks, rates;
    int tries = 0, bad = 0;
    for (int seed = 1; seed <= runs; ++seed) {
      Random random(static_cast<std::uint32_t>(seed));
      FastFill fill(index, language);  // a new crossword learns afresh
      const double cpuStart = threadSeconds();
      const auto wallStart = Clock::now();
      WorkingGrid grid = empty;
      FastFillOutcome outcome;
      std::uint64_t n = 0, f = 0, b = 0;
      for (std::uint64_t attempt = 1;; ++attempt) {
        grid = empty;
        settings.failureBudget = restart.budget(attempt);
        outcome = fill.fill(grid, random, ui, settings);
        ++tries;
        n += outcome.nodes;
        f += outcome.failures;
        b += outcome.blocks;
        if (outcome.status != FastFillOutcome::Status::GaveUp) break;
      }
      cpu.push_back((threadSeconds() - cpuStart) * 1e3);
      wall.push_back(seconds(wallStart) * 1e3);
      nodes.push_back(static_cast<double>(n));
      failures.push_back(static_cast<double>(f));
      blocks.push_back(static_cast<double>(b));
      rates.push_back(static_cast<double>(b) / (cpu.back() * 1e-3));
      if (outcome.status != FastFillOutcome::Status::Filled || !validFill(grid, index, language)) ++bad;
    }
    const SlotGraph graph = SlotGraph::of(empty);
    double floor = 0;
    for (const SlotGraph::Slot& slot : graph.slots) floor += index.blockCount(slot.length);
    const std::size_t slash = file.find_last_of('/');
    std::printf("| %s | %zu | %.2f | %.2f | %.2f | %.2f | %.0f | %.0f | %.2f | %d | %.0f | %.2f | %.1f | %s |\n",
                file.substr(slash == std::string::npos ? 0 : slash + 1).c_str(),
                graph.slots.size(), quantile(cpu, 0.5), quantile(cpu, 0.9),
                quantile(wall, 0.5), quantile(wall, 0.9), quantile(nodes, 0.5),
                quantile(failures, 0.5), static_cast<double>(tries) / runs, bad,
                quantile(blocks, 0.5) / 1e3, quantile(rates, 0.5) / 1e9, floor / 1e3,
                rate > 0 ? std::to_string(static_cast<int>(floor / rate * 1e6 + 0.5)).c_str() : "–");
    std::fflush(stdout);
  }
  return 0;
}
