#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/Commands.h"

#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

struct GridCommandTest : ::testing::Test {
  testing::TempFolder folder;  // a fresh folder per test, removed afterwards
  fs::path dir{folder.path()};
  std::ostringstream out;
  std::ostringstream err;

  std::string path(const char* name) const { return (dir / name).string(); }
  void write(const char* name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string read(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  int run(const Args& args) {
    out.str("");
    err.str("");
    return runGridCommand(args, out, err);
  }
  std::size_t filesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }
};

TEST_F(GridCommandTest, ImportThenShowGivesThePictureBack) {
  write("pic.txt", "#sø.\r\nKAT#\r\n..#æ\r\n");
  ASSERT_EQ(run({"import", path("pic.txt"), path("model.ktd")}), 0) << err.str();
  ASSERT_EQ(run({"show", path("model.ktd")}), 0) << err.str();
  EXPECT_EQ(out.str(), "#SØ.\nKAT#\n..#Æ\n");
  EXPECT_EQ(err.str(), "");
  const std::string bytes = read("model.ktd");
  EXPECT_EQ(bytes.rfind("4\t3\r\nBEGIN\t0\r\n\tLEDEORD\t\"\"\t45.0000\t0\t0.360000\t0.00000", 0), 0u);
  EXPECT_EQ(filesInDir(), 2u);  // no temporary file left behind
}

TEST_F(GridCommandTest, ConvertWritesAPlainGridInTheFullLayout) {
  write("plain.ktd", "3 2\nAB#\n+\xDB" "C\n");
  ASSERT_EQ(run({"convert", path("plain.ktd"), path("full.ktd")}), 0) << err.str();
  const std::string full = read("full.ktd");
  EXPECT_NE(full.find("\r\nBEGIN\t1\r\n\tBOGSTAV\t\"\xD8\""), std::string::npos);
  ASSERT_EQ(run({"show", path("full.ktd")}), 0);
  EXPECT_EQ(out.str(), "AB#\nØ.C\n");
  // Converting the full file again changes nothing.
  ASSERT_EQ(run({"convert", path("full.ktd"), path("again.ktd")}), 0);
  EXPECT_EQ(read("again.ktd"), full);
}

TEST_F(GridCommandTest, BadPicturesAreRefusedWithoutOutput) {
  const struct {
    const char* picture;
    const char* why;
  } cases[] = {
      {"##.\n#.\n", "line 2"},
      {"", "empty"},
      {"\n\n", "empty"},
      {"#!.\n", "neither"},
      {"\xE6\n", "UTF-8"},
  };
  for (const auto& c : cases) {
    write("bad.txt", c.picture);
    EXPECT_EQ(run({"import", path("bad.txt"), path("out.ktd")}), 1) << c.picture;
    EXPECT_NE(err.str().find(c.why), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir / "out.ktd"));
  }
  write("wide.txt", std::string(51, '.') + "\n");
  EXPECT_EQ(run({"import", path("wide.txt"), path("out.ktd")}), 1);
  EXPECT_NE(err.str().find("1 to 50"), std::string::npos);
  EXPECT_EQ(run({"import", path("missing.txt"), path("out.ktd")}), 1);
  EXPECT_FALSE(fs::exists(dir / "out.ktd"));
}

TEST_F(GridCommandTest, UnreadableInputsAndUnwritableOutputs) {
  EXPECT_EQ(run({"show", path("missing.ktd")}), 1);
  EXPECT_NE(err.str().find("no such file"), std::string::npos);
  write("bad.ktd", "0\t10\n");
  EXPECT_EQ(run({"show", path("bad.ktd")}), 1);
  EXPECT_NE(err.str().find("Advarsel"), std::string::npos);
  write("pic.txt", "..\n");
  EXPECT_EQ(run({"import", path("pic.txt"), path("no/such/dir/out.ktd")}), 1);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
  EXPECT_EQ(filesInDir(), 2u);
}

TEST_F(GridCommandTest, UsageErrors) {
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"paint", "x"}), 2);
  EXPECT_NE(err.str().find("unknown command"), std::string::npos);
  EXPECT_EQ(run({"show"}), 2);
  EXPECT_EQ(run({"convert", "a.ktd"}), 2);
  EXPECT_EQ(run({"show", "a.ktd", "--language", "x"}), 2);
  EXPECT_EQ(run({"show", "a.ktd", "--below", "40"}), 2);            // needs --words
  EXPECT_EQ(run({"convert", "a.ktd", "b.ktd", "--words"}), 2);
  EXPECT_EQ(run({"show", "a.ktd", "--words", "--below", "x"}), 2);
}

TEST_F(GridCommandTest, ShowWordsMarksTheWordsScoredBelowTheChosenScore) {
  // A raw crossword of two across and three down words.
  write("x3_000.002", "3\t2\r\nKAT\r\nOGT\r\n");
  write("ord.score", "KAT\t90\nOGT\t40\nKO\t50\nAG\t5\n");  // TT has no score
  struct Case {
    const char* below;
    const char* marked;  // the words marked, in the order shown
    int count;
  } cases[] = {{"50", "OGT AG TT", 3}, {"41", "OGT AG TT", 3}, {"40", "AG TT", 2}, {"0", "TT", 1},
               {"101", "KAT OGT KO AG TT", 5}};
  for (const Case& c : cases) {
    ASSERT_EQ(run({"show", path("x3_000.002"), "--words", "--scores", path("ord.score"), "--below",
                   c.below}),
              0)
        << err.str();
    std::istringstream lines(out.str());
    std::string line, marked;
    int rows = 0;
    while (std::getline(lines, line)) {
      if (++rows <= 2) continue;  // the grid
      // "number direction column,row WORD SCORE [<BELOW]"
      std::istringstream fields(line);
      std::string number, direction, cell, word, score, mark;
      fields >> number >> direction >> cell >> word >> score >> mark;
      if (mark == "<" + std::string(c.below)) marked += (marked.empty() ? "" : " ") + word;
    }
    EXPECT_EQ(marked, c.marked) << out.str();
    EXPECT_NE(out.str().find(std::to_string(c.count) + (c.count == 1 ? " word" : " words") +
                             " scored below " + c.below),
              std::string::npos)
        << out.str();
  }
  // The score file may be named by its dictionary; one that cannot be read fails.
  write("ord.dic", "KAT\r\n");
  ASSERT_EQ(run({"show", path("x3_000.002"), "--words", "--scores", path("ord.dic")}), 0) << err.str();
  EXPECT_NE(out.str().find("1 across 1,1 KAT 90\n"), std::string::npos) << out.str();
  EXPECT_EQ(run({"show", path("x3_000.002"), "--words", "--scores", path("none.score")}), 1);
  EXPECT_NE(err.str().find("cannot read the score file"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace vorkel
