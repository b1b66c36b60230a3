#include "bench/generate/LanguageBench.h"

#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "bench/generate/BenchCases.h"
#include "bench/generate/OurRuns.h"
#include "bench/generate/ProcessRunner.h"
#include "bench/generate/Statistics.h"

namespace vorkel::bench {

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

}  // namespace vorkel::bench
