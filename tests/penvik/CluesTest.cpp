#include "penvik/Clues.h"

#include <gtest/gtest.h>

#include <random>

#include "penvik/Crossword.h"
#include "platform/Files.h"
#include "tests/platform/TempFolder.h"

namespace penvik {
namespace {

using vorkel::testing::TempFolder;

// (0,0) starts "OST" across and "OS" down; (3,1) starts nothing.
const std::string kRaw = "4\t3\r\n#OST\r\nORM#\r\nSY##\r\n";

RawGrid grid() { return *parseRawGrid(kRaw).grid; }

const ClueKey kAcross{0, 0, Direction::Across};
const ClueKey kDown{0, 0, Direction::Down};

TEST(Clues, FileKeepsTextsWithAnyCharacterAndReadsBackTheSame) {
  Clues clues;
  clues.set(kAcross, "Mejeri\xE6g");       // Windows-1252 æ
  clues.set(kDown, "a\tb\\n\nc");          // a tab, a backslash, a line break
  EXPECT_EQ(formatClueFile(grid(), clues),
            "PENVIK LEDEORD 1\r\n4\t3\r\n#OST\r\nORM#\r\nSY##\r\n"
            "1\t1\tV\tMejeri\xE6g\r\n1\t1\tL\ta\\tb\\\\n\\nc\r\n");
  const ClueFileResult back = parseClueFile(formatClueFile(grid(), clues), grid());
  EXPECT_EQ(back.error, "");
  EXPECT_EQ(back.skipped, 0);
  EXPECT_EQ(back.clues, clues);

  // Texts are cut to their limit; an empty text removes the clue.
  clues.set(kAcross, std::string(MaxClueText + 9, 'x'));
  EXPECT_EQ(clues.text(kAcross).size(), MaxClueText);
  clues.set(kAcross, "");
  EXPECT_EQ(clues.size(), 1u);
}

// A draft is marked in the file ("udkast", version 2) until it becomes a
// clue; a file without drafts stays version 1. A mark that is not "udkast"
// makes the line bad.
TEST(Clues, DraftsAreMarkedInTheFileUntilAccepted) {
  Clues clues;
  clues.set(kAcross, "Fugl", true);
  clues.set(kDown, "Ost");
  const std::string file = formatClueFile(grid(), clues);
  EXPECT_EQ(file, "PENVIK LEDEORD 2\r\n4\t3\r\n#OST\r\nORM#\r\nSY##\r\n"
                  "1\t1\tV\tFugl\tudkast\r\n1\t1\tL\tOst\r\n");
  const ClueFileResult back = parseClueFile(file, grid());
  EXPECT_EQ(back.clues, clues);
  EXPECT_TRUE(back.clues.isDraft(kAcross));
  EXPECT_FALSE(back.clues.isDraft(kDown));
  const ClueFileResult bad = parseClueFile(
      "PENVIK LEDEORD 2\n4\t3\n#OST\nORM#\nSY##\n1\t1\tV\tFugl\tkladde\n", grid());
  EXPECT_EQ(bad.skipped, 1);

  clues.set(kAcross, "Fugl");  // accepted
  EXPECT_EQ(clues.draftCount(), 0u);
  EXPECT_EQ(formatClueFile(grid(), clues).substr(0, 17), "PENVIK LEDEORD 1\r");

  // A crossword adds drafts only where no clue stands, saves once, and
  // accepts them all.
  TempFolder dir;
  Crossword c = Crossword::open(dir.write("x4_000.003", kRaw));
  std::string error;
  ASSERT_TRUE(c.setClue(kDown, "Ost", error));
  Clues drafts;
  drafts.set(kAcross, "Fugl");
  drafts.set(kDown, "Mejeriprodukt");
  ASSERT_TRUE(c.addDrafts(drafts, error));
  EXPECT_EQ(c.clues.text(kDown), "Ost");
  EXPECT_TRUE(c.clues.isDraft(kAcross));
  EXPECT_TRUE(Crossword::open(c.path).clues.isDraft(kAcross));
  ASSERT_TRUE(c.acceptDrafts(error));
  EXPECT_EQ(Crossword::open(c.path).clues.draftCount(), 0u);
  EXPECT_EQ(Crossword::open(c.path).clues.text(kAcross), "Fugl");
}

TEST(Clues, BadLinesAreSkippedAndCountedTheRestIsUsed) {
  const std::string head = "PENVIK LEDEORD 1\n4\t3\n#OST\nORM#\nSY##\n";
  const ClueFileResult r = parseClueFile(head +
                                             "1\t1\tV\tgod\n"
                                             "4\t2\tV\tstarter intet\n"    // no word there
                                             "2\t1\tL\ter et bogstav\n"    // a letter cell
                                             "1\t1\tX\tretning\n"          // no such direction
                                             "1\t1\tL\tslut\\\n"           // cut escape
                                             "1\t1\tL\n"                   // no text field
                                             "x\t1\tL\ttal\n"              // no number
                                             "99999999999\t1\tL\ttal\n"    // out of range
                                             "1\t1\tL\t" + std::string(MaxClueText + 1, 'y') + "\n"
                                             "\n"
                                             "1\t1\tL\tned\n",
                                         grid());
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.skipped, 8);
  EXPECT_EQ(r.clues.text(kAcross), "god");
  EXPECT_EQ(r.clues.text(kDown), "ned");

