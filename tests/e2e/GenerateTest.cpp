// `vorkel generate` as a user runs it: the built program on the stock
// templates, every crossword it writes checked by a checker of its own that
// shares no code with the fill engine (the grid's shape from the model's
// picture in data/models, the words from the system's Danish word list).
#include <gtest/gtest.h>


#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <unordered_set>
#include <vector>

#include "../platform/TempFolder.h"
#include "RunVorkel.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;

using testing::kStock;
const std::string kWordList = "/usr/share/dict/danish";

using testing::readAll;

// --- the independent checker -------------------------------------------

// One UTF-8 word of the list as the stock dictionary holds it: upper-case
// Windows-1252 with the Danish foldings (é -> E, ü -> U, ö -> Ø, ä -> Å);
// empty for entries the stock dictionary leaves out (proper nouns, other
// characters, lengths outside 2..25).
std::string stockForm(const std::string& line) {
  std::string word;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c >= 'a' && c <= 'z') {
      word += static_cast<char>(c - 0x20);
      continue;
    }
    if (c != 0xC3 || i + 1 >= line.size()) return {};
    const auto d = static_cast<unsigned char>(line[++i]);  // U+00C0 + (d - 0x80)
    switch (d) {
      case 0xA6: word += '\xC6'; break;                                  // æ
      case 0xB8: case 0xB2: case 0xB3: case 0xB4: case 0xB5: case 0xB6:  // øòóôõö
        word += '\xD8'; break;
      case 0xA5: case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4:  // åàáâãä
        word += '\xC5'; break;
      case 0xA8: case 0xA9: case 0xAA: case 0xAB: word += 'E'; break;    // èéêë
      case 0xB9: case 0xBA: case 0xBB: case 0xBC: word += 'U'; break;    // ùúûü
      case 0xBD: word += 'Y'; break;                                     // ý
      default: return {};
    }
  }
  return word.size() >= 2 && word.size() <= 25 ? word : std::string();
}

const std::unordered_set<std::string>& danishWords() {
  static const std::unordered_set<std::string> words = [] {
    std::unordered_set<std::string> set;
    set.reserve(400000);
    std::ifstream in(kWordList);
    for (std::string line; std::getline(in, line);)
      if (std::string w = stockForm(line); !w.empty()) set.insert(w);
    return set;
  }();
  return words;
}

// A picture: "#" a clue cell, "." a letter cell.
std::vector<std::string> readPicture(const std::string& file) {
  std::ifstream in(file);
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(line);
  }
  return rows;
}

std::vector<std::string> modelPicture(int model) {
  return readPicture(VORKEL_SOURCE_DIR "/data/models/Model" + std::to_string(model) + ".txt");
}

// Every problem of one raw crossword, empty when it is a valid fill of the
// model.
std::vector<std::string> checkCrossword(const std::string& bytes,
                                        const std::vector<std::string>& model) {
  std::vector<std::string> problems;
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  const std::size_t h = model.size();
  const std::size_t w = h ? model[0].size() : 0;
  if (lines.empty() || lines[0] != std::to_string(w) + "\t" + std::to_string(h))
    return {"first line is not \"" + std::to_string(w) + "\\t" + std::to_string(h) + "\""};
  if (lines.size() != h + 1) return {"expected " + std::to_string(h) + " rows"};
  std::vector<std::string> grid(lines.begin() + 1, lines.end());
  for (std::size_t y = 0; y < h; ++y) {
    if (grid[y].size() != w) return {"row " + std::to_string(y + 1) + " is not " +
                                     std::to_string(w) + " cells"};
    for (std::size_t x = 0; x < w; ++x)
      if ((grid[y][x] == '#') != (model[y][x] == '#'))
        problems.push_back("cell " + std::to_string(x + 1) + "," + std::to_string(y + 1) +
                           " does not match the model");
  }
  // Runs of two or more letters, across then down.
  std::vector<std::string> runs;
  auto collect = [&](auto cellAt, std::size_t lineCount, std::size_t lineLength) {
    for (std::size_t a = 0; a < lineCount; ++a) {
      std::string run;
      for (std::size_t b = 0; b <= lineLength; ++b) {
        const char c = b < lineLength ? cellAt(a, b) : '#';
        if (c != '#') {
          run += c;
        } else {
          if (run.size() >= 2) runs.push_back(run);
          run.clear();
        }
      }
    }
  };
  collect([&](std::size_t y, std::size_t x) { return grid[y][x]; }, h, w);
  collect([&](std::size_t x, std::size_t y) { return grid[y][x]; }, w, h);
  std::set<std::string> seen;
  for (const std::string& run : runs) {
    if (!danishWords().count(run)) problems.push_back("not a word: " + run);
    if (!seen.insert(run).second) problems.push_back("twice: " + run);
  }
  return problems;
}

