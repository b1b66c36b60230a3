#include "cli/GenerateJob.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/FillAttempt.h"
#include "app/FillChecks.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "engine/Texts.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordScores.h"
#include "document/DocumentFile.h"
#include "engine/FastFill.h"
#include "engine/FillObstacles.h"
#include "engine/GridShapeCheck.h"
#include "engine/ParameterFile.h"
#include "engine/ForcedWords.h"
#include "engine/RawCrossword.h"
#include "engine/RawCrosswordGroup.h"
#include "engine/KeptWordIndex.h"
#include "engine/WorkingGrid.h"
#include "engine/SlotGraph.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// Raw crosswords in an output folder beyond which the drawing program's
// folder view slows down; the user is warned once per run.
constexpr int kCrowdedFolder = 600;

// A fill that answers 1 with empty letter cells left has followed a path that
// misses part of the grid; such a grid is no crossword.
bool everyLetterCellFilled(const WorkingGrid& grid) {
  for (int y = 0; y < grid.height(); ++y)
    for (int x = 0; x < grid.width(); ++x) {
      const char c = grid.get(x, y);
      if (c == ' ' || c == '\0') return false;
    }
  return true;
}

// The words of a filled grid: every across and down run of two or more
// cells.
std::vector<std::string> wordsOf(const WorkingGrid& grid) {
  std::vector<std::string> words;
  std::string run;
  const auto endRun = [&] {
    if (run.size() >= 2) words.push_back(run);
    run.clear();
  };
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x)
      if (const char c = grid.get(x, y); c == '#') endRun();
      else run += c;
    endRun();
  }
  for (int x = 0; x < grid.width(); ++x) {
    for (int y = 0; y < grid.height(); ++y)
      if (const char c = grid.get(x, y); c == '#') endRun();
      else run += c;
    endRun();
  }
  return words;
}

// The fill checks the slots on its path. A path may leave out slots that
// their crossings fill (the optimised automatic path does); their words are
// words, as the crossings' letters were checked, but nothing keeps one of
// them from standing a second time in the grid. Such a fill is not saved.
// (The fast fill rules both out itself; its fills are checked all the same.)
// Forced words are the user's and need not be in the dictionary.
template <class IsWord>
bool everyWordOnce(const WorkingGrid& grid, IsWord isWord, const ForcedWords& forced) {
  std::vector<std::string> words = wordsOf(grid);
  const auto isForced = [&](const std::string& word) {
    return std::any_of(forced.words().begin(), forced.words().end(),
                       [&](const ForcedWord& f) { return f.word == word; });
  };
  for (const std::string& word : words)
    if (!isForced(word) && !isWord(word)) return false;
  std::sort(words.begin(), words.end());
  return std::adjacent_find(words.begin(), words.end()) == words.end();
}

}  // namespace

std::uint32_t crosswordSeed(std::uint32_t seed, std::uint32_t index) {
  std::uint64_t z = (std::uint64_t{seed} << 32 | index) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<std::uint32_t>(z >> 32);
}

GenerateJob::GenerateJob(GenerateBatch& batch, Console& console, const std::string& workFolder,
                         bool outputFolderGiven)
    : batch_(batch),
      console_(console),
      ui_(console, batch.lock, batch.stop),
      registry_(Registry::defaultFilePath()),
      // The fast fill reads the kept word index and never fills the word
      // store: planning it for a hundred thousand words only clears memory.
      context_(ui_, clock_, registry_, workFolder, batch.seed,
               batch.fill == FillKind::Fast ? ApplicationContext::DictionaryPlan{0, 0}
                                            : ApplicationContext::DictionaryPlan{}) {
  context_.idlePriorityForRuns = false;
  context_.simpleMode = false;
  context_.outputFolderGiven = outputFolderGiven;
  context_.wordListEncoding = batch.encoding;
}

bool GenerateJob::load(const std::string& templatePath) {
  context_.loadWordStore = batch_.fill == FillKind::Path;
  // The path fill of the command line takes every word, as it always did
  // (--min-score is the fast fill's).
  context_.storeAtTemplateFloor = false;
  if (!loadTemplate(context_, templatePath)) return false;
  if (batch_.fill == FillKind::Fast && !batch_.words) loadWordIndex();
  return true;
}

