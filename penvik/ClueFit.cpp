#include "penvik/ClueFit.h"

#include <algorithm>

#include "penvik/Hyphenation.h"

namespace penvik {

namespace {

std::vector<std::string_view> split(std::string_view text, char at) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = text.find(at);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

// The words of a paragraph, each with whether it may join the next on a
// line with a space ("Øst-" of "Øst-Jylland" joins with none).
struct Piece {
  std::string text;
  bool spaceAfter = true;
};

std::vector<Piece> piecesOf(std::string_view paragraph) {
  std::vector<Piece> pieces;
  for (std::string_view word : split(paragraph, ' ')) {
    if (word.empty()) continue;
    std::size_t hyphen;
    while ((hyphen = word.find('-', 1)) != std::string_view::npos && hyphen + 1 < word.size()) {
      pieces.push_back({std::string(word.substr(0, hyphen + 1)), false});
      word.remove_prefix(hyphen + 1);
    }
    pieces.push_back({std::string(word), true});
  }
  return pieces;
}

// Breaks the paragraphs into lines no wider than `limit` at `size`; false
// when a word does not fit a line even at its hyphenation points (it then
// stands on a line of its own, too wide).
bool breakLines(const std::vector<std::vector<Piece>>& paragraphs, double size, double limit,
                const TextWidth& width, const Hyphenation* hyphenation,
                std::vector<std::string>& lines) {
  lines.clear();
  bool allFit = true;
  const auto fits = [&](const std::string& line) { return width(line, size) <= limit; };
  for (const std::vector<Piece>& pieces : paragraphs) {
    std::string line;
    bool joinWithSpace = false;
    for (const Piece& piece : pieces) {
      std::string rest = piece.text;
      while (!rest.empty()) {
        const std::string joined = line.empty() ? rest : line + (joinWithSpace ? " " : "") + rest;
        if (fits(joined)) {
          line = joined;
          break;
        }
        // The longest part before a hyphenation point that still fits this
        // line, with its hyphen.
        const std::string head = line.empty() ? std::string() : line + (joinWithSpace ? " " : "");
        std::size_t taken = 0;
        if (hyphenation)
          for (const int at : hyphenation->breaks(rest))
            if (fits(head + rest.substr(0, static_cast<std::size_t>(at)) + "-")) taken = static_cast<std::size_t>(at);
        if (taken > 0) {
          lines.push_back(head + rest.substr(0, taken) + "-");
          rest.erase(0, taken);
          line.clear();
          continue;
        }
        if (line.empty()) {  // not even alone on a line
          allFit = false;
          line = rest;
          break;
        }
        lines.push_back(line);
        line.clear();
      }
      joinWithSpace = piece.spaceAfter;
    }
    lines.push_back(line);
  }
  return allFit;
}

}  // namespace

ClueFit fitClue(std::string_view text, const ClueBoxSize& box, const TextWidth& width,
                const Hyphenation* hyphenation) {
  std::vector<std::vector<Piece>> paragraphs;
  for (std::string_view paragraph : split(text, '\n')) paragraphs.push_back(piecesOf(paragraph));
  const double smallest = std::max(box.smallest, 1e-6);
  auto attempt = [&](double lineHeight) {
    ClueFit fit;
    fit.lineHeight = lineHeight;
    for (double size = std::max(box.largest, smallest);; size = std::max(size * 0.95, smallest)) {
      fit.size = size;
      const bool broken = breakLines(paragraphs, size, box.width, width, hyphenation, fit.lines);
      if (broken && static_cast<double>(fit.lines.size()) * size * lineHeight <= box.height) {
        fit.fits = true;
        return fit;
      }
      if (size <= smallest) break;
    }
    return fit;  // at the smallest size, too wide or too many lines
  };
  ClueFit fit = attempt(box.lineHeight);
  if (fit.fits || box.tightLineHeight >= box.lineHeight) return fit;
  ClueFit tight = attempt(box.tightLineHeight);
  return tight.fits ? tight : fit;
}

}  // namespace penvik
