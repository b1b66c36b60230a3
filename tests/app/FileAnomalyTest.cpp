// What happens to the user's files when the world misbehaves during a
// write: the disk fills up, the output folder goes away in the middle of a
// run, a file vanishes between listing and reading, the process is killed,
// two processes write at once. Whatever happens, every file is the old one
// or the whole new one, and every failure is reported.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/GenerationRun.h"
#include "app/HandOver.h"
#include "app/Texts.h"
#include "dictionary/WordFile.h"
#include "document/DocumentFile.h"
#include "engine/RawCrossword.h"
#include "engine/WorkingGrid.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Every name in a folder, hidden temporaries included.
std::set<std::string> namesIn(const std::string& folder) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(folder)) out.insert(e.path().filename().string());
  return out;
}

// A process-wide limit on the size of files written, as a full disk acts:
// a write past it fails with EFBIG (SIGXFSZ is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_{};
};

// Runs `work` in a child process and returns the child's pid.
pid_t spawn(const std::function<void()>& work) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    work();
    ::_exit(0);
  }
  return pid;
}

int waitFor(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// `count` different words of `length` letters.
std::vector<std::string> wordsOf(int count, int length) {
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    std::string w(static_cast<std::size_t>(length), 'A');
    for (int k = 0, v = i; k < length && v > 0; ++k, v /= 26)
      w[static_cast<std::size_t>(k)] = static_cast<char>('A' + v % 26);
    out.push_back(w);
  }
  return out;
}

// A filled width x height grid of one letter; its raw crossword's bytes.
WorkingGrid filledGrid(int width, int height, char letter, Ui& ui) {
  WorkingGrid grid(width, height, ui);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) grid.put(letter, x, y);
  return grid;
}

class FileAnomalyTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedUi ui;
  Language language;
  Random random{5};

  std::unique_ptr<WordStore> dictionaryOf(const std::vector<std::string>& words) {
    auto dict = std::make_unique<WordStore>(static_cast<int>(words.size()), language, ui);
    for (const std::string& w : words) dict->insertWord(w);
    return dict;
  }
  int wordsInFile(const std::string& path) {
    WordStore loaded(0, language, ui);
    return loadWordFile(loaded, path) ? loaded.wordCount() : -1;
  }
};

TEST_F(FileAnomalyTest, DiskFullDuringASaveKeepsTheOldFileAndSaysSo) {
  const auto dict = dictionaryOf(wordsOf(2000, 6));
  const std::string dic = dir.write("ord.dic", "=");
  const std::string ktd = dir.write("model.ktd", "old model");
  const std::string skb = dir.write("a.skb", "[Skabelon]\r\nModel=a.ktd\r\n");
  const std::string store = dir / "registry.ini";
  Registry registry(store);
  ASSERT_EQ(registry.setString(RegistryRoot::CurrentUser, "Software\\Vorkel", "a", "1"),
            Registry::Success);
  const std::string storeBefore = dir.read("registry.ini");
  const std::set<std::string> before = namesIn(dir.path());
  CrosswordDocument doc;
  doc.resize(50, 50);
  WorkingGrid big = filledGrid(50, 50, 'K', ui);
  std::int32_t counter = 0;
  {
    const FileSizeLimit limit(1024);
    EXPECT_FALSE(saveDictionary(*dict, dic, random));
    EXPECT_EQ(ui.lastMessage().text, "Fejl i skrivning af fil til save af ordbogen");
    EXPECT_FALSE(writeDocument(doc, ktd, ui));
    EXPECT_EQ(ui.lastMessage().text, "Kan ikke åbne " + ktd);
    EXPECT_FALSE(Profile(skb, "Skabelon").writeString("Trie", std::string(4000, 'x')));
    EXPECT_EQ(registry.setString(RegistryRoot::CurrentUser, "Software\\Vorkel", "b",
                                 std::string(4000, 'y')),
              Registry::AccessDenied);
    EXPECT_FALSE(saveRawCrossword(big, dir.path(), counter).saved);
  }
  EXPECT_EQ(dir.read("ord.dic"), "=");
  EXPECT_EQ(dir.read("model.ktd"), "old model");
  EXPECT_EQ(dir.read("a.skb"), "[Skabelon]\r\nModel=a.ktd\r\n");
  EXPECT_EQ(dir.read("registry.ini"), storeBefore);
  EXPECT_EQ(counter, 0);
  EXPECT_EQ(namesIn(dir.path()), before);  // no half file, no temporary left
}

