#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/Random.h"

namespace vorkel {
namespace {

// strtol clamped to 32 bits is the reference for every leading number.
std::int32_t byCLibrary(const std::string& text) {
  errno = 0;
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<std::int32_t>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
}

TEST(Numbers, LeadingNumbersReadAsTheCLibraryReadsThem) {
  for (const char* t : {"42", "  -7x", "\t+13 14", "abc", "", "-", "+-1", "99999999999",
                        "-99999999999", "2147483648", "-2147483648", "\n\v\f\r 5", "0x1F"})
    EXPECT_EQ(leadingInt(t), byCLibrary(t)) << t;
  // Random texts over the characters that matter.
  Random random(11);
  const std::string alphabet = " \t\n+-0123456789x";
  for (int i = 0; i < 2000; ++i) {
    std::string t;
    for (int n = random.below(16); n > 0; --n)
      t += alphabet[static_cast<std::size_t>(random.below(static_cast<int>(alphabet.size())))];
    ASSERT_EQ(leadingInt(t), byCLibrary(t)) << '"' << t << '"';
  }
}

TEST(Numbers, ScanWalksFromNumberToNumberAndStopsWhereTheTextIsNoNumber) {
  const std::string text = "-2 3\n 4 x5";
  std::size_t pos = 0;
  std::int32_t v = 0;
  std::vector<std::int32_t> seen;
  while (scanInt(text, pos, v)) seen.push_back(v);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{-2, 3, 4}));
  EXPECT_EQ(pos, 8u);  // at the "x"
  EXPECT_EQ(v, 4);     // a failed scan leaves the value alone
}

TEST(Numbers, WholeNumbersTakeNothingElse) {
  int n = -1;
  EXPECT_TRUE(parseNumber("12", n));
  EXPECT_EQ(n, 12);
  for (const char* bad : {"", " 12", "12x", "+12", "99999999999", "1 2"})
    EXPECT_FALSE(parseNumber(bad, n)) << bad;
  std::uint32_t u = 0;
  EXPECT_FALSE(parseNumber("-1", u));
  EXPECT_TRUE(parseNumber("4294967295", u));
}

}  // namespace
}  // namespace vorkel
