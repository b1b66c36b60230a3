#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "engine/GridShapeCheck.h"
#include "engine/Path.h"
#include "engine/PathOptimiser.h"
#include "platform/testing/ScriptedUi.h"

#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

struct PathCommandTest : ::testing::Test {
  testing::TempFolder folder;  // a fresh folder per test, removed afterwards
  fs::path dir{folder.path()};
  std::ostringstream out;
  std::ostringstream err;

  std::string path(const std::string& name) const { return (dir / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  int run(const Args& args) {
    out.str("");
    err.str("");
    return runPathCommand(args, out, err);
  }
  std::size_t filesInDir() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }
};

TEST_F(PathCommandTest, WritesTheOptimisedAutomaticPathWithTheFirstStopAsSeed) {
  // A plain-text grid: "#" a clue cell, a letter a letter cell.
  write("m.ktd", "4 3\n####\n#AAA\n#AAA\n");
  ASSERT_EQ(run({"auto", path("m.ktd"), "-o", path("m.vej")}), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(filesInDir(), 2u);  // no temporary file left behind

  ScriptedUi ui;
  CrosswordDocument doc;
  ASSERT_TRUE(readDocument(doc, path("m.ktd"), Language(), ui));
  Path expected;
  newPathCommand(doc, expected, ui);
  // The seeds a path file without a seed line would give.
  expected.seeds().first = {expected.stops()[0].x, expected.stops()[0].y,
                            expected.stops()[0].direction};
  ASSERT_TRUE(expected.save(path("expected.vej")));
  EXPECT_EQ(read(dir / "m.vej"), read(dir / "expected.vej"));
  EXPECT_NE(out.str().find(std::to_string(expected.length()) + " stops"), std::string::npos);
}

TEST_F(PathCommandTest, RefusesUnfillableModelsNamingTheCells) {
  write("lonely.ktd", "4 3\n####\n#AA#\n###A\n");
  EXPECT_EQ(run({"auto", path("lonely.ktd"), "-o", path("x.vej")}), 1);
  EXPECT_NE(err.str().find("cell 4,3 (column,row, counted from 1)"), std::string::npos)
      << err.str();

  std::string tall = "2 27\n##\n";
  for (int r = 0; r < 26; ++r) tall += "#A\n";
  write("tall.ktd", tall);
  EXPECT_EQ(run({"auto", path("tall.ktd"), "-o", path("x.vej")}), 1);
  EXPECT_NE(err.str().find("down run of 26"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(dir / "x.vej"));
}

TEST_F(PathCommandTest, BadArgumentsAndFilesFailWithoutOutput) {
  write("m.ktd", "3 2\n###\n#AA\n");
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"auto", path("m.ktd")}), 2);        // no -o
  EXPECT_EQ(run({"auto", path("m.ktd"), "-o"}), 2);  // -o without a name
  EXPECT_EQ(run({"auto", path("m.ktd"), "--fast", "-o", path("m.vej")}), 2);
  EXPECT_EQ(run({"auto", path("none.ktd"), "-o", path("m.vej")}), 1);
  EXPECT_NE(err.str().find("none.ktd"), std::string::npos);
  EXPECT_EQ(run({"auto", path("m.ktd"), "-o", path("no/such/dir/m.vej")}), 1);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "m.vej"));
}

// The stock models: their size, their picture, that they can be filled, and
// that their paths are what `vorkel path auto` makes of them today.
TEST_F(PathCommandTest, StockModelsPassTheCheckAndCarryTheirAutomaticPath) {
  const fs::path data = fs::path(VORKEL_SOURCE_DIR) / "data";
  const struct {
    int width;
    int height;
  } sizes[] = {{10, 10}, {10, 13}, {19, 25}, {18, 15}, {13, 10}, {10, 24}};
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE("Model" + std::to_string(n));
    const std::string name = "Model" + std::to_string(n);
    const fs::path ktd = data / (name + ".ktd");
    ASSERT_TRUE(fs::exists(ktd));

    ScriptedUi ui;
    CrosswordDocument doc;
    ASSERT_TRUE(readDocument(doc, ktd.string(), Language(), ui));
    EXPECT_EQ(doc.width(), sizes[n - 1].width);
    EXPECT_EQ(doc.height(), sizes[n - 1].height);
    const GridShapeCheck check = GridShapeCheck::of(doc);
    EXPECT_TRUE(check.ok()) << check.describe();

    std::ostringstream gridOut;
    std::ostringstream gridErr;
    ASSERT_EQ(runGridCommand({"import", (data / "models" / (name + ".txt")).string(),
                              path(name + ".ktd")},
                             gridOut, gridErr),
              0)
        << gridErr.str();
    EXPECT_EQ(read(dir / (name + ".ktd")), read(ktd)) << "the .ktd is not made from its picture";

    ASSERT_EQ(run({"auto", ktd.string(), "-o", path(name + ".vej")}), 0) << err.str();
    EXPECT_EQ(read(dir / (name + ".vej")), read(data / (name + ".vej")));
  }
}

}  // namespace
}  // namespace vorkel
