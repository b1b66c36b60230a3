#include "bench/generate/TierBench.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "bench/generate/BenchCases.h"
#include "bench/generate/OurRuns.h"
#include "bench/generate/QxwRuns.h"
#include "bench/generate/Statistics.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel::bench {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

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
      {"full, scores", dicDir / "SVbyg.dic", {"--min-score", "0"}},
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

}  // namespace vorkel::bench
