// Generation benchmark: `vorkel generate` against qxw's batch filler
// (Debian package qxw, /usr/games/qxw -b) on the same grids with the same
// word list, in one run.
//
//   bench_generate [options]            (see kUsage below)
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

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "cli/Console.h"
#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr double kInf = std::numeric_limits<double>::infinity();

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
  int jobsModel = 0;    // 0: the first model found
  int jobsCount = 40;
  bool withJobs = true;
  std::vector<std::string> languages;  // stock codes; empty: the qxw tables
  bool tiers = false;
  int floor = 50;
  std::vector<std::string> prose{"/usr/share/libreoffice/help/da",
                                 "/usr/share/doc/debian-edu-doc-da/debian-edu-bookworm-manual.html"};
  std::string thesaurus = "/usr/share/mythes/th_da_DK.dat";
};

// ---------------------------------------------------------------- processes

struct Outcome {
  int status = -1;  // exit status; -1 after a signal or when not started
  bool timedOut = false;
  double seconds = 0;     // wall time from fork to reaping
  double cpuSeconds = 0;  // processor time of the child, user and system
  long peakKb = 0;        // the child's peak resident memory
  std::string out, err;
};

// The child being measured. Children run in their own process group (so that
// a stopped run takes its helpers along), which keeps Ctrl-C away from them:
// on SIGINT or SIGTERM this process ends the running child itself.
volatile pid_t runningChild = 0;

extern "C" void onStop(int signal) {
  if (runningChild > 0) kill(-runningChild, SIGKILL);
  _exit(128 + signal);
}

// Runs argv[0] (searched in PATH when it has no slash) with stdout and stderr
// captured. After `limit` seconds the child's process group is killed.
Outcome runProcess(const std::vector<std::string>& argv, double limit) {
  Outcome r;
  int outPipe[2], errPipe[2];
  if (pipe(outPipe) != 0) return r;
  if (pipe(errPipe) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    return r;
  }
  std::fflush(stdout);
  std::fflush(stderr);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    close(outPipe[0]);
    close(outPipe[1]);
    close(errPipe[0]);
    close(errPipe[1]);
    const int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    std::fprintf(stderr, "cannot run %s: %s\n", args[0], std::strerror(errno));
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  if (pid < 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return r;
  }
  setpgid(pid, pid);  // either side may win the race; both ask the same
  runningChild = pid;
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(limit));
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  int openPipes = 2;
  bool killed = false;
  char buffer[8192];
  while (openPipes > 0) {
    int wait = -1;
    if (!killed) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      wait = static_cast<int>(std::max<long long>(0, left.count()));
    }
    const int ready = poll(fds, 2, wait);
    if (ready < 0 && errno != EINTR) break;
    if (ready == 0 && !killed) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      killed = true;
      r.timedOut = true;
      continue;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? r.out : r.err).append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --openPipes;
      }
    }
  }
  for (auto& f : fds)
    if (f.fd >= 0) close(f.fd);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  runningChild = 0;
  r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  r.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  r.peakKb = usage.ru_maxrss;
  if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
  return r;
}

// ------------------------------------------------------------------ helpers

// The q-quantile (0 < q <= 1) by the nearest-rank rule: the 90th
// percentile of 10 values is the 9th smallest.
double quantile(std::vector<double> v, double q) {
  if (v.empty()) return std::nan("");
  std::sort(v.begin(), v.end());
  const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size())));
  return v[std::min(std::max<std::size_t>(rank, 1), v.size()) - 1];
}

// Seconds as milliseconds, one decimal.
std::string ms(double seconds);

std::string fmt(double v, int decimals = 3) {
  if (std::isnan(v)) return "–";
  if (std::isinf(v)) return "∞";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

std::string ms(double seconds) { return fmt(seconds * 1000, 1); }

std::string firstLine(const std::string& text) {
  const auto end = text.find('\n');
  return text.substr(0, end == std::string::npos ? text.size() : end);
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A number field of a flat JSON object: "key": 12.5
std::optional<double> jsonNumber(const std::string& json, const std::string& key) {
  const std::string quoted = "\"" + key + "\"";
  auto at = json.find(quoted);
  if (at == std::string::npos) return std::nullopt;
  at = json.find(':', at + quoted.size());
  if (at == std::string::npos) return std::nullopt;
  const char* begin = json.c_str() + at + 1;
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin) return std::nullopt;
  return v;
}

// A string field of a flat JSON object: "key": "text" (no escapes expected).
std::string jsonText(const std::string& json, const std::string& key) {
  const std::string quoted = "\"" + key + "\"";
  auto at = json.find(quoted);
  if (at == std::string::npos) return {};
  at = json.find('"', json.find(':', at + quoted.size()));
  if (at == std::string::npos) return {};
  const auto end = json.find('"', at + 1);
  return end == std::string::npos ? std::string() : json.substr(at + 1, end - at - 1);
}

// The last line of `out` that opens a JSON object.
std::string jsonLine(const std::string& out) {
  std::istringstream in(out);
  std::string line, found;
  while (std::getline(in, line)) {
    const auto first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line[first] == '{') found = line;
  }
  return found;
}

std::vector<std::string> splitList(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, ','))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

// ---------------------------------------------------------------- templates

// One grid to measure: a stock template, or a picture of the grid set made
// into a template.
struct Case {
  std::string name;  // "Model1", "18x15-2"
  int model = 0;     // the stock model's number; 0 for the grid set
  fs::path skb;
  fs::path ktd;
  fs::path dic;  // empty when the template's dictionary was not found
};

// A file named case-insensitively `name` under `root`, at most three levels
// deep; the scratch folder and CMake's own folders are skipped.
std::optional<fs::path> findFile(const fs::path& root, const std::string& name,
                                 const fs::path& skip) {
  std::error_code ec;
  if (!fs::is_directory(root, ec)) return std::nullopt;
  const std::string wanted = lower(name);
  for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const fs::path& p = it->path();
    if (it->is_directory(ec)) {
      const std::string base = p.filename().string();
      if (it.depth() >= 2 || base == "CMakeFiles" || base.front() == '.' ||
          fs::equivalent(p, skip, ec))
        it.disable_recursion_pending();
      continue;
    }
    if (lower(p.filename().string()) == wanted) return p;
  }
  return std::nullopt;
}

// The value of `key` in section [Skabelon] of an INI file (keys compared
// without regard to case).
std::string iniValue(const fs::path& file, const std::string& key) {
  std::ifstream in(file);
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      inSection = lower(line) == "[skabelon]";
      continue;
    }
    const auto eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    if (lower(line.substr(0, eq)) == lower(key)) return line.substr(eq + 1);
  }
  return {};
}

