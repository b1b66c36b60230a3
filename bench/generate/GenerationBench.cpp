#include "bench/generate/GenerationBench.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "bench/generate/BenchCases.h"
#include "bench/generate/OurRuns.h"
#include "bench/generate/QxwRuns.h"
#include "bench/generate/Statistics.h"

namespace vorkel::bench {

namespace fs = std::filesystem;

namespace {

// What one case measured.
struct CaseResult {
  Case what;
  std::string grid = "–";
  std::size_t slots = 0;
  std::map<std::string, OurSummary> ours;  // by fill
  QxwSummary qxw;
  // A stock template's MinScore, and qxw given only the words at or above
  // it: the words our fill of that template draws from.
  int minScore = 0;
  QxwSummary qxwSame;
};

// A qxw time, or "> budget" when no run finished within it.
std::string qxwMs(double seconds, double budget) {
  return std::isinf(seconds) ? "> " + ms(budget) : ms(seconds);
}

// The stock models against qxw on the whole list and on the words their
// templates fill from, processor time.
void printSameWords(const std::vector<CaseResult>& results, const std::string& fill, double budget,
                    const std::map<int, int>& listSizes) {
  std::cout << "| case | MinScore | words | " << fill << " median | qxw, whole list | ratio | "
            << "qxw, same words | ratio | qxw same words: filled/runs |\n"
            << "|---|---|---|---|---|---|---|---|---|\n";
  for (const CaseResult& r : results) {
    if (r.minScore <= 0 || !r.qxwSame.measured) continue;
    const double ours = r.ours.at(fill).cpuMedian;
    const double same = r.qxwSame.netCpuMedian;
    std::cout << "| " << r.what.name << " | " << r.minScore << " | " << listSizes.at(r.minScore) << " | "
              << ms(ours) << " | " << qxwMs(r.qxw.netCpuMedian, budget) << " | "
              << ratio(r.qxw.netCpuMedian, ours, budget) << " | " << qxwMs(same, budget) << " | "
              << ratio(same, ours, budget) << " | "
              << r.qxwSame.filled << "/" << r.qxwSame.runs << " |\n";
  }
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
    std::cout << " " << qxwMs(qxwNet, budget) << " |";
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

// Per fill, on processor time: the cases where it is slower than qxw, the
// smallest ratios and the largest peak memory.
void printSummary(const Options& o, const std::vector<CaseResult>& results) {
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
}

// The stock models with each restart policy (--restart, else 'default' and
// the ones `vorkel generate --help` lists) on the default fill.
void compareRestarts(const Options& o, const std::vector<Case>& models,
                     const std::vector<CaseResult>& results, std::vector<std::string>& notes) {
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

// -n --jobs-count with --jobs 1 and --jobs 2 on one stock model.
void compareJobs(const Options& o, const std::vector<Case>& models,
                 const std::vector<CaseResult>& results, std::vector<std::string>& notes) {
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

}  // namespace

int measureGeneration(const Options& o) {
  std::error_code ec;
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
  std::map<int, int> listSizes;  // MinScore -> words in its list for qxw
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
      // A template that fills from the better words only: qxw again, given
      // just those words.
      const int minScore = c.model != 0 ? std::atoi(iniValue(c.skb, "MinScore").c_str()) : 0;
      const fs::path sameWords = fs::path(o.work) / ("words-min" + std::to_string(minScore) + ".txt");
      if (minScore > 0 && !listSizes.count(minScore)) {
        int count = 0, nordic = 0;
        const fs::path from = c.dic.empty() ? dic : c.dic;
        if (exportWordList(from, sameWords, count, nordic, minScore))
          listSizes[minScore] = count;
        else
          notes.push_back("no score file beside " + from.string() + "; qxw not run on MinScore words");
      }
      if (minScore > 0 && listSizes.count(minScore)) {
        r.minScore = minScore;
        r.qxwSame = measureQxw(o, c, slots, sameWords);
        if (!r.qxwSame.problem.empty()) notes.push_back(c.name + " qxw, same words: " + r.qxwSame.problem);
      }
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
  printSummary(o, results);

  if (!listSizes.empty()) {
    std::cout << "\n### Stock models: qxw given the words the template fills from (processor time, ms)\n\n";
    printSameWords(results, o.fills.front(), o.qxwBudget, listSizes);
  }

  if (o.withRestart && !models.empty()) compareRestarts(o, models, results, notes);

  if (o.withJobs && !models.empty()) compareJobs(o, models, results, notes);

  if (!notes.empty()) {
    std::cout << "\nNotes:\n";
    for (const auto& n : notes) std::cout << "- " << n << "\n";
  }
  return 0;
}

}  // namespace vorkel::bench
