// Benchmark of clue drafting as penvik's "Foreslå ledeord" does it: drafts
// for every clue of a crossword, each checked to print whole in its box.
//
//   bench_drafts [--model N] [--crosswords N] [--runs N] [--seed N] [--pairs FILE]
//
// Makes N crosswords of the stock Model (3 by default) with the build's
// vorkel, then reports, each as the median of the runs:
//   open    reading the drafts' sources (thesaurus, hunspell, scores), once
//           per window, before the first proposal;
//   draft   drafting one crossword with the sources open (the window's
//           "Foreslå ledeord" after the first), no clue database;
//   pdf     the same crossword with its drafts written as a PDF, the
//           reference: what an export does with the clues anyway.
// and the share of clue cells that got a draft. --pairs appends to FILE a line
// "ANSWER<TAB>draft" (UTF-8) for every clue cell, the draft that would be
// printed: what bench/clues/printed.sh samples for judging.

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "dictionary/ClueSources.h"
#include "penvik/ClueCells.h"
#include "penvik/ClueDrafts.h"
#include "penvik/Crossword.h"
#include "penvik/Hyphenation.h"
#include "penvik/PuzzleLayout.h"
#include "penvik/qt/PuzzleExport.h"
#include "platform/Cp1252.h"

namespace {

using namespace vorkel::bench;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

int argument(int argc, char** argv, const std::string& name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (argv[i] == name) return std::atoi(argv[i + 1]);
  return fallback;
}

std::string text(int argc, char** argv, const std::string& name) {
  for (int i = 1; i + 1 < argc; ++i)
    if (argv[i] == name) return argv[i + 1];
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int model = argument(argc, argv, "--model", 3);
  const int crosswords = std::max(1, argument(argc, argv, "--crosswords", 5));
  const int runs = std::max(1, argument(argc, argv, "--runs", 5));
  const int seed = argument(argc, argv, "--seed", 1);
  std::ofstream pairs;
  if (const std::string path = text(argc, argv, "--pairs"); !path.empty()) {
    pairs.open(path, std::ios::app);
    if (!pairs) {
      std::fprintf(stderr, "bench_drafts: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  const std::string build = VORKEL_BINARY_DIR;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bench-drafts-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string command = build + "/vorkel generate " + build + "/Stock/Model" +
                              std::to_string(model) + ".skb -n " + std::to_string(crosswords) +
                              " --seed " + std::to_string(seed) + " -o " + folder.string() + " > /dev/null";
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "bench_drafts: %s failed\n", command.c_str());
    return 1;
  }
  const std::string scores = build + "/Dic/dksort.score";
  std::vector<double> open;
  std::optional<vorkel::ClueSources> sources;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    sources = vorkel::openClueSources(vorkel::ClueSourcePaths::danish("", scores));
    open.push_back(seconds(start));
  }
  const std::shared_ptr<const penvik::Hyphenation> hyphenation =
      penvik::Hyphenation::load(penvik::Hyphenation::DanishPatterns);
  std::vector<double> draft, layout;
  std::size_t keys = 0, drafted = 0;
  std::vector<std::filesystem::path> raws;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) raws.push_back(entry.path());
  std::sort(raws.begin(), raws.end());
  for (const std::filesystem::path& raw : raws) {
    const penvik::Crossword c = penvik::Crossword::open(raw.string());
    if (!c.grid) continue;
    const penvik::ClueLookup lookup = [&](std::string_view word) { return sources->draftTexts(word); };
    penvik::Clues drafts;
    for (int r = 0; r < runs; ++r) {
      const auto start = Clock::now();
      drafts = penvik::draftClues(*c.grid, c.clues, lookup, penvik::paperFits(*c.grid, hyphenation));
      draft.push_back(seconds(start));
    }
    for (int r = 0; r < runs; ++r) {
      const auto start = Clock::now();
      const penvik::PuzzlePages pages =
          penvik::layoutPuzzle(*c.grid, penvik::withDrafts(c.clues, drafts), raw.filename().string());
      std::string error;
      if (!penvik::savePdf((folder / "puzzle.pdf").string(), pages, error)) {
        std::fprintf(stderr, "bench_drafts: %s\n", error.c_str());
        return 1;
      }
      layout.push_back(seconds(start));
    }
    for (const penvik::ClueCell& cell : penvik::findClueCells(*c.grid))
      for (const penvik::Direction d : {penvik::Direction::Across, penvik::Direction::Down}) {
        const penvik::ClueKey key{cell.column, cell.row, d};
        if (!cell.starts(d) || penvik::clueWord(*c.grid, key).empty()) continue;
        ++keys;
        drafted += drafts.text(key).empty() ? 0 : 1;
        if (pairs.is_open() && !drafts.text(key).empty())
          pairs << penvik::clueWord(*c.grid, key) << '\t' << vorkel::cp1252ToUtf8(drafts.text(key)) << '\n';
      }
  }
  std::filesystem::remove_all(folder);
  std::printf("Model%d, %d crosswords, median of %d runs each\n", model, crosswords, runs);
  std::printf("  open    %7.1f ms  (thesaurus, hunspell and scores, read side by side)\n", 1e3 * median(open));
  std::printf("  draft   %7.1f ms  a crossword, sources open\n", 1e3 * median(draft));
  std::printf("  pdf     %7.1f ms  the crossword's puzzle and solution as PDF (reference)\n", 1e3 * median(layout));
  std::printf("  drafted %zu of %zu clue cells (%.1f %%)\n", drafted, keys, keys ? 100.0 * drafted / keys : 0.0);
  return 0;
}