// A file a template names: as written (relative to the template's folder),
// else its base name in the template's folder or in the fallback folders.
std::optional<fs::path> resolveNamed(std::string value, const fs::path& skbDir,
                                     const std::vector<fs::path>& fallbacks) {
  if (value.empty()) return std::nullopt;
  std::replace(value.begin(), value.end(), '\\', '/');
  std::error_code ec;
  fs::path p(value);
  if (p.is_relative()) p = skbDir / p;
  if (fs::is_regular_file(p, ec)) return p;
  const std::string base = fs::path(value).filename().string();
  if (auto found = findFile(skbDir, base, {})) return found;
  for (const auto& dir : fallbacks) {
    const fs::path q = dir / base;
    if (fs::is_regular_file(q, ec)) return q;
  }
  return std::nullopt;
}

// The stock templates ModelN<suffix>.skb of the chosen models.
std::vector<Case> findModels(const Options& o, const std::string& suffix = "") {
  const fs::path source = fs::path(VORKEL_SOURCE_DIR) / "data";
  const fs::path build = VORKEL_BINARY_DIR;
  std::vector<Case> models;
  for (int n : o.models) {
    const std::string name = "Model" + std::to_string(n) + suffix + ".skb";
    std::optional<fs::path> skb;
    if (!o.templates.empty()) skb = findFile(o.templates, name, o.work);
    if (!skb) skb = findFile(build, name, o.work);
    if (!skb) skb = findFile(source, name, o.work);
    if (!skb) {
      std::cerr << "bench_generate: no template " << name << ", model skipped\n";
      continue;
    }
    Case m;
    m.name = "Model" + std::to_string(n);
    m.model = n;
    m.skb = fs::absolute(*skb);
    const fs::path dir = m.skb.parent_path();
    const auto ktd = resolveNamed(iniValue(m.skb, "Model"), dir, {source});
    m.ktd = ktd ? *ktd : source / ("Model" + std::to_string(n) + ".ktd");
    if (const auto dic = resolveNamed(iniValue(m.skb, "Trie"), dir, {build / "Dic"})) m.dic = *dic;
    models.push_back(m);
  }
  return models;
}

// The pictures of the grid set as cases: a model (`vorkel grid import`),
// its automatic path (`vorkel path auto`, which only the path fill uses) and
// a template naming them, `dic` and the stock parameters, in the scratch
// folder. A picture that does not make a model is left out with a note.
std::vector<Case> prepareGrids(const Options& o, const fs::path& dic,
                               std::vector<std::string>& notes) {
  std::vector<Case> cases;
  std::error_code ec;
  if (!fs::is_directory(o.grids, ec)) {
    notes.push_back("no grid set at " + o.grids);
    return cases;
  }
  std::vector<fs::path> pictures;
  for (const auto& e : fs::directory_iterator(o.grids, ec))
    if (e.path().extension() == ".txt") pictures.push_back(e.path());
  std::sort(pictures.begin(), pictures.end());
  const fs::path folder = fs::path(o.work) / "grids";
  fs::create_directories(folder, ec);
  const fs::path source = fs::path(VORKEL_SOURCE_DIR) / "data";
  for (const fs::path& picture : pictures) {
    Case c;
    c.name = picture.stem().string();
    c.ktd = folder / (c.name + ".ktd");
    c.skb = folder / (c.name + ".skb");
    c.dic = dic;
    const fs::path pathFile = folder / (c.name + ".vej");
    Outcome p = runProcess({o.vorkel, "grid", "import", picture.string(), c.ktd.string()}, 60);
    if (p.status == 0)
      p = runProcess({o.vorkel, "path", "auto", c.ktd.string(), "-o", pathFile.string()}, 120);
    if (p.status != 0) {
      notes.push_back(c.name + ": left out, " + firstLine(p.err));
      continue;
    }
    std::ofstream skb(c.skb, std::ios::binary);
    skb << "[Skabelon]\r\nModel=" << c.ktd.string() << "\r\nTrie=" << dic.string()
        << "\r\nVej=" << pathFile.string() << "\r\nParametre=" << (source / "default.par").string()
        << "\r\nDestDir=" << (fs::path(o.work) / "out").string() << "\r\nSprog=0\r\n";
    cases.push_back(c);
  }
  return cases;
}

// ---------------------------------------------------------------- our runs

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

OurRun runOurs(const Options& o, const Case& m, const fs::path& outDir, int count, int seed,
               const std::vector<std::string>& extra) {
  std::error_code ec;
  fs::remove_all(outDir, ec);
  fs::create_directories(outDir, ec);
  std::vector<std::string> argv{o.vorkel,     "generate", m.skb.string(), "-n",
                                std::to_string(count),    "-o",           outDir.string(),
                                "--seed",     std::to_string(seed),       "--json"};
  argv.insert(argv.end(), extra.begin(), extra.end());
  OurRun r;
  r.process = runProcess(argv, o.timeout);
  r.timedOut = r.process.timedOut;
  const std::string json = jsonLine(r.process.out);
  if (r.timedOut) {
    r.problem = "stopped after " + fmt(o.timeout, 0) + " s";
  } else if (json.empty()) {
    r.problem = "exit " + std::to_string(r.process.status) + ": " + firstLine(r.process.err);
  } else {
    r.ok = true;
    r.saved = static_cast<int>(jsonNumber(json, "saved").value_or(0));
    r.tries = jsonNumber(json, "tries").value_or(std::nan(""));
    r.loadSeconds = jsonNumber(json, "load_seconds").value_or(std::nan(""));
    r.generateSeconds = jsonNumber(json, "generate_seconds").value_or(std::nan(""));
    r.generateCpuSeconds = jsonNumber(json, "generate_cpu_seconds").value_or(std::nan(""));
    r.restart = jsonText(json, "restart");
    r.fill = jsonText(json, "fill");
  }
  return r;
}

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
                       const std::vector<std::string>& extra) {
  OurSummary s;
  std::vector<double> cpu, wall, loads, processCpu, processWall;
  double tries = 0, used = 0;
  for (int seed = 1; seed <= runs && used < o.fillBudget; ++seed) {
    const fs::path dir = fs::path(o.work) / "out" / tag;
    const OurRun r = runOurs(o, m, dir, 1, seed, extra);
    ++s.runs;
    used += r.process.cpuSeconds;
    if (!r.ok) {
      ++s.failed;
      if (s.problem.empty()) s.problem = r.problem;
      std::cerr << "  " << tag << " seed " << seed << ": " << r.problem << "\n";
      // A command that does not exist or rejects an option fails the same
      // way for every seed.
      if (!r.timedOut && seed == 1) return s;
      continue;
    }
    s.saved += r.saved;
    tries += r.tries;
    s.restart = r.restart;
    s.fill = r.fill;
    loads.push_back(r.loadSeconds);
    processCpu.push_back(r.process.cpuSeconds);
    processWall.push_back(r.process.seconds);
    s.peakKb = std::max(s.peakKb, r.process.peakKb);
    if (r.saved > 0) {
      cpu.push_back(r.generateCpuSeconds / r.saved);
      wall.push_back(r.generateSeconds / r.saved);
    }
    std::cerr << "  " << tag << " seed " << seed << ": saved " << r.saved << ", tries " << r.tries
              << ", " << ms(r.generateCpuSeconds) << " ms cpu, " << ms(r.generateSeconds)
              << " ms wall\n";
  }
  s.cpuMedian = quantile(cpu, 0.5);
  s.cpuP90 = quantile(cpu, 0.9);
  s.wallMedian = quantile(wall, 0.5);
  s.wallP90 = quantile(wall, 0.9);
  s.loadMedian = quantile(loads, 0.5);
  s.processCpuMedian = quantile(processCpu, 0.5);
  s.processWallMedian = quantile(processWall, 0.5);
  if (s.saved > 0) s.triesPerSave = tries / s.saved;
  return s;
}

