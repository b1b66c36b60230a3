#include "cli/GenerateJob.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "document/DocumentFile.h"
#include "engine/GridShapeCheck.h"
#include "engine/ParameterFile.h"
#include "engine/FillContext.h"
#include "engine/FillEngine.h"
#include "engine/RawCrossword.h"
#include "engine/Simpelarr.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// Raw crosswords in an output folder beyond which the drawing program's
// folder view slows down; the user is warned once per run.
constexpr int kCrowdedFolder = 600;

// A fill that answers 1 with empty letter cells left has followed a path that
// misses part of the grid; such a grid is no crossword.
bool everyLetterCellFilled(const Simpelarr& grid) {
  for (int y = 0; y < grid.height(); ++y)
    for (int x = 0; x < grid.width(); ++x) {
      const char c = grid.get(x, y);
      if (c == ' ' || c == '\0') return false;
    }
  return true;
}

// The words of a filled grid: every across and down run of two or more
// cells.
std::vector<std::string> wordsOf(const Simpelarr& grid) {
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
bool everyWordOnce(const Simpelarr& grid, TrieOrdbog& dictionary) {
  std::vector<std::string> words = wordsOf(grid);
  for (const std::string& word : words)
    if (!dictionary.hasMatch(word)) return false;
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

GenerateJob::GenerateJob(GenerateBatch& batch, std::ostream& err, const std::string& workFolder)
    : batch_(batch),
      err_(err),
      ui_(err, batch.lock, batch.stop),
      registry_(Registry::defaultFilePath()),
      context_(ui_, clock_, registry_, workFolder, batch.seed) {
  context_.idlePriorityForRuns = false;
  context_.simpleMode = false;
}

bool GenerateJob::load(const std::string& templatePath) {
  return loadTemplate(context_, templatePath);
}

std::string GenerateJob::loadProblem() {
  ApplicationContext& c = context_;
  const Template& t = c.skabelon;
  // The loaders have shown their own messages and left the state as it was
  // before; a fresh context had nothing, so the files are read again
  // without messages where the state cannot tell.
  std::ostringstream ignored;
  std::mutex ignoredLock;
  const std::atomic<bool> never{false};
  BatchUi quiet(ignored, ignoredLock, never);
  const std::string model = c.locate(c.documentDialog.fileName);
  CrosswordDocument probe;
  if (!readDocument(probe, model, c.language, quiet))
    return "cannot read the model " + model + "\n";
  const GridShapeCheck check = GridShapeCheck::of(c.document);
  if (!check.ok()) return "the model " + model + " cannot be filled:\n" + check.describe();
  if (t.dictionaryPath.empty() || !c.dictionary || c.dictionary->wordCount() == 0)
    return "no words in the dictionary the template names\n";
  if (c.path.length() == 0)
    return "no stops in the path " + c.locate(t.pathFileName) + "\n";
  const std::string par = c.locate(t.parameterFileName);
  const std::optional<std::string> bytes = Files::readFile(par, kMaxParameterFileBytes);
  if (!bytes || parseParameterFile(*bytes).status != ParameterFileContents::Status::Ok)
    return "cannot use the parameter file " + par + "\n";
  return {};
}

void GenerateJob::run() {
  while (!batch_.stop.load()) {
    const int index = batch_.nextIndex.fetch_add(1);
    if (index >= batch_.count) return;
    if (!makeCrossword(index)) return;
  }
}

bool GenerateJob::makeCrossword(int index) {
  ApplicationContext& c = context_;
  // Everything a fill carries over from the one before starts afresh, so
  // crossword `index` does not depend on what this job made earlier.
  c.random.seed(crosswordSeed(batch_.seed, static_cast<std::uint32_t>(index)));
  c.engineCounters = EngineCounters{};
  c.dictionary->setQueryCounter(TrieOrdbog::InitialQueryCounter);

  const bool withLetters = batch_.withLetters;
  Simpelarr grid = Simpelarr::fromDocument(c.document, ui_, withLetters);
  FillContext fill{grid,       c.path,   c.parameters, *c.dictionary, c.language, c.random,
                   c.engineCounters, c.ticks, ui_,     c.run,          false};
  FillEngine engine(fill);
  for (std::uint64_t attempt = 1;; ++attempt) {
    if (batch_.stop.load()) return false;
    grid = Simpelarr::fromDocument(c.document, ui_, withLetters);
    c.run.attemptStart = c.clock.now();
    ++c.run.tries;
    batch_.tries.fetch_add(1);
    fill.entryBudget = batch_.restart.budget(attempt);
    const int result = engine.fill(/*seedLetters=*/!withLetters);
    batch_.entries.fetch_add(fill.entries);
    // Only the stop request ends the batch; a large back-jump that ran out
    // at the first stop is a failed attempt like any other.
    if (fill.userStopped || batch_.stop.load()) return false;
    if (result <= 0) continue;
    if (!everyLetterCellFilled(grid)) {
      // Every further attempt would end the same way.
      {
        const std::lock_guard<std::mutex> guard(batch_.lock);
        err_ << "vorkel generate: the path '" << c.skabelon.pathFileName
             << "' does not reach every letter cell of the model\n";
      }
      batch_.fail();
      return false;
    }
    if (!everyWordOnce(grid, *c.dictionary)) {
      batch_.rejected.fetch_add(1);
      continue;
    }
    return save(grid, index);
  }
}

bool GenerateJob::save(const Simpelarr& grid, int index) {
  ApplicationContext& c = context_;
  // Starting the name search at the crossword's index gives the same names
  // with one job or many in an empty folder; a name taken is skipped.
  c.RawCrosswordCounter = std::max(c.RawCrosswordCounter, static_cast<std::int32_t>(index));
  const RawCrosswordResult saved =
      saveRawCrossword(grid, batch_.outputFolder, c.RawCrosswordCounter);
  if (!saved.saved) {
    ui_.messageBox(saved.path, texts::invalidFileName, Icon::Error, Buttons::Ok);
    batch_.fail();
    return false;
  }
  c.LastRawCrossword = saved.path;
  ++c.run.saved;
  batch_.saved.fetch_add(1);
  bool warn = false;
  {
    const std::lock_guard<std::mutex> guard(batch_.lock);
    batch_.files.emplace_back(index, saved.path);
    if (!batch_.warnedCrowded &&
        Files::countFiles(Files::joinPath(batch_.outputFolder, "*.*")) + 1 > kCrowdedFolder)
      warn = batch_.warnedCrowded = true;
  }
  if (warn)
    ui_.messageBox(texts::crowdedOutput, texts::crowdedOutputCaption, Icon::Error, Buttons::Ok);
  return true;
}

}  // namespace vorkel
