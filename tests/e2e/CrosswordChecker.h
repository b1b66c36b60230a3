#pragma once
// The independent checker of the whole-program tests: a raw crossword
// against the model's picture in data/models and a set of words, sharing no
// code with the fill engine or the dictionary.

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace vorkel::e2e {

// The model's picture: "#" a clue cell, "." a letter cell.
inline std::vector<std::string> modelPicture(int model) {
  std::ifstream in(VORKEL_SOURCE_DIR "/data/models/Model" + std::to_string(model) + ".txt");
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(line);
  }
  return rows;
}

// Every problem of one raw crossword, empty when it is a valid fill of the
// model: the shape of the model, every run of two or more letters across and
// down one of `words` (Windows-1252, upper case), no word twice.
inline std::vector<std::string> checkCrossword(const std::string& bytes,
                                        const std::vector<std::string>& model,
                                        const std::unordered_set<std::string>& words) {
  std::vector<std::string> problems;
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  const std::size_t h = model.size();
  const std::size_t w = h ? model[0].size() : 0;
  if (lines.empty() || lines[0] != std::to_string(w) + "\t" + std::to_string(h))
    return {"first line is not \"" + std::to_string(w) + "\\t" + std::to_string(h) + "\""};
  if (lines.size() != h + 1) return {"expected " + std::to_string(h) + " rows"};
  std::vector<std::string> grid(lines.begin() + 1, lines.end());
  for (std::size_t y = 0; y < h; ++y) {
    if (grid[y].size() != w) return {"row " + std::to_string(y + 1) + " is not " +
                                     std::to_string(w) + " cells"};
    for (std::size_t x = 0; x < w; ++x)
      if ((grid[y][x] == '#') != (model[y][x] == '#'))
        problems.push_back("cell " + std::to_string(x + 1) + "," + std::to_string(y + 1) +
                           " does not match the model");
  }
  // Runs of two or more letters, across then down.
  std::vector<std::string> runs;
  auto collect = [&](auto cellAt, std::size_t lineCount, std::size_t lineLength) {
    for (std::size_t a = 0; a < lineCount; ++a) {
      std::string run;
      for (std::size_t b = 0; b <= lineLength; ++b) {
        const char c = b < lineLength ? cellAt(a, b) : '#';
        if (c != '#') {
          run += c;
        } else {
          if (run.size() >= 2) runs.push_back(run);
          run.clear();
        }
      }
    }
  };
  collect([&](std::size_t y, std::size_t x) { return grid[y][x]; }, h, w);
  collect([&](std::size_t x, std::size_t y) { return grid[y][x]; }, w, h);
  std::set<std::string> seen;
  for (const std::string& run : runs) {
    if (!words.count(run)) problems.push_back("not a word: " + run);
    if (!seen.insert(run).second) problems.push_back("twice: " + run);
  }
  return problems;
}

}  // namespace vorkel::e2e