// The values `vorkel generate --help` lists for --restart ("a|b:N|c:U"
// after the option); empty when the option is not mentioned. A value with a
// placeholder after its colon takes the unit of the default policy
// (`defaultPolicy`, e.g. "luby:4000"), or a quarter of it when that would
// repeat the default itself.
std::vector<std::string> restartPolicies(const Options& o, const std::string& defaultPolicy,
                                         std::string& helpNote) {
  const Outcome p = runProcess({o.vorkel, "generate", "--help"}, 30);
  const std::string text = p.out + p.err;
  std::uint64_t unit = 1000;
  if (const auto colon = defaultPolicy.find(':'); colon != std::string::npos)
    unit = std::strtoull(defaultPolicy.c_str() + colon + 1, nullptr, 10);
  if (unit == 0) unit = 1000;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const auto at = line.find("--restart");
    if (at == std::string::npos) continue;
    std::string rest = line.substr(at + 9);
    for (char& c : rest)
      if (std::strchr("{}[]<>=,()", c)) c = ' ';
    std::istringstream words(rest);
    std::string word;
    while (words >> word) {
      if (word.find('|') == std::string::npos) continue;
      std::vector<std::string> values;
      std::istringstream bar(word);
      std::string v;
      while (std::getline(bar, v, '|')) {
        if (v.empty()) continue;
        const auto colon = v.find(':');
        if (colon != std::string::npos &&
            v.find_first_not_of("0123456789", colon + 1) != std::string::npos) {
          const std::string kind = v.substr(0, colon + 1);
          v = kind + std::to_string(unit);
          if (v == defaultPolicy) v = kind + std::to_string(std::max<std::uint64_t>(1, unit / 4));
        }
        if (v != defaultPolicy) values.push_back(v);
      }
      return values;
    }
    helpNote = "--restart is listed, but its values could not be read: " + line;
    return {};
  }
  helpNote = "`vorkel generate --help` lists no --restart";
  return {};
}

// ---------------------------------------------------------------- qxw

// The dictionary's words in display text (upper case, UTF-8), one a line:
// exactly what the fill engine draws from. Sorted (byte order, which for
// UTF-8 is the order of the code points): qxw loads and fills about five
// times faster from a sorted list than from the same words in the word
// store's order (measured on Model1), so this is its best case.
bool exportWordList(const fs::path& dic, const fs::path& out, int& count, int& nordic) {
  vorkel::Console ui(std::cerr, "bench");
  vorkel::Language language;
  vorkel::WordStore dict(400000, language, ui);
  if (!vorkel::loadWordFile(dict, dic.string()) || dict.wordCount() == 0) return false;
  std::vector<std::string> texts;
  count = nordic = 0;
  for (int length = vorkel::WordStore::MinLength; length <= vorkel::WordStore::MaxLength;
       ++length) {
    const std::string blanks(static_cast<std::size_t>(length), ' ');
    dict.forEachMatch(length, blanks, [&](std::string_view word) {
      texts.push_back(vorkel::cp1252ToUtf8(dict.codesToText(word)));
      const std::string& text = texts.back();
      if (text.find("\xC3\x86") != std::string::npos || text.find("\xC3\x98") != std::string::npos ||
          text.find("\xC3\x85") != std::string::npos)
        ++nordic;
      ++count;
      return true;
    });
  }
  std::sort(texts.begin(), texts.end());
  std::ofstream file(out, std::ios::binary);
  for (const std::string& text : texts) file << text << '\n';
  return static_cast<bool>(file);
}

// The model as text rows: '#' for a clue cell, '.' for a letter cell.
std::vector<std::string> gridRows(const Options& o, const Case& m, std::string& problem) {
  const Outcome p = runProcess({o.vorkel, "grid", "show", m.ktd.string()}, 60);
  std::vector<std::string> rows;
  if (p.status != 0) {
    problem = "grid show: " + firstLine(p.err);
    return rows;
  }
  std::istringstream in(p.out);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(line);
  }
  return rows;
}

// Every across and down run of two or more letter cells, as qxw deck lines:
// cell names "r<row>c<column>" separated by blanks.
std::vector<std::string> deckSlots(const std::vector<std::string>& rows) {
  const int height = static_cast<int>(rows.size());
  int width = 0;
  for (const auto& r : rows) width = std::max(width, static_cast<int>(r.size()));
  auto letter = [&](int x, int y) {
    return y >= 0 && y < height && x >= 0 && x < static_cast<int>(rows[y].size()) &&
           rows[y][x] == '.';
  };
  auto name = [](int x, int y) {
    char text[32];
    std::snprintf(text, sizeof text, "r%dc%d", y, x);
    return std::string(text);
  };
  std::vector<std::string> slots;
  for (int down = 0; down < 2; ++down) {
    const int lines = down ? width : height, cells = down ? height : width;
    for (int line = 0; line < lines; ++line) {
      int i = 0;
      while (i < cells) {
        auto at = [&](int k) { return down ? letter(line, k) : letter(k, line); };
        if (!at(i)) {
          ++i;
          continue;
        }
        const int start = i;
        while (i < cells && at(i)) ++i;
        if (i - start < 2) continue;
        std::string slot;
        for (int k = start; k < i; ++k) {
          if (!slot.empty()) slot += ' ';
          slot += down ? name(line, k) : name(k, line);
        }
        slots.push_back(slot);
      }
    }
  }
  return slots;
}

void writeDeck(const fs::path& file, int random, const std::vector<std::string>& slots) {
  std::ofstream out(file, std::ios::binary);
  if (random > 0) out << ".RANDOM " << random << '\n';
  for (const auto& s : slots) out << s << '\n';
}

struct QxwSummary {
  bool measured = false;
  int runs = 0, filled = 0, noFill = 0, stopped = 0, bad = 0;
  // Load of a one-slot deck, median of three runs.
  double loadCpu = std::nan(""), loadWall = std::nan("");
  // Per fill with the load taken off; whole processes as they are.
  double netCpuMedian = std::nan(""), netWallMedian = std::nan("");
  double processCpuMedian = std::nan(""), processWallMedian = std::nan("");
  bool nordicLetters = false;  // some fill used Æ, Ø or Å
  std::string problem;
};

