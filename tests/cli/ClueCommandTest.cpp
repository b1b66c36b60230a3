#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

struct Run {
  int exit;
  std::string out, err;
};

Run clues(const Args& args) {
  std::ostringstream out, err;
  const int exit = runClueCommand(args, out, err);
  return {exit, out.str(), err.str()};
}

class ClueCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("clue-cmd-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string file(const std::string& name) const { return (folder_ / name).string(); }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(file(name), std::ios::binary) << text;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  fs::path folder_;
};

TEST_F(ClueCommandTest, ImportThenExportKeepsEveryClue) {
  const std::string tsv =
      "word\tclue\tlanguage\tsource\tuses\tlast_used\n"
      "MADEN\tFøden\tda\tsynonym\t0\t0\n"
      "ØRN\tFugl\tda\tkind\t1\t5\n";
  write("in.tsv", tsv);
  const std::string db = file("clues.sqlite");
  auto r = clues({"import", file("in.tsv"), "--database", db});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "imported 2 clues\n");
  r = clues({"export", "--database", db});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, tsv);
  r = clues({"export", "--database", db, "-o", file("out.tsv")});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(read("out.tsv"), tsv);
}

TEST_F(ClueCommandTest, FailuresSayWhyAndChangeNothing) {
  const std::string db = file("clues.sqlite");
  write("good.tsv", "ØRN\tFugl\n");
  ASSERT_EQ(clues({"import", file("good.tsv"), "--database", db}).exit, 0);
  write("bad.tsv", "MADEN\tFøden\nÆBLE\n");
  write("notadb", "plain text\n");
  const struct {
    Args args;
    int exit;
    const char* says;
  } cases[] = {
      {{"import", file("bad.tsv"), "--database", db}, 1, "Line 2"},
      {{"import", file("missing.tsv"), "--database", db}, 1, "cannot read"},
      {{"import", "--database", db}, 2, "expected one TSV file"},
      {{"export", "--database", file("notadb")}, 1, "left as it is"},
      {{"export", "extra", "--database", db}, 2, "takes no file"},
      {{"merge"}, 2, ""},
  };
  for (const auto& c : cases) {
    const auto r = clues(c.args);
    EXPECT_EQ(r.exit, c.exit) << c.args[0] << " " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  EXPECT_EQ(read("notadb"), "plain text\n");
  EXPECT_EQ(clues({"export", "--database", db}).out,
            "word\tclue\tlanguage\tsource\tuses\tlast_used\nØRN\tFugl\tda\timported\t0\t0\n");
}

// A clue added is the word's first draft; asking for drafts creates no database.
TEST_F(ClueCommandTest, AnAddedClueIsSuggestedFirst) {
  const std::string db = file("sub/clues.sqlite");
  auto r = clues({"suggest", "ØRN", "XYZZY", "--database", db});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "ØRN\tRovfugl\nXYZZY\t\n");
  EXPECT_FALSE(fs::exists(db));
  ASSERT_EQ(clues({"add", "ørn", "Kongeligt fjerkræ", "--database", db}).exit, 0);
  r = clues({"suggest", "ØRN", "--all", "--database", db});
  EXPECT_EQ(r.out, "ØRN\tKongeligt fjerkræ\tRovfugl\n");
  EXPECT_NE(clues({"add", "ØRN", "--database", db}).exit, 0);
}

}  // namespace
}  // namespace vorkel
