#pragma once
// The generation benchmark proper: per case (stock model or picture of the
// grid set) our fills against qxw in processor and wall time, the summary
// of where we are slower, then on the stock models the restart policies and
// the throughput of --jobs 2 against --jobs 1.

#include "bench/generate/Options.h"

namespace vorkel::bench {

// Runs every case and prints the tables to stdout, progress to stderr;
// answers the exit status of the benchmark (1 when there is no case).
int measureGeneration(const Options& o);

}  // namespace vorkel::bench
