// The stock word scores as the build makes them and `vorkel generate` uses
// them: a scoring whose sources are missing stops with a message, the tiers
// hold what the README promises, and a floor keeps every lower word out of
// the crosswords of the stock models. The score files are read here on
// their own terms (word, tab, score), not by the system's reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_set>

#include "CrosswordChecker.h"
#include "VorkelProcess.h"
#include "platform/Cp1252.h"

namespace vorkel::e2e {
namespace {

const std::string kData = VORKEL_SOURCE_DIR "/data";
const std::string kDic = VORKEL_BINARY_DIR "/Dic";

// word (UTF-8, upper case) -> score.
std::map<std::string, int> readScores(const std::string& file) {
  std::map<std::string, int> scores;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) scores[line.substr(0, tab)] = std::stoi(line.substr(tab + 1));
  }
  return scores;
}

std::string upper(std::string utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 'a' && c <= 'z') out += static_cast<char>(c - 32);
    else if (c == 0xC3 && i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0xA0) {
      out += static_cast<char>(c);
      out += static_cast<char>(utf8[++i] - 0x20);  // à..þ -> À..Þ
    } else out += static_cast<char>(c);
  }
  return out;
}

struct ScriptRun {
  int exitCode;
  std::string err;
};

class WordScoresTest : public VorkelRunTest {
 protected:
  // make-word-scores.sh with the given sources; OUT in the test's folder.
  ScriptRun score(const std::vector<std::string>& sources) {
    std::string command = "sh '" + kData + "/make-word-scores.sh'";
    for (const std::string& s : sources) command += " '" + s + "'";
    command += " '" + dir / "scores.txt" + "' 2> '" + dir / "script.err" + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(dir / "script.err")};
  }
};

TEST_F(WordScoresTest, AScoringWhoseSourcesAreMissingStopsAndSaysWhich) {
  const std::vector<std::string> sources{"/usr/share/dict/danish", "/usr/share/hunspell/da_DK.dic",
                                         "/usr/share/mythes/th_da_DK.dat",
                                         "/usr/share/dictd/freedict-dan-eng.index",
                                         "/usr/share/tesseract-ocr/5/tessdata/dan.traineddata",
                                         kData + "/offensive-da.txt"};
  for (const std::string& s : sources)
    if (!fs::exists(s)) GTEST_SKIP() << "no " << s << " (scripts/install-deps.sh installs it)";
  const char* packages[] = {"wdanish",         "myspell-da",        "mythes-da",
                            "dict-freedict-dan-eng", "tesseract-ocr-dan", "the source tree"};
  for (std::size_t k = 0; k < sources.size(); ++k) {
    std::vector<std::string> some = sources;
    some[k] = dir / "not-there";
    const ScriptRun r = score(some);
    EXPECT_EQ(r.exitCode, 1) << k;
    EXPECT_NE(r.err.find("not-there is missing or empty (from " + std::string(packages[k])),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(dir / "scores.txt")) << k;
  }
  // A thesaurus that is there but holds next to nothing.
  dir.write("thin.dat", "utf-8\nkat|1\n(sb.)|mis\n");
  std::vector<std::string> thin = sources;
  thin[2] = dir / "thin.dat";
  const ScriptRun r = score(thin);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("thin.dat gives only 2 words"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "scores.txt"));
  // An OCR model that is no model.
  dir.write("fake.traineddata", std::string(4096, 'x'));
  std::vector<std::string> fake = sources;
  fake[4] = dir / "fake.traineddata";
  const ScriptRun f = score(fake);
  EXPECT_EQ(f.exitCode, 1);
  EXPECT_NE(f.err.find("no word list could be taken out of"), std::string::npos) << f.err;
  EXPECT_FALSE(fs::exists(dir / "scores.txt"));
}

TEST_F(WordScoresTest, TheStockTiersHoldWhatTheyPromise) {
  if (!fs::exists(kDic + "/SVsmall.score")) GTEST_SKIP() << "no stock dictionaries built";
  const std::map<std::string, int> all = readScores(kDic + "/SVbyg.score");
  const std::map<std::string, int> small = readScores(kDic + "/SVsmall.score");
  ASSERT_GT(all.size(), 200000u);
  ASSERT_GT(small.size(), 20000u);

  // The small tier is exactly the words of the full list scored 50 or more.
  std::size_t good = 0;
  for (const auto& [word, score] : all) good += score >= 50;
  EXPECT_EQ(small.size(), good);
  for (const auto& [word, score] : small) {
    EXPECT_GE(score, 50) << word;
    EXPECT_EQ(all.count(word), 1u) << word;
  }

  // Every word of the reviewed list scores 0 and stays out of the small tier.
  std::ifstream list(kData + "/offensive-da.txt");
  int offensive = 0;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::string word = upper(line);
    ++offensive;
    if (all.count(word)) {
      EXPECT_EQ(all.at(word), 0) << word;
    }
    EXPECT_EQ(small.count(word), 0u) << word;
  }
  EXPECT_GT(offensive, 20);

  // A word without a vowel is an abbreviation ("CM", "TV"): scored 0.
  const auto hasVowel = [](const std::string& w) {
    for (const char* v : {"A", "E", "I", "O", "U", "Y", "Æ", "Ø", "Å", "É"})
      if (w.find(v) != std::string::npos) return true;
    return false;
  };
  for (const auto& [word, score] : all)
    if (!hasVowel(word)) {
      EXPECT_EQ(score, 0) << word;
    }

  // Genitives and imperatives a Danish editor sends back, and words he keeps.
  for (const char* word : {"AKSELS", "BABYS", "ETATS", "LÅRS", "BELØN", "DVÆL", "HÆDR", "UDLAD",
                           "GLINS", "TIG", "RØVENS"}) {
    ASSERT_EQ(all.count(word), 1u) << word;
    EXPECT_LE(all.at(word), 5) << word;
    EXPECT_EQ(small.count(word), 0u) << word;
  }
  for (const char* word : {"HUS", "KAT", "BIL", "ELG", "ÅL", "HOP", "LØB", "SPISE"})
    EXPECT_EQ(small.count(word), 1u) << word;
  // Words of the thesaurus no one writes leave the tier, everyday forms it
  // lacks come in, and a word all the dictionaries know stays.
  for (const char* word : {"AGAR", "EVERT", "ETA", "RAG"}) EXPECT_EQ(small.count(word), 0u) << word;
  for (const char* word : {"EJERE", "KODER", "STRUBE", "ORDSPIL"})
    EXPECT_EQ(small.count(word), 1u) << word;
}

