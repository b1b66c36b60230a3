#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "engine/RestartPolicy.h"
#include "engine/ParameterFile.h"
#include "engine/Path.h"
#include "../platform/TempFolder.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

TEST(RestartPolicyTest, ParsesTheThreeKindsAndRefusesTheRest) {
  EXPECT_EQ(RestartPolicy::parse("none")->budget(1), 0u);
  EXPECT_EQ(RestartPolicy::parse("fixed:500")->budget(7), 500u);
  EXPECT_EQ(RestartPolicy::parse("luby:3")->text(), "luby:3");
  for (const char* bad : {"", "fixed", "fixed:", "fixed:0", "fixed:-5", "luby:1x", "geometric:2",
                          "luby:99999999999999999999"})
    EXPECT_FALSE(RestartPolicy::parse(bad).has_value()) << bad;
}

TEST(RestartPolicyTest, LubyBudgetsFollowTheSequenceAndNeverWrapToUnlimited) {
  std::vector<std::uint64_t> terms;
  for (std::uint64_t i = 1; i <= 15; ++i) terms.push_back(lubyTerm(i));
  EXPECT_EQ(terms, (std::vector<std::uint64_t>{1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8}));
  EXPECT_EQ(lubyTerm(255), 128u);
  EXPECT_EQ(RestartPolicy::parse("luby:100")->budget(7), 400u);
  // A huge unit times a large term saturates instead of wrapping to 0.
  const RestartPolicy big = *RestartPolicy::parse("luby:18446744073709551615");
  EXPECT_EQ(big.budget(3), ~std::uint64_t{0});
}

// A small template in a folder of its own: a 3 x 2 block of letter cells,
// words over the letters A to E (seed letters outside them fail at once).
class GenerateCommandTest : public ::testing::Test {
 protected:
  testing::TempFolder dir;
  std::ostringstream out;
  std::ostringstream err;

  void SetUp() override {
    std::string words;
    const std::string letters = "ABCDE";
    for (char a : letters)
      for (char b : letters) {
        words += std::string{a, b} + "\r\n";
        for (char c : letters) words += std::string{a, b, c} + "\r\n";
      }
    dir.write("words.txt", words);
    dir.write("m.ktd", "4 3\n####\n#AAA\n#AAA\n");
    ASSERT_EQ(runPathCommand({"auto", dir / "m.ktd", "-o", dir / "m.vej"}, out, err), 0)
        << err.str();
    dir.write("p.par", formatParameterFile(SearchParameters{}));
    writeTemplate("m.skb", "m.ktd");
  }

  void writeTemplate(const std::string& name, const std::string& model,
                     const std::string& extra = "") {
    dir.write(name, "[Skabelon]\r\nModel=" + model +
                        "\r\nTrie=words.txt\r\nVej=m.vej\r\nParametre=p.par\r\nDestDir=ud\r\n"
                        "Sprog=0\r\n" + extra);
  }

  int run(Args args) {
    out.str("");
    err.str("");
    return runGenerateCommand(args, out, err);
  }

  // File name -> bytes of every file in a folder.
  static std::map<std::string, std::string> contents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(folder)) {
      std::ifstream in(e.path(), std::ios::binary);
      files[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  }
  static std::multiset<std::string> bytesOnly(const std::map<std::string, std::string>& files) {
    std::multiset<std::string> set;
    for (const auto& [name, bytes] : files) set.insert(bytes);
    return set;
  }
};

TEST_F(GenerateCommandTest, SavesCountCrosswordsAndReportsThemAsJson) {
  ASSERT_EQ(run({dir / "m.skb", "-n", "4", "-o", dir / "out", "--seed", "11", "--json"}), 0)
      << err.str();
  const std::string json = out.str();
  EXPECT_NE(json.find("\"saved\": 4,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"seed\": 11,"), std::string::npos) << json;
  EXPECT_TRUE(std::regex_search(json, std::regex("\"tries\": [0-9]+, ")));
  EXPECT_TRUE(std::regex_search(json, std::regex("\"generate_seconds\": [0-9]+\\.[0-9]{3}")));
  const auto files = contents(dir / "out");
  ASSERT_EQ(files.size(), 4u);
  for (const auto& [name, bytes] : files) {
    EXPECT_NE(json.find("\"" + (dir / "out") + "/" + name + "\""), std::string::npos) << name;
    const std::regex shape("4\t3\r?\n####\r?\n#[A-E]{3}\r?\n#[A-E]{3}\r?\n");
    EXPECT_TRUE(std::regex_match(bytes, shape)) << bytes;
  }
}

