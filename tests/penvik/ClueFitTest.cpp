#include "penvik/ClueFit.h"

#include <gtest/gtest.h>

#include "penvik/Hyphenation.h"

namespace penvik {
namespace {

// Every character one unit wide at size 1.
double monospace(std::string_view text, double size) { return static_cast<double>(text.size()) * size; }

std::unique_ptr<Hyphenation> danish() { return Hyphenation::load(Hyphenation::DanishPatterns); }

TEST(ClueFit, TheLargestSizeAtWhichTheBrokenLinesFit) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* text;
    double width, height;
    bool fits;
    double size;
    Lines lines;
  } cases[] = {
      {"Ost", 10, 10, true, 3.0, {"Ost"}},                              // the largest, one line
      {"\xD8st for", 7, 2, true, 1.0, {"\xD8st for"}},                  // shrinks to one line
      {"\xD8st for", 4, 10, true, 1.3, {"\xD8st", "for"}},              // or breaks at the space
      {"\xD8st-Jylland", 7, 3, true, 1.0, {"\xD8st-", "Jylland"}},      // after a hyphen in the text
      {"a\nb", 10, 10, true, 3.0, {"a", "b"}},                          // a line break is kept
      {"Lang tekst her", 3, 1, false, 0.5, {"Lang", "tekst", "her"}},   // too many lines
      {"Gummist\xF8vle", 5, 10, false, 0.5, {"Gummist\xF8vle"}},        // a word that cannot break
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.text);
    const ClueFit f = fitClue(k.text, {k.width, k.height, 3.0, 0.5, 1.0}, monospace, nullptr);
    EXPECT_EQ(f.fits, k.fits);
    EXPECT_NEAR(f.size, k.size, 0.2);
    EXPECT_EQ(f.lines, k.lines);
    for (const std::string& line : f.lines)
      if (f.fits) EXPECT_LE(monospace(line, f.size), k.width) << line;
  }
}

// Two lines that the box's leading makes too tall are set closer, at the
// tight leading, before the clue is called too long.
TEST(ClueFit, LinesMoveCloserBeforeAClueIsTooLong) {
  const struct {
    double height;
    bool fits;
    double lineHeight;
  } cases[] = {{2.4, true, 1.15}, {2.1, true, 1.0}, {1.9, false, 1.15}};
  for (const auto& k : cases) {
    const ClueFit f = fitClue("\xD8st for", {4, k.height, 1.0, 1.0, 1.15, 1.0}, monospace, nullptr);
    EXPECT_EQ(f.fits, k.fits) << k.height;
    EXPECT_EQ(f.lineHeight, k.lineHeight) << k.height;
    EXPECT_EQ(f.lines, (std::vector<std::string>{"\xD8st", "for"})) << k.height;
  }
}

TEST(ClueFit, ALongWordBreaksAtADanishHyphenationPoint) {
  const std::unique_ptr<Hyphenation> h = danish();
  if (!h) GTEST_SKIP() << "hyphen-da is not installed";
  EXPECT_FALSE(h->breaks("mejeriprodukt").empty());
  EXPECT_TRUE(h->breaks("ost").empty());
  EXPECT_TRUE(h->breaks("a1b2c3").empty());
  for (const int at : h->breaks("Gummistøvle")) EXPECT_TRUE(at >= 2 && at <= 9) << at;
  // Too long for a line of 8 at the smallest size: broken with a hyphen,
  // every line within the width.
  const ClueFit f = fitClue("Gummist\xF8vle", {8, 10, 1.0, 1.0, 1.0}, monospace, h.get());
  ASSERT_TRUE(f.fits);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[0].back(), '-');
  EXPECT_EQ(f.lines[0].substr(0, f.lines[0].size() - 1) + f.lines[1], "Gummist\xF8vle");
  for (const std::string& line : f.lines) EXPECT_LE(line.size(), 8u);
}

}  // namespace
}  // namespace penvik
