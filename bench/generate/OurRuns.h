#pragma once
// Our side of the comparison: `vorkel generate ... --json` as one measured
// process per crossword, what its JSON line reports, and the summary of a
// case's runs over seeds 1..N (medians and 90th percentiles per saved
// crossword, loading excluded, and of the whole processes). Also the
// restart policies `vorkel generate --help` offers.

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/generate/BenchCases.h"
#include "bench/generate/Options.h"
#include "bench/generate/ProcessRunner.h"

namespace vorkel::bench {

// What one `vorkel generate` process answered.
struct OurRun {
  bool ok = false;  // the process answered with JSON
  bool timedOut = false;
  int saved = 0;
  double tries = 0;
  double loadSeconds = 0;
  double generateSeconds = 0;
  double generateCpuSeconds = 0;
  Outcome process;
  std::string restart;  // the policy the run used, as reported
  std::string fill;     // the fill the run used, as reported
  std::string problem;
};

// `count` crosswords of case `m` with seed `seed` into `outDir` (emptied
// first), `extra` after the usual arguments; the process is stopped after
// --timeout.
OurRun runOurs(const Options& o, const Case& m, const std::filesystem::path& outDir, int count, int seed,
               const std::vector<std::string>& extra);

// The runs of one case and fill.
struct OurSummary {
  int runs = 0, saved = 0, failed = 0;
  // Per saved crossword, loading excluded: processor and wall time.
  double cpuMedian = std::nan(""), cpuP90 = std::nan("");
  double wallMedian = std::nan(""), wallP90 = std::nan("");
  double triesPerSave = std::nan("");
  double loadMedian = std::nan("");  // wall
  // Whole processes, loading included.
  double processCpuMedian = std::nan(""), processWallMedian = std::nan("");
  long peakKb = 0;
  std::string restart;  // the policy reported by the runs
  std::string fill;     // the fill reported by the runs
  std::string problem;  // the first failure, for the notes
};

// RUNS crosswords of one case with seeds 1..runs, one process each, until
// the processor time of the runs exceeds the budget.
OurSummary measureOurs(const Options& o, const Case& m, int runs, const std::string& tag,
                       const std::vector<std::string>& extra);

// The values `vorkel generate --help` lists for --restart ("a|b:N|c:U"
// after the option); empty when the option is not mentioned. A value with a
// placeholder after its colon takes the unit of the default policy
// (`defaultPolicy`, e.g. "luby:4000"), or a quarter of it when that would
// repeat the default itself.
std::vector<std::string> restartPolicies(const Options& o, const std::string& defaultPolicy,
                                         std::string& helpNote);

}  // namespace vorkel::bench
