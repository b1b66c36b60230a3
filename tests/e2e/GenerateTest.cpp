// `vorkel generate` as a user runs it: the built program on the stock
// templates, every crossword it writes checked by a checker of its own that
// shares no code with the fill engine (the grid's shape from the model's
// picture in data/models, the words from the system's Danish word list).
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

#include "CrosswordChecker.h"
#include "LanguageWords.h"
#include "VorkelProcess.h"

namespace vorkel::e2e {
namespace {

class GenerateTest : public VorkelRunTest {};

const std::unordered_set<std::string>& danishWords() { return wordsOf(languageWords("dk")); }

class StockTemplateTest : public VorkelRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(StockTemplateTest, EveryCrosswordIsAValidFillOfTheModel) {
  const int model = GetParam();
  const std::string skb = kStock + "/Model" + std::to_string(model) + ".skb";
  if (!fs::exists(skb)) GTEST_SKIP() << "no stock template " << skb;
  const std::vector<std::string> picture = modelPicture(model);
  ASSERT_FALSE(picture.empty());
  ASSERT_GT(danishWords().size(), 100000u);

  const Outcome r =
      vorkel({"generate", skb, "-n", "2", "-o", dir / "out", "--seed", "20", "--json"});
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

INSTANTIATE_TEST_SUITE_P(Models, StockTemplateTest, ::testing::Values(1, 2, 3, 4, 5, 6));

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
    EXPECT_TRUE(checkCrossword(bytes, model, danishWords()).empty()) << name << "\n" << bytes;
}

}  // namespace
}  // namespace vorkel::e2e