TEST_F(GenerateCommandTest, LargeBackJumpsAreFailedAttemptsNotAStop) {
  // Every stop jumps back 300 when it finds no word (seed letters outside
  // A to E make sure some do): the fill then ends far below -200, which is
  // no Ctrl-C.
  Path path;
  ASSERT_TRUE(path.load(dir / "m.vej"));
  for (PathStop& stop : path.stops()) stop.backJump = 300;
  ASSERT_TRUE(path.save(dir / "m.vej"));
  ASSERT_EQ(run({dir / "m.skb", "-n", "5", "-o", dir / "out", "--seed", "2", "--fill", "path"}), 0)
      << err.str();
  EXPECT_EQ(contents(dir / "out").size(), 5u);
}

TEST_F(GenerateCommandTest, ReadsTheTemplatesNamesAgainstItsOwnFolder) {
  // Run from elsewhere, with a relative template name: the template's files
  // and its output folder "ud" are found beside it.
  fs::create_directories(dir / "elsewhere");
  testing::InFolder in(dir / "elsewhere");
  ASSERT_EQ(run({"../m.skb"}), 0) << err.str();
  EXPECT_EQ(contents(dir / "ud").size(), 1u);
  EXPECT_EQ(out.str(), dir / "ud/x4_000.003\n");
}

TEST_F(GenerateCommandTest, ASeedNamesOneSetOfCrosswordsWhateverTheJobs) {
  ASSERT_EQ(run({dir / "m.skb", "-n", "6", "-o", dir / "a", "--seed", "3"}), 0) << err.str();
  ASSERT_EQ(run({dir / "m.skb", "-n", "6", "-o", dir / "b", "--seed", "3"}), 0) << err.str();
  ASSERT_EQ(run({dir / "m.skb", "-n", "6", "-o", dir / "c", "--seed", "3", "--jobs", "3"}), 0)
      << err.str();
  ASSERT_EQ(run({dir / "m.skb", "-n", "6", "-o", dir / "d", "--seed", "4"}), 0) << err.str();
  EXPECT_EQ(contents(dir / "a"), contents(dir / "b"));
  EXPECT_EQ(bytesOnly(contents(dir / "a")), bytesOnly(contents(dir / "c")));
  EXPECT_NE(bytesOnly(contents(dir / "a")), bytesOnly(contents(dir / "d")));
}

TEST_F(GenerateCommandTest, JobsNeverOverwriteFilesAlreadyThere) {
  dir.write("out/x4_000.003", "keep");
  ASSERT_EQ(run({dir / "m.skb", "-n", "5", "-o", dir / "out", "--jobs", "2"}), 0) << err.str();
  const auto files = contents(dir / "out");
  EXPECT_EQ(files.size(), 6u);
  EXPECT_EQ(files.at("x4_000.003"), "keep");
}

TEST_F(GenerateCommandTest, FillsThatHoldAWordTwiceAreNotSaved) {
  // A path over the across slots only: the down words come from their
  // crossings, and the fill compares none of them with the others.
  dir.write("across.vej", "1 1 0 0 0\r\n1 2 0 0 0\r\n-1\r\n");
  dir.write("across.skb",
            "[Skabelon]\r\nModel=m.ktd\r\nTrie=words.txt\r\nVej=across.vej\r\n"
            "Parametre=p.par\r\n");
  ASSERT_EQ(run({dir / "across.skb", "-n", "30", "-o", dir / "out", "--seed", "1", "--json",
                 "--fill", "path"}),
            0)
      << err.str();
  // The fill itself refuses a word that a crossing completes twice, so the
  // run's own safety net rejects nothing ...
  EXPECT_TRUE(std::regex_search(out.str(), std::regex("\"rejected\": 0,"))) << out.str();
  // ... and no saved crossword holds a word twice.
  for (const auto& [name, bytes] : contents(dir / "out")) {
    std::vector<std::string> rows;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) rows.push_back(line.substr(1, 3));
    ASSERT_EQ(rows.size(), 4u);
    const std::string& r1 = rows[2];
    const std::string& r2 = rows[3];
    std::set<std::string> words{r1, r2};
    for (std::size_t x = 0; x < 3; ++x) words.insert(std::string{r1[x], r2[x]});
    EXPECT_EQ(words.size(), 5u) << bytes;
  }
}

