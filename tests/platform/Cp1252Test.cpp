#include "platform/Cp1252.h"
#include "platform/Cp1252Case.h"

#include <gtest/gtest.h>

namespace vorkel {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string back;
  ASSERT_TRUE(utf8ToCp1252Exact(cp1252ToUtf8(all), back));
  EXPECT_EQ(back, all);
}

TEST(Cp1252, DanishLettersAndTypographicMarks) {
  EXPECT_EQ(cp1252ToUtf8("bl\xE5" "b\xE6r"), "blåbær");
  EXPECT_EQ(cp1252ToUtf8("\x80\x96\x93"), "€–“");
  EXPECT_EQ(utf8ToCp1252("ÆØÅæøå"), std::string("\xC6\xD8\xC5\xE6\xF8\xE5"));
}

TEST(Cp1252, UnmappableAndMalformedInput) {
  EXPECT_EQ(utf8ToCp1252("a\u0394b"), std::string("a?b"));  // Greek delta has no byte
  std::string out;
  EXPECT_FALSE(utf8ToCp1252Exact("a\u0394b", out));
  EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());          // truncated sequence
  EXPECT_FALSE(utf8ToCp1252("\xE6r").has_value());         // a Windows-1252 byte, not UTF-8
  EXPECT_FALSE(utf8ToCp1252("\xC0\xAF").has_value());      // overlong
  EXPECT_FALSE(utf8ToCp1252("\xED\xA0\x80").has_value());  // surrogate
}

// Every upper-case byte folds to a lower-case one that goes back to it, and
// the other way round: a missing or wrong pair in either table shows here.
TEST(Cp1252Case, UpperAndLowerCaseArePairsOverTheWholeCodePage) {
  int upper = 0;
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    ASSERT_FALSE(isUpperCp1252(c) && isLowerCp1252(c)) << b;
    if (isUpperCp1252(c)) {
      ++upper;
      EXPECT_TRUE(isLowerCp1252(foldCp1252(c))) << b;
      EXPECT_EQ(upperCp1252(foldCp1252(c)), c) << b;
    } else if (isLowerCp1252(c) && c != 0xDF) {
      EXPECT_EQ(foldCp1252(upperCp1252(c)), c) << b;
    } else {
      EXPECT_EQ(foldCp1252(c), c) << b;
    }
  }
  EXPECT_EQ(upper, 26 + 30 + 4);  // A-Z, À-Þ without ×, Š Œ Ž Ÿ
  EXPECT_TRUE(equalsIgnoringCase("Skabelon \xC6\xD8\xC5\x8A", "SKABELON \xE6\xF8\xE5\x9A"));
  EXPECT_TRUE(isLowerCp1252(0xDF));  // ß: lower case without an upper-case form
}

}  // namespace
}  // namespace vorkel
