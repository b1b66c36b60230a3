#pragma once
// Sets a clue into its box: the largest size, from the grid's largest down
// to a readable smallest, at which the text broken into lines fits the box;
// if none does, the same with the lines closer together.
// Lines break at spaces and after a hyphen the text holds, and, where a word
// is too long for a line, at a hyphenation point (penvik/Hyphenation.h),
// where a hyphen is added. A line break in the text is kept.
//
//   ClueFit f = fitClue(text, {box.width, box.height, 9.0, 1.94}, width, hyphenation);
//   if (!f.fits) report(...);        // the lines are then those at the smallest size
//   for (const std::string& line : f.lines) draw(line, f.size);
//
// Units are the caller's (millimetres on paper, pixels on screen); `width`
// measures a Windows-1252 text at a size in them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace penvik {

class Hyphenation;

using TextWidth = std::function<double(std::string_view text, double size)>;

struct ClueBoxSize {
  double width = 0;
  double height = 0;
  double largest = 0;   // the size to start from
  double smallest = 0;  // the least the text is set in
  double lineHeight = 1.15;  // of a line, in sizes
  // The closest lines are set when the text fits no other way: two lines
  // in half a cell at the smallest size.
  double tightLineHeight = 1.0;
};

struct ClueFit {
  double size = 0;
  double lineHeight = 0;  // in sizes: the box's, or its tight one
  std::vector<std::string> lines;
  bool fits = false;  // false: not even at the smallest size
};

ClueFit fitClue(std::string_view text, const ClueBoxSize& box, const TextWidth& width,
                const Hyphenation* hyphenation);

}  // namespace penvik
