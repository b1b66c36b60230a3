#include "platform/Cp1252.h"

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

}  // namespace
}  // namespace vorkel