QxwSummary measureQxw(const Options& o, const Case& m, const std::vector<std::string>& slots,
                      const fs::path& words) {
  QxwSummary s;
  const fs::path dir = fs::path(o.work) / "qxw";
  std::error_code ec;
  fs::create_directories(dir, ec);
  const fs::path loadDeck = dir / (m.name + "-load.qxd");
  const fs::path fillDeck = dir / (m.name + ".qxd");
  writeDeck(loadDeck, 0, {slots.front()});
  writeDeck(fillDeck, o.qxwRandom, slots);
  auto command = [&](const fs::path& deck, int seed) {
    return std::vector<std::string>{o.qxw, "-b", "-F", std::to_string(seed), "-a", "DA",
                                    "-d", words.string(), deck.string()};
  };

  std::vector<double> loadCpu, loadWall;
  for (int k = 1; k <= 3; ++k) {
    const Outcome p = runProcess(command(loadDeck, k), 60);
    if (p.status != 0) {
      s.problem = "one-slot deck: exit " + std::to_string(p.status) + " " + firstLine(p.err);
      return s;
    }
    loadCpu.push_back(p.cpuSeconds);
    loadWall.push_back(p.seconds);
  }
  s.loadCpu = quantile(loadCpu, 0.5);
  s.loadWall = quantile(loadWall, 0.5);
  s.measured = true;

  // The budget counts processor time. A run cut off by it took at least its
  // time so far: it counts as endless for the median when that time already
  // exceeds the median of the finished runs (or none finished), and is left
  // out otherwise.
  std::vector<double> netCpu, netWall, processCpu, processWall;
  double used = 0, cutAt = -1;
  const int runs = o.qxwRuns > 0 ? o.qxwRuns : o.runs;
  for (int seed = 1; seed <= runs; ++seed) {
    const double left = o.qxwBudget - used;
    if (left <= 0) break;
    // The wall limit leaves room for a busy machine; the budget is checked
    // on processor time after each run.
    const Outcome p = runProcess(command(fillDeck, seed), 4 * (left + s.loadWall) + 10);
    used += std::max(0.0, p.cpuSeconds - s.loadCpu);
    ++s.runs;
    if (p.timedOut) {
      ++s.stopped;
      cutAt = std::max(0.0, p.cpuSeconds - s.loadCpu);
      std::cerr << "  qxw seed " << seed << ": stopped at the budget\n";
      break;
    }
    if (p.status == 4) {
      ++s.noFill;
      std::cerr << "  qxw seed " << seed << ": no fill\n";
      continue;
    }
    // A fill prints "W<n> ANSWER" and "# entry" for every slot.
    int answers = 0;
    std::istringstream in(p.out);
    std::string line;
    while (std::getline(in, line)) {
      if (line.size() > 1 && line[0] == 'W') {
        ++answers;
        if (line.find("\xC3\x86") != std::string::npos || line.find("\xC3\x98") != std::string::npos ||
            line.find("\xC3\x85") != std::string::npos)
          s.nordicLetters = true;
      }
    }
    if (p.status != 0 || answers != static_cast<int>(slots.size())) {
      ++s.bad;
      if (s.problem.empty())
        s.problem = "exit " + std::to_string(p.status) + ", " + std::to_string(answers) + " of " +
                    std::to_string(slots.size()) + " answers: " + firstLine(p.err);
      continue;
    }
    ++s.filled;
    netCpu.push_back(std::max(0.0, p.cpuSeconds - s.loadCpu));
    netWall.push_back(std::max(0.0, p.seconds - s.loadWall));
    processCpu.push_back(p.cpuSeconds);
    processWall.push_back(p.seconds);
    std::cerr << "  qxw seed " << seed << ": " << fmt(p.cpuSeconds) << " s cpu, " << fmt(p.seconds)
              << " s wall\n";
  }
  if (cutAt >= 0 && (netCpu.empty() || cutAt >= quantile(netCpu, 0.5))) {
    netCpu.push_back(kInf);
    netWall.push_back(kInf);
  }
  s.netCpuMedian = quantile(netCpu, 0.5);
  s.netWallMedian = quantile(netWall, 0.5);
  s.processCpuMedian = quantile(processCpu, 0.5);
  s.processWallMedian = quantile(processWall, 0.5);
  return s;
}

// ---------------------------------------------------------------- main

// ---------------------------------------------------------------- languages

// Per language: the words of its stock dictionary, the median load time and,
// per model, the median fill time per crossword and the tries per save.
int measureLanguages(const Options& o) {
  std::cout << "## Languages: load and fill per stock dictionary (times in ms)\n\n"
            << o.runs << " processes `vorkel generate ModelN-CODE.skb -n 1 --seed S --json` per "
            << "model, S = 1.." << o.runs << "; load = median load_seconds over all of a "
            << "language's runs; per model the median processor time per save (generate_cpu_seconds), then "
               "tries/save.\n\n| language | words | load |";
  for (int n : o.models) std::cout << " Model" << n << " |";
  std::cout << "\n|---|---|---|";
  for (std::size_t i = 0; i < o.models.size(); ++i) std::cout << "---|";
  std::cout << "\n";
  std::vector<std::string> notes;
  for (const std::string& code : o.languages) {
    const std::vector<Case> models = findModels(o, code == "dk" ? "" : "-" + code);
    if (models.empty()) {
      notes.push_back(code + ": no stock templates");
      continue;
    }
    std::string words = "–";
    const Case& first = models.front();
    const Outcome stats = runProcess({o.vorkel, "dict", "stats", first.dic.string(), "--language",
                                      iniValue(first.skb, "Sprog")},
                                     o.timeout);
    if (const std::size_t at = stats.out.find("Ord : "); at != std::string::npos)
      words = stats.out.substr(at + 6, stats.out.find(' ', at + 6) - at - 6);
    std::vector<double> loads;
    std::string cells;
    for (const Case& m : models) {
      std::cerr << code << " Model" << m.model << "\n";
      const OurSummary s = measureOurs(o, m, o.runs, code + std::to_string(m.model), {});
      if (!s.problem.empty())
        notes.push_back(code + " Model" + std::to_string(m.model) + ": " + s.problem);
      if (!std::isnan(s.loadMedian)) loads.push_back(s.loadMedian);
      cells += " " + ms(s.cpuMedian) + " (" + fmt(s.triesPerSave, 1) + ") |";
    }
    std::cout << "| " << code << " | " << words << " | " << ms(quantile(loads, 0.5)) << " |" << cells
              << "\n"
              << std::flush;
  }
  if (!notes.empty()) {
    std::cout << "\nNotes:\n";
    for (const auto& n : notes) std::cout << "- " << n << "\n";
  }
  return 0;
}

// ---------------------------------------------------------------- tiers