TEST_F(GenerateCommandTest, EitherFillMakesCrosswordsAndTheJsonNamesIt) {
  for (const std::string fill : {"fast", "path"}) {
    const std::string folder = dir / ("out-" + fill);
    ASSERT_EQ(run({dir / "m.skb", "-n", "3", "-o", folder, "--seed", "2", "--json", "--fill", fill}), 0)
        << err.str();
    EXPECT_NE(out.str().find("\"fill\": \"" + fill + "\""), std::string::npos) << out.str();
    // Each fill reports its own default restart policy.
    EXPECT_NE(out.str().find(fill == "fast" ? "\"restart\": \"luby:100\""
                                                  : "\"restart\": \"luby:4000\""),
              std::string::npos)
        << out.str();
    EXPECT_TRUE(std::regex_search(out.str(), std::regex("\"generate_cpu_seconds\": [0-9]+\\.[0-9]{6}")));
    for (const auto& [name, bytes] : contents(folder)) {
      const std::regex shape("4\t3\r?\n####\r?\n#[A-E]{3}\r?\n#[A-E]{3}\r?\n");
      EXPECT_TRUE(std::regex_match(bytes, shape)) << fill << ": " << bytes;
    }
  }
  // Without --fill the fast fill runs.
  ASSERT_EQ(run({dir / "m.skb", "-o", dir / "default", "--json"}), 0) << err.str();
  EXPECT_NE(out.str().find("\"fill\": \"fast\""), std::string::npos) << out.str();
}

TEST_F(GenerateCommandTest, TheFastFillKeepsTheModelsLettersOrSaysThatNoFillExists) {
  // Letters A and B in the model, with --with-letters: every crossword
  // keeps them.
  dir.write("letters.ktd", "4 3\n####\n#AB\xDB\n#\xDB\xDB\xDB\n");
  writeTemplate("letters.skb", "letters.ktd");
  ASSERT_EQ(run({dir / "letters.skb", "-n", "3", "-o", dir / "kept", "--with-letters"}), 0)
      << err.str();
  for (const auto& [name, bytes] : contents(dir / "kept"))
    EXPECT_TRUE(std::regex_match(bytes, std::regex("4\t3\r?\n####\r?\n#AB[A-E]\r?\n#[A-E]{3}\r?\n")))
        << bytes;

  // The stock model's letters are all A: both rows read AAA, a word twice.
  // The fast fill proves that no crossword exists and says so, instead of
  // trying for ever.
  EXPECT_EQ(run({dir / "m.skb", "-o", dir / "none", "--with-letters"}), 1);
  EXPECT_NE(err.str().find("no crossword can be made of this model and its letters"),
            std::string::npos)
      << err.str();
  EXPECT_TRUE(!fs::exists(dir / "none") || contents(dir / "none").empty());

  // Words the model cannot be filled with at all.
  dir.write("few.txt", "ABC\r\nDE\r\n");
  dir.write("few.skb",
            "[Skabelon]\r\nModel=m.ktd\r\nTrie=few.txt\r\nVej=m.vej\r\nParametre=p.par\r\n");
  EXPECT_EQ(run({dir / "few.skb", "-o", dir / "none"}), 1);
  EXPECT_NE(err.str().find("no crossword can be made of this model with the words of 'few.txt'"),
            std::string::npos)
      << err.str();
}

// The "forced_words" part of a JSON report.
std::string forcedPart(const std::string& json) {
  const std::size_t at = json.find("\"forced_words\"");
  return at == std::string::npos ? std::string() : json.substr(at);
}

