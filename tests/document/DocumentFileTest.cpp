#include "document/DocumentFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "dictionary/Language.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/HostileFiles.h"

namespace vorkel {
namespace {

using namespace std::string_literals;

// The typography of one clue line as the file writes it.
std::string clueLine(const char* height, const char* def, const char* weight, const char* op) {
  return "\t"s + height + "\t" + def + "\t" + weight + "\t" + op;
}

std::string defaultClueNumbers() {
  std::string s = clueLine("45.0000", "0", "0.360000", "0.00000");
  for (int i = 1; i < 10; ++i) s += clueLine("45.0000", "0", "0.360000", "-0.100000");
  return s;
}

// A 3 by 2 grid as the Windows program writes it, byte by byte: CR LF line
// ends, letter cells (a letter, a blank, Ø and one that never held a letter),
// clue cells with a two-line text and own typography, a code field, an image
// section and the closing line end.
std::string windowsFile() {
  std::string s = "3\t2";
  s += "\r\nBEGIN\t0";
  s += "\r\n\tBOGSTAV\t\"A\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
  s += "\r\n\tLEDEORD\t\"STOR\r\nHUND\"";
  s += clueLine("30.0000", "1", "0.500000", "0.00000");
  s += clueLine("30.0000", "0", "0.360000", "-0.250000");
  for (int i = 2; i < 10; ++i) s += clueLine("45.0000", "0", "0.360000", "-0.100000");
  s += "\t0\t1";
  s += "\r\n\tBOGSTAV\t\" \"\t50.0000\t1\t0.333333\t0.100000\t2.50000\t1\t0";
  s += "\r\nEND\t0";
  s += "\r\nBEGIN\t1";
  s += "\r\n\tBOGSTAV\t\"\xD8\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
  s += "\r\n\tBOGSTAV\t\""s + '\0' + "\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
  s += "\r\n\tLEDEORD\t\"\"" + defaultClueNumbers() + "\t1\t1";
  s += "\r\nEND\t1";
  s += "\r\nKODEFELT\t20.0000\t0\t0.360000\t0.00000\t0.00000\t7\t1\t0";
  s += "\r\nIMAGES 2\r\nlogo.bmp 10 +20\r\npil.bmp 3 4";
  s += "\r\n";
  return s;
}

struct DocumentFileTest : ::testing::Test {
  Language language;
  ScriptedUi ui;
  CrosswordDocument doc;

  bool parse(const std::string& bytes) { return parseDocument(doc, bytes, language, ui); }
};

TEST_F(DocumentFileTest, AWindowsFileIsReadAndWrittenBackByteForByte) {
  const std::string file = windowsFile();
  ASSERT_TRUE(parse(file));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(serializeDocument(doc), file);

  ASSERT_EQ(doc.width(), 3);
  ASSERT_EQ(doc.height(), 2);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 'A');
  const Cell& clue = doc.cellAt(2, 1);
  EXPECT_TRUE(clue.isClue);
  EXPECT_EQ(clue.text, "STOR\nHUND");
  EXPECT_DOUBLE_EQ(clue.typo.offsets[1], -0.25);
  EXPECT_FALSE(clue.rightLine);
  const Cell& blank = doc.cellAt(3, 1);
  EXPECT_EQ(blank.text, " ");
  EXPECT_DOUBLE_EQ(blank.typo.extra, 2.5);
  EXPECT_FALSE(blank.bottomLine);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 2)), 0xD8);
  EXPECT_FALSE(doc.cellAt(2, 2).isClue);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(2, 2)), 0);
  ASSERT_EQ(doc.codeFields.size(), 1u);
  EXPECT_EQ(doc.codeFields[0].number, 7);
  ASSERT_EQ(doc.images.size(), 8u);
  EXPECT_EQ(doc.images[7].text, "4");
  EXPECT_FALSE(doc.untitled);
}

TEST_F(DocumentFileTest, LfLineEndsReadLikeCrLfAndAreWrittenAsCrLf) {
  std::string lf = windowsFile();
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  ASSERT_TRUE(parse(lf));
  EXPECT_EQ(doc.cellAt(2, 1).text, "STOR\nHUND");
  EXPECT_EQ(serializeDocument(doc), windowsFile());

  // A lone CR is no line end: it stays as it is.
  CrosswordDocument::setClue(doc.cellAt(2, 1), "A\rB\r\nC");
  const std::string bytes = serializeDocument(doc);
  ASSERT_TRUE(parse(bytes));
  EXPECT_EQ(doc.cellAt(2, 1).text, "A\rB\r\nC");
  EXPECT_EQ(serializeDocument(doc), bytes);
}