// Letters of UTF-8 text upper-cased: a..z and the Latin-1 letters à..þ
// (two bytes, C3 A0..BE), which is every letter of the Danish words.
std::string upperDanish(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 32);
    else if (c == 0xC3 && i + 1 < out.size()) {
      const auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
      ++i;
    }
  }
  return out;
}

// The words seen at least twice in the prose (files, or folders searched
// for *.html and *.txt): runs of letters (ASCII letters and every byte of a
// multi-byte character) between markup and other characters, upper case.
std::unordered_set<std::string> proseWords(const std::vector<std::string>& paths, long& tokens,
                                           std::vector<std::string>& notes) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const std::string& p : paths) {
    if (fs::is_regular_file(p, ec)) files.emplace_back(p);
    else if (fs::is_directory(p, ec)) {
      for (auto it = fs::recursive_directory_iterator(p, ec); it != fs::recursive_directory_iterator();
           it.increment(ec)) {
        if (ec) break;
        const std::string ext = it->path().extension().string();
        if (it->is_regular_file(ec) && (ext == ".html" || ext == ".txt")) files.push_back(it->path());
      }
    } else notes.push_back("no prose at " + p + " (install libreoffice-help-da and debian-edu-doc-da)");
  }
  std::map<std::string, int> counts;
  tokens = 0;
  for (const fs::path& file : files) {
    const std::string text = vorkel::Files::readFile(file.string()).value_or("");
    std::string word;
    bool inTag = false;
    const auto flush = [&] {
      if (word.size() >= 2) {
        ++counts[upperDanish(word)];
        ++tokens;
      }
      word.clear();
    };
    for (const char ch : text) {
      const auto c = static_cast<unsigned char>(ch);
      if (c == '<') inTag = true;
      if (inTag) {
        if (c == '>') inTag = false;
        flush();
        continue;
      }
      if (std::isalpha(c) || c >= 0x80) word += ch;
      else flush();
    }
    flush();
  }
  std::unordered_set<std::string> seen;
  for (const auto& [word, n] : counts)
    if (n >= 2) seen.insert(word);
  return seen;
}

// The thesaurus's headwords and the single words among their synonyms,
// upper case ("word|count" lines, then "(class)|synonym|synonym (note)").
std::unordered_set<std::string> thesaurusWords(const std::string& file) {
  std::unordered_set<std::string> words;
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);  // the encoding
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string f; std::getline(parts, f, '|');) fields.push_back(f);
    const bool synonyms = !line.empty() && (line[0] == '(' || line[0] == '|');
    for (std::size_t k = synonyms ? 1 : 0; k < (synonyms ? fields.size() : std::min<std::size_t>(1, fields.size())); ++k) {
      std::string w = fields[k];
      if (const auto note = w.find(" ("); note != std::string::npos) w.erase(note);
      if (!w.empty() && w.find_first_of(" .-") == std::string::npos) words.insert(upperDanish(w));
    }
  }
  return words;
}

// word (UTF-8, upper case) -> score, from a score file.
std::map<std::string, int> readScoreFile(const fs::path& file) {
  std::map<std::string, int> scores;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) scores[line.substr(0, tab)] = std::atoi(line.c_str() + tab + 1);
  }
  return scores;
}

// The words of a raw crossword (UTF-8): every across and down run of two or
// more letters.
std::vector<std::string> crosswordWords(const std::string& bytes) {
  std::vector<std::string> rows;
  std::istringstream in(bytes);
  std::string line;
  std::getline(in, line);  // width and height
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(line);
  }
  std::vector<std::string> words;
  std::string run;
  const auto end = [&] {
    if (run.size() >= 2) words.push_back(vorkel::cp1252ToUtf8(run));
    run.clear();
  };
  std::size_t width = 0;
  for (const auto& r : rows) width = std::max(width, r.size());
  for (const auto& r : rows) {
    for (const char c : r)
      if (c == '#') end();
      else run += c;
    end();
  }
  for (std::size_t x = 0; x < width; ++x) {
    for (const auto& r : rows)
      if (x >= r.size() || r[x] == '#') end();
      else run += r[x];
    end();
  }
  return words;
}

struct TierResult {
  OurSummary fill;
  int crosswords = 0, words = 0, known = 0, prose = 0, low = 0, offensive = 0;
  std::vector<double> lowest;  // per crossword, by the full list's scores
  std::vector<std::string> example;  // the rows of seed 1's crossword
};

