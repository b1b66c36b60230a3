#include "app/GenerationRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <thread>

#include "app/HandOver.h"
#include "app/Texts.h"
#include "engine/Texts.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using apptest::setUpTinyModel;
using testing::TempFolder;

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class GenerationRunTest : public ::testing::Test {
 protected:
  GenerationRunTest() {
    std::filesystem::create_directory(dir / "ud");
    setUpTinyModel(c);
    c.currentTemplate.destDir = "ud";
  }
  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;
};

TEST_F(GenerationRunTest, AttemptWritesTheCrosswordAndFillsTheDocument) {
  c.RawCrosswordCounter = 5;
  FillResult result = runAttempt(c, AttemptKind::WithoutLetters);
  ASSERT_EQ(result, FillResult::Filled);
  EXPECT_EQ(c.run.tries, 1);
  EXPECT_EQ(c.run.saved, 1);
  EXPECT_EQ(c.LastRawCrossword, dir / "ud/x2_005.002");
  EXPECT_EQ(c.RawCrosswordCounter, 6);
  std::string bytes = dir.read("ud/x2_005.002");
  ASSERT_EQ(bytes.size(), 5u + 2u * 4u);  // "2\t2\r\n" and two rows
  // The document holds the letters of the file.
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(1, 1)), bytes[5]);
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(2, 2)), bytes[10]);
}

TEST_F(GenerationRunTest, AttemptWithLettersLeavesTheDocumentAlone) {
  CrosswordDocument::setLetter(c.document.cellAt(1, 1), 'A');
  ASSERT_EQ(runAttempt(c, AttemptKind::WithLetters), FillResult::Filled);
  EXPECT_EQ(dir.read("ud/x2_000.002").substr(5, 1), "A");
  EXPECT_EQ(CrosswordDocument::letterOf(c.document.cellAt(2, 2)), 0);
}

TEST_F(GenerationRunTest, KeyBetweenAttemptsAsksAndYesGoesOn) {
  c.simpleMode = true;
  c.RunLimit = 3;
  bool fed = false;
  s.ui.onPoll = [&] {
    if (!fed && c.run.tries == 1) {
      s.ui.keys.push_back(KeyMessage{'a'});
      fed = true;
    }
  };
  s.ui.answers = {Answer::Yes};
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(s.countMessages(texts::runInterrupted), 1);
  EXPECT_EQ(s.ui.lastMessage().caption, texts::runInterruptedCaption);
  EXPECT_EQ(s.ui.lastMessage().buttons, Buttons::YesNo);
  EXPECT_EQ(c.run.saved, 3);
  EXPECT_EQ(filesIn(dir / "ud"),
            (std::vector<std::string>{"x2_000.002", "x2_001.002", "x2_002.002"}));
  EXPECT_EQ(s.ui.statusTexts.front(), texts::runStatus);
  EXPECT_EQ(s.ui.statusTexts.back(), "");
  EXPECT_EQ(s.ui.cursors.back(), Cursor::Arrow);
  EXPECT_TRUE(c.documentModified);
  EXPECT_TRUE(c.document.untitled);
}

TEST_F(GenerationRunTest, OnlyEscapeAsksALargeBackJumpFailsQuietlyAStopRequestEnds) {
  // The second stop finds no word and jumps back 300 stops: the fill ends
  // far below -200 without anybody pressing a key.
  c.simpleMode = false;  // the advanced menu: no count ends the run
  c.dictionary->deleteWord("cd");
  c.path.stops()[1].backJump = 300;
  s.ui.onPoll = [&] { c.stopRequested = c.run.tries >= 3; };
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(s.countMessages(texts::runInterrupted), 0);
  EXPECT_EQ(c.run.tries, 3);

  // Escape does ask; No ends the run.
  c.stopRequested = false;
  s.ui.onPoll = nullptr;
  s.ui.keys = {KeyMessage{KeyMessage::Escape}};
  s.ui.answers = {Answer::No};
  c.parameters = SearchParameters{};
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(s.countMessages(texts::runInterrupted), 1);
}

TEST_F(GenerationRunTest, NoPathNothingRuns) {
  c.path.free();
  EXPECT_FALSE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(s.ui.lastMessage().text, texts::noPathForRun);
  EXPECT_EQ(s.ui.lastMessage().caption, "Om igen");
  EXPECT_EQ(c.run.tries, 0);
}

TEST_F(GenerationRunTest, UnwritableOutputFolderIsReportedNotCountedAndEndsTheRun) {
  c.currentTemplate.destDir = "findes-ikke";
  c.simpleMode = true;
  c.RunLimit = 2;
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(s.ui.lastMessage().caption, texts::invalidFileName);
  EXPECT_EQ(s.ui.lastMessage().text, dir / "findes-ikke/x2_000.002");
  EXPECT_EQ(c.run.saved, 0);
  EXPECT_EQ(c.run.tries, 1);
  EXPECT_EQ(c.LastRawCrossword, "");
}

