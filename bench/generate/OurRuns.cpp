#include "bench/generate/OurRuns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>

#include "bench/generate/JsonScrape.h"
#include "bench/generate/Statistics.h"

namespace vorkel::bench {

namespace fs = std::filesystem;

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

}  // namespace vorkel::bench