void GenerateJob::loadWordIndex() {
  Template& t = context_.currentTemplate;
  if (t.dictionaryPath.empty()) return;
  const std::string dictionary = context_.locate(t.dictionaryPath);
  const std::string scorePath = scorePathBeside(dictionary);
  const bool scored = Files::exists(scorePath);
  // The run's floor, else the template's; a word scored 0 (an offensive
  // one, an abbreviation) is never used, whatever the floor.
  const int floor = scored ? std::max(batch_.minScore >= 0 ? batch_.minScore : t.minScore, 1) : 0;
  if (!scored && batch_.minScore > 0) {
    scoreProblem_ = "--min-score needs the score file " + scorePath + " beside the dictionary";
    return;
  }
  const WorkingGrid shape = WorkingGrid::fromDocument(context_.document, ui_, false);
  KeptWordIndex words = loadKeptWordIndex(
      {dictionary, scored ? scorePath : "", context_.wordListEncoding, floor}, context_.language,
      ui_, SlotGraph::of(shape).lengths());
  scoreProblem_ = words.problem;
  if (!scoreProblem_.empty()) return;
  if (!words.index) {
    t.dictionaryPath.clear();  // as a failed load of the word store leaves it
    return;
  }
  batch_.words = std::make_shared<const WordIndex>(std::move(*words.index));
  batch_.wordsFloor = floor;
}

std::vector<std::string> GenerateJob::loadProblems() {
  if (!scoreProblem_.empty()) return {scoreProblem_};
  return problemsBeforeFill(context_, {.fast = batch_.fill == FillKind::Fast,
                                       .forced = batch_.forced,
                                       .withLetters = batch_.withLetters,
                                       .words = batch_.words.get()});
}

GenerateJob::~GenerateJob() = default;

void GenerateJob::run() {
  group_ = std::make_unique<RawCrosswordGroup>(
      batch_.outputFolder, context_.RawCrosswordCounter,
      [this](int index, const std::string& path) { saved(index, path); });
  while (!batch_.stop.load()) {
    const int index = batch_.nextIndex.fetch_add(1);
    if (index >= batch_.count) break;
    if (!makeCrossword(index)) break;
  }
  // A stop, a failure elsewhere or the end: what was made is saved.
  commitSaved(true);
  group_.reset();
}

bool GenerateJob::commitSaved(bool all) {
  const auto before = context_.run.saved;
  if (!(all ? group_->commit() : group_->commitIfDue())) {
    ui_.messageBox(group_->failedPath(), texts::invalidFileName, Icon::Error, Buttons::Ok);
    batch_.fail();
    return false;
  }
  if (context_.run.saved == before) return true;
  // The folder is counted once a group, not once a crossword.
  bool warn = false;
  {
    const std::lock_guard<std::mutex> guard(batch_.lock);
    if (!batch_.warnedCrowded &&
        Files::countFiles(Files::joinPath(batch_.outputFolder, "*.*")) > kCrowdedFolder)
      warn = batch_.warnedCrowded = true;
  }
  if (warn)
    ui_.messageBox(texts::crowdedOutput, texts::crowdedOutputCaption, Icon::Error, Buttons::Ok);
  return true;
}

bool GenerateJob::makeCrossword(int index) {
  ApplicationContext& c = context_;
  // Everything a fill carries over from the one before starts afresh, so
  // crossword `index` does not depend on what this job made earlier.
  c.random.seed(crosswordSeed(batch_.seed, static_cast<std::uint32_t>(index)));
  if (batch_.fill == FillKind::Fast) return makeFastCrossword(index);
  c.engineCounters = EngineCounters{};
  c.dictionary->setQueryCounter(WordStore::InitialQueryCounter);

  // A forced run places its words first and lays a path of its own around
  // them in every attempt, as the window's forced run does.
  ForcedWords forced;
  for (const std::string& word : batch_.forcedWords) forced.add(word);
  FillAttempt attempts(c);
  for (std::uint64_t attempt = 1;; ++attempt) {
    if (batch_.stop.load()) return false;
    if (batch_.drawCount > 0 && attempt % 5 == 1) {
      int count = batch_.drawCount;
      drawForcedWords(batch_.wordList, WorkingGrid::fromDocument(c.document, ui_, false), c.language,
                      count, c.random, forced);
    }
    if (!commitSaved(false) || !batch_.claimTry()) return false;
    const FillAttempt::Outcome filled = attempts.make(
        {batch_.withLetters, batch_.forced ? &forced : nullptr, batch_.restart.budget(attempt)});
    const WorkingGrid& grid = attempts.grid();
    batch_.entries.fetch_add(filled.entries);
    // Only the stop request ends the batch; a large back-jump that ran out
    // at the first stop is a failed attempt like any other.
    if (filled.result == FillResult::Stopped || batch_.stop.load()) return false;
    if (filled.result != FillResult::Filled) continue;
    if (!everyLetterCellFilled(grid)) {
      // Every further attempt would end the same way.
      {
        const std::lock_guard<std::mutex> guard(batch_.lock);
        console_.say("the path '" + c.currentTemplate.pathFileName +
                     "' does not reach every letter cell of the model");
      }
      batch_.fail();
      return false;
    }
    if (!everyWordOnce(grid, [&](const std::string& w) { return c.dictionary->hasMatch(w); },
                       forced)) {
      batch_.rejected.fetch_add(1);
      continue;
    }
    return save(grid, index, forced);
  }
}