// A run uses no word below its floor: the one it is given, or, given none,
// the quality tier's (50).
TEST_F(WordScoresTest, AFloorKeepsEveryLowerWordOutOfTheStockModels) {
  if (!fs::exists(kStock + "/dksort.score")) GTEST_SKIP() << "no stock score file";
  const auto scores = readScores(kStock + "/dksort.score");
  for (const int floor : {60, 50})
  for (const int model : {1, 4}) {
    std::unordered_set<std::string> allowed;
    for (const auto& [word, score] : scores)
      if (score >= floor) allowed.insert(*utf8ToCp1252(word));
    const std::string out = dir / ("out" + std::to_string(floor) + "-" + std::to_string(model));
    std::vector<std::string> args = {"generate", kStock + "/Model" + std::to_string(model) + ".skb", "-n", "3",
                 "-o",       out,  "--seed", "5", "--json"};
    if (floor != 50) args.insert(args.end(), {"--min-score", std::to_string(floor)});
    const Outcome r = vorkel(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"word_scores\": [{\"lowest\": "), std::string::npos) << r.out;
    const auto saved = files(out);
    ASSERT_EQ(saved.size(), 3u);
    for (const auto& [name, bytes] : saved) {
      const std::vector<std::string> problems = checkCrossword(bytes, modelPicture(model), allowed);
      EXPECT_TRUE(problems.empty()) << name << ": " << problems.front();
    }
  }
}

TEST_F(WordScoresTest, EnglishScoresComeFromTheSizesOfTheWordLists) {
  const std::string core = "/usr/share/dict/british-english-small";
  if (!fs::exists(kStock + "/ensort.score") || !fs::exists(core)) GTEST_SKIP() << "no English scores";
  // The script stops on a missing source and writes nothing.
  const std::string command = "sh '" + kData + "/make-size-scores.sh' /usr/share/dict/british-english '" +
                              dir / "none" + "' /usr/share/tesseract-ocr/5/tessdata/eng.traineddata '" +
                              kData + "/offensive-en.txt' '" + dir / "en.txt" +
                              "' 2> '" + dir / "err" + "'";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
  EXPECT_NE(readAll(dir / "err").find("none is missing or empty"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "en.txt"));

  // A floor of 80 keeps every word of the crosswords among the common ones.
  std::unordered_set<std::string> common;
  std::ifstream in(core);
  for (std::string line; std::getline(in, line);) common.insert(*utf8ToCp1252(upper(line)));
  const std::string out = dir / "en";
  const Outcome r = vorkel({"generate", kStock + "/Model1-en.skb", "-n", "3", "-o", out, "--seed", "4",
                            "--min-score", "80"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto saved = files(out);
  ASSERT_EQ(saved.size(), 3u);
  for (const auto& [name, bytes] : saved) {
    const std::vector<std::string> problems = checkCrossword(bytes, modelPicture(1), common);
    EXPECT_TRUE(problems.empty()) << name << ": " << problems.front();
  }
  // Offensive words score 0.
  const std::map<std::string, int> scores = readScores(kStock + "/ensort.score");
  for (const char* word : {"FUCK", "SHITS", "WHORES", "CUNT"})
    if (scores.count(word)) {
      EXPECT_EQ(scores.at(word), 0) << word;
    }
  EXPECT_EQ(scores.at("CAT"), 80);
  // A word of the common list that no one writes is not common.
  for (const char* rare : {"FEATHERIEST", "SAFARIING", "GAOLING"})
    if (scores.count(rare)) {
      EXPECT_EQ(scores.at(rare), 40) << rare;
    }
  // Roman numerals score 0; the words among them do not.
  for (const char* numeral : {"II", "LII", "XXIV", "CLIX"})
    if (scores.count(numeral)) {
      EXPECT_EQ(scores.at(numeral), 0) << numeral;
    }
  EXPECT_EQ(scores.at("MIX"), 80);
  if (scores.count("CIVIC")) {
    EXPECT_GT(scores.at("CIVIC"), 0);
  }
}

}  // namespace
}  // namespace vorkel::e2e
