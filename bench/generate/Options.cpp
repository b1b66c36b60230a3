#include "bench/generate/Options.h"

#include <exception>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorkel::bench {

namespace {

constexpr const char* kUsage =
    "usage: bench_generate [--vorkel PATH] [--templates DIR] [--dic FILE] [--work DIR]\n"
    "                      [--models 1,2,.. | --no-models] [--grids DIR | --no-grids]\n"
    "                      [--fills fast,path] [--runs N] [--fill-budget SEC] [--timeout SEC]\n"
    "                      [--qxw PATH] [--qxw-runs N] [--qxw-budget SEC] [--qxw-random 0|1|2]\n"
    "                      [--no-qxw] [--restart P,Q,..] [--restart-runs N] [--no-restart]\n"
    "                      [--jobs-model N] [--jobs-count N] [--no-jobs]\n"
    "                      [--languages dk,sv,no,de,es,en,is]\n"
    "                      [--tiers [--floor N] [--prose PATH,..] [--thesaurus FILE]]\n"
    "\n"
    "  --vorkel      the vorkel binary (default: the build's)\n"
    "  --templates   folder holding Model1.skb .. Model6.skb (default: the build's\n"
    "                stock folder, else the source tree's data/)\n"
    "  --dic         dictionary for the grid set and the qxw word list (default: the\n"
    "                first template's Trie, else the build's Dic/SVbyg.dic)\n"
    "  --work        scratch folder (default: <build>/bench-generate)\n"
    "  --grids       pictures of the hard-grid set, *.txt (default: bench/grids)\n"
    "  --fills       fills of ours to measure (default: fast,path)\n"
    "  --runs        crosswords per case and fill, seeds 1..N (default 20)\n"
    "  --fill-budget processor seconds per case and fill; seeds after it are left\n"
    "                out (default 30)\n"
    "  --timeout     limit for one vorkel process in seconds (default 120)\n"
    "  --qxw-runs    qxw runs per case, seeds 1..N (default: as --runs)\n"
    "  --qxw-budget  processor seconds of qxw per case (default 30)\n"
    "  --qxw-random  qxw's .RANDOM level: 0 none, 1 slight, 2 high (default 1)\n"
    "  --restart     policies to compare on the stock models; 'default' runs without\n"
    "                --restart (default: 'default' and the values `vorkel generate\n"
    "                --help` lists)\n"
    "  --jobs-model  model for the --jobs 1 / --jobs 2 comparison (default: the one\n"
    "                with the longest median)\n"
    "  --jobs-count  crosswords per --jobs run (default 40)\n"
    "  --languages   only the table of load and fill times per language, from the\n"
    "                stock templates ModelN-<code>.skb (ModelN.skb for dk)\n"
    "  --tiers       only the quality table: per stock model and word tier the fill\n"
    "                time, the share of common words, the lowest word score\n"
    "  --floor       the --min-score of the floor tier (default 50)\n"
    "  --prose       Danish prose whose words count as common when seen twice: files\n"
    "                or folders (default: the Danish LibreOffice help, package\n"
    "                libreoffice-help-da, and the Debian Edu manual, debian-edu-doc-da)\n"
    "  --thesaurus   the Danish thesaurus (default /usr/share/mythes/th_da_DK.dat)\n";

std::vector<std::string> splitList(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, ','))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(a + " needs a value");
      return argv[++i];
    };
    try {
      if (a == "--vorkel") o.vorkel = value();
      else if (a == "--templates") o.templates = value();
      else if (a == "--dic") o.dic = value();
      else if (a == "--work") o.work = value();
      else if (a == "--models") {
        o.models.clear();
        for (const auto& p : splitList(value())) o.models.push_back(std::stoi(p));
      } else if (a == "--no-models") o.models.clear();
      else if (a == "--grids") o.grids = value();
      else if (a == "--no-grids") o.withGrids = false;
      else if (a == "--fills") o.fills = splitList(value());
      else if (a == "--runs") o.runs = std::stoi(value());
      else if (a == "--fill-budget") o.fillBudget = std::stod(value());
      else if (a == "--timeout") o.timeout = std::stod(value());
      else if (a == "--qxw") o.qxw = value();
      else if (a == "--qxw-runs") o.qxwRuns = std::stoi(value());
      else if (a == "--qxw-budget") o.qxwBudget = std::stod(value());
      else if (a == "--qxw-random") o.qxwRandom = std::stoi(value());
      else if (a == "--no-qxw") o.withQxw = false;
      else if (a == "--restart") o.restarts = splitList(value());
      else if (a == "--restart-runs") o.restartRuns = std::stoi(value());
      else if (a == "--no-restart") o.withRestart = false;
      else if (a == "--jobs-model") o.jobsModel = std::stoi(value());
      else if (a == "--jobs-count") o.jobsCount = std::stoi(value());
      else if (a == "--no-jobs") o.withJobs = false;
      else if (a == "--languages") o.languages = splitList(value());
      else if (a == "--tiers") o.tiers = true;
      else if (a == "--floor") o.floor = std::stoi(value());
      else if (a == "--prose") o.prose = splitList(value());
      else if (a == "--thesaurus") o.thesaurus = value();
      else {
        std::cerr << (a == "-h" || a == "--help" ? "" : "bench_generate: unknown option " + a + "\n")
                  << kUsage;
        return false;
      }
    } catch (const std::exception& e) {
      std::cerr << "bench_generate: " << e.what() << "\n" << kUsage;
      return false;
    }
  }
  if (o.runs < 1 || o.timeout <= 0 || o.qxwBudget <= 0 || o.fillBudget <= 0 || o.jobsCount < 1 || o.qxwRandom < 0 ||
      o.qxwRandom > 2 || o.qxwRuns < 0 || o.fills.empty()) {
    std::cerr << "bench_generate: counts and limits must be positive\n" << kUsage;
    return false;
  }
  if (o.restartRuns <= 0) o.restartRuns = o.runs;
  return true;
}

}  // namespace vorkel::bench