// Per stock model and tier: RUNS crosswords (seeds 1..RUNS) by the fast
// fill, each judged word by word. The measures of a common word:
//   known  in the thesaurus or seen twice in the prose (the measure;
//          the thesaurus is also one of the scoring rule's sources);
//   prose  seen twice in the prose (shares nothing with the scoring rule).
// "low" counts words scored 5 or less (genitives, imperatives), offensive
// those scored 0, both by the full list's score file.
int measureTiers(const Options& o) {
  const fs::path dicDir = fs::path(VORKEL_BINARY_DIR) / "Dic";
  std::vector<std::string> notes;
  const std::map<std::string, int> scores = readScoreFile(dicDir / "SVbyg.score");
  if (scores.empty()) {
    std::cerr << "bench_generate: no " << (dicDir / "SVbyg.score").string() << " (build stock_dictionary)\n";
    return 1;
  }
  long tokens = 0;
  const std::unordered_set<std::string> prose = proseWords(o.prose, tokens, notes);
  const std::unordered_set<std::string> thesaurus = thesaurusWords(o.thesaurus);
  if (thesaurus.empty()) notes.push_back("no thesaurus at " + o.thesaurus);

  // The tiers as templates in the scratch folder: the stock model, path and
  // parameters, the tier's dictionary. The full list without scores is a
  // copy of SVbyg.dic with no score file beside it.
  struct Tier {
    std::string name;
    fs::path dic;
    std::vector<std::string> extra;
  };
  std::error_code ec;
  const fs::path folder = fs::path(o.work) / "tiers";
  fs::create_directories(folder / "plain", ec);
  fs::copy_file(dicDir / "SVbyg.dic", folder / "plain" / "SVbyg.dic", fs::copy_options::overwrite_existing, ec);
  const std::vector<Tier> tiers{
      {"full, no scores", folder / "plain" / "SVbyg.dic", {}},
      {"full, scores", dicDir / "SVbyg.dic", {}},
      {"full, --min-score " + std::to_string(o.floor), dicDir / "SVbyg.dic",
       {"--min-score", std::to_string(o.floor)}},
      {"SVsmall", dicDir / "SVsmall.dic", {}},
  };
  const fs::path source = fs::path(VORKEL_SOURCE_DIR) / "data";
  const std::vector<Case> models = findModels(o);
  std::map<std::string, std::map<int, TierResult>> results;  // tier -> model -> result
  std::map<int, QxwSummary> qxw;
  bool withQxw = o.withQxw && fs::is_regular_file(o.qxw, ec);
  const fs::path words = folder / "words.txt";
  if (withQxw) {
    int count = 0, nordic = 0;
    withQxw = exportWordList(dicDir / "SVbyg.dic", words, count, nordic);
  }
  for (const Case& stock : models) {
    for (const Tier& tier : tiers) {
      Case m = stock;
      m.skb = folder / (stock.name + "-" + std::to_string(&tier - tiers.data()) + ".skb");
      const auto pathFile = resolveNamed(iniValue(stock.skb, "Vej"), stock.skb.parent_path(), {source});
      std::ofstream skb(m.skb, std::ios::binary);
      skb << "[Skabelon]\r\nModel=" << stock.ktd.string() << "\r\nTrie=" << tier.dic.string()
          << "\r\nVej=" << (pathFile ? pathFile->string() : "") << "\r\nParametre=" << (source / "default.par").string()
          << "\r\nDestDir=" << (folder / "out").string() << "\r\nSprog=0\r\n";
      skb.close();
      std::cerr << stock.name << " " << tier.name << "\n";
      TierResult& r = results[tier.name][stock.model];
      std::vector<std::string> extra{"--fill", "fast"};
      extra.insert(extra.end(), tier.extra.begin(), tier.extra.end());
      // The fill times, then the crosswords again to judge them (the same
      // seeds give the same crosswords).
      r.fill = measureOurs(o, m, o.runs, "tier", extra);
      if (!r.fill.problem.empty()) notes.push_back(stock.name + " " + tier.name + ": " + r.fill.problem);
      for (int seed = 1; seed <= o.runs; ++seed) {
        const fs::path out = fs::path(o.work) / "out" / "tier-judge";
        const OurRun run = runOurs(o, m, out, 1, seed, extra);
        if (!run.ok || run.saved == 0) continue;
        for (const auto& e : fs::directory_iterator(out, ec)) {
          const std::string bytes = vorkel::Files::readFile(e.path().string()).value_or("");
          const std::vector<std::string> ws = crosswordWords(bytes);
          if (ws.empty()) continue;
          ++r.crosswords;
          double lowest = 100;
          for (const std::string& w : ws) {
            const auto it = scores.find(w);
            const int score = it == scores.end() ? 0 : it->second;
            lowest = std::min<double>(lowest, score);
            ++r.words;
            r.prose += prose.count(w) > 0;
            r.known += prose.count(w) > 0 || thesaurus.count(w) > 0;
            r.low += score <= 5;
            r.offensive += score == 0;
          }
          r.lowest.push_back(lowest);
          if (seed == 1) {
            std::istringstream rows(vorkel::cp1252ToUtf8(bytes));
            std::string row;
            std::getline(rows, row);
            while (std::getline(rows, row)) {
              if (!row.empty() && row.back() == '\r') row.pop_back();
              if (!row.empty()) r.example.push_back(row);
            }
          }
        }
      }
    }
    if (withQxw) {
      std::string problem;
      const auto slots = deckSlots(gridRows(o, stock, problem));
      if (!slots.empty()) qxw[stock.model] = measureQxw(o, stock, slots, words);
    }
  }

  const auto percent = [](int part, int whole) {
    return whole == 0 ? std::string("–") : fmt(100.0 * part / whole, 1) + " %";
  };
  std::cout << "## Quality: per stock model and word tier\n\n"
            << o.runs << " crosswords per model and tier by the fast fill, `vorkel generate T.skb -n 1 "
            << "--seed S --json --fill fast`, S = 1.." << o.runs << ". Fill = median processor time per "
            << "crossword (generate_cpu_seconds, ms); known = words in the thesaurus or seen twice in "
            << "the prose; prose = words seen twice in the prose (" << tokens << " words of "
            << o.prose.size() << " sources, " << prose.size() << " distinct words seen twice); lowest = "
            << "the median and the least of the crosswords' lowest scores (SVbyg.score); low = words "
            << "scored 5 or less (genitives, imperatives), offensive = scored 0; qxw = qxw's net median "
            << "on the full list over ours.\n\n"
            << "| model | tier | fill ms | × qxw | words | known | prose | lowest (median, least) | low | offensive |\n"
            << "|---|---|---|---|---|---|---|---|---|---|\n";
  std::map<std::string, TierResult> total;
  for (const Case& stock : models)
    for (const Tier& tier : tiers) {
      const TierResult& r = results[tier.name][stock.model];
      const QxwSummary* q = qxw.count(stock.model) ? &qxw[stock.model] : nullptr;
      const double least = r.lowest.empty() ? std::nan("") : *std::min_element(r.lowest.begin(), r.lowest.end());
      std::cout << "| " << stock.name << " | " << tier.name << " | " << ms(r.fill.cpuMedian) << " ("
                << r.fill.saved << "/" << r.fill.runs << ") | "
                << (q && q->filled > 0 ? fmt(q->netCpuMedian / r.fill.cpuMedian, 0) : "–") << " | " << r.words
                << " | " << percent(r.known, r.words) << " | " << percent(r.prose, r.words) << " | "
                << fmt(quantile(r.lowest, 0.5), 0) << ", " << fmt(least, 0) << " | " << r.low << " | "
                << r.offensive << " |\n";
      TierResult& t = total[tier.name];
      t.words += r.words;
      t.known += r.known;
      t.prose += r.prose;
      t.low += r.low;
      t.offensive += r.offensive;
    }
  std::cout << "\n| tier, all models | words | known | prose | low | offensive |\n|---|---|---|---|---|---|\n";
  for (const Tier& tier : tiers) {
    const TierResult& t = total[tier.name];
    std::cout << "| " << tier.name << " | " << t.words << " | " << percent(t.known, t.words) << " | "
              << percent(t.prose, t.words) << " | " << t.low << " | " << t.offensive << " |\n";
  }
  // Seed 1's crossword of the first model in each tier, side by side.
  if (!models.empty()) {
    std::cout << "\n### " << models.front().name << ", seed 1, per tier\n\n```\n";
    std::size_t rowsShown = 0;
    for (const Tier& tier : tiers) rowsShown = std::max(rowsShown, results[tier.name][models.front().model].example.size());
    for (const Tier& tier : tiers) std::cout << tier.name.substr(0, 12) << std::string(14 - std::min<std::size_t>(12, tier.name.size()), ' ');
    std::cout << "\n";
    for (std::size_t y = 0; y < rowsShown; ++y) {
      for (const Tier& tier : tiers) {
        const auto& rows = results[tier.name][models.front().model].example;
        const std::string row = y < rows.size() ? rows[y] : "";
        std::size_t chars = 0;
        for (const char c : row) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        std::cout << row << std::string(chars < 14 ? 14 - chars : 1, ' ');
      }
      std::cout << "\n";
    }
    std::cout << "```\n";
  }
  if (!notes.empty()) {
    std::cout << "\nNotes:\n";
    for (const auto& n : notes) std::cout << "- " << n << "\n";
  }
  return 0;
}

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

// What one case measured.
struct CaseResult {
  Case what;
  std::string grid = "–";
  std::size_t slots = 0;
  std::map<std::string, OurSummary> ours;  // by fill
  QxwSummary qxw;
};