TEST(DocumentNumbers, GeneralFormatWithSixDigitsAndThePoint) {
  EXPECT_EQ(formatNumber(45), "45.0000");
  EXPECT_EQ(formatNumber(0), "0.00000");
  EXPECT_EQ(formatNumber(-0.1), "-0.100000");
  EXPECT_EQ(formatNumber(0.36), "0.360000");
  EXPECT_EQ(formatNumber(0.3333333), "0.333333");
  EXPECT_EQ(formatNumber(1234567), "1.23457e+06");
}

TEST_F(DocumentFileTest, SizeOutsideOneToFiftyIsRefusedAndChangesNothing) {
  CrosswordDocument::setLetter(doc.cellAt(1, 1), 'Q');
  doc.images.push_back({"IMAGES", "\n"});
  for (const char* header : {"0\t10", "51\t10", "10\t-3", "x y", "", "99999999999 3"}) {
    ui.messages.clear();
    EXPECT_FALSE(parse(header)) << header;
    ASSERT_EQ(ui.messages.size(), 1u) << header;
    EXPECT_EQ(ui.lastMessage().text, "Meget\nunderligt\ninput\nAfbryder");
    EXPECT_EQ(ui.lastMessage().caption, "Advarsel");
    EXPECT_EQ(doc.width(), 10);
    EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 'Q');
    EXPECT_EQ(doc.images.size(), 1u);
  }
  EXPECT_TRUE(parse("50\t50"));
  EXPECT_EQ(doc.width(), 50);
  EXPECT_EQ(doc.height(), 50);
}

TEST_F(DocumentFileTest, SameSizeOverwritesInPlaceOtherSizeStartsFromDefaultCells) {
  doc.resize(2, 1);
  CrosswordDocument::setClue(doc.cellAt(2, 1), "KEEP");
  // Only the first cell is in the file; the second keeps what it held.
  ASSERT_TRUE(parse("2\t1\nBEGIN\t0\n\tBOGSTAV\t\"B\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1"));
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 'B');
  EXPECT_EQ(doc.cellAt(2, 1).text, "KEEP");

  CrosswordDocument::setClue(doc.cellAt(2, 1), "GONE");
  ASSERT_TRUE(parse("3\t1\nBEGIN\t0\n\tBOGSTAV\t\"B\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1"));
  EXPECT_EQ(doc.cellAt(2, 1), Cell{});
}

TEST_F(DocumentFileTest, LetterCellKeepsLineZeroOnlyAndOtherLinesStay) {
  doc.resize(1, 1);
  Cell& cell = doc.cellAt(1, 1);
  CrosswordDocument::setLetter(cell, 'K');
  cell.typo.heights[0] = 33.5;
  cell.typo.ownWeights[0] = true;
  cell.typo.weights[0] = 0.75;
  cell.typo.offsets[0] = -0.05;
  cell.typo.extra = 1.25;
  cell.rightLine = false;
  const std::string bytes = serializeDocument(doc);
  CrosswordDocument back;
  back.resize(1, 1);
  back.cellAt(1, 1).typo.heights[3] = 12.0;  // not stored for a letter cell: must stay
  ASSERT_TRUE(parseDocument(back, bytes, language, ui));
  Cell expected = cell;
  expected.typo.heights[3] = 12.0;
  EXPECT_EQ(back.cellAt(1, 1), expected);
}

TEST_F(DocumentFileTest, ClueNumbersAreReadLeniently) {
  std::string s = "1\t1\nBEGIN\t0\n\tLEDEORD\t\"X\" h=30,5 ; 1x -0.5 --2.25 0 0.36 -0.1";
  for (int i = 2; i < 10; ++i) s += " 45 0 0.36 -0.1";
  s += " 1 1\nEND\t0";
  ASSERT_TRUE(parse(s));
  const Typography& t = doc.cellAt(1, 1).typo;
  EXPECT_DOUBLE_EQ(t.heights[0], 30.0);
  EXPECT_TRUE(t.ownWeights[0]);  // the 5 after the comma
  EXPECT_DOUBLE_EQ(t.weights[0], 1.0);
  EXPECT_DOUBLE_EQ(t.offsets[0], -0.5);
  EXPECT_DOUBLE_EQ(t.heights[1], -2.25);  // a "-" anywhere before the digits
  EXPECT_DOUBLE_EQ(t.offsets[9], -0.1);

  // End of file while skipping: the value is 0.
  ASSERT_TRUE(parse("1\t1\nBEGIN\t0\n\tLEDEORD\t\"cut\" 12 1"));
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.heights[0], 12.0);
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.weights[0], 0.0);
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.heights[9], 0.0);
}

