#include "dictionary/WordFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/HostileFiles.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

std::string cp(std::string_view utf8) { return utf8ToCp1252(utf8).value(); }

class WordFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("vorkel-wordfile-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string path(const char* name) const { return (dir / name).string(); }
  void write(const std::string& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string read(const std::string& file) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(file, bytes));
    return bytes;
  }
  // Every stored word as display text.
  std::set<std::string> words(const WordStore& d) {
    std::set<std::string> out;
    Random random(3);
    d.forEachWord(random, [&](std::string_view w) {
      out.insert(d.codesToText(w));
      return true;
    });
    return out;
  }

  fs::path dir;
  ScriptedUi ui;
  Language language;
  WordStore dict{110000, language, ui};
};

TEST_F(WordFileTest, CharacterEncodingPutsEachBitInItsPlace) {
  Random random(5);
  std::string out;
  appendEncodedWord(out, "A\xC6", random);  // 'A' = c0 c6 -> bits 1, 5; 'Æ' 0xC6 = c1 c2 c6 c7
  ASSERT_EQ(out.size(), 6u);
  auto value = [&](int k) {
    return static_cast<unsigned>(static_cast<unsigned char>(out[2 * k])) |
           static_cast<unsigned>(static_cast<unsigned char>(out[2 * k + 1])) << 8;
  };
  EXPECT_EQ(value(0) & 0xAAAA, 0x0022u);
  EXPECT_EQ(value(1) & 0xAAAA, (1u << 3) | (1u << 13) | (1u << 5) | (1u << 15));
  EXPECT_EQ(value(2) & 0xAAAA, 0u);

  std::vector<std::string> got;
  forEachFileWord("=" + out, language, [&](std::string_view w) {
    got.emplace_back(w);
    return true;
  });
  EXPECT_EQ(got, (std::vector<std::string>{"A\xC6"}));
}

