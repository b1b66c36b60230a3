#pragma once
// The command line of the generation benchmark: which cases and fills to
// measure, where vorkel, qxw, the templates and the word lists are, and the
// counts and time limits of the runs. The defaults point into the build tree
// and the source tree.

#include <optional>
#include <string>
#include <vector>

namespace vorkel::bench {

// What to measure and how; see kUsage for each option.
struct Options {
  std::string vorkel = std::string(VORKEL_BINARY_DIR) + "/vorkel";
  std::string templates;
  std::string dic;
  std::string work = std::string(VORKEL_BINARY_DIR) + "/bench-generate";
  std::vector<int> models{1, 2, 3, 4, 5, 6};
  std::string grids = std::string(VORKEL_SOURCE_DIR) + "/bench/grids";
  bool withGrids = true;
  std::vector<std::string> fills{"fast", "path"};
  int runs = 20;
  double fillBudget = 30;
  double timeout = 120;
  std::string qxw = "/usr/games/qxw";
  bool withQxw = true;
  int qxwRuns = 0;  // 0: as --runs
  double qxwBudget = 30;
  int qxwRandom = 1;
  std::optional<std::vector<std::string>> restarts;
  bool withRestart = true;
  int restartRuns = 0;  // 0: as --runs
  int jobsModel = 0;    // 0: the model with the longest median
  int jobsCount = 40;
  bool withJobs = true;
  std::vector<std::string> languages;  // stock codes; empty: the qxw tables
  bool tiers = false;
  int floor = 50;
  std::vector<std::string> prose{"/usr/share/libreoffice/help/da",
                                 "/usr/share/doc/debian-edu-doc-da/debian-edu-bookworm-manual.html"};
  std::string thesaurus = "/usr/share/mythes/th_da_DK.dat";
};

// Reads the command line into `o`. On -h or --help, an unknown option, a
// missing or unreadable value, or a count or limit out of range, the usage
// goes to stderr and the answer is false.
bool parseOptions(int argc, char** argv, Options& o);

}  // namespace vorkel::bench