TEST_F(DocumentFileTest, ClueNumbersWithAnExponentAreNotMisread) {
  doc.resize(2, 1);
  Cell& clue = doc.cellAt(1, 1);
  CrosswordDocument::setClue(clue, "T");
  clue.typo.offsets[2] = 0.00001;
  clue.typo.heights[2] = 2.5e7;
  ASSERT_TRUE(parse(serializeDocument(doc)));
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.offsets[2], 0.00001);
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.heights[2], 2.5e7);
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.weights[2], 0.36);
}

TEST_F(DocumentFileTest, UnknownWordIsReportedAndTheNextRecordIsRead) {
  ASSERT_TRUE(parse("2\t1\nBEGIN\t0\n\tBOGSTUV\n\tBOGSTAV\t\"\xC6\"\t45.0 0 0.36 0 0 1 1\nEND\t0"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, ">>BOGSTUV<< strlen 7");
  EXPECT_EQ(ui.lastMessage().caption, "Ukendt streng i Kpoint");
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 0);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(2, 1)), 0xC6);

  ui.messages.clear();
  parse("1\t1\nBEGIN\t0\n\t\xE6g");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, ">>æg<< strlen 2");  // bytes, shown as UTF-8
}

TEST_F(DocumentFileTest, EginOpensARowBlock) {
  ASSERT_TRUE(parse("1\t2\nEGIN\t0\n\tBOGSTAV\t\"Z\"\t1 0 1 0 0 1 1\nEND\t0\n"
                    "BEGIN\t1\n\tBOGSTAV\t\"Y\"\t1 0 1 0 0 1 1\nEND\t1"));
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 'Z');
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 2)), 'Y');
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentFileTest, PlainTextGrid) {
  doc.resize(5, 3);
  doc.cellAt(5, 1).typo.heights[0] = 11.0;  // the typography stays
  ASSERT_TRUE(parse("5 3\r\nAB+#\xA5\r\n\xDB" "a.\r\n\xC5\xC6\xD8*q"s + "\r\nIMAGES 1 a b c\r\n"));
  auto letter = [&](int c, int r) { return CrosswordDocument::letterOf(doc.cellAt(c, r)); };
  EXPECT_EQ(letter(1, 1), 'A');
  EXPECT_EQ(letter(3, 1), 0xD8);  // "+" is Ø
  EXPECT_TRUE(doc.cellAt(4, 1).isClue);
  EXPECT_EQ(doc.cellAt(4, 1).text, "");
  EXPECT_EQ(letter(5, 1), 0xD8);  // so is 0xA5
  EXPECT_DOUBLE_EQ(doc.cellAt(5, 1).typo.heights[0], 11.0);
  EXPECT_FALSE(doc.cellAt(1, 2).isClue);
  EXPECT_EQ(letter(1, 2), ' ');   // 0xDB is an empty letter cell
  EXPECT_EQ(letter(2, 2), 'a');   // a typed letter is kept as it stands
  EXPECT_TRUE(doc.cellAt(3, 2).isClue);
  EXPECT_TRUE(doc.cellAt(4, 2).isClue);  // past the end of a short line
  EXPECT_EQ(letter(3, 3), 0xD8);
  EXPECT_TRUE(doc.cellAt(4, 3).isClue);
  EXPECT_EQ(letter(5, 3), 'q');
  ASSERT_EQ(doc.images.size(), 5u);
  EXPECT_EQ(doc.images[4].text, "c");
  // Written in the full layout, it reads back the same.
  CrosswordDocument back;
  ASSERT_TRUE(parseDocument(back, serializeDocument(doc), language, ui));
  EXPECT_EQ(serializeDocument(back), serializeDocument(doc));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentFileTest, PlainTextGridLongLinesAndMissingRows) {
  doc.resize(2, 3);
  CrosswordDocument::setLetter(doc.cellAt(1, 3), 'W');
  const std::string longLine = "AB" + std::string(300, 'x');
  ASSERT_TRUE(parse("2 3\n" + longLine + "\nC#\n"));
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(2, 1)), 'B');
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 2)), 'C');  // the next line, not the rest
  EXPECT_TRUE(doc.cellAt(2, 2).isClue);
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 3)), 'W');  // no third line: unchanged
}

