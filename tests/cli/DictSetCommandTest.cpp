#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"
#include "cli/Commands.h"
#include "dictionary/Language.h"
#include "dictionary/WordFile.h"

namespace vorkel {
namespace {

using Set = std::set<std::string>;

// Upper case of the letters the generated words use, written here on its own
// so that the reference shares nothing with the dictionary.
std::string upper(std::string w) {
  for (char& c : w)
    if (const auto b = static_cast<unsigned char>(c); (b >= 'a' && b <= 'z') || b >= 0xE5)
      c = static_cast<char>(b - 0x20);
  return w;
}

class DictSetCommandTest : public ::testing::Test {
 protected:
  int run(Args args) {
    out.str("");
    err.str("");
    return runDictCommand(args, out, err);
  }
  // `n` words of 2..8 letters from a small alphabet with æ, ø and å, some
  // in upper case, written as a Windows-1252 list; `reference` gets them
  // normalised.
  std::string generate(const char* name, int n, Set& reference) {
    static const std::string letters = "aeiknrst\xE6\xF8\xE5";
    std::string bytes;
    for (int i = 0; i < n; ++i) {
      std::string w(2 + rng() % 7, ' ');
      for (char& c : w) c = letters[rng() % letters.size()];
      reference.insert(upper(w));
      bytes += (rng() % 3 == 0 ? upper(w) : w) + "\r\n";
    }
    return tmp.write(name, bytes);
  }
  Set readDic(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(path, bytes) && bytes[0] == '=');
    Set s;
    forEachFileWord(bytes, Language(), [&](std::string_view w) { return s.emplace(w).second; });
    return s;
  }

  testing::TempFolder tmp;
  std::mt19937 rng{2024};
  std::ostringstream out, err;
};

TEST_F(DictSetCommandTest, SetOperationsMatchAnIndependentReference) {
  Set a, b, all, both, onlyA;
  const std::string base = generate("base.txt", 20000, a);
  const std::string file = generate("file.TXT", 15000, b);
  all = a;
  all.insert(b.begin(), b.end());
  for (const auto& w : a) (b.count(w) ? both : onlyA).insert(w);
  ASSERT_GT(both.size(), 1000u);
  ASSERT_GT(onlyA.size(), 1000u);

  testing::InFolder here(tmp.path());  // the join must not leave "bygtmp.dic" here
  ASSERT_EQ(run({"union", base, file, "-o", tmp / "u.dic", "--seed", "1"}), 0) << err.str();
  EXPECT_EQ(readDic(tmp / "u.dic"), all);
  ASSERT_EQ(run({"sub", base, file, "-o", tmp / "s.dic"}), 0) << err.str();
  EXPECT_EQ(readDic(tmp / "s.dic"), onlyA);
  ASSERT_EQ(run({"join", base, file, "-o", tmp / "j.DIC"}), 0) << err.str();
  EXPECT_EQ(readDic(tmp / "j.DIC"), both);
  // Encoded files as either operand: (A ∪ B) \ (A \ B) = B.
  ASSERT_EQ(run({"sub", tmp / "u.dic", tmp / "s.dic", "-o", tmp / "b.dic"}), 0) << err.str();
  EXPECT_EQ(readDic(tmp / "b.dic"), b);
  // Inputs and results: no temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 6);
}

TEST_F(DictSetCommandTest, TestAnswersInItsExitStatusAndFailuresEndNonZero) {
  const std::string base = tmp.write("base.txt", "k\xE5l\r\nhus\r\n");
  EXPECT_EQ(run({"test", "KÅL", base}), 0);
  EXPECT_EQ(out.str(), "Ordet er der\n");
  EXPECT_EQ(run({"test", "kat", base}), 1);
  EXPECT_EQ(out.str(), "Ordet mangler\n");
  EXPECT_EQ(run({"test", "kat", tmp / "none.txt"}), 2);
  EXPECT_NE(err.str().find("no such file"), std::string::npos) << err.str();

  EXPECT_EQ(run({"union", base, base}), 2);  // no -o
  EXPECT_EQ(run({"sub", base, base, "-o", tmp / "o.txt"}), 2);
  EXPECT_EQ(run({"sub", base, tmp / "none.txt", "-o", tmp / "o.dic"}), 1);
  EXPECT_NE(err.str().find("none.txt"), std::string::npos);
  EXPECT_EQ(run({"union", base, base, "-o", tmp / "no-folder/o.dic"}), 1);
  EXPECT_FALSE(std::filesystem::exists(tmp / "o.dic"));
}

}  // namespace
}  // namespace vorkel
