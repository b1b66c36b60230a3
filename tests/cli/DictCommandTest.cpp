#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "platform/Cp1252.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

class DictCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("vorkel-dictcmd-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string path(const char* name) const { return (dir / name).string(); }
  void write(const std::string& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  int run(Args args) {
    out.str("");
    err.str("");
    return runDictCommand(args, out, err);
  }
  std::set<std::string> searchAll(const std::string& file, const std::string& pattern) {
    EXPECT_EQ(run({"search", pattern, file}), 0) << err.str();
    std::set<std::string> words;
    std::istringstream lines(out.str());
    for (std::string w; std::getline(lines, w);) words.insert(w);
    return words;
  }

  fs::path dir;
  std::ostringstream out, err;
};

TEST_F(DictCommandTest, ImportOfDistinctValidWordsStoresThemAll) {
  // Windows-1252 words, some differing only in Danish letters, mixed case.
  std::string list;
  int n = 0;
  for (const char* w : {"kat", "k\xE5t", "K\xC6R", "\xF8re", "\xE5le", "blomsterbed",
                        "abcdefghijklmnopqrstuvwxy", "Hus"}) {
    list += std::string(w) + "\r\n";
    ++n;
  }
  const std::string listFile = path("list.txt");
  const std::string dic = path("out.dic");
  write(listFile, list);
  ASSERT_EQ(run({"import", listFile, dic, "--encoding", "cp1252", "--seed", "3"}), 0) << err.str();
  EXPECT_NE(err.str().find(std::to_string(n) + " lines read, " + std::to_string(n) +
                           " words stored, 0 skipped"),
            std::string::npos)
      << err.str();

  ASSERT_EQ(run({"stats", dic}), 0);
  EXPECT_NE(out.str().find("IALT:  Ord : " + std::to_string(n) + " "), std::string::npos);
  EXPECT_EQ(searchAll(dic, "k.t"), (std::set<std::string>{"KAT", "KÅT"}));
  EXPECT_TRUE(searchAll(dic, "....").empty());
  EXPECT_EQ(searchAll(dic, "..."), (std::set<std::string>{"KAT", "KÅT", "KÆR", "ØRE", "ÅLE", "HUS"}));
  // The whole folder holds the list and the dictionary, no temporary file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(DictCommandTest, StockImportCountsEveryReasonForSkipping) {
  const std::string listFile = path("danish.txt");
  const std::string dic = path("stock.dic");
  write(listFile,
        "abe\n"         // stored
        "Aalborg\n"     // upper case: proper noun
        "A-aktie\n"     // upper case
        "abe's\n"       // not letters
        "to ord\n"      // not letters (a blank)
        "\xE6\x62le\n"  // not UTF-8
        "x\n"           // one letter
        "\n"            // empty
        "bl\xC3\xA5\x62\xC3\xA6r\n"  // blåbær, stored
        "id\xC3\xA9\n"  // idé: stored
        "ide\n"         // folds onto idé: duplicate
        "abe");         // duplicate, last line without a line end
  ASSERT_EQ(run({"import", listFile, dic, "--stock", "--seed", "1", "--encoding", "utf-8"}), 0)
      << err.str();
  const std::string report = err.str();
  EXPECT_NE(report.find("12 lines read, 3 words stored, 9 skipped"), std::string::npos) << report;
  EXPECT_NE(report.find("  1 not convertible from UTF-8"), std::string::npos) << report;
  EXPECT_NE(report.find("  2 with upper case"), std::string::npos) << report;
  EXPECT_NE(report.find("  2 with characters that are no letters"), std::string::npos) << report;
  EXPECT_NE(report.find("  2 empty, one letter"), std::string::npos) << report;
  EXPECT_NE(report.find("  2 already stored"), std::string::npos) << report;
  EXPECT_EQ(searchAll(dic, "......"), (std::set<std::string>{"BLÅBÆR"}));
  EXPECT_EQ(searchAll(dic, "..."), (std::set<std::string>{"ABE", "IDE"}));
}

TEST_F(DictCommandTest, StockImportsInOtherLanguagesKeepTheirLettersAndShowThemInUtf8) {
  // German, as wngerman writes it: nouns capitalised.
  const std::string german = path("ngerman");
  write(german,
        "Stra\xC3\x9F" "e\n"      // Straße: a noun, stored
        "gr\xC3\xBC\xC3\x9F" "en\n"  // grüßen: stored
        "Caf\xC3\xA9\n"           // Café: É folds onto E
        "GmbH\n"                   // an abbreviation
        "p\xC3\xA2t\xC3\xA9\n");    // pâté: no German letter Â
  ASSERT_EQ(run({"import", german, path("de.dic"), "--language", "2", "--stock", "--capitalised",
                 "--seed", "1"}),
            0)
      << err.str();
  EXPECT_NE(err.str().find("5 lines read, 3 words stored"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("  1 with upper case"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("  1 with characters that are no letters"), std::string::npos);
  EXPECT_EQ(run({"search", "stra.e", path("de.dic"), "--language", "2"}), 0);
  EXPECT_EQ(out.str(), "STRAßE\n");
  EXPECT_EQ(searchAll(path("de.dic"), "....").size(), 1u);  // CAFE, read under Danish

  // Norwegian on the Danish tables, from an ISO-8859-1 list: fôr would read
  // as FØR, a word of its own, so it is left out.
  const std::string norwegian = path("bokmaal");
  write(norwegian, "bl\xE5" "b\xE6r\nf\xF4r\nf\xF8r\n");
  ASSERT_EQ(run({"import", norwegian, path("no.dic"), "--language", "4", "--encoding", "cp1252",
                 "--stock", "--seed", "1"}),
            0);
  EXPECT_NE(err.str().find("3 lines read, 2 words stored"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("  1 with a letter the language reads as another letter"),
            std::string::npos)
      << err.str();

  // Icelandic: Þ, Ð and Á in the pattern and in the words found.
  const std::string icelandic = path("is.txt");
  write(icelandic, "\xC3\xBE\xC3\xA1\n\xC3\xB0\xC3\xBA\n\xC3\xA1s\n");  // þá ðú ás
  ASSERT_EQ(run({"import", icelandic, path("is.dic"), "--language", "5", "--stock"}), 0);
  EXPECT_EQ(run({"search", "\xC3\xBE.", path("is.dic"), "--language", "5"}), 0);
  EXPECT_EQ(out.str(), "ÞÁ\n");
  ASSERT_EQ(run({"search", "..", path("is.dic"), "--language", "5"}), 0);
  std::multiset<std::string> all;
  std::istringstream lines(out.str());
  for (std::string w; std::getline(lines, w);) all.insert(w);
  EXPECT_EQ(all, (std::multiset<std::string>{"ÁS", "ÐÚ", "ÞÁ"}));
}

TEST_F(DictCommandTest, SameSeedGivesTheSameFile) {
  const std::string listFile = path("l.txt");
  write(listFile, "kat\nhund\nmus\n");
  ASSERT_EQ(run({"import", listFile, path("a.dic"), "--seed", "42"}), 0);
  ASSERT_EQ(run({"import", listFile, path("b.dic"), "--seed", "42"}), 0);
  std::ifstream a(path("a.dic"), std::ios::binary), b(path("b.dic"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
            std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(DictCommandTest, ErrorsGoToStderrWithANonZeroExit) {
  const std::string listFile = path("l.txt");
  write(listFile, "kat\n");
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"frobnicate"}), 2);
  EXPECT_NE(err.str().find("unknown command"), std::string::npos);
  EXPECT_EQ(run({"import", listFile}), 2);
  EXPECT_EQ(run({"import", listFile, path("o.dic"), "--encoding", "latin9"}), 2);
  EXPECT_EQ(run({"import", listFile, path("o.dic"), "--seed"}), 2);
  EXPECT_EQ(run({"import", listFile, path("o.dic"), "--capitalised"}), 2);
  EXPECT_EQ(run({"stats", path("l.txt"), "--plan", "-5"}), 2);
  EXPECT_EQ(run({"search", "k", listFile}), 2);
  EXPECT_EQ(run({"search", "k\xE2\x82", listFile}), 2);  // broken UTF-8

  EXPECT_EQ(run({"import", path("missing.txt"), path("o.dic")}), 1);
  EXPECT_NE(err.str().find("missing.txt"), std::string::npos);
  EXPECT_EQ(run({"stats", path("missing.dic")}), 1);
  EXPECT_NE(err.str().find("no such file"), std::string::npos);

  // An output that cannot be written leaves nothing behind.
  EXPECT_EQ(run({"import", listFile, path("no/folder/o.dic")}), 1);
  EXPECT_NE(err.str().find("Fejl i åbning af fil til save af ordbogen"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(DictCommandTest, StatsOfAWordListAndOfAFileOfNoKind) {
  const std::string listFile = path("l.txt");
  write(listFile, "kat\nhund\n");
  ASSERT_EQ(run({"stats", listFile, "--plan", "1000"}), 0);
  EXPECT_EQ(out.str().substr(0, 50), "02: 00000 (00400/0050)  |  03: 00001 (00010/0100)\n");
  EXPECT_NE(out.str().find("IALT:  Ord : 2 "), std::string::npos);
  // A file of no kind holds no words: refused, not counted as empty.
  write(listFile, "-kat\n");
  ASSERT_EQ(run({"stats", listFile}), 1);
  EXPECT_NE(err.str().find("this one with '-'"), std::string::npos) << err.str();
}

TEST_F(DictCommandTest, ImportCarriesScoresAlongAndExportGivesThemBack) {
  // A UTF-8 list with an entry --stock leaves out (upper case) and two
  // spellings of one word; its scores cover the list.
  write(path("list.txt"), "kat\nKO\narm\xC3\xA9\narme\nhund\nh\xC3\xB8ne\n");
  write(path("scores.txt"), "kat\t40\nKO\t99\narm\xC3\xA9\t70\narme\t20\nhund\t90\nh\xC3\xB8ne\t60\n");
  ASSERT_EQ(run({"import", path("list.txt"), path("all.dic"), "--encoding", "utf-8", "--stock",
                 "--scores", path("scores.txt")}),
            0)
      << err.str();
  std::ifstream in(path("all.score"), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(written, "ARME\t20\nHUND\t90\nH\xC3\x98NE\t60\nKAT\t40\n");
  ASSERT_EQ(run({"export", path("all.dic"), "--with-scores"}), 0) << err.str();
  EXPECT_EQ(out.str(), "ARME\t20\nHUND\t90\nH\xC3\x98NE\t60\nKAT\t40\n");

  // A floor keeps the words at it and above, and their scores.
  ASSERT_EQ(run({"import", path("list.txt"), path("small.dic"), "--encoding", "utf-8", "--stock",
                 "--scores", path("scores.txt"), "--min-score", "60"}),
            0)
      << err.str();
  EXPECT_NE(err.str().find("3 scored below --min-score"), std::string::npos) << err.str();
  ASSERT_EQ(run({"export", path("small.dic"), "--with-scores"}), 0) << err.str();
  EXPECT_EQ(out.str(), "HUND\t90\nH\xC3\x98NE\t60\n");

  // A word of the list without a score: nothing is written.
  write(path("scores.txt"), "kat\t40\nhund\t90\n");
  EXPECT_EQ(run({"import", path("list.txt"), path("none.dic"), "--encoding", "utf-8", "--stock",
                 "--scores", path("scores.txt")}),
            1);
  EXPECT_NE(err.str().find("3 entries of the list have no score"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(path("none.dic")));
  EXPECT_FALSE(fs::exists(path("none.score")));

  // An export with scores needs a score file that matches.
  write(path("all.score"), "KAT\t40\n");
  EXPECT_EQ(run({"export", path("all.dic"), "--with-scores"}), 1);
  EXPECT_NE(err.str().find("all.score does not match its dictionary"), std::string::npos) << err.str();
  EXPECT_EQ(run({"export", path("none.dic"), "--with-scores"}), 1);
  EXPECT_EQ(run({"import", path("list.txt"), path("x.dic"), "--min-score", "5"}), 2);
  EXPECT_EQ(run({"export", path("all.dic"), "--scores", path("scores.txt")}), 2);
}

}  // namespace
}  // namespace vorkel