// --- running the program -------------------------------------------------

using testing::Outcome;
using testing::spawnVorkel;
using testing::waitFor;

class GenerateTest : public ::testing::Test {
 protected:
  testing::TempFolder dir;

  Outcome vorkel(const std::vector<std::string>& args) { return testing::runVorkel(args, dir.path()); }
  static std::map<std::string, std::string> files(const std::string& folder) {
    std::map<std::string, std::string> out;
    if (fs::is_directory(folder))
      for (const auto& e : fs::directory_iterator(folder))
        out[e.path().filename().string()] = readAll(e.path());
    return out;
  }
  static std::multiset<std::string> contents(const std::map<std::string, std::string>& named) {
    std::multiset<std::string> set;
    for (const auto& [name, bytes] : named) set.insert(bytes);
    return set;
  }
};

class StockTemplateTest : public GenerateTest,
                          public ::testing::WithParamInterface<std::tuple<int, const char*>> {};

TEST_P(StockTemplateTest, EveryCrosswordIsAValidFillOfTheModel) {
  const auto [model, fill] = GetParam();
  const std::string skb = kStock + "/Model" + std::to_string(model) + ".skb";
  if (!fs::exists(skb)) GTEST_SKIP() << "no stock template " << skb;
  const std::vector<std::string> picture = modelPicture(model);
  ASSERT_FALSE(picture.empty());
  ASSERT_GT(danishWords().size(), 100000u);

  const Outcome r = vorkel(
      {"generate", skb, "-n", "2", "-o", dir / "out", "--seed", "20", "--json", "--fill", fill});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("\"saved\": 2,"), std::string::npos) << r.out;
  const auto saved = files(dir / "out");
  ASSERT_EQ(saved.size(), 2u);
  for (const auto& [name, bytes] : saved) {
    EXPECT_NE(r.out.find(dir / "out" + "/" + name), std::string::npos) << name;
    const std::vector<std::string> problems = checkCrossword(bytes, picture);
    EXPECT_TRUE(problems.empty()) << name << ": " << problems.front() << "\n" << bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(Models, StockTemplateTest,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4, 5, 6),
                                            ::testing::Values("fast", "path")),
                         [](const auto& param) {
                           return "Model" + std::to_string(std::get<0>(param.param)) + "_" +
                                  std::get<1>(param.param);
                         });

