#include "dictionary/WordListEncoding.h"

#include <gtest/gtest.h>

namespace vorkel {
namespace {

using E = WordListEncoding;

TEST(WordListEncodingTest, AutoTakesUtf8OnlyWhenTheTextIsUtf8WithNationalLetters) {
  const std::string utf8 = "caf\xC3\xA9\n\xC3\xB8rn\n";
  DecodedWordList d = decodeWordList(utf8, E::Auto);
  EXPECT_TRUE(d.utf8);
  EXPECT_EQ(d.bytes, "caf\xE9\n\xF8rn\n");
  // Plain ASCII and Windows-1252 stay as they are.
  EXPECT_EQ(decodeWordList("kat\n", E::Auto).bytes, "kat\n");
  d = decodeWordList("caf\xE9\n", E::Auto);
  EXPECT_FALSE(d.utf8);
  EXPECT_FALSE(d.looksLikeUtf8);
  // A byte-order mark makes UTF-8 and never reaches the first word.
  d = decodeWordList("\xEF\xBB\xBFmus\n", E::Auto);
  EXPECT_TRUE(d.utf8 && d.byteOrderMark);
  EXPECT_EQ(d.bytes, "mus\n");
  EXPECT_EQ(decodeWordList("\xEF\xBB\xBFmus\n", E::Cp1252).bytes, "mus\n");
  // .dic files are not text.
  EXPECT_EQ(decodeWordList("=\xC3\xA9", E::Utf8).bytes, "=\xC3\xA9");
}

TEST(WordListEncodingTest, WrongChoicesAreToldAndBadLinesLeftOut) {
  // Windows-1252 chosen for UTF-8 text: read as asked, but told.
  DecodedWordList d = decodeWordList("\xC3\xB8rn\n", E::Cp1252);
  EXPECT_EQ(d.bytes, "\xC3\xB8rn\n");
  EXPECT_TRUE(d.looksLikeUtf8 && d.allUtf8);
  // A list of both: auto reads Windows-1252 and tells that part is UTF-8.
  d = decodeWordList("\xE6\x62le\nbl\xC3\xA5\x62\xC3\xA6r\n", E::Auto);
  EXPECT_FALSE(d.utf8);
  EXPECT_TRUE(d.looksLikeUtf8);
  EXPECT_FALSE(d.allUtf8);
  // UTF-8 chosen: lines that are not UTF-8 or lack a Windows-1252 byte go.
  d = decodeWordList("kat\n\xE6\x62le\n\xC5\x8B\nhund", E::Utf8);
  EXPECT_EQ(d.bytes, "kat\nhund");
  EXPECT_EQ(d.linesLeftOut, 2);
  EXPECT_EQ(d.firstLineLeftOut, 2);
  EXPECT_EQ(parseWordListEncoding("UTF-8"), E::Utf8);
  EXPECT_EQ(parseWordListEncoding("latin9"), std::nullopt);
}

}  // namespace
}  // namespace vorkel