  // A file that is not ours, or was written for another crossword, is not used.
  EXPECT_NE(parseClueFile("noget andet\n", grid()).error, "");
  EXPECT_NE(parseClueFile("PENVIK LEDEORD 1\n4\t3\n#OST\nORM#\nSYX#\n1\t1\tV\tx\n", grid()).error, "");
  EXPECT_NE(parseClueFile("PENVIK LEDEORD 1\n4\t3\n#OST\n", grid()).error, "");
  EXPECT_TRUE(parseClueFile("PENVIK LEDEORD 1\n4\t3\n#OST\n", grid()).clues.empty());
}

// A clue file of up to a mebibyte is read (padding of lines it skips), one
// byte more is refused unread.
TEST(Clues, AFileOfTheLargestSizeIsReadOneByteMoreIsNot) {
  constexpr std::size_t kLargest = 1024 * 1024;
  const std::string good = "PENVIK LEDEORD 1\n4\t3\n#OST\nORM#\nSY##\n1\t1\tV\tgod\n";
  for (const std::size_t size : {kLargest - 1, kLargest, kLargest + 1}) {
    std::string bytes = good;
    while (bytes.size() + 81 <= size) bytes += std::string(80, 'z') + "\n";
    bytes += std::string(size - bytes.size() - 1, 'z') + "\n";
    ASSERT_EQ(bytes.size(), size);
    const ClueFileResult r = parseClueFile(bytes, grid());
    EXPECT_EQ(r.error.empty(), size <= kLargest) << size << ": " << r.error;
    EXPECT_EQ(r.clues.text(kAcross), size <= kLargest ? "god" : "") << size;
  }
}

TEST(Clues, SurviveRandomAndCutFiles) {
  Clues clues;
  clues.set(kAcross, "Mejeriprodukt");
  clues.set(kDown, "Oste\\stykke");
  const std::string valid = formatClueFile(grid(), clues);
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes = valid.substr(0, random() % (valid.size() + 1));
    if (i % 2)
      for (int k = 0; k < 4 && !bytes.empty(); ++k)
        bytes[random() % bytes.size()] = static_cast<char>(random());
    const ClueFileResult r = parseClueFile(bytes, grid());
    for (const auto& [key, text] : r.clues.all()) {
      ASSERT_TRUE(clueCellAt(grid(), key.column, key.row).starts(key.direction));
      ASSERT_LE(text.size(), MaxClueText);
    }
  }
}

TEST(Crossword, CluesAreSavedAsTheyChangeAndCameBackOnTheNextOpen) {
  TempFolder dir;
  const std::string raw = dir.write("x4_000.003", kRaw);
  Crossword c = Crossword::open(raw);
  ASSERT_TRUE(c.grid) << c.error;
  EXPECT_TRUE(c.clues.empty());
  std::string error;
  EXPECT_TRUE(c.setClue(kAcross, "Mejeriprodukt", error)) << error;
  EXPECT_TRUE(c.setClue(kDown, "Oste", error)) << error;
  EXPECT_FALSE(c.setClue({3, 1, Direction::Down}, "intet ord", error));
  EXPECT_FALSE(c.setClue({1, 0, Direction::Across}, "bogstav", error));
  EXPECT_EQ(Crossword::open(raw).clues, c.clues);

  // Removing the last clue removes the file.
  EXPECT_TRUE(c.setClue(kAcross, "", error));
  EXPECT_TRUE(c.setClue(kDown, "", error));
  EXPECT_FALSE(vorkel::Files::exists(clueFilePath(raw)));
}

TEST(Crossword, CluesOfAnEarlierCrosswordOfTheSameNameAreSetAsideNotOverwritten) {
  TempFolder dir;
  const std::string raw = dir.write("x4_000.003", kRaw);
  std::string error;
  Crossword first = Crossword::open(raw);
  ASSERT_TRUE(first.setClue(kAcross, "gammelt ledeord", error));
  const std::string oldClues = dir.read("x4_000.003.ledeord");

  // The generator reused the name for another crossword.
  dir.write("x4_000.003", "4\t3\r\n#OST\r\nORE#\r\nSY##\r\n");
  Crossword second = Crossword::open(raw);
  EXPECT_TRUE(second.grid);
  EXPECT_TRUE(second.clues.empty());
  EXPECT_NE(second.clueNote.find("andet krydsord"), std::string::npos) << second.clueNote;
  ASSERT_TRUE(second.setClue(kDown, "nyt", error)) << error;
  EXPECT_EQ(dir.read("x4_000.003.ledeord.gammel"), oldClues);
  EXPECT_EQ(Crossword::open(raw).clues.text(kDown), "nyt");
}

TEST(CrosswordList, ListsEachFileOnceNewestLastAndKeepsUnreadableOnes) {
  TempFolder dir;
  const std::string a = dir.write("x4_000.003", kRaw);
  const std::string b = dir.write("x4_001.003", kRaw);
  const std::string bad = dir.write("x4_002.003", "4\t3\r\n#OST\r\n");
  CrosswordList list;
  list.open(a);
  list.open(b);
  EXPECT_FALSE(list.open(bad).grid);
  EXPECT_NE(list.entries().back().error.find("afkortet"), std::string::npos);
  list.open(a);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.entries()[0].path, b);
  EXPECT_EQ(list.entries()[1].path, bad);
  EXPECT_EQ(list.entries()[2].path, a);
  // A name in another case, with the generator's backslashes, finds the file.
  std::string windowsName = dir / "X4_001.003";
  windowsName[dir.path().size()] = '\\';
  list.open(windowsName);
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(list.entries().back().path, b);
}

}  // namespace
}  // namespace penvik
