// "Generer  &Tvang": the dialog, its settings, and runs whose crosswords
// are judged by a checker of their own that reads the saved files.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ForcedWordsDialog.h"
#include "app/GenerationRun.h"
#include "app/Texts.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;
namespace fd = forcedDialog;

// The runs of two or more cells of a raw crossword, across then down, read
// from its file. Empty when the file is not a whole crossword.
std::vector<std::string> runsOfFile(const std::string& bytes) {
  std::vector<std::string> rows;
  std::size_t pos = bytes.find("\r\n");
  if (pos == std::string::npos) return {};
  for (pos += 2; pos < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) return {};
    rows.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  std::vector<std::string> runs;
  std::string run;
  const auto cell = [&](char c) {
    if (c != '#') {
      run += c;
      return;
    }
    if (run.size() >= 2) runs.push_back(run);
    run.clear();
  };
  for (const std::string& row : rows) {
    for (char c : row) cell(c);
    cell('#');
  }
  for (std::size_t x = 0; !rows.empty() && x < rows[0].size(); ++x) {
    for (const std::string& row : rows) cell(x < row.size() ? row[x] : '#');
    cell('#');
  }
  return runs;
}

class ForcedRunTest : public ::testing::Test {
 protected:
  ForcedRunTest() {
    std::filesystem::create_directory(dir / "ud");
    c.currentTemplate.destDir = "ud";
    // An open 3 x 3 model and a dictionary of planted word squares: any
    // square's first row can stand in the first row or column of a filled
    // grid (the square or the square turned).
    c.document.resize(3, 3);
    Random letters(5);
    for (int n = 0; n < 40; ++n) {
      std::string square(9, 'A');
      for (char& ch : square) ch = static_cast<char>('A' + letters.below(26));
      squares.push_back(square);
      for (int i = 0; i < 3; ++i) {
        for (const std::string& w : {square.substr(static_cast<std::size_t>(3 * i), 3),
                                     std::string{square[static_cast<std::size_t>(i)],
                                                 square[static_cast<std::size_t>(i + 3)],
                                                 square[static_cast<std::size_t>(i + 6)]}}) {
          dictionary.insert(w);
          c.dictionary->insertWord(w);
        }
      }
    }
    // The program's own path (forced runs lay their own).
    c.path.stops() = {firstCell(), PathStop{}};
    c.simpleMode = true;
    c.RunLimit = 4;
  }

  static PathStop firstCell() {
    PathStop stop;
    stop.x = 0;
    stop.y = 0;
    return stop;
  }
  std::string row(int square, int i) const {
    return squares[static_cast<std::size_t>(square)].substr(static_cast<std::size_t>(3 * i), 3);
  }
  std::string column(int square, int i) const {
    const std::string& q = squares[static_cast<std::size_t>(square)];
    return {q[static_cast<std::size_t>(i)], q[static_cast<std::size_t>(i + 3)],
            q[static_cast<std::size_t>(i + 6)]};
  }
  std::vector<std::string> savedFiles() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir / "ud"))
      names.push_back(e.path().filename().string());
    return names;
  }
  // Every saved crossword is whole, every run is a word of the dictionary
  // and stands once, and every forced word is one of the runs.
  void expectEverySavedCrosswordHolds(const std::set<std::string>& forced) {
    for (const std::string& name : savedFiles()) {
      SCOPED_TRACE(name);
      const std::vector<std::string> runs = runsOfFile(dir.read("ud/" + name));
      ASSERT_EQ(runs.size(), 6u);
      const std::set<std::string> distinct(runs.begin(), runs.end());
      EXPECT_EQ(distinct.size(), runs.size()) << "a word twice";
      for (const std::string& r : runs) EXPECT_TRUE(dictionary.count(r)) << r;
      for (const std::string& w : forced) EXPECT_TRUE(distinct.count(w)) << w << " missing";
    }
  }
  void answerDialog(std::map<std::string, std::string> edits, const char* button = fd::Ok) {
    s.ui.dialogAnswers.push_back({button, std::move(edits)});
  }

  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;
  std::vector<std::string> squares;
  std::set<std::string> dictionary;
};