bool GenerateJob::makeFastCrossword(int index) {
  ApplicationContext& c = context_;
  const WordIndex& words = *batch_.words;
  const auto isWord = [&](const std::string& text) {
    char letters[WordIndex::MaxLength + 1];
    const int length = wordLetters(c.language, text, letters);
    if (length < WordIndex::MinLength || length > WordIndex::MaxLength) return false;
    std::uint8_t codes[WordIndex::MaxLength];
    for (int i = 0; i < length; ++i) codes[i] = static_cast<std::uint8_t>(letters[i] & 31);
    return words.find(length, codes) >= 0;
  };
  // One fill for all of the job's crosswords keeps its memory; each
  // crossword starts without the dead ends of the one before.
  if (!fastFill_) fastFill_ = std::make_unique<FastFill>(words, c.language);
  FastFill& fill = *fastFill_;
  fill.startCrossword();
  FastFillSettings settings = fastFillSettings(batch_.wordsFloor);
  const RestartPolicy restarts =
      batch_.restartChosen ? batch_.restart : fastFillRestart(batch_.wordsFloor);
  if (!batch_.restartChosen) {
    const std::lock_guard<std::mutex> hold(batch_.lock);
    batch_.restartUsed = restarts;
  }
  for (std::uint64_t attempt = 1;; ++attempt) {
    if (batch_.stop.load()) return false;
    WorkingGrid grid = WorkingGrid::fromDocument(c.document, ui_, batch_.withLetters);
    c.run.attemptStart = c.clock.now();
    if (!commitSaved(false) || !batch_.claimTry()) return false;
    ++c.run.tries;
    settings.failureBudget = restarts.budget(attempt);
    const FastFillOutcome outcome = fill.fill(grid, c.random, ui_, settings);
    batch_.entries.fetch_add(outcome.nodes);
    switch (outcome.status) {
      case FastFillOutcome::Status::Stopped: return false;
      case FastFillOutcome::Status::GaveUp: continue;
      case FastFillOutcome::Status::Unfillable: {
        {
          const std::lock_guard<std::mutex> guard(batch_.lock);
          console_.say(std::string("no crossword can be made of this model") +
                       (batch_.withLetters ? " and its letters" : "") + " with the words of '" +
                       c.currentTemplate.dictionaryPath + "'");
        }
        batch_.fail();
        return false;
      }
      case FastFillOutcome::Status::Filled: break;
    }
    if (!everyWordOnce(grid, isWord, ForcedWords{})) {
      batch_.rejected.fetch_add(1);
      continue;
    }
    if (words.hasScores()) summariseScores(grid, index);
    return save(grid, index, ForcedWords{});
  }
}

void GenerateJob::summariseScores(const WorkingGrid& grid, int index) {
  const WordIndex& words = *batch_.words;
  GenerateBatch::ScoreSummary summary{WordIndex::MaxScore, 0};
  const std::vector<std::string> texts = wordsOf(grid);
  for (const std::string& text : texts) {
    char letters[WordIndex::MaxLength + 1];
    const int length = wordLetters(context_.language, text, letters);
    std::uint8_t codes[WordIndex::MaxLength];
    for (int i = 0; i < length && i < WordIndex::MaxLength; ++i)
      codes[i] = static_cast<std::uint8_t>(letters[i] & 31);
    const int word = words.find(length, codes);
    const int score = word >= 0 ? words.score(length, word) : 0;
    summary.lowest = std::min(summary.lowest, score);
    summary.mean += score;
  }
  if (!texts.empty()) summary.mean /= static_cast<double>(texts.size());
  const std::lock_guard<std::mutex> guard(batch_.lock);
  batch_.scoreOf[index] = summary;
}

bool GenerateJob::save(const WorkingGrid& grid, int index, const ForcedWords& forced) {
  if (grid.hasEmptyLetterCell()) {
    ui_.messageBox(texts::unfilledCells, texts::invalidFileName, Icon::Error, Buttons::Ok);
    batch_.fail();
    return false;
  }
  if (!group_->add(grid, index)) {
    ui_.messageBox(group_->failedPath(), texts::invalidFileName, Icon::Error, Buttons::Ok);
    batch_.fail();
    return false;
  }
  if (batch_.forced) {
    const std::lock_guard<std::mutex> guard(batch_.lock);
    std::vector<std::string>& words = batch_.forcedOf[index];
    for (const ForcedWord& w : forced.words()) words.push_back(w.word);
  }
  return true;
}

void GenerateJob::saved(int index, const std::string& path) {
  ApplicationContext& c = context_;
  c.LastRawCrossword = path;
  ++c.run.saved;
  batch_.saved.fetch_add(1);
  const std::lock_guard<std::mutex> guard(batch_.lock);
  batch_.files.emplace_back(index, path);
}

}  // namespace vorkel
