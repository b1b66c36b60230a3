#include "engine/SearchParameters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ParameterFile.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

#include "tests/engine/SearchParametersFixture.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

using testing::ParameterFileTest;
SearchParameters sample() { return testing::sampleParameters(); }

TEST(SearchParameters, StartValues) {
  SearchParameters p;
  EXPECT_EQ(p.replacePercent, 5);
  EXPECT_EQ(p.keptCandidates, 60);
  EXPECT_EQ(p.maxReplacements, 999);
  EXPECT_EQ(p.smallJump + p.timedJumpSeconds + p.smallJumpsPerLarge + p.largeJump, 0);
}

TEST_F(ParameterFileTest, WritesTheExactLinesAndReadsThemBack) {
  ASSERT_TRUE(writeParameterFile(file("a.par"), sample()));
  EXPECT_EQ(read("a.par"),
            "4\t// Versions nummer\r\n"
            "7\t// procent brug\r\n"
            "5000\t// saml max \r\n"
            "300\t// blandt max\r\n"
            "2\t// AGrclille\r\n"
            "3\t// AGtidlille\r\n"
            "4\t// AGstortit\r\n"
            "5\t// AGantalrcstor\r\n");
  SearchParameters p;
  ScriptedUi ui;
  ASSERT_TRUE(readParameterFile(file("a.par"), p, ui));
  EXPECT_EQ(p, sample());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(writeParameterFile(file("none/a.par"), sample()));
}

TEST_F(ParameterFileTest, RefusedFilesLeaveTheParametersAlone) {
  struct Case {
    const char* bytes;
    const char* text;
    const char* caption;  // nullptr: the file name
  };
  const Case cases[] = {
      {"6\t// Versions nummer\n1\n2\n3\n4\n5\n6\n7\n", "Ukendt versionsnummer", "6\t// Versions nummer"},
      {"0\n1\n2\n3\n4\n5\n6\n7\n", "Ukendt versionsnummer", "0"},
      {"abc\n1\n2\n3\n4\n5\n6\n7\n", "Ukendt versionsnummer", "abc"},
      {"", "Ukendt versionsnummer", ""},
      {"4\n1\n2\n3\n", "Parameterfilen er ufuldstændig", nullptr},
  };
  for (const Case& c : cases) {
    write("bad.par", c.bytes);
    SearchParameters p = sample();
    ScriptedUi ui;
    EXPECT_FALSE(readParameterFile(file("bad.par"), p, ui)) << c.bytes;
    EXPECT_EQ(p, sample());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.text);
    EXPECT_EQ(ui.messages[0].caption, c.caption ? c.caption : file("bad.par"));
  }
  SearchParameters p = sample();
  ScriptedUi ui;
  EXPECT_FALSE(readParameterFile(file("missing.par"), p, ui));
  EXPECT_EQ(p, sample());
  EXPECT_EQ(ui.lastMessage().text, "Mislykket forsøg på at\nåbne fil");
  EXPECT_EQ(ui.lastMessage().caption, file("missing.par"));
}

TEST(ParameterFormat, LeadingNumbersOnlyAndEveryOldVersion) {
  for (const char* version : {"1", "2", "3", "5"}) {
    ParameterFileContents c =
        parseParameterFile(std::string(version) + "\n 12 x\n-3\nzz\n9999999999\n5\n6\n7");
    ASSERT_EQ(c.status, ParameterFileContents::Status::Ok) << version;
    EXPECT_EQ(c.values.replacePercent, 12);
    EXPECT_EQ(c.values.keptCandidates, -3);
    EXPECT_EQ(c.values.maxReplacements, 0);
    EXPECT_EQ(c.values.smallJump, 2147483647);
    EXPECT_EQ(c.values.largeJump, 7);
  }
}

TEST(ParameterFormat, TruncatedAndRandomBytesNeverBreakTheReader) {
  const std::string good = formatParameterFile(sample());
  for (std::size_t n = 0; n < good.size(); ++n) {
    ParameterFileContents c = parseParameterFile(good.substr(0, n));
    // Every cut before the last line's number is refused as a whole.
    if (c.status == ParameterFileContents::Status::Ok) {
      EXPECT_GE(n, good.rfind('\n', good.size() - 2) + 1);
    }
  }
  Random random(11);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(static_cast<std::size_t>(random.below(400)), ' ');
    for (char& ch : bytes)
      ch = round % 2 ? static_cast<char>(random.below(256)) : "0123456789-\n\r\t "[random.below(16)];
    parseParameterFile(bytes);
  }
  ParameterFileContents longLine = parseParameterFile("4" + std::string(500, '7') + "\n1\n2\n3\n4\n5\n6\n7\n");
  EXPECT_EQ(longLine.status, ParameterFileContents::Status::UnknownVersion);
  EXPECT_EQ(longLine.versionLine.size(), 127u);
}

}  // namespace
}  // namespace vorkel
