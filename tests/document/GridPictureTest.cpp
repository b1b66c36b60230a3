#include "document/GridPicture.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/Language.h"

namespace vorkel {
namespace {

std::string rows(int count, const std::string& row) {
  std::string text;
  for (int i = 0; i < count; ++i) text += row + "\n";
  return text;
}

// The limits are where a picture is refused, and they are met before the
// rest of a huge picture is read or stored.
TEST(GridPicture, SizesAtAndPastTheLimitsAndWhatSurroundsTheRows) {
  const Language danish;
  const std::string fifty(50, '.');
  const struct {
    std::string text;
    int width, height;  // 0: refused
    const char* why;
  } cases[] = {
      {rows(50, fifty), 50, 50, ""},
      {rows(50, fifty) + std::string(1000, '\n'), 50, 50, ""},  // blank lines at the end
      {"\xEF\xBB\xBF#.\r\n.#\r\n", 2, 2, ""},                  // byte-order mark, CRLF
      {rows(51, "."), 0, 0, "more than 50 rows"},
      {rows(50, ".") + "\n.\n", 0, 0, "more than 50 rows"},  // a blank row inside counts
      {rows(2, fifty + "."), 0, 0, "line 1 of 'p.txt' has more than 50 cells"},
      {"..\n" + std::string(10'000'000, '.') + "\n", 0, 0, "line 2 of 'p.txt' has more than"},
      {std::string(10'000'000, '\n'), 0, 0, "is empty"},
      {"\xEF\xBB\xBF", 0, 0, "is empty"},
      {"#.\n\n#.\n", 0, 0, "line 2 of 'p.txt' has 0 cells"},
      {"\xEF\xBB\xBF\xE6\n", 0, 0, "not UTF-8"},
  };
  for (const auto& c : cases) {
    const GridPicture p = readGridPicture(c.text, danish, "p.txt");
    const std::string shown = c.text.substr(0, 40);
    if (c.width == 0) {
      EXPECT_FALSE(p.document) << shown;
      EXPECT_NE(p.problem.find(c.why), std::string::npos) << p.problem;
      continue;
    }
    ASSERT_TRUE(p.document) << p.problem;
    EXPECT_EQ(p.document->width(), c.width) << shown;
    EXPECT_EQ(p.document->height(), c.height) << shown;
  }
}

}  // namespace
}  // namespace vorkel