// Grids of the benchmark's hard set, one of each size: Scandinavian grids
// without a frame, not made for our fill. Each is made into a model, a path
// and a template the way a user would, and filled by the default fill.
class HardGridTest : public GenerateTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HardGridTest, EveryCrosswordIsAValidFillOfTheGrid) {
  const std::string name = GetParam();
  const std::string picture = VORKEL_SOURCE_DIR "/bench/grids/" + name + ".txt";
  const std::vector<std::string> rows = readPicture(picture);
  ASSERT_FALSE(rows.empty()) << picture;
  ASSERT_EQ(vorkel({"grid", "import", picture, dir / "g.ktd"}).exitCode, 0);
  ASSERT_EQ(vorkel({"path", "auto", dir / "g.ktd", "-o", dir / "g.vej"}).exitCode, 0);
  dir.write("g.skb", "[Skabelon]\r\nModel=g.ktd\r\nTrie=" + kStock + "/dksort.dic\r\nVej=g.vej\r\n"
                     "Parametre=" + kStock + "/default.par\r\n");
  const Outcome r = vorkel({"generate", dir / "g.skb", "-n", "2", "-o", dir / "out", "--seed", "5"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto saved = files(dir / "out");
  ASSERT_EQ(saved.size(), 2u);
  for (const auto& [file, bytes] : saved) {
    const std::vector<std::string> problems = checkCrossword(bytes, rows);
    EXPECT_TRUE(problems.empty()) << file << ": " << problems.front() << "\n" << bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(Grids, HardGridTest,
                         ::testing::Values("10x10-4", "13x10-1", "10x24-4", "18x15-5", "19x25-3"),
                         [](const auto& param) {
                           std::string name = std::string("grid") + param.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// The runs of two or more letters of a raw crossword, across and down.
std::set<std::string> runsOf(const std::string& bytes) {
  std::vector<std::string> rows;
  std::istringstream in(bytes);
  std::string line;
  std::getline(in, line);  // width and height
  while (std::getline(in, line)) rows.push_back(line.substr(0, line.find('\r')));
  std::set<std::string> runs;
  std::string lines;
  for (const std::string& r : rows) lines += r + "#";
  for (std::size_t x = 0; !rows.empty() && x < rows[0].size(); ++x) {
    for (const std::string& r : rows) lines += x < r.size() ? r[x] : '#';
    lines += "#";
  }
  std::istringstream cells(lines);
  for (std::string run; std::getline(cells, run, '#');)
    if (run.size() >= 2) runs.insert(run);
  return runs;
}

// Forced words: every crossword is a valid fill (the checker above) and
// holds every forced word, given in lower case with Danish letters.
class ForcedWordsTest : public GenerateTest, public ::testing::WithParamInterface<int> {};

TEST_P(ForcedWordsTest, EveryCrosswordHoldsTheForcedWordsAndOnlyDictionaryWords) {
  const int model = GetParam();
  const std::vector<std::string> picture = modelPicture(model);
  dir.write("tvang.txt", " b\xF8ger \r\n\r\nk\xE5l\r\nhest\r\n");  // Windows-1252
  const Outcome r = vorkel({"generate", kStock + "/Model" + std::to_string(model) + ".skb", "-n",
                            "3", "-o", dir / "out", "--seed", "4", "--forced", dir / "tvang.txt"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto saved = files(dir / "out");
  ASSERT_EQ(saved.size(), 3u);
  for (const auto& [name, bytes] : saved) {
    const std::vector<std::string> problems = checkCrossword(bytes, picture);
    EXPECT_TRUE(problems.empty()) << name << ": " << problems.front() << "\n" << bytes;
    const std::set<std::string> runs = runsOf(bytes);
    for (const char* word : {"B\xD8GER", "K\xC5L", "HEST"})
      EXPECT_TRUE(runs.count(word)) << name << " lacks " << word << "\n" << bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(Models, ForcedWordsTest, ::testing::Values(1, 5));

TEST_F(GenerateTest, DrawnWordsStandInEveryCrossword) {
  const std::vector<std::string> list{"hus",  "bil",  "sol",  "m\xE5ne", "kage", "hest", "ost",
                                      "vej",  "bog",  "skib", "fisk",     "kat",  "hund", "mus"};
  std::string file;
  std::set<std::string> upper;
  for (const std::string& w : list) {
    file += w + "\n";
    std::string u = w;
    for (char& c : u) c = c == '\xE5' ? '\xC5' : static_cast<char>(c - 32);
    upper.insert(u);
  }
  dir.write("ord.txt", file);
  const Outcome r = vorkel({"generate", kStock + "/Model1.skb", "-n", "4", "-o", dir / "out",
                            "--seed", "8", "--draw", "3", "--word-file", dir / "ord.txt"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto saved = files(dir / "out");
  ASSERT_EQ(saved.size(), 4u);
  for (const auto& [name, bytes] : saved) {
    const std::vector<std::string> problems = checkCrossword(bytes, modelPicture(1));
    EXPECT_TRUE(problems.empty()) << name << ": " << problems.front() << "\n" << bytes;
    int fromTheFile = 0;
    for (const std::string& run : runsOf(bytes)) fromTheFile += static_cast<int>(upper.count(run));
    EXPECT_GE(fromTheFile, 3) << name << "\n" << bytes;
  }
}

TEST_F(GenerateTest, TheCheckerRefusesWhatIsNoCrossword) {
  const std::vector<std::string> model{"###", "#..", "#.."};
  EXPECT_TRUE(checkCrossword("3\t3\r\n###\r\n#AB\r\n#DI\r\n", model).empty());
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OG\r\n#QX\r\n", model).empty());  // no words
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OG\r\n##E\r\n", model).empty());  // shape
  EXPECT_FALSE(checkCrossword("3\t2\r\n###\r\n#OG\r\n", model).empty());
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OO\r\n#OO\r\n", model).empty());  // twice
}

TEST_F(GenerateTest, ASeedGivesTheSameBytesWithOneJobAndTheSameSetWithTwo) {
  const std::string skb = kStock + "/Model1.skb";
  for (const char* folder : {"a", "b"})
    ASSERT_EQ(vorkel({"generate", skb, "-n", "4", "-o", dir / folder, "--seed", "9"}).exitCode, 0);
  const Outcome two =
      vorkel({"generate", skb, "-n", "4", "-o", dir / "c", "--seed", "9", "--jobs", "2"});
  ASSERT_EQ(two.exitCode, 0) << two.err;
  const auto a = files(dir / "a");
  EXPECT_EQ(a.size(), 4u);
  EXPECT_EQ(a, files(dir / "b"));
  EXPECT_EQ(contents(a), contents(files(dir / "c")));
}

TEST_F(GenerateTest, UnusableTemplatesExitWithAMessage) {
  Outcome r = vorkel({"generate", dir / "nothing.skb"});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("nothing.skb"), std::string::npos) << r.err;

  dir.write("bad.skb", "[Skabelon]\nModel=" + kStock + "/Model1.ktd\nTrie=" + kStock +
                           "/dksort.dic\nVej=missing.vej\n");
  r = vorkel({"generate", dir / "bad.skb", "-o", dir / "out"});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("missing.vej"), std::string::npos) << r.err;
  EXPECT_TRUE(files(dir / "out").empty());
}

TEST_F(GenerateTest, CtrlCStopsTheRunAndLeavesOnlyWholeFiles) {
  const std::vector<std::string> model = modelPicture(1);
  const pid_t pid = spawnVorkel({"generate", kStock + "/Model1.skb", "-n", "100000", "-o",
                                 dir / "out", "--jobs", "2"},
                                dir / "stdout", dir / "stderr");
  ASSERT_GT(pid, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (files(dir / "out").size() < 3 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ::kill(pid, SIGINT);
  EXPECT_EQ(waitFor(pid), 130) << dir.read("stderr");
  const auto saved = files(dir / "out");
  EXPECT_GE(saved.size(), 3u);
  // What stdout lists is exactly what is in the folder, each one whole.
  std::istringstream listed(dir.read("stdout"));
  std::size_t lines = 0;
  for (std::string line; std::getline(listed, line); ++lines)
    EXPECT_TRUE(saved.count(fs::path(line).filename().string())) << line;
  EXPECT_EQ(lines, saved.size());
  for (const auto& [name, bytes] : saved)
    EXPECT_TRUE(checkCrossword(bytes, model).empty()) << name << "\n" << bytes;
}

}  // namespace
}  // namespace vorkel
