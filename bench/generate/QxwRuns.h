#pragma once
// qxw's side of the comparison: our dictionary exported as qxw's word list,
// the grid as a qxw deck (one line per slot of two or more letter cells),
// and the runs of `qxw -b` on it with its load, measured on a one-slot deck,
// taken off every run.

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/generate/BenchCases.h"
#include "bench/generate/Options.h"

namespace vorkel::bench {

// The dictionary's words in display text (upper case, UTF-8), one a line:
// exactly what the fill engine draws from. Sorted (byte order, which for
// UTF-8 is the order of the code points): qxw loads and fills about five
// times faster from a sorted list than from the same words in the word
// store's order (measured on Model1), so this is its best case.
// With `minScore` above 0, only the words scored at least that in the
// score file beside the dictionary (SVbyg.score beside SVbyg.dic): the words
// a template with that MinScore fills from. False when that file is missing.
bool exportWordList(const std::filesystem::path& dic, const std::filesystem::path& out, int& count,
                    int& nordic, int minScore = 0);

// word (UTF-8, upper case) -> score, from a score file; empty when unread.
std::map<std::string, int> readScoreFile(const std::filesystem::path& file);

// The model as text rows: '#' for a clue cell, '.' for a letter cell.
std::vector<std::string> gridRows(const Options& o, const Case& m, std::string& problem);

// Every across and down run of two or more letter cells, as qxw deck lines:
// cell names "r<row>c<column>" separated by blanks.
std::vector<std::string> deckSlots(const std::vector<std::string>& rows);

// qxw's runs on one case.
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

// Up to --qxw-runs fills of case `m` (seeds 1..N) within --qxw-budget
// processor seconds, from the deck of `slots` (at least one) and the word
// list `words`.
QxwSummary measureQxw(const Options& o, const Case& m, const std::vector<std::string>& slots,
                      const std::filesystem::path& words);

}  // namespace vorkel::bench
