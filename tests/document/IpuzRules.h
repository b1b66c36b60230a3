#pragma once
// The rules of the ipuz format (http://ipuz.org, version 2) for crosswords,
// written from the format's published description, apart from the exporter: what
// a reader of .ipuz files may rely on.
//
//   top level   "version" a string naming http://ipuz.org/v1 or /v2;
//               "kind" a non-empty array of strings, one of them the
//               crossword kind http://ipuz.org/crossword#1
//   crossword   "dimensions" {"width", "height"} positive integers;
//               "puzzle" `height` rows of `width` cells, each cell a number
//               (clue number, 0 none), a string (the block, the empty
//               value or a label), null (no cell) or {"cell": ...};
//               optional "solution" with the same shape, each cell a
//               string (a block or the letters), null, or {"value": ...};
//               optional "block" and "empty" (what those cells hold);
//               optional "clues": directions ("Across", "Down", ...), each
//               an array of clues [number, text], "text" or {"number", "clue"}
//   between     a block in the puzzle is a block in the solution, every
//               other cell of the solution holds letters; every clue's
//               number labels a cell of the puzzle.

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

namespace vorkel::testing {

// Every broken rule, in words; empty when the text is a valid ipuz crossword.
inline std::vector<std::string> ipuzProblems(const std::string& text) {
  using nlohmann::json;
  std::vector<std::string> problems;
  const json doc = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (doc.is_discarded() || !doc.is_object()) return {"not a JSON object"};
  const auto version = doc.find("version");
  if (version == doc.end() || !version->is_string() ||
      (*version != "http://ipuz.org/v1" && *version != "http://ipuz.org/v2"))
    problems.push_back("version missing or not an ipuz version");
  const auto kind = doc.find("kind");
  bool crossword = false;
  if (kind == doc.end() || !kind->is_array() || kind->empty()) {
    problems.push_back("kind missing or empty");
  } else {
    for (const json& k : *kind) {
      if (!k.is_string()) problems.push_back("a kind that is not a string");
      else if (k.get<std::string>().rfind("http://ipuz.org/crossword", 0) == 0) crossword = true;
    }
  }
  if (!crossword) problems.push_back("kind names no crossword");

  const auto dims = doc.find("dimensions");
  long width = 0;
  long height = 0;
  if (dims == doc.end() || !dims->is_object() || !dims->contains("width") ||
      !dims->contains("height") || !(*dims)["width"].is_number_integer() ||
      !(*dims)["height"].is_number_integer()) {
    problems.push_back("dimensions missing or not whole numbers");
  } else {
    width = (*dims)["width"].get<long>();
    height = (*dims)["height"].get<long>();
    if (width < 1 || height < 1) problems.push_back("dimensions not positive");
  }
  const std::string block = doc.value("block", std::string("#"));

  // A grid of `height` rows of `width` cells, each passing `cellOk`.
  const auto checkGrid = [&](const char* name, auto cellOk) {
    const auto grid = doc.find(name);
    if (grid == doc.end()) return false;
    if (!grid->is_array() || static_cast<long>(grid->size()) != height) {
      problems.push_back(std::string(name) + " has not " + std::to_string(height) + " rows");
      return false;
    }
    for (const json& row : *grid) {
      if (!row.is_array() || static_cast<long>(row.size()) != width) {
        problems.push_back(std::string(name) + " has a row of not " + std::to_string(width) +
                           " cells");
        return false;
      }
      for (const json& cell : row)
        if (!cellOk(cell)) {
          problems.push_back(std::string(name) + " has a cell of a wrong type: " + cell.dump());
          return false;
        }
    }
    return true;
  };
  const bool puzzleOk = checkGrid("puzzle", [](const json& c) {
    return c.is_number_integer() || c.is_string() || c.is_null() ||
           (c.is_object() && c.contains("cell"));
  });
  if (!doc.contains("puzzle")) problems.push_back("puzzle missing");
  const bool solutionOk = checkGrid("solution", [](const json& c) {
    return (c.is_string() && !c.get<std::string>().empty()) || c.is_null() ||
           (c.is_object() && c.contains("value"));
  });

  std::set<long> labels;
  if (puzzleOk)
    for (std::size_t r = 0; r < doc["puzzle"].size(); ++r)
      for (std::size_t c = 0; c < doc["puzzle"][r].size(); ++c) {
        const json& cell = doc["puzzle"][r][c];
        if (cell.is_number_integer() && cell.get<long>() > 0) labels.insert(cell.get<long>());
        if (!solutionOk) continue;
        const json& value = doc["solution"][r][c];
        const bool blockHere = cell.is_string() && cell.get<std::string>() == block;
        const bool blockThere = value.is_string() && value.get<std::string>() == block;
        if (blockHere != blockThere)
          problems.push_back("puzzle and solution differ on a block at row " +
                             std::to_string(r + 1) + ", column " + std::to_string(c + 1));
      }

  if (const auto clues = doc.find("clues"); clues != doc.end()) {
    if (!clues->is_object()) {
      problems.push_back("clues is not an object");
    } else {
      for (const auto& [direction, list] : clues->items()) {
        if (!list.is_array()) {
          problems.push_back("clues of " + direction + " are not an array");
          continue;
        }
        for (const json& clue : list) {
          long number = -1;
          if (clue.is_array() && clue.size() == 2 && clue[0].is_number_integer() &&
              clue[1].is_string())
            number = clue[0].get<long>();
          else if (clue.is_object() && clue.contains("number") && clue["number"].is_number_integer())
            number = clue["number"].get<long>();
          else if (!clue.is_string())
            problems.push_back("a clue of " + direction + " of a wrong form: " + clue.dump());
          if (number >= 0 && !labels.count(number))
            problems.push_back("clue " + std::to_string(number) + " " + direction +
                               " labels no cell");
        }
      }
    }
  }
  return problems;
}

}  // namespace vorkel::testing
