#include "document/GridExport.h"

#include <nlohmann/json.hpp>

#include "document/CrosswordDocument.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

bool isLetterCell(const CrosswordDocument& doc, int column, int row) {
  return doc.contains(column, row) && !doc.cellAt(column, row).isClue;
}

// The letter of a cell as UTF-8; empty for an empty letter cell.
std::string letter(const CrosswordDocument& doc, int column, int row) {
  const unsigned char b = CrosswordDocument::letterOf(doc.cellAt(column, row));
  if (b == 0 || b == ' ') return {};
  return cp1252ToUtf8(std::string(1, static_cast<char>(b)));
}

bool startsAcross(const CrosswordDocument& doc, int c, int r) {
  return isLetterCell(doc, c, r) && !isLetterCell(doc, c - 1, r) && isLetterCell(doc, c + 1, r);
}

bool startsDown(const CrosswordDocument& doc, int c, int r) {
  return isLetterCell(doc, c, r) && !isLetterCell(doc, c, r - 1) && isLetterCell(doc, c, r + 1);
}

// Clue numbers by cell (column-major like the document), 0 for none.
std::vector<int> clueNumbers(const CrosswordDocument& doc) {
  std::vector<int> numbers(static_cast<std::size_t>(doc.width() * doc.height()));
  int next = 0;
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c)
      if (startsAcross(doc, c, r) || startsDown(doc, c, r))
        numbers[static_cast<std::size_t>((r - 1) * doc.width() + (c - 1))] = ++next;
  return numbers;
}

bool complete(const CrosswordDocument& doc) {
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c)
      if (isLetterCell(doc, c, r) && letter(doc, c, r).empty()) return false;
  return true;
}

std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      default: out += ch;
    }
  }
  return out;
}

}  // namespace

std::vector<GridWord> gridWords(const CrosswordDocument& doc) {
  const std::vector<int> numbers = clueNumbers(doc);
  std::vector<GridWord> words;
  for (const bool down : {false, true})
    for (int r = 1; r <= doc.height(); ++r)
      for (int c = 1; c <= doc.width(); ++c) {
        if (!(down ? startsDown(doc, c, r) : startsAcross(doc, c, r))) continue;
        GridWord w{numbers[static_cast<std::size_t>((r - 1) * doc.width() + (c - 1))], c, r, down,
                   {}};
        for (int cc = c, rr = r; isLetterCell(doc, cc, rr); (down ? rr : cc)++) {
          const std::string l = letter(doc, cc, rr);
          w.text += l.empty() ? "." : l;
        }
        words.push_back(std::move(w));
      }
  return words;
}

std::string gridText(const CrosswordDocument& doc) {
  std::string text;
  for (int r = 1; r <= doc.height(); ++r) {
    for (int c = 1; c <= doc.width(); ++c) {
      if (!isLetterCell(doc, c, r)) {
        text += '#';
        continue;
      }
      const std::string l = letter(doc, c, r);
      text += l.empty() ? "." : l;
    }
    text += '\n';
  }
  return text;
}

std::string gridSvg(const CrosswordDocument& doc) {
  constexpr int kCell = 40;
  constexpr int kMargin = 2;
  const int width = doc.width() * kCell + 2 * kMargin;
  const int height = doc.height() * kCell + 2 * kMargin;
  const std::vector<int> numbers = clueNumbers(doc);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(width) + "\" height=\"" + std::to_string(height) +
                    "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
                    "\">\n"
                    "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
                    "<g stroke=\"black\" stroke-width=\"1\" font-family=\"sans-serif\">\n";
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c) {
      const int x = kMargin + (c - 1) * kCell;
      const int y = kMargin + (r - 1) * kCell;
      const bool clue = !isLetterCell(doc, c, r);
      svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(kCell) + "\" height=\"" + std::to_string(kCell) + "\" fill=\"" +
             (clue ? "#b0b0b0" : "white") + "\"/>\n";
      if (clue) continue;
      if (const int n = numbers[static_cast<std::size_t>((r - 1) * doc.width() + (c - 1))])
        svg += "<text x=\"" + std::to_string(x + 3) + "\" y=\"" + std::to_string(y + 11) +
               "\" font-size=\"10\" stroke=\"none\">" + std::to_string(n) + "</text>\n";
      if (const std::string l = letter(doc, c, r); !l.empty())
        svg += "<text x=\"" + std::to_string(x + kCell / 2) + "\" y=\"" +
               std::to_string(y + kCell * 3 / 4) +
               "\" font-size=\"24\" text-anchor=\"middle\" stroke=\"none\">" + xmlEscaped(l) +
               "</text>\n";
    }
  svg += "</g>\n</svg>\n";
  return svg;
}

std::string gridIpuz(const CrosswordDocument& doc, std::string_view title) {
  using nlohmann::json;
  // A title that is not UTF-8 must not make the writer throw.
  const auto text = [](const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
  };
  const std::vector<int> numbers = clueNumbers(doc);
  // Composed by hand so that the keys come in the format's order and each
  // row of the grid stands on a line of its own.
  std::string puzzle;
  std::string solution;
  for (int r = 1; r <= doc.height(); ++r) {
    json puzzleRow = json::array();
    json solutionRow = json::array();
    for (int c = 1; c <= doc.width(); ++c) {
      if (!isLetterCell(doc, c, r)) {
        puzzleRow.push_back("#");
        solutionRow.push_back("#");
        continue;
      }
      puzzleRow.push_back(numbers[static_cast<std::size_t>((r - 1) * doc.width() + (c - 1))]);
      solutionRow.push_back(letter(doc, c, r));
    }
    const char* separator = r < doc.height() ? ",\n" : "\n";
    puzzle += "  " + text(puzzleRow) + separator;
    solution += "  " + text(solutionRow) + separator;
  }
  json across = json::array();
  json down = json::array();
  for (const GridWord& w : gridWords(doc))
    (w.down ? down : across).push_back(json::array({w.number, ""}));

  std::string out = "{\n";
  out += " \"version\": \"http://ipuz.org/v2\",\n";
  out += " \"kind\": [\"http://ipuz.org/crossword#1\"],\n";
  out += " \"title\": " + text(std::string(title)) + ",\n";
  out += " \"dimensions\": {\"width\": " + std::to_string(doc.width()) +
         ", \"height\": " + std::to_string(doc.height()) + "},\n";
  out += " \"block\": \"#\",\n";
  out += " \"empty\": \"0\",\n";
  out += " \"puzzle\": [\n" + puzzle + " ],\n";
  if (complete(doc)) out += " \"solution\": [\n" + solution + " ],\n";
  out += " \"clues\": {\"Across\": " + text(across) + ", \"Down\": " + text(down) + "}\n";
  out += "}\n";
  return out;
}

}  // namespace vorkel