// A path that ends before it reaches every letter cell (an end marker
// among its stops) "fills" what it visits: no such crossword is ever saved;
// the run says why and ends instead of writing blank ones.
TEST_F(GenerationRunTest, AFillThatLeavesCellsBlankIsNeverSaved) {
  c.path.stops().insert(c.path.stops().begin() + 1, PathStop{});  // the end, after one stop
  c.simpleMode = true;
  c.RunLimit = 5;
  runGeneration(c, AttemptKind::WithoutLetters);
  EXPECT_EQ(c.run.saved, 0);
  EXPECT_TRUE(filesIn(dir / "ud").empty());
  EXPECT_EQ(s.ui.lastMessage().text, texts::unfilledCells);
  EXPECT_LE(c.run.tries, 1);
}

// A crowded output folder is warned about once a run: after every
// crossword, the box would take the key the user presses to stop the run.
TEST_F(GenerationRunTest, CrowdedOutputFolderWarnsOnceARun) {
  for (int i = 0; i < 599; ++i) dir.write("ud/gammel" + std::to_string(i), "");
  ASSERT_EQ(runAttempt(c, AttemptKind::WithoutLetters), FillResult::Filled);  // 600 files now
  EXPECT_EQ(s.countMessages(texts::crowdedOutput), 1);
  EXPECT_EQ(s.ui.lastMessage().caption, "Advarsel");
  EXPECT_EQ(s.ui.lastMessage().icon, Icon::Error);
  ASSERT_EQ(runAttempt(c, AttemptKind::WithoutLetters), FillResult::Filled);
  EXPECT_EQ(s.countMessages(texts::crowdedOutput), 2);  // another run

  // A run of three crosswords: one warning.
  c.simpleMode = true;
  c.RunLimit = 3;
  c.run.saved = 0;
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
  EXPECT_EQ(c.run.saved, 3);
  EXPECT_EQ(s.countMessages(texts::crowdedOutput), 3);
}

TEST_F(GenerationRunTest, HandOverGetsEveryFileAndFlagsTheLast) {
  struct Recorder : HandOver {
    std::vector<std::pair<std::string, bool>> calls;
    void handOver(const std::string& fileName, bool last) override {
      calls.emplace_back(fileName, last);
    }
  } recorder;
  c.simpleMode = true;
  c.RunLimit = 2;
  ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters, RunOptions{&recorder}));
  ASSERT_EQ(recorder.calls.size(), 2u);
  EXPECT_EQ(recorder.calls[0], std::make_pair(dir / "ud/x2_000.002", false));
  EXPECT_EQ(recorder.calls[1], std::make_pair(dir / "ud/x2_001.002", true));
}

TEST(GenerationRuns, ContextsWritingIntoOneFolderNeverCollide) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "ud");
  constexpr int kContexts = 3;
  constexpr int kEach = 15;
  std::vector<std::thread> jobs;
  for (int j = 0; j < kContexts; ++j)
    jobs.emplace_back([&, j] {
      Session s(dir.path(), static_cast<std::uint32_t>(100 + j));
      setUpTinyModel(s.context);
      s.context.currentTemplate.destDir = "ud";
      s.context.simpleMode = true;
      s.context.RunLimit = kEach;
      runGeneration(s.context, AttemptKind::WithoutLetters);
    });
  for (auto& t : jobs) t.join();
  std::vector<std::string> names = filesIn(dir / "ud");
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kContexts * kEach));
  for (const std::string& n : names) EXPECT_EQ(dir.read("ud/" + n).size(), 13u) << n;
}

// A template that asks for the fast fill fills from the words at its floor
// and needs no path; one whose floor leaves no fill says so and ends the run.
TEST_F(GenerationRunTest, AFastFillTemplateFillsFromTheWordsAtItsFloor) {
  // a b / c d at the floor; e f / g h only below it.
  dir.write("words.dic", "ab\r\ncd\r\nac\r\nbd\r\nef\r\ngh\r\neg\r\nfh\r\n");
  dir.write("words.score", "ab\t80\ncd\t80\nac\t80\nbd\t80\nef\t10\ngh\t10\neg\t10\nfh\t10\n");
  c.currentTemplate.dictionaryName = "words.dic";
  c.currentTemplate.fastFill = true;
  c.path.free();
  c.simpleMode = true;
  c.RunLimit = 4;
  for (const int floor : {50, 90}) {
    SCOPED_TRACE(floor);
    c.currentTemplate.minScore = floor;
    c.run.saved = 0;
    s.ui.messages.clear();
    ASSERT_TRUE(runGeneration(c, AttemptKind::WithoutLetters));
    if (floor == 90) {
      EXPECT_EQ(c.run.saved, 0);
      EXPECT_EQ(s.countMessages(texts::noFastFill), 1);
      continue;
    }
    EXPECT_TRUE(s.ui.messages.empty());
    ASSERT_EQ(c.run.saved, 4);
    for (const std::string& name : filesIn(dir / "ud")) {
      const std::string rows = dir.read("ud/" + name).substr(5);
      EXPECT_EQ(rows.find_first_of("EFGHefgh"), std::string::npos) << name << ": " << rows;
    }
  }
}

}  // namespace
}  // namespace vorkel
