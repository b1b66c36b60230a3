#include "penvik/RawGrid.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/platform/TempFolder.h"

namespace penvik {
namespace {

using vorkel::testing::TempFolder;

// What the generator writes for a 4 x 3 grid: CR LF lines, "#" for clue cells.
const std::string kGenerated = "4\t3\r\n#OST\r\nORM#\r\nSY#\xC6\r\n";

TEST(RawGrid, ReadsWhatTheGeneratorWritesAndHandMadeVariants) {
  const RawGridResult r = parseRawGrid(kGenerated);
  ASSERT_TRUE(r.grid) << r.error;
  EXPECT_EQ(r.grid->width, 4);
  EXPECT_EQ(r.grid->height, 3);
  EXPECT_EQ(r.grid->rows(), "#OST\nORM#\nSY#\xC6\n");
  EXPECT_TRUE(r.grid->isClue(0, 0));
  EXPECT_EQ(r.grid->at(3, 2), '\xC6');  // Æ
  EXPECT_FALSE(r.grid->isLetterCell(4, 0));
  EXPECT_FALSE(r.grid->isLetterCell(0, -1));

  // LF line ends, no end after the last row, blanks around the size, blank
  // lines after the rows, a blank for a letter cell not yet filled.
  for (const char* variant : {"4\t3\n#OST\nORM#\nSY#\xC6", "  4 \t 3 \r\n#OST\r\nORM#\r\nSY#\xC6\r\n\r\n  \n",
                              "4 3\n#OST\nORM#\nSY#\xC6\n"}) {
    const RawGridResult v = parseRawGrid(variant);
    ASSERT_TRUE(v.grid) << variant << ": " << v.error;
    EXPECT_EQ(*v.grid, *r.grid);
  }
  const RawGridResult blank = parseRawGrid("2\t1\nA \n");
  ASSERT_TRUE(blank.grid) << blank.error;
  EXPECT_FALSE(blank.grid->isClue(1, 0));
}

TEST(RawGrid, RefusesBadInputSayingWhatAndWhere) {
  struct Case {
    std::string bytes;
    const char* says;
  };
  const Case cases[] = {
      {"", "tom"},
      {"13\n#\n", "Linje 1 skal"},
      {"13x9\n", "Linje 1 skal"},
      {"4\t3 7\n", "Linje 1 skal"},
      {"0\t3\n", "mellem 1 og 50"},
      {"51\t1\n" + std::string(51, 'A') + "\n", "mellem 1 og 50"},
      {"-2\t3\n", "mellem 1 og 50"},
      {"99999999999999\t3\n", "Linje 1 skal"},
      {"4\t3\r\n#OST\r\nORM#\r\n", "slutter efter 2 af 3"},       // cut after a row
      {"4\t3\r\n#OST\r\nOR", "Linje 3 (række 2) har 2 felter"},  // cut inside a row
      {"4\t3\r\n#OST\r\nORM#X\r\nSY#A\r\n", "Linje 3 (række 2) har 5 felter"},
      {"4\t3\r\n#OST\r\nOR1#\r\nSY#A\r\n", "felt 3: tegnet 0x31"},
      {std::string("4\t1\n#O\0T\n", 10), "felt 3: tegnet 0x00"},
      {"2\t1\n\xD7#\n", "tegnet 0xD7"},  // ×
      {"4\t1\r\n#O\rT\r\n", "tegnet 0x0D"},
      {"4\t1\n#OST\nMERE\n", "Linje 3: filen har flere end de 1"},
      {std::string(MaxRawGridBytes + 1, '\n'), "for stor"},
  };
  for (const Case& c : cases) {
    const RawGridResult r = parseRawGrid(c.bytes);
    EXPECT_FALSE(r.grid) << c.bytes;
    EXPECT_NE(r.error.find(c.says), std::string::npos) << c.bytes << " -> " << r.error;
  }
}

// The sizes at the edge of what the generator makes, read from a file as the
// window reads them: every size up to 50 each way comes back cell for cell,
// 51 either way is refused.
TEST(RawGrid, ReadsEverySizeUpToTheLargestFromAFile) {
  TempFolder dir;
  const struct {
    int width, height;
    bool read;
  } cases[] = {{1, 1, true},   {50, 1, true},   {1, 50, true},  {50, 50, true},
               {49, 50, true}, {51, 1, false},  {1, 51, false}, {51, 51, false}};
  for (const auto& c : cases) {
    std::string bytes = std::to_string(c.width) + "\t" + std::to_string(c.height) + "\r\n";
    std::string cells;
    for (int row = 0; row < c.height; ++row) {
      std::string line;
      for (int column = 0; column < c.width; ++column)
        line += (row + column) % 7 == 0 ? '#' : static_cast<char>('A' + (row * 3 + column) % 26);
      bytes += line + "\r\n";
      cells += line;
    }
    dir.write("x", bytes);
    const RawGridResult r = loadRawGrid(dir / "x");
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    ASSERT_EQ(r.grid.has_value(), c.read) << r.error;
    if (c.read) EXPECT_EQ(r.grid->cells, cells);
    else EXPECT_NE(r.error.find("mellem 1 og 50"), std::string::npos) << r.error;
  }
}

TEST(RawGrid, SurvivesRandomAndDamagedInput) {
  std::mt19937 random(20261208);
  const std::string valid = "6\t4\r\n#ABCDE\r\nF#GHIJ\r\n##KLMN\r\nOPQ#RS\r\n";
  for (int i = 0; i < 3000; ++i) {
    std::string bytes;
    switch (i % 3) {
      case 0:  // random bytes
        bytes.resize(random() % 80);
        for (char& c : bytes) c = static_cast<char>(random());
        break;
      case 1:  // the valid file cut anywhere
        bytes = valid.substr(0, random() % valid.size());
        break;
      default:  // the valid file with a few bytes changed
        bytes = valid;
        for (int k = 0; k < 3; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
    }
    const RawGridResult r = parseRawGrid(bytes);
    if (r.grid) {
      ASSERT_EQ(r.grid->cells.size(), static_cast<std::size_t>(r.grid->width * r.grid->height));
      ASSERT_TRUE(r.error.empty());
    } else {
      ASSERT_FALSE(r.error.empty());
    }
  }
}

TEST(RawGrid, LoadNamesTheFileAndRefusesOversizedFilesUnread) {
  TempFolder dir;
  const RawGridResult missing = loadRawGrid(dir / "x4_000.003");
  EXPECT_FALSE(missing.grid);
  EXPECT_EQ(missing.error, dir / "x4_000.003" + ": filen kan ikke læses.");
  dir.write("big", std::string(MaxRawGridBytes * 4, 'A'));
  EXPECT_NE(loadRawGrid(dir / "big").error.find("for stor"), std::string::npos);
  dir.write("x4_000.003", kGenerated);
  EXPECT_TRUE(loadRawGrid(dir / "x4_000.003").grid);
}

}  // namespace
}  // namespace penvik