TEST_F(ForcedRunTest, ForcedRunPutsTheWordIntoEveryCrosswordAndKeepsTheProgramsPath) {
  const std::string word = row(0, 0);
  std::string lower = word;
  for (char& ch : lower) ch = static_cast<char>(ch + 32);
  dir.write("tvang.txt", " " + lower + " \r\n\r\n");
  const std::vector<PathStop> path = c.path.stops();
  // OK as the dialog opens ("ELLER:" ticked, no word file) says so and
  // comes back, instead of running without the typed word.
  answerDialog({});
  answerDialog({{fd::UseFileField, "0"}});

  ASSERT_TRUE(runForcedGeneration(c));
  ASSERT_EQ(s.ui.dialogs.size(), 2u);
  EXPECT_EQ(s.ui.messages.front().text, texts::forcedNoWordFile);
  EXPECT_EQ(s.ui.messages.front().caption, texts::forcedDialogTitle);
  s.ui.messages.clear();
  const DialogForm& shown = s.ui.dialogs[0];
  EXPECT_EQ(shown.title, texts::forcedDialogTitle);
  EXPECT_EQ(shown.text(fd::WordsField), word) << "one word, in upper case";
  EXPECT_EQ(shown.text(fd::UseFileField), "1");
  EXPECT_EQ(shown.text(fd::CountField), "6");
  EXPECT_EQ(dir.read("tvang.txt"), word + "\r\n");

  EXPECT_EQ(c.run.saved, 4);
  EXPECT_EQ(savedFiles().size(), 4u);
  expectEverySavedCrosswordHolds({word});
  EXPECT_EQ(c.path.stops(), path);
  EXPECT_TRUE(c.documentModified);
  EXPECT_EQ(s.ui.statusTexts.front(), texts::runStatus);
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(ForcedRunTest, WordFileRunLowersTheCountToTheWordsThatFitAndForcesThemAll) {
  // Four words of square 0 that fit together, and two of no slot's length.
  dir.write("ord.txt", row(0, 0) + "\n" + row(0, 1) + "\nhunde\n" + row(0, 2) + "\r\n" +
                           column(0, 0) + "\nto\n");
  answerDialog({{fd::FileField, "ord.txt"}});
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_EQ(c.forced.numberToDraw, 4);
  EXPECT_EQ(c.run.saved, 4);
  expectEverySavedCrosswordHolds({row(0, 0), row(0, 1), row(0, 2), column(0, 0)});

  // The dialog shows the lowered count next time; Cancel runs nothing.
  answerDialog({}, fd::Cancel);
  const int tries = c.run.tries;
  EXPECT_FALSE(runForcedGeneration(c));
  EXPECT_EQ(s.ui.dialogs.back().text(fd::CountField), "4");
  EXPECT_EQ(c.run.tries, tries);
}

TEST_F(ForcedRunTest, NewWordsAreDrawnEveryFifthAttempt) {
  dir.write("ord.txt", row(0, 0) + "\n" + row(1, 0) + "\n" + row(2, 0) + "\n");
  answerDialog({{fd::FileField, "ord.txt"}, {fd::CountField, "1"}});
  c.RunLimit = 1000;
  // The word file goes away once the run has begun: the next draw, before
  // the sixth attempt, finds nothing and ends the run.
  s.ui.onPoll = [&] { std::filesystem::remove(dir / "ord.txt"); };
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_EQ(c.run.tries, 5);
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.lastMessage().text, std::string(texts::wordListUnreadable) + "\n" + (dir / "ord.txt"));
  EXPECT_EQ(s.ui.lastMessage().caption, texts::forcedDialogTitle);
  EXPECT_EQ(s.ui.statusTexts.back(), "") << "the run ended as runs end";
}

TEST_F(ForcedRunTest, AWordThatFitsNoSlotFailsEveryAttemptUntilTheUserStops) {
  dir.write("tvang.txt", "hunde\n");
  answerDialog({{fd::UseFileField, "0"}});
  s.ui.onPoll = [&] {
    if (c.run.tries == 3 && s.ui.keys.empty() && s.ui.answers.empty()) {
      s.ui.keys.push_back(KeyMessage{'a'});
      s.ui.answers.push_back(Answer::No);
    }
  };
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_EQ(c.run.tries, 3);
  EXPECT_EQ(c.run.saved, 0);
  EXPECT_TRUE(savedFiles().empty());
  EXPECT_EQ(s.countMessages(texts::runInterrupted), 1);
}