TEST_F(DocumentFileTest, TruncatedFullFileKeepsTheCellsItDoesNotCover) {
  doc.resize(2, 2);
  CrosswordDocument::setClue(doc.cellAt(2, 2), "kept");
  ASSERT_TRUE(parse("2\t2\nBEGIN\t0\n\tBOGSTAV\t\"A\" 1 0 1 0 0 1 1\n\tBOGSTAV\t\"B\" 1 0 1 0 0 1 1\n"
                    "END\t0\n"));
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(2, 1)), 'B');
  EXPECT_EQ(doc.cellAt(2, 2).text, "kept");  // no switch to the plain-text reading
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentFileTest, CellTextsTheFileCannotHoldAsTheyAre) {
  const std::string text(2500, 'k');
  std::string s = "1\t1\nBEGIN\t0\n\tLEDEORD\t\"" + text + "\"" + defaultClueNumbers() + "\t1\t1\nEND\t0";
  ASSERT_TRUE(parse(s));
  EXPECT_EQ(doc.cellAt(1, 1).text.size(), Cell::kMaxText);
  EXPECT_DOUBLE_EQ(doc.cellAt(1, 1).typo.offsets[1], -0.1);  // the numbers after it are read

  // A quote would end a clue early; a NUL letter and a blank stay apart.
  doc.resize(4, 1);
  CrosswordDocument::setClue(doc.cellAt(1, 1), text + "\"nej\"");
  EXPECT_EQ(doc.cellAt(1, 1).text.size(), Cell::kMaxText);
  CrosswordDocument::setClue(doc.cellAt(1, 1), "sagde \"nej\"");
  doc.cellAt(2, 1).isClue = true;  // set directly, bypassing setClue
  doc.cellAt(2, 1).text = "\"";
  CrosswordDocument::setLetter(doc.cellAt(3, 1), ' ');
  CrosswordDocument back;
  ASSERT_TRUE(parseDocument(back, serializeDocument(doc), language, ui));
  EXPECT_EQ(back.cellAt(1, 1).text, "sagde 'nej'");
  EXPECT_EQ(back.cellAt(2, 1).text, "'");
  EXPECT_EQ(back.cellAt(3, 1).text, " ");
  EXPECT_EQ(back.cellAt(4, 1).text, "");
  EXPECT_FALSE(back.cellAt(4, 1).isClue);
}