TEST_F(FileAnomalyTest, OutputFolderThatGoesAwayMidRunEndsTheRunWithAMessage) {
  apptest::Session s{dir.path()};
  ApplicationContext& c = s.context;
  apptest::setUpTinyModel(c);
  fs::create_directory(dir / "ud");
  c.currentTemplate.destDir = "ud";
  c.simpleMode = true;
  c.RunLimit = 5;
  // After the first crossword the folder stops taking files: its write
  // permission goes, and for root (who writes anyway) the folder itself.
  struct Breaker : HandOver {
    const TempFolder* dir;
    void handOver(const std::string&, bool) override {
      ::chmod((*dir / "ud").c_str(), 0555);
      if (::geteuid() == 0) {
        fs::rename(*dir / "ud", *dir / "flyttet");
        dir->write("ud", "now a file");
      }
    }
  } breaker;
  breaker.dir = &dir;
  RunOptions options;
  options.handOver = &breaker;
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters, options));
  EXPECT_EQ(c.run.saved, 1);
  EXPECT_EQ(c.run.tries, 2);
  EXPECT_EQ(s.ui.lastMessage().caption, texts::invalidFileName);
  const std::string first = ::geteuid() == 0 ? dir.read("flyttet/x2_000.002") : dir.read("ud/x2_000.002");
  EXPECT_EQ(first.size(), 13u);
}

TEST_F(FileAnomalyTest, AFileThatVanishesBetweenListingAndReadingIsReported) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.write(name, "kat\r\nhund\r\n");
  std::vector<DirEntry> listed;
  ASSERT_TRUE(Files::listDirectory(dir / "*.txt", listed));
  fs::remove(dir / "b.txt");
  int loaded = 0;
  for (const DirEntry& e : listed) loaded += wordsInFile(dir / e.name) == 2;
  EXPECT_EQ(loaded, 2);
  EXPECT_EQ(ui.lastMessage().caption, dir / "b.txt");

  // Files coming and going while a folder is listed and counted.
  std::atomic<bool> done{false};
  std::thread churn([&] {
    for (int i = 0; !done; ++i) {
      const std::string name = "x2_" + std::to_string(i % 50) + ".002";
      if (i % 2) fs::remove(dir / name);
      else dir.write(name, "AB\r\n");
    }
  });
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(Files::listDirectory(dir / "x2_*", listed));
    for (const DirEntry& e : listed) ASSERT_TRUE(Files::wildcardMatch("x2_*", e.name));
    ASSERT_LE(Files::countFiles(dir / "*.*"), 52);
  }
  done = true;
  churn.join();
}

TEST_F(FileAnomalyTest, AKillDuringAWriteLeavesTheOldOrTheWholeNewFile) {
  const auto small = dictionaryOf(wordsOf(1000, 7));
  const auto large = dictionaryOf(wordsOf(20000, 7));
  const std::string dic = dir / "ord.dic";
  ASSERT_TRUE(saveDictionary(*small, dic, random));
  fs::create_directory(dir / "ud");
  WorkingGrid grid = filledGrid(50, 50, 'Q', ui);
  const std::string whole = formatRawCrossword(grid);

  for (int round = 0; round < 6; ++round) {
    const pid_t writer = spawn([&] {
      Random r(static_cast<std::uint32_t>(round));
      std::int32_t counter = 0;
      for (int i = 0;; ++i) {
        saveDictionary(i % 2 ? *small : *large, dic, r);
        saveRawCrossword(grid, dir / "ud", counter);
      }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + 13 * round));
    ::kill(writer, SIGKILL);
    waitFor(writer);
    const int words = wordsInFile(dic);
    EXPECT_TRUE(words == 1000 || words == 20000) << words;
    for (const std::string& name : namesIn(dir / "ud")) {
      if (name[0] == '.') continue;  // a temporary the kill left; never taken for a crossword
      ASSERT_EQ(dir.read("ud/" + name), whole) << name;
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

// Two generator processes writing raw crosswords of one size into one
// folder: every name is taken once, every file is whole. (The registry's
// concurrent writers are tested with the store.)
TEST_F(FileAnomalyTest, TwoProcessesWritingIntoOneFolderLoseNothing) {
  fs::create_directory(dir / "ud");
  std::vector<pid_t> writers;
  for (char letter : {'A', 'B'})
    writers.push_back(spawn([&, letter] {
      ScriptedUi quiet;
      WorkingGrid grid = filledGrid(4, 3, letter, quiet);
      std::int32_t counter = 0;
      for (int i = 0; i < 30; ++i)
        if (!saveRawCrossword(grid, dir / "ud", counter).saved) ::_exit(1);
    }));
  for (pid_t w : writers) EXPECT_EQ(waitFor(w), 0);

  ASSERT_EQ(namesIn(dir / "ud").size(), 60u);
  int a = 0;
  for (int n = 0; n < 60; ++n) {
    const std::string bytes = dir.read("ud/" + rawCrosswordName(4, n, 3));
    ASSERT_TRUE(bytes == "4\t3\r\nAAAA\r\nAAAA\r\nAAAA\r\n" ||
                bytes == "4\t3\r\nBBBB\r\nBBBB\r\nBBBB\r\n")
        << n;
    a += bytes[5] == 'A';
  }
  EXPECT_EQ(a, 30);
}

}  // namespace
}  // namespace vorkel
