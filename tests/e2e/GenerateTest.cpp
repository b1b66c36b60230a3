// `vorkel generate` as a user runs it: the built program on the stock
// templates, every crossword it writes checked by a checker of its own that
// shares no code with the fill engine (the grid's shape from the model's
// picture in data/models, the words from the system's Danish word list).
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>
#include <tuple>

#include "CrosswordChecker.h"
#include "LanguageWords.h"
#include "VorkelProcess.h"

namespace vorkel::e2e {
namespace {

const std::unordered_set<std::string>& danishWords() { return wordsOf(languageWords("dk")); }

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

class GenerateTest : public VorkelRunTest {};

class StockTemplateTest : public VorkelRunTest,
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
    const std::vector<std::string> problems = checkCrossword(bytes, picture, danishWords());
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
    const std::vector<std::string> problems = checkCrossword(bytes, rows, danishWords());
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
    const std::vector<std::string> problems = checkCrossword(bytes, picture, danishWords());
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
    const std::vector<std::string> problems = checkCrossword(bytes, modelPicture(1), danishWords());
    EXPECT_TRUE(problems.empty()) << name << ": " << problems.front() << "\n" << bytes;
    int fromTheFile = 0;
    for (const std::string& run : runsOf(bytes)) fromTheFile += static_cast<int>(upper.count(run));
    EXPECT_GE(fromTheFile, 3) << name << "\n" << bytes;
  }
}

TEST_F(GenerateTest, TheCheckerRefusesWhatIsNoCrossword) {
  const std::vector<std::string> model{"###", "#..", "#.."};
  EXPECT_TRUE(checkCrossword("3\t3\r\n###\r\n#AB\r\n#DI\r\n", model, danishWords()).empty());
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OG\r\n#QX\r\n", model, danishWords()).empty());  // no words
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OG\r\n##E\r\n", model, danishWords()).empty());  // shape
  EXPECT_FALSE(checkCrossword("3\t2\r\n###\r\n#OG\r\n", model, danishWords()).empty());
  EXPECT_FALSE(checkCrossword("3\t3\r\n###\r\n#OO\r\n#OO\r\n", model, danishWords()).empty());  // twice
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

// Ctrl-C ends the run with every crossword made saved and listed, whether
// the jobs run on threads of their own or the one job on the main thread; a
// kill at any moment leaves only whole crosswords under their names, and no
// temporary files.
TEST_F(GenerateTest, CtrlCOrAKillLeavesOnlyWholeFiles) {
  const std::vector<std::string> model = modelPicture(1);
  for (const auto& [signal, jobs] : {std::pair{SIGINT, "2"}, {SIGKILL, "2"}, {SIGINT, "1"}}) {
    const std::string out = dir / ("out" + std::to_string(signal) + "-" + jobs);
    const pid_t pid = spawnVorkel({"generate", kStock + "/Model1.skb", "-n", "100000", "-o", out,
                                   "--jobs", jobs},
                                  dir / "stdout", dir / "stderr");
    ASSERT_GT(pid, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (files(out).size() < 3 && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(pid, signal);
    const int status = waitFor(pid);
    const auto saved = files(out);
    EXPECT_GE(saved.size(), 3u);
    for (const auto& [name, bytes] : saved)
      EXPECT_TRUE(checkCrossword(bytes, model, danishWords()).empty()) << name << "\n" << bytes;
    for (const auto& entry : fs::directory_iterator(out))
      EXPECT_NE(entry.path().filename().string()[0], '.') << "left behind: " << entry.path();
    if (signal == SIGKILL) continue;
    EXPECT_EQ(status, 130) << dir.read("stderr");
    // What stdout lists is exactly what is in the folder.
    std::istringstream listed(dir.read("stdout"));
    std::size_t lines = 0;
    for (std::string line; std::getline(listed, line); ++lines)
      EXPECT_TRUE(saved.count(fs::path(line).filename().string())) << line;
    EXPECT_EQ(lines, saved.size());
  }
}

// The word index a run keeps beside the dictionary: made by the first run
// (two at once agree), used by the next, made again when the dictionary
// changes or the index is damaged.
TEST_F(GenerateTest, TheKeptWordIndexIsRebuiltWhenItsDictionaryChangesOrItIsDamaged) {
  for (const char* name : {"dksort.dic", "dksort.score", "Model1.ktd", "Model1.vej", "default.par"})
    fs::copy_file(fs::path(kStock) / name, fs::path(dir.path()) / name);
  dir.write("m.skb", "[Skabelon]\nModel=Model1.ktd\nTrie=dksort.dic\nVej=Model1.vej\n"
                     "Parametre=default.par\nMinScore=50\n");
  const std::string index = dir / "dksort.dic.50.index";
  const auto generate = [&](const std::string& out) {
    return spawnVorkel({"generate", dir / "m.skb", "-n", "2", "-o", dir / out}, dir / (out + ".out"),
                       dir / (out + ".err"));
  };
  const pid_t a = generate("a"), b = generate("b");
  ASSERT_EQ(waitFor(a), 0) << dir.read("a.err");
  ASSERT_EQ(waitFor(b), 0) << dir.read("b.err");
  ASSERT_TRUE(fs::exists(index));
  const std::string made = dir.read("dksort.dic.50.index");
  const auto madeAt = fs::last_write_time(index);

  ASSERT_EQ(waitFor(generate("c")), 0);
  EXPECT_EQ(fs::last_write_time(index), madeAt) << "a sound index is used, not made again";
  const Outcome byHand = vorkel({"dict", "index", dir / "dksort.dic", "--min-score", "50"});
  EXPECT_EQ(byHand.out, index + ": up to date\n") << byHand.err;

  const auto touch = [](const std::string& path) {
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5));
  };
  touch(dir / "dksort.dic");
  ASSERT_EQ(waitFor(generate("d")), 0) << dir.read("d.err");
  EXPECT_NE(dir.read("dksort.dic.50.index"), made) << "made again for the changed dictionary";

  // A run checks the lengths its grid has (Model1's start at 2, whose part
  // comes first, just after the header); making the index by hand checks
  // them all.
  const std::string sound = dir.read("dksort.dic.50.index");
  for (const std::size_t at : {std::size_t{400}, sound.size() / 2}) {
    std::string damaged = sound;
    damaged[at] ^= 0x10;
    dir.write("dksort.dic.50.index", damaged);
    const std::string out = "e" + std::to_string(at);
    ASSERT_EQ(waitFor(generate(out)), 0) << dir.read(out + ".err");
    EXPECT_EQ(files(dir / out).size(), 2u);
    if (at == 400) EXPECT_EQ(dir.read("dksort.dic.50.index"), sound) << "made again";
    const Outcome check = vorkel({"dict", "index", dir / "dksort.dic", "--min-score", "50"});
    EXPECT_EQ(dir.read("dksort.dic.50.index"), sound) << check.out;
  }
}

}  // namespace
}  // namespace vorkel::e2e
