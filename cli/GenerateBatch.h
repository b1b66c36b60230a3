#pragma once
// What the jobs of one `vorkel generate` run share: the settings, fixed
// before the jobs start, and the counters and results they add to.
//
// Jobs claim crosswords by index (0 .. count-1) from `nextIndex`, so the
// batch saves exactly `count` crosswords however many jobs there are, and
// each crossword's randomness follows from (seed, index) alone
// (GenerateJob.h): the same seed gives the same set of crosswords with any
// number of jobs.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine/RestartPolicy.h"
#include "engine/WordIndex.h"
#include "dictionary/WordListEncoding.h"

namespace vorkel {

// The fill a batch uses: the path fill (engine/FillEngine.h), which follows
// the template's path and parameters as the window's commands do, or the
// fast fill (engine/FastFill.h), which needs neither.
enum class FillKind { Path, Fast };

struct GenerateBatch {
  // --- settings ---
  int count = 1;
  std::uint32_t seed = 0;
  bool withLetters = false;
  FillKind fill = FillKind::Fast;
  // Budgets per attempt: entries into the search for the path fill, dead
  // ends for the fast fill. Without `restartChosen` (--restart) the fast
  // fill's jobs take fastFillRestart of their floor instead.
  RestartPolicy restart;
  bool restartChosen = false;
  std::string outputFolder;  // absolute
  // The fast fill's words, read by the first job and shared by all (an
  // index is never changed once built).
  std::shared_ptr<const WordIndex> words;
  int wordsFloor = 0;  // the score floor `words` were cut at
  // --min-score: the fast fill's index leaves out the words scored below
  // it (the score file beside the dictionary, dictionary/WordScores.h);
  // -1 when not given: the template's MinScore, if it names one.
  int minScore = -1;
  std::uint64_t maxTries = 0;  // attempts in all before the run gives up; 0: no limit
  WordListEncoding encoding = WordListEncoding::Auto;  // of a word list as the dictionary
  // Forced words (cli/ForcedWordOptions.h): with `forced` set, every
  // crossword holds `forcedWords`, or, when `drawCount` > 0, that many
  // words drawn from `wordList` before its first attempt and every fifth
  // after it. Words are upper case in the template's language.
  bool forced = false;
  std::vector<std::string> forcedWords;
  std::vector<std::string> wordList;
  int drawCount = 0;

  // --- shared while the jobs run ---
  std::atomic<int> nextIndex{0};
  std::atomic<int> saved{0};
  std::atomic<std::uint64_t> tries{0};
  std::atomic<std::uint64_t> entries{0};  // entries into the search, all attempts
  std::atomic<std::uint64_t> rejected{0}; // filled grids not saved: a word twice
  std::atomic<bool> stop{false};          // no new attempts: Ctrl-C, or a job failed
  std::atomic<bool> failed{false};        // a job met an error and reported it
  std::atomic<bool> gaveUp{false};        // --max-tries or --timeout ended the run
  std::mutex lock;                        // the console, `files` and `forcedOf`
  std::vector<std::pair<int, std::string>> files;  // crossword index, full path
  std::map<int, std::vector<std::string>> forcedOf;  // crossword index -> its forced words
  struct ScoreSummary {
    int lowest = 0;
    double mean = 0;
  };
  std::map<int, ScoreSummary> scoreOf;    // crossword index -> its words' scores
  bool warnedCrowded = false;             // under `lock`
  RestartPolicy restartUsed;              // under `lock`: the fast fill's, when not chosen

  // Tells every job to stop after (or, through the keyboard queue, during)
  // its current attempt.
  void requestStop() { stop.store(true); }
  void fail() {
    failed.store(true);
    requestStop();
  }
  void giveUp() {
    gaveUp.store(true);
    requestStop();
  }
  // Counts an attempt about to start; false (and the run given up) when
  // the batch has made all the attempts it may.
  bool claimTry() {
    if (maxTries != 0 && tries.fetch_add(1) >= maxTries) {
      tries.fetch_sub(1);
      giveUp();
      return false;
    }
    if (maxTries == 0) tries.fetch_add(1);
    return true;
  }
};

}  // namespace vorkel