TEST_F(GenerateCommandTest, ForcedWordsStandInEveryCrosswordAndTheReportNamesThem) {
  dir.write("f.txt", " bad \r\n\r\n");
  ASSERT_EQ(run({dir / "m.skb", "-n", "5", "-o", dir / "a", "--seed", "1", "--json", "--forced",
                 dir / "f.txt"}),
            0)
      << err.str();
  const std::string json = out.str();
  EXPECT_EQ(forcedPart(json), "\"forced_words\": [[\"BAD\"], [\"BAD\"], [\"BAD\"], [\"BAD\"], [\"BAD\"]]}\n");
  const auto files = contents(dir / "a");
  ASSERT_EQ(files.size(), 5u);
  for (const auto& [name, bytes] : files)
    EXPECT_TRUE(std::regex_search(bytes, std::regex("\n#BAD\r"))) << bytes;

  // The same seed gives the same crosswords with more jobs.
  ASSERT_EQ(run({dir / "m.skb", "-n", "5", "-o", dir / "b", "--seed", "1", "--jobs", "3",
                 "--forced", dir / "f.txt"}),
            0)
      << err.str();
  EXPECT_EQ(bytesOnly(files), bytesOnly(contents(dir / "b")));
}

TEST_F(GenerateCommandTest, DrawnWordsFollowTheSeedAndTheirCountIsLoweredToWhatFits) {
  // Five words fit (ABCD and E have lengths no slot has); two per crossword.
  dir.write("w.txt", "ace\nbed\ncab\nde\nea\nabcd\ne\n");
  const Args draw{"--draw", "2", "--word-file", dir / "w.txt", "--json", "--seed", "9", "-n", "6"};
  Args one = draw, three = draw;
  one.insert(one.end(), {dir / "m.skb", "-o", dir / "a"});
  three.insert(three.end(), {dir / "m.skb", "-o", dir / "b", "--jobs", "3"});
  ASSERT_EQ(run(one), 0) << err.str();
  const std::string drawn = forcedPart(out.str());
  ASSERT_EQ(run(three), 0) << err.str();
  EXPECT_EQ(forcedPart(out.str()), drawn);
  EXPECT_EQ(bytesOnly(contents(dir / "a")), bytesOnly(contents(dir / "b")));
  EXPECT_TRUE(std::regex_search(drawn, std::regex("^\"forced_words\": \\[(\\[\"[A-E]+\", \"[A-E]+\"\\](, )?){6}\\]")))
      << drawn;

  // Four words that fit, six asked for: each crossword holds all four.
  dir.write("four.txt", "abc\ndea\nad\nbe\nabcd\n");
  ASSERT_EQ(run({dir / "m.skb", "-n", "2", "-o", dir / "c", "--draw", "6", "--word-file",
                 dir / "four.txt"}),
            0)
      << err.str();
  EXPECT_NE(err.str().find("only 4 words of " + (dir / "four.txt") + " fit the model; each "
                           "crossword draws 4"),
            std::string::npos)
      << err.str();
  for (const auto& [name, bytes] : contents(dir / "c"))
    EXPECT_TRUE(std::regex_match(bytes, std::regex("4\t3\r?\n####\r?\n#ABC\r?\n#DEA\r?\n"))) << bytes;
}

