// Generation benchmark: `vorkel generate` against qxw's batch filler
// (Debian package qxw, /usr/games/qxw -b) on the same grids with the same
// word list, in one run.
//
//   bench_generate [options]            (see kUsage in Options.cpp)
//
// The cases: every stock template Model1.skb .. Model6.skb that can be
// found, and every picture of the hard-grid set (bench/grids/*.txt, made by
// bench_make_grids), turned into a model, an automatic path and a template
// in the scratch folder. For every case:
//   - ours, for each fill (--fill fast and --fill path): RUNS processes
//     `vorkel generate T.skb -n 1 --seed S --json --fill F`, S = 1..RUNS;
//     per saved crossword the median and the 90th percentile of the fill's
//     processor time and wall time (the JSON's generate_cpu_seconds and
//     generate_seconds, loading excluded), the tries per save, and of the
//     whole process its processor time, wall time and peak memory;
//   - qxw: the grid as a deck, one line per slot of two or more letter
//     cells, filled with the word list our dictionary holds (exported to
//     UTF-8); runs with -F S (qxw's filler seed), at most a time budget per
//     case; qxw's load, measured with a deck of the grid's first slot alone,
//     is subtracted from every run (processor and wall time apart);
//   - the ratios qxw / ours of the medians, of qxw's median over our 90th
//     percentile, and of the whole processes;
// then the share of cases where a fill of ours is slower than qxw, and for
// the stock models the restart policies `vorkel generate --restart P`
// offers and the throughput of --jobs 2 against --jobs 1.
//
// Processor time is what the tables lead with: on a machine shared with
// other work the wall clock also counts the time a process waits for a
// core, which varies from run to run by several times. Wall times are
// given beside them.
//
// With --languages dk,sv,... it measures instead, per language, the load of
// its stock dictionary and the fill of every model from the language's
// stock templates ModelN-<code>.skb (ModelN.skb for dk, the reference).
//
// With --tiers it measures instead the quality of the Danish crosswords per
// stock model and word tier (the full list without scores, with scores, with
// a floor, and SVsmall.dic): fill time, how many of the words are common by
// measures that share nothing with the scoring rule's verdict (see
// measureTiers), the lowest score per crossword, and the ratio against qxw
// on the full list.
//
// Everything is printed as Markdown tables on stdout; progress goes to
// stderr. Nothing here fails on a time: a process that overruns its limit is
// stopped and reported as such.

#include <filesystem>
#include <iostream>
#include <system_error>

#include "bench/generate/GenerationBench.h"
#include "bench/generate/LanguageBench.h"
#include "bench/generate/Options.h"
#include "bench/generate/ProcessRunner.h"
#include "bench/generate/TierBench.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using namespace vorkel::bench;
  Options o;
  if (!parseOptions(argc, argv, o)) return 2;
  installStopHandlers();
  std::error_code ec;
  fs::create_directories(o.work, ec);
  o.work = fs::absolute(o.work).string();

  if (!fs::is_regular_file(o.vorkel, ec)) {
    std::cerr << "bench_generate: no vorkel binary at " << o.vorkel << "\n";
    return 1;
  }
  if (!o.languages.empty()) return measureLanguages(o);
  if (o.tiers) return measureTiers(o);
  return measureGeneration(o);
}
