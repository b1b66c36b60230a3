#include "bench/generate/QxwRuns.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "bench/generate/ProcessRunner.h"
#include "bench/generate/Statistics.h"
#include "cli/Console.h"
#include "dictionary/Language.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"

namespace vorkel::bench {

namespace fs = std::filesystem;

namespace {

// The deck qxw fills: optionally its .RANDOM level, then one slot a line.
void writeDeck(const fs::path& file, int random, const std::vector<std::string>& slots) {
  std::ofstream out(file, std::ios::binary);
  if (random > 0) out << ".RANDOM " << random << '\n';
  for (const auto& s : slots) out << s << '\n';
}

}  // namespace

std::map<std::string, int> readScoreFile(const fs::path& file) {
  std::map<std::string, int> scores;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) scores[line.substr(0, tab)] = std::atoi(line.c_str() + tab + 1);
  }
  return scores;
}

bool exportWordList(const fs::path& dic, const fs::path& out, int& count, int& nordic, int minScore) {
  std::map<std::string, int> scores;
  if (minScore > 0) {
    scores = readScoreFile(fs::path(dic).replace_extension(".score"));
    if (scores.empty()) return false;
  }
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
      std::string text = vorkel::cp1252ToUtf8(dict.codesToText(word));
      if (minScore > 0) {
        const auto it = scores.find(text);
        if (it == scores.end() || it->second < minScore) return true;
      }
      if (text.find("\xC3\x86") != std::string::npos || text.find("\xC3\x98") != std::string::npos ||
          text.find("\xC3\x85") != std::string::npos)
        ++nordic;
      texts.push_back(std::move(text));
      ++count;
      return true;
    });
  }
  std::sort(texts.begin(), texts.end());
  std::ofstream file(out, std::ios::binary);
  for (const std::string& text : texts) file << text << '\n';
  return static_cast<bool>(file);
}

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

}  // namespace vorkel::bench