TEST_F(GenerateCommandTest, RefusesForcedWordsThatCanNeverStandInTheModel) {
  dir.write("long.txt", "bad\nabcd\n");
  dir.write("many.txt", "bad\ncab\nace\n");
  dir.write("empty.txt", " \r\n");
  dir.write("unfit.txt", "abcd\ne\nb-d\n");
  dir.write("crowd.txt", "ace\nbed\ncab\nde\n");
  const std::string m = dir / "m.skb";
  const std::string o = dir / "out";
  const struct {
    Args args;
    int exit;
    const char* message;
  } cases[] = {
      {{m, "-o", o, "--forced", dir / "long.txt"}, 1, "the word ABCD of"},
      {{m, "-o", o, "--forced", dir / "many.txt"}, 1, "more words of 3 letters than the model has slots for them (2)"},
      {{m, "-o", o, "--forced", dir / "empty.txt"}, 1, "no words in"},
      {{m, "-o", o, "--forced", dir / "none.txt"}, 1, "cannot read the word file"},
      {{m, "-o", o, "--draw", "2", "--word-file", dir / "unfit.txt"}, 1, "no word of"},
      {{m, "-o", o, "--draw", "1", "--word-file", dir / "empty.txt"}, 1, "no words in"},
      {{m, "-o", o, "--draw", "4", "--word-file", dir / "crowd.txt"}, 1, "room for at most 3 words"},
      {{m, "-o", o, "--draw", "2", "--word-file", dir / "long.txt", "--draw", "1"}, 0, nullptr},
      {{m, "-o", o, "--draw", "101", "--word-file", dir / "long.txt"}, 2, "--draw takes a number from 1 to 100"},
      {{m, "-o", o, "--draw", "2"}, 2, "--draw N and --word-file FILE go together"},
      {{m, "-o", o, "--word-file", dir / "long.txt"}, 2, "go together"},
      {{m, "-o", o, "--forced", dir / "long.txt", "--draw", "1", "--word-file", dir / "long.txt"}, 2, "--forced takes"},
      {{m, "-o", o, "--forced", dir / "long.txt", "--with-letters"}, 2, "do not go with --with-letters"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[3]);
    EXPECT_EQ(run(c.args), c.exit) << err.str();
    if (c.message) {
      EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
  }
}

TEST_F(GenerateCommandTest, RefusesBadArgumentsWithUsage) {
  for (const Args& args : std::vector<Args>{{},
                                            {"a.skb", "b.skb"},
                                            {"a.skb", "-n", "0"},
                                            {"a.skb", "-n"},
                                            {"a.skb", "--jobs", "0"},
                                            {"a.skb", "--seed", "-1"},
                                            {"a.skb", "--restart", "luby"},
                                            {"a.skb", "--fill", "slow"},
                                            {"a.skb", "--fill"},
                                            {"a.skb", "--fast"},
                                            {"a.skb", "--min-score", "101"},
                                            {"a.skb", "--min-score", "50", "--fill", "path"}}) {
    EXPECT_EQ(run(args), 2) << args.size();
    EXPECT_NE(err.str(), "");
  }
}

TEST_F(GenerateCommandTest, UnusableTemplatesAndFoldersFailWithAReason) {
  EXPECT_EQ(run({dir / "none.skb"}), 1);
  EXPECT_NE(err.str().find("cannot open"), std::string::npos) << err.str();

  writeTemplate("missing.skb", "gone.ktd");
  EXPECT_EQ(run({dir / "missing.skb", "-o", dir / "out"}), 1);
  EXPECT_NE(err.str().find("Model=gone.ktd"), std::string::npos) << err.str();

  // A letter cell in no word of two letters, named by column and row.
  dir.write("lonely.ktd", "4 3\n####\n#A#A\n####\n");
  writeTemplate("lonely.skb", "lonely.ktd");
  EXPECT_EQ(run({dir / "lonely.skb", "-o", dir / "out"}), 1);
  EXPECT_NE(err.str().find("cell 2,2"), std::string::npos) << err.str();

  dir.write("empty.par", "4\t// Versions nummer\r\n");
  dir.write("badpar.skb",
            "[Skabelon]\r\nModel=m.ktd\r\nTrie=words.txt\r\nVej=m.vej\r\nParametre=empty.par\r\n");
  EXPECT_EQ(run({dir / "badpar.skb", "-o", dir / "out"}), 1);
  EXPECT_NE(err.str().find("parameter file"), std::string::npos) << err.str();

  dir.write("file", "x");
  EXPECT_EQ(run({dir / "m.skb", "-o", dir / "file"}), 1);
  EXPECT_NE(err.str().find("not a folder"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(dir / "out"));
}

// Scores beside the fixture's words: a word with E scores 10, every other 90.
std::string scoresOf(const std::string& words, const std::string& leaveOut = "") {
  std::string text;
  std::istringstream lines(words);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line == leaveOut) continue;
    text += line + (line.find('E') == std::string::npos ? "\t90\n" : "\t10\n");
  }
  return text;
}