TEST_F(DocumentFileTest, CodeFieldsAndImagesKeepTheirOrder) {
  std::string head = "1\t1\nBEGIN\t0\n\tBOGSTAV\t\"A\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1\nEND\t0";
  std::string k1 = "\nKODEFELT\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t0\t0";
  std::string k2 = "\nKODEFELT\t45.0000\t1\t0.360000\t0.00000\t0.00000\t2\t3\t4";
  std::string images = "\nIMAGES x a b +c d e f";
  const std::string lf = head + k1 + images + k2;
  ASSERT_TRUE(parse(lf));
  ASSERT_EQ(doc.codeFields.size(), 2u);
  EXPECT_EQ(doc.images.size(), 8u);
  std::string crlf = lf;
  for (std::size_t p = 0; (p = crlf.find('\n', p)) != std::string::npos; p += 2) crlf.insert(p, "\r");
  EXPECT_EQ(serializeDocument(doc), crlf);

  // Made in memory: code fields after the grid, images last, separated.
  CrosswordDocument made;
  made.resize(1, 1);
  made.codeFields.push_back(CodeField{});
  made.images = {{"IMAGES", ""}, {"1", ""}, {"a", "x"}, {"b", ""}, {"c", ""}};
  const std::string bytes = serializeDocument(made);
  EXPECT_NE(bytes.find("KODEFELT"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nIMAGES 1 a b c"), std::string::npos);
  CrosswordDocument back;
  ASSERT_TRUE(parseDocument(back, bytes, language, ui));
  EXPECT_EQ(back.codeFields, made.codeFields);
  ASSERT_EQ(back.images.size(), 5u);
}

TEST_F(DocumentFileTest, FileErrorsAreReportedAndChangeNothing) {
  const std::string missing = std::string(VORKEL_BINARY_DIR) + "/no/such/dir/x.ktd";
  CrosswordDocument::setLetter(doc.cellAt(1, 1), 'M');
  EXPECT_FALSE(readDocument(doc, missing, language, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, missing);
  EXPECT_EQ(ui.lastMessage().caption, "Fejl");
  EXPECT_EQ(ui.lastMessage().icon, Icon::Error);
  EXPECT_FALSE(readDocument(doc, VORKEL_BINARY_DIR, language, ui));  // a folder
  // Files without an end (once a bad_alloc or a read that never ended).
  testing::TempFolder folder;
  for (const std::string& file : testing::unboundedFiles(folder)) {
    EXPECT_FALSE(readDocument(doc, file, language, ui));
    EXPECT_EQ(ui.lastMessage().text, file);
  }

  EXPECT_FALSE(writeDocument(doc, missing, ui));
  EXPECT_EQ(ui.lastMessage().text, "Kan ikke åbne " + missing);
  EXPECT_EQ(ui.lastMessage().caption, "Fejl");
  EXPECT_EQ(CrosswordDocument::letterOf(doc.cellAt(1, 1)), 'M');
  EXPECT_TRUE(doc.untitled);

  const std::string path = std::string(VORKEL_BINARY_DIR) + "/document_test.ktd";
  ASSERT_TRUE(writeDocument(doc, path, ui));
  EXPECT_FALSE(doc.untitled);
  CrosswordDocument back;
  ASSERT_TRUE(readDocument(back, path, language, ui));
  EXPECT_EQ(serializeDocument(back), serializeDocument(doc));
  std::remove(path.c_str());
}

// Whatever the bytes, the reader returns, keeps the size in 1..50 and the
// texts within their field, and what it read writes out and reads back the same.
void expectSane(const CrosswordDocument& doc, const Language& language) {
  ASSERT_TRUE(CrosswordDocument::validSize(doc.width(), doc.height()));
  for (int r = 1; r <= doc.height(); ++r)
    for (int c = 1; c <= doc.width(); ++c) ASSERT_LE(doc.cellAt(c, r).text.size(), Cell::kMaxText);
  ScriptedUi quiet;
  CrosswordDocument back;
  const std::string bytes = serializeDocument(doc);
  ASSERT_TRUE(parseDocument(back, bytes, language, quiet));
  ASSERT_EQ(serializeDocument(back), bytes);
}

TEST_F(DocumentFileTest, TruncatedDamagedAndRandomFilesNeverBreakTheReader) {
  const std::string file = windowsFile();
  for (std::size_t n = 0; n <= file.size(); ++n) {
    CrosswordDocument d;
    parseDocument(d, file.substr(0, n), language, ui);
    expectSane(d, language);
  }
  Random random(7);
  for (int round = 0; round < 150; ++round) {
    std::string damaged = file;
    const int edits = 1 + random.below(6);
    for (int e = 0; e < edits; ++e)
      damaged[static_cast<std::size_t>(random.below(static_cast<int>(damaged.size())))] =
          static_cast<char>(random.below(256));
    CrosswordDocument d;
    parseDocument(d, damaged, language, ui);
    expectSane(d, language);
  }
  random.seed(11);
  const std::string alphabet = "0123456789 \t\r\n\".-+BEGINDLOSTAVKFMX\xA5\xDB\xD8";
  for (int round = 0; round < 150; ++round) {
    std::string bytes = std::to_string(1 + random.below(12)) + " " + std::to_string(1 + random.below(12));
    const int n = random.below(2000);
    for (int i = 0; i < n; ++i)
      bytes += round % 2 ? static_cast<char>(random.below(256))
                         : alphabet[static_cast<std::size_t>(random.below(static_cast<int>(alphabet.size())))];
    CrosswordDocument d;
    ScriptedUi quiet;
    parseDocument(d, bytes, language, quiet);
    expectSane(d, language);
  }
}

}  // namespace
}  // namespace vorkel