TEST_F(ForcedRunTest, RefusalsAndFilesThatCannotBeUsed) {
  // No path: the run loop's message, no dialog.
  c.path.free();
  EXPECT_FALSE(runForcedGeneration(c));
  EXPECT_TRUE(s.sawMessage(texts::noPathForRun));
  EXPECT_TRUE(s.ui.dialogs.empty());
  c.path.stops() = {firstCell(), PathStop{}};

  // tvang.txt cannot be written (a folder has its name): the settings stay,
  // the run still starts and, finding no file to read, goes on without words.
  std::filesystem::create_directory(dir / "tvang.txt");
  answerDialog({{fd::UseFileField, "0"}, {fd::CountField, "9"}});
  c.RunLimit = 1;
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_TRUE(c.forced.useWordFile);
  EXPECT_EQ(c.forced.numberToDraw, 6);
  EXPECT_EQ(s.ui.messages[1].text, texts::forcedWriteFailed);
  EXPECT_EQ(s.ui.messages[1].caption, texts::forcedWriteFailedCaption);
  // Drawing from a word file that does not exist: shown, nothing runs.
  EXPECT_EQ(s.ui.messages[2].text.rfind(texts::wordListUnreadable, 0), 0u);
  EXPECT_EQ(c.run.tries, 0);
  std::filesystem::remove(dir / "tvang.txt");

  // A word file with no word that fits the model.
  dir.write("lang.txt", "elefant\nhunde\n");
  answerDialog({{fd::FileField, "lang.txt"}});
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_EQ(s.ui.lastMessage().text, std::string(texts::wordListNoneFits) + "\n" + (dir / "lang.txt"));
  EXPECT_EQ(c.run.tries, 0);

  // Reading tvang.txt for the run fails: shown with the file's name, and
  // the run makes crosswords without forced words.
  std::filesystem::remove(dir / "tvang.txt");
  std::filesystem::create_directory(dir / "tvang.txt");
  c.forced.useWordFile = false;
  answerDialog({});
  ASSERT_TRUE(runForcedGeneration(c));
  EXPECT_EQ(s.ui.lastMessage().text, std::string(texts::wordListUnreadable) + "\n" + (dir / "tvang.txt"));
  EXPECT_EQ(s.ui.lastMessage().caption, texts::forcedDialogTitle);
  EXPECT_EQ(c.run.saved, 1);
}

TEST_F(ForcedRunTest, DialogBrowsesExplainsHelpAndTakesItsFieldsOnOk) {
  s.ui.files.push_back(std::string(dir / "valgt.txt"));
  answerDialog({{fd::FileField, "skrevet.txt"}}, texts::forcedBrowseButton);
  answerDialog({}, fd::Help);
  answerDialog({{fd::WordsField, "ost\nk\xC3\xA5l"},  // "kål"
                {fd::UseFileField, "0"},
                {fd::CountField, "12 ord"}});
  ASSERT_TRUE(runForcedWordsDialog(c));
  ASSERT_EQ(s.ui.dialogs.size(), 3u);
  EXPECT_EQ(s.ui.dialogs[1].text(fd::FileField), dir / "valgt.txt") << "the browsed name";
  EXPECT_EQ(s.ui.messages.at(0).text, texts::noHelp);
  EXPECT_EQ(dir.read("tvang.txt"), "ost\r\nk\xE5l\r\n") << "Windows-1252, CR LF";
  EXPECT_FALSE(c.forced.useWordFile);
  EXPECT_EQ(c.forced.numberToDraw, 12);
  EXPECT_EQ(c.forced.wordFile, dir / "valgt.txt");

  // Opened again: the words as a run reads them, the settings as taken.
  answerDialog({{fd::CountField, "1"}}, fd::Cancel);
  EXPECT_FALSE(runForcedWordsDialog(c));
  EXPECT_EQ(s.ui.dialogs.back().text(fd::WordsField), "OST\nK\xC3\x85L");
  EXPECT_EQ(s.ui.dialogs.back().text(fd::UseFileField), "0");
  EXPECT_EQ(c.forced.numberToDraw, 12) << "Cancel keeps the settings";
}

}  // namespace
}  // namespace vorkel