// qxw's time over ours; "> N" when qxw did not finish within its budget.
std::string ratio(double qxw, double ours, double budget) {
  if (std::isinf(qxw)) return "> " + fmt(budget / ours, 0);
  return fmt(qxw / ours, 0);
}

// One table of every case, in processor time (`cpu`) or wall time.
// A median over fewer crosswords than asked for (a budget ran out) shows
// their number in brackets.
void printTable(const std::vector<CaseResult>& results, const std::vector<std::string>& fills,
                bool cpu, double budget, int runs) {
  std::cout << "| case | grid | slots |";
  for (const auto& f : fills) std::cout << " " << f << " median | " << f << " p90 |";
  std::cout << " qxw net median |";
  for (const auto& f : fills) std::cout << " qxw/" << f << " |";
  std::cout << " qxw/" << fills.front() << " p90 | " << fills.front() << " process | qxw process | "
            << "process ratio |";
  if (cpu) std::cout << " " << fills.front() << " peak MB | tries/save |";
  std::cout << "\n|---|---|---|";
  for (std::size_t k = 0; k < fills.size(); ++k) std::cout << "---|---|";
  std::cout << "---|";
  for (std::size_t k = 0; k < fills.size(); ++k) std::cout << "---|";
  std::cout << "---|---|---|---|" << (cpu ? "---|---|" : "") << "\n";
  for (const CaseResult& r : results) {
    const double qxwNet = cpu ? r.qxw.netCpuMedian : r.qxw.netWallMedian;
    const double qxwProcess = cpu ? r.qxw.processCpuMedian : r.qxw.processWallMedian;
    std::cout << "| " << r.what.name << " | " << r.grid << " | " << r.slots << " |";
    for (const auto& f : fills) {
      const OurSummary& s = r.ours.at(f);
      std::cout << " " << ms(cpu ? s.cpuMedian : s.wallMedian)
                << (s.saved < runs ? " (" + std::to_string(s.saved) + ")" : "") << " | "
                << ms(cpu ? s.cpuP90 : s.wallP90) << " |";
    }
    std::cout << " " << (std::isinf(qxwNet) ? "> " + ms(budget) : ms(qxwNet)) << " |";
    for (const auto& f : fills) {
      const OurSummary& s = r.ours.at(f);
      std::cout << " " << ratio(qxwNet, cpu ? s.cpuMedian : s.wallMedian, budget) << " |";
    }
    const OurSummary& first = r.ours.at(fills.front());
    const double ourProcess = cpu ? first.processCpuMedian : first.processWallMedian;
    std::cout << " " << ratio(qxwNet, cpu ? first.cpuP90 : first.wallP90, budget) << " | "
              << ms(ourProcess) << " | " << ms(qxwProcess) << " | " << fmt(qxwProcess / ourProcess, 1)
              << " |";
    if (cpu)
      std::cout << " " << fmt(static_cast<double>(first.peakKb) / 1024.0, 1) << " | "
                << fmt(first.triesPerSave, 2) << " |";
    std::cout << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parseOptions(argc, argv, o)) return 2;
  signal(SIGPIPE, SIG_IGN);
  signal(SIGINT, onStop);
  signal(SIGTERM, onStop);
  std::error_code ec;
  fs::create_directories(o.work, ec);
  o.work = fs::absolute(o.work).string();

  if (!fs::is_regular_file(o.vorkel, ec)) {
    std::cerr << "bench_generate: no vorkel binary at " << o.vorkel << "\n";
    return 1;
  }
  if (!o.languages.empty()) return measureLanguages(o);
  if (o.tiers) return measureTiers(o);
  std::vector<std::string> notes;
  const std::vector<Case> models = findModels(o);

  // One word list: the dictionary the first template names, for qxw and for
  // the templates of the grid set.
  fs::path dic = o.dic;
  if (dic.empty() && !models.empty()) dic = models.front().dic;
  if (dic.empty()) dic = fs::path(VORKEL_BINARY_DIR) / "Dic" / "SVbyg.dic";
  dic = fs::absolute(dic);
  for (const auto& m : models)
    if (o.dic.empty() && !m.dic.empty() && !fs::equivalent(m.dic, dic, ec))
      notes.push_back(m.name + ".skb names another dictionary (" + m.dic.string() +
                      "); qxw still gets " + dic.string());
  std::vector<Case> cases = models;
  if (o.withGrids)
    for (Case& c : prepareGrids(o, dic, notes)) cases.push_back(std::move(c));
  if (cases.empty()) {
    std::cerr << "bench_generate: no stock templates and no grids found\n";
    return 1;
  }

  const fs::path words = fs::path(o.work) / "words.txt";
  bool withQxw = o.withQxw;
  if (withQxw && !fs::is_regular_file(o.qxw, ec)) {
    notes.push_back("qxw not found at " + o.qxw + "; its columns are empty");
    withQxw = false;
  }
  if (withQxw) {
    int count = 0, nordic = 0;
    if (!exportWordList(dic, words, count, nordic)) {
      notes.push_back("could not export the words of " + dic.string() + "; qxw skipped");
      withQxw = false;
    } else {
      notes.push_back("qxw word list: " + std::to_string(count) + " words of " + dic.string() +
                      " (" + std::to_string(nordic) + " with Æ/Ø/Å), UTF-8, upper case");
    }
  }

  std::vector<CaseResult> results;
  for (const Case& c : cases) {
    std::cerr << c.name << " (" << c.skb.string() << ")\n";
    CaseResult r;
    r.what = c;
    std::string problem;
    const auto rows = gridRows(o, c, problem);
    const auto slots = deckSlots(rows);
    r.slots = slots.size();
    if (!rows.empty())
      r.grid = std::to_string(rows.front().size()) + "×" + std::to_string(rows.size());
    else
      notes.push_back(c.name + ": " + problem);
    for (const std::string& fill : o.fills) {
      const OurSummary s =
          measureOurs(o, c, o.runs, c.name + "-" + fill, {"--fill", fill});
      if (!s.problem.empty())
        notes.push_back(c.name + " --fill " + fill + ": " + std::to_string(s.failed) + " of " +
                        std::to_string(s.runs) + " runs failed, first: " + s.problem);
      if (!s.fill.empty() && s.fill != fill)
        notes.push_back(c.name + ": asked for --fill " + fill + ", the JSON says " + s.fill);
      r.ours[fill] = s;
    }
    if (withQxw && !slots.empty()) {
      r.qxw = measureQxw(o, c, slots, words);
      if (!r.qxw.problem.empty()) notes.push_back(c.name + " qxw: " + r.qxw.problem);
      if (r.qxw.filled > 0 && !r.qxw.nordicLetters)
        notes.push_back(c.name + " qxw: no fill used Æ, Ø or Å");
    }
    results.push_back(r);
  }

  const int qxwRuns = o.qxwRuns > 0 ? o.qxwRuns : o.runs;
  std::cout << "## Generation: vorkel generate against qxw -b\n\n"
            << "Ours: per case and fill " << o.runs
            << " processes `vorkel generate T.skb -n 1 --seed S --json --fill F`, S = 1.."
            << o.runs << "; time per fill = generate_cpu_seconds (processor) and "
            << "generate_seconds (wall), loading excluded; median and 90th percentile (p90).\n"
            << "qxw: up to " << qxwRuns << " runs `qxw -b -F S -a DA -d WORDS DECK`, deck with "
            << ".RANDOM " << o.qxwRandom << ", at most " << fmt(o.qxwBudget, 0)
            << " s of processor time per case; net = process time - load (median of 3 runs of a "
               "one-slot deck); the word list sorted.\n"
            << "Each fill of ours stops after " << fmt(o.fillBudget, 0)
            << " s of processor time per case; a median over fewer runs shows their number.\n"
            << "Ratios are qxw's net median over ours (median, p90) and whole processes over whole "
               "processes (medians), loading included on both sides.\n\n"
            << "### Processor time (ms)\n\n";
  printTable(results, o.fills, true, o.qxwBudget, o.runs);
  std::cout << "\n### Wall time (ms), the same runs\n\n";
  printTable(results, o.fills, false, o.qxwBudget, o.runs);

  std::cout << "\n### Summary (processor time)\n\n";
  for (const std::string& fill : o.fills) {
    int slower = 0, measured = 0;
    double worstMedian = kInf, worstP90 = kInf, worstProcess = kInf;
    long peak = 0;
    for (const CaseResult& r : results) {
      const OurSummary& s = r.ours.at(fill);
      peak = std::max(peak, s.peakKb);
      if (!(r.qxw.netCpuMedian >= 0) || !(s.cpuMedian > 0)) continue;
      ++measured;
      if (s.cpuMedian >= r.qxw.netCpuMedian) ++slower;
      worstMedian = std::min(worstMedian, r.qxw.netCpuMedian / s.cpuMedian);
      worstP90 = std::min(worstP90, r.qxw.netCpuMedian / s.cpuP90);
      worstProcess = std::min(worstProcess, r.qxw.processCpuMedian / s.processCpuMedian);
    }
    std::cout << "- --fill " << fill << ": slower than qxw on " << slower << " of " << measured
              << " cases; smallest qxw/ours " << fmt(worstMedian, 0) << " (median), "
              << fmt(worstP90, 0) << " (qxw median over our p90), " << fmt(worstProcess, 1)
              << " (whole processes); peak memory " << fmt(static_cast<double>(peak) / 1024.0, 1)
              << " MB\n";
  }

  if (o.withRestart && !models.empty()) {
    std::string helpNote;
    std::vector<std::string> policies;
    std::string defaultPolicy;
    for (const CaseResult& r : results)
      if (r.what.model != 0 && !r.ours.begin()->second.restart.empty())
        defaultPolicy = r.ours.begin()->second.restart;
    if (o.restarts) {
      policies = *o.restarts;
    } else {
      policies.push_back("default");
      for (const auto& p : restartPolicies(o, defaultPolicy, helpNote)) policies.push_back(p);
    }
    if (!helpNote.empty()) notes.push_back(helpNote);
    if (policies.size() > 1 || o.restarts) {
      std::cout << "\n## Restart policies of the default fill (" << o.restartRuns
                << " runs each, seeds 1.." << o.restartRuns << ")\n\n"
                << "| Model | --restart | cpu ms/save median | p90 | tries/save | saved/runs |\n"
                << "|---|---|---|---|---|---|\n";
      for (const Case& m : models) {
        for (const auto& policy : policies) {
          std::vector<std::string> extra;
          if (policy != "default") extra = {"--restart", policy};
          std::cerr << m.name << " --restart " << policy << "\n";
          std::string tag = m.name + "-" + policy;
          std::replace(tag.begin(), tag.end(), ':', '-');
          const OurSummary s = measureOurs(o, m, o.restartRuns, tag, extra);
          if (!s.problem.empty()) notes.push_back(m.name + " --restart " + policy + ": " + s.problem);
          std::string label = policy;
          if (policy == "default" && !s.restart.empty()) label += " (" + s.restart + ")";
          std::cout << "| " << m.name << " | " << label << " | " << ms(s.cpuMedian) << " | "
                    << ms(s.cpuP90) << " | " << fmt(s.triesPerSave, 2) << " | " << s.saved << "/"
                    << s.runs << " |\n"
                    << std::flush;
        }
      }
    }
  }

  if (o.withJobs && !models.empty()) {
    // By default the model that took us longest, where the fill outweighs
    // the start of the jobs most.
    const Case* m = &models.front();
    double slowest = -1;
    for (const CaseResult& r : results) {
      if (r.what.model == 0) continue;
      const Case* candidate = nullptr;
      for (const Case& c : models)
        if (c.model == r.what.model) candidate = &c;
      if (candidate == nullptr) continue;
      if (o.jobsModel != 0 && candidate->model == o.jobsModel) m = candidate;
      const double t = r.ours.begin()->second.wallMedian;
      if (o.jobsModel == 0 && t > slowest) {
        slowest = t;
        m = candidate;
      }
    }
    std::cout << "\n## Throughput of --jobs (" << m->name << ", -n " << o.jobsCount
              << " --seed 1, default fill)\n\n"
              << "| --jobs | saved | tries | generate s | wall s | crosswords/s | speed-up |\n"
              << "|---|---|---|---|---|---|---|\n";
    double base = std::nan("");
    for (int jobs = 1; jobs <= 2; ++jobs) {
      std::cerr << m->name << " --jobs " << jobs << "\n";
      Options limited = o;
      limited.timeout = std::max(o.timeout, o.timeout * o.jobsCount / 4);
      const OurRun r =
          runOurs(limited, *m, fs::path(o.work) / "out" / ("jobs" + std::to_string(jobs)),
                  o.jobsCount, 1, {"--jobs", std::to_string(jobs)});
      if (!r.ok) notes.push_back("--jobs " + std::to_string(jobs) + ": " + r.problem);
      const double rate = r.ok && r.generateSeconds > 0 ? r.saved / r.generateSeconds : std::nan("");
      if (jobs == 1) base = rate;
      std::cout << "| " << jobs << " | " << (r.ok ? std::to_string(r.saved) : "–") << " | "
                << fmt(r.ok ? r.tries : std::nan(""), 0) << " | "
                << fmt(r.ok ? r.generateSeconds : std::nan("")) << " | " << fmt(r.process.seconds)
                << " | " << fmt(rate, 2) << " | " << fmt(rate / base, 2) << " |\n"
                << std::flush;
    }
  }

  if (!notes.empty()) {
    std::cout << "\nNotes:\n";
    for (const auto& n : notes) std::cout << "- " << n << "\n";
  }
  return 0;
}