TEST_F(WordFileTest, SavedDictionaryLoadsWithEveryWord) {
  for (const char* w : {"kat", "blåbær", "øre", "ål", "elefantsnabel", "abcdefghijklmnopqrstuvwxy"})
    ASSERT_TRUE(dict.insertWord(cp(w)));
  Random random(11);
  const std::string first = path("a.dic");
  const std::string second = path("b.dic");
  ASSERT_TRUE(saveDictionary(dict, first, random));
  ASSERT_TRUE(saveDictionary(dict, second, random));
  EXPECT_EQ(read(first)[0], '=');
  EXPECT_NE(read(first), read(second));  // filler bits and walk positions differ

  for (const auto& file : {first, second}) {
    WordStore loaded(110000, language, ui);
    ASSERT_TRUE(loadWordFile(loaded, file));
    EXPECT_EQ(words(loaded), words(dict));
    EXPECT_EQ(loaded.wordCount(), 6);
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(WordFileTest, WordListTakesTheFirstWordOfEachLine) {
  const std::string file = path("list.txt");
  write(file, "kat\r\nhund og kat\nx\n\n" + cp("BLÅBÆR") + "\r\n" +
                  "ko " + std::string(120, 'b') + "\n" + std::string(120, 'c') + "\n" +
                  std::string(30, 'd') + "\n" + "ged");
  ASSERT_TRUE(loadWordFile(dict, file));
  // A long line is cut, never read on as a word of its own.
  EXPECT_EQ(words(dict), (std::set<std::string>{"KAT", "HUND", cp("BLÅBÆR"), "KO", "GED"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WordFileTest, FileThatIsNeitherLoadsNothingQuietly) {
  const std::string file = path("odd.txt");
  write(file, "#kat\nhund\n");
  EXPECT_TRUE(loadWordFile(dict, file));
  write(file, "");
  EXPECT_TRUE(loadWordFile(dict, file));
  EXPECT_EQ(dict.wordCount(), 0);
  EXPECT_TRUE(ui.messages.empty());
}

// A terabyte of sparse zeros once ended the program (bad_alloc), a FIFO or
// /dev/zero kept it reading forever: each is now refused like a missing file.
TEST_F(WordFileTest, FilesWithoutAnEndAreRefusedLikeMissingOnes) {
  testing::TempFolder folder;
  for (const std::string& file : testing::unboundedFiles(folder)) {
    EXPECT_FALSE(loadWordFile(dict, file)) << file;
    EXPECT_EQ(ui.lastMessage().caption, file);
    EXPECT_EQ(ui.lastMessage().text, "Fejl i åbning af fil til load af ordbogen");
  }
  EXPECT_EQ(dict.wordCount(), 0);
}

TEST_F(WordFileTest, MissingOrUnwritableFilesAreReported) {
  const std::string missing = path("none.dic");
  EXPECT_FALSE(loadWordFile(dict, missing));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Fejl i åbning af fil til load af ordbogen");
  EXPECT_EQ(ui.messages[0].caption, missing);
  EXPECT_FALSE(loadWordFile(dict, dir.string()));  // a folder cannot be read as a file

  Random random(1);
  dict.insertWord("KAT");
  const std::string target = path("no/such/folder/x.dic");
  EXPECT_FALSE(saveDictionary(dict, target, random));
  EXPECT_EQ(ui.lastMessage().text, "Fejl i åbning af fil til save af ordbogen");
  EXPECT_EQ(ui.lastMessage().caption, target);

  const std::string blocked = path("blocked");  // the target is a folder: no file can be made
  fs::create_directories(fs::path(blocked) / "inside");
  EXPECT_FALSE(saveDictionary(dict, blocked, random));
  EXPECT_EQ(ui.lastMessage().text, "Fejl i åbning af fil til save af ordbogen");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(WordFileTest, TruncatedEncodedFileKeepsTheWholeWordsBeforeTheCut) {
  Random random(9);
  std::string bytes = "=";
  appendEncodedWord(bytes, "HUS", random);
  appendEncodedWord(bytes, "HUSENE", random);
  appendEncodedWord(bytes, "X", random);  // one character: not a word
  appendEncodedWord(bytes, std::string(150, 'B'), random);
  appendEncodedWord(bytes, "KAT", random);
  const std::string file = path("cut.dic");
  for (std::size_t cut : {bytes.size(), bytes.size() - 1, bytes.size() - 2, std::size_t{16},
                          std::size_t{9}, std::size_t{1}}) {
    WordStore loaded(1000, language, ui);
    write(file, bytes.substr(0, cut));
    ASSERT_TRUE(loadWordFile(loaded, file));
    std::set<std::string> expected;
    if (cut >= 9) expected.insert("HUS");
    if (cut >= 23) expected.insert("HUSENE");
    if (cut == bytes.size()) expected.insert("KAT");
    EXPECT_EQ(words(loaded), expected) << cut;
  }
  EXPECT_TRUE(ui.messages.empty());
}

// Whatever a file holds, loading it neither crashes nor stores a word
// outside 2..25 letters (run under the address sanitizer).
TEST_F(WordFileTest, RandomBytesNeverBreakTheLoader) {
  Random random(77);
  const std::string file = path("random.bin");
  const char starts[] = {'=', 'k', '\xE6', '#'};
  for (int round = 0; round < 200; ++round) {
    std::string bytes(static_cast<std::size_t>(random.below(3000)), '\0');
    for (char& c : bytes) {
      const int r = random.below(4);
      c = static_cast<char>(r == 0 ? random.below(256) : r == 1 ? '\n' - random.below(2) * 10
                                                     : 'a' + random.below(26));
      if (round % 2 && random.below(40) == 0) c = ' ';
    }
    if (!bytes.empty()) bytes[0] = starts[round % 4];
    write(file, bytes);
    WordStore loaded(round * 10, language, ui);
    ASSERT_TRUE(loadWordFile(loaded, file));
    Random walk(1);
    loaded.forEachWord(walk, [&](std::string_view w) {
      EXPECT_GE(w.size(), 2u);
      EXPECT_LE(w.size(), 25u);
      return true;
    });
  }
}

}  // namespace
}  // namespace vorkel