TEST_F(GenerateCommandTest, AScoreFloorKeepsEveryWordBelowItOutAndTheReportSaysHowHigh) {
  dir.write("words.score", scoresOf(dir.read("words.txt")));
  ASSERT_EQ(run({dir / "m.skb", "-n", "8", "-o", dir / "floor", "--seed", "3", "--json",
                 "--min-score", "50"}),
            0)
      << err.str();
  for (const auto& [name, bytes] : contents(dir / "floor")) {
    const std::regex shape("4\t3\r?\n####\r?\n#[A-D]{3}\r?\n#[A-D]{3}\r?\n");
    EXPECT_TRUE(std::regex_match(bytes, shape)) << bytes;
  }
  const std::string json = out.str();
  EXPECT_NE(json.find("\"word_scores\": [{\"lowest\": 90, \"mean\": 90.000}"), std::string::npos) << json;
  // Words cut at a floor meet more dead ends: the default restarts wait longer.
  EXPECT_NE(json.find("\"restart\": \"luby:300\""), std::string::npos) << json;

  // Without the floor the report gives the lowest and the mean of the
  // words as they fell: across and down, ten words of 2 and 3 letters.
  ASSERT_EQ(run({dir / "m.skb", "-n", "20", "-o", dir / "free", "--seed", "3", "--json"}), 0)
      << err.str();
  const std::regex summary("\\{\"lowest\": (10|90), \"mean\": [0-9]+\\.[0-9]{3}\\}");
  const std::string report = out.str();
  EXPECT_EQ(std::distance(std::sregex_iterator(report.begin(), report.end(), summary),
                          std::sregex_iterator()),
            20)
      << report;

  // A template's floor counts where the run names none (above every word:
  // nothing can be made); the run's floor wins over it.
  writeTemplate("floor.skb", "m.ktd", "MinScore=95\r\n");
  EXPECT_NE(run({dir / "floor.skb", "-n", "1", "-o", dir / "template-floor", "--seed", "3"}), 0);
  EXPECT_EQ(run({dir / "floor.skb", "-n", "1", "-o", dir / "run-floor", "--seed", "3",
                 "--min-score", "0"}),
            0)
      << err.str();

  // A word scored 0 is never used, floor or not.
  std::string zero = dir.read("words.score");
  for (std::size_t at = 0; (at = zero.find("\t10\n", at)) != std::string::npos;) zero.replace(at, 4, "\t0\n");
  dir.write("words.score", zero);
  ASSERT_EQ(run({dir / "m.skb", "-n", "8", "-o", dir / "zero", "--seed", "3"}), 0) << err.str();
  for (const auto& [name, bytes] : contents(dir / "zero"))
    EXPECT_TRUE(std::regex_match(bytes, std::regex("4\t3\r?\n####\r?\n#[A-D]{3}\r?\n#[A-D]{3}\r?\n"))) << bytes;

  // Every word scored 0: nothing can be made, and nothing is saved.
  for (std::size_t at = 0; (at = zero.find("\t90\n", at)) != std::string::npos;) zero.replace(at, 4, "\t0\n");
  dir.write("words.score", zero);
  EXPECT_NE(run({dir / "m.skb", "-n", "2", "-o", dir / "none", "--seed", "3", "--max-tries", "200"}), 0);
  EXPECT_TRUE(!fs::exists(dir / "none") || contents(dir / "none").empty());
}

TEST_F(GenerateCommandTest, AScoreFileThatDoesNotMatchItsDictionaryIsRefused) {
  struct Case {
    std::string scores;
    std::string says;
  } cases[] = {
      {scoresOf(dir.read("words.txt"), "ABC"), "1 words of the dictionary have no score (ABC)"},
      {scoresOf(dir.read("words.txt")) + "XY\t50\n", "1 words it scores are not in the dictionary (XY)"},
      {"AB\t50\nAB\t60\n", "line 2: the word of line 1 again"},
      {std::string("\0\xFF\x01garbage", 10), "line 1:"},
  };
  for (const Case& c : cases) {
    dir.write("words.score", c.scores);
    EXPECT_EQ(run({dir / "m.skb", "-o", dir / "bad"}), 1) << c.says;
    EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir / "bad")) << c.says;
  }
  // A floor needs a score file.
  fs::remove(dir / "words.score");
  EXPECT_EQ(run({dir / "m.skb", "-o", dir / "bad", "--min-score", "10"}), 1);
  EXPECT_NE(err.str().find("--min-score needs the score file"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace vorkel
