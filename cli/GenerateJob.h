#pragma once
// One generator of a batch run: its own application context (document,
// dictionary, path, parameters, counters, random generator) loaded from the
// template, making the crosswords it claims from the batch.
//
// The dictionary is not shared between jobs: its queries step a counter that
// steers later queries, so a shared store would make one job's results
// depend on the others. A job loads the stock dictionary in about 0.1 s.
//
//   GenerateJob job(batch, console, "/stock");
//   if (job.load("/stock/Model1.skb")) job.run();    // in a thread of its own
//
// A forced run (batch.forced) places the forced words into the empty model
// in every attempt and fills around them (engine/ForcedAttempt.h); words
// drawn from a word file are drawn with the crossword's own generator, so
// they follow from (seed, k) as well.
//
// Reproducibility: before the attempts for crossword k the job seeds its
// random generator with crosswordSeed(batch.seed, k) and resets everything
// else a fill carries over (engine counters, the dictionary's query
// counter); the restart budgets count attempts at k from 1. With parameters
// that have no timed jumps (AGtidlille 0 or AGrclille and AGantalrcstor 0)
// crossword k is then the same bytes whichever job makes it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/ApplicationContext.h"
#include "cli/BatchUi.h"
#include "cli/GenerateBatch.h"
#include "platform/Registry.h"
#include "platform/SystemClock.h"

namespace vorkel {

class FastFill;
class ForcedWords;
class RawCrosswordGroup;
class WorkingGrid;

// The random seed of crossword `index` of a run seeded with `seed`: the high
// half of SplitMix64 applied to (seed << 32 | index).
std::uint32_t crosswordSeed(std::uint32_t seed, std::uint32_t index);

class GenerateJob {
 public:
  // `workFolder`: what relative names in the template are read against.
  // `outputFolderGiven`: the command line names the output folder, so the
  // template's and the installation's are not read.
  GenerateJob(GenerateBatch& batch, Console& console, const std::string& workFolder,
              bool outputFolderGiven);
  ~GenerateJob();
  GenerateJob(const GenerateJob&) = delete;
  GenerateJob& operator=(const GenerateJob&) = delete;

  // Loads the template. False when the load stopped early (the reason has
  // been shown); the loaders of the single files carry on after a failure,
  // see loadProblem. For the fast fill the words go into the batch's index
  // (read by the first job that loads) instead of the job's word store.
  bool load(const std::string& templatePath);

  // After a load: what keeps the loaded files from making crosswords (a
  // file that did not load, a model the fill cannot complete, a path or
  // dictionary that makes every attempt hopeless), English lines naming the
  // files and cells; empty when there is none.
  std::vector<std::string> loadProblems();

  // Makes crosswords until the batch has claimed all of them or is told to
  // stop. Failures are shown and mark the batch failed. The crosswords are
  // written in groups (engine/RawCrosswordGroup.h) and count as saved once
  // their group is durable; every crossword made is saved before run ends.
  void run();

  ApplicationContext& context() { return context_; }
  BatchUi& ui() { return ui_; }

 private:
  // The attempts for crossword `index` until one is saved. False when the
  // job stopped or failed before.
  bool makeCrossword(int index);
  bool makeFastCrossword(int index);
  // The index of the template's word file for the fast fill, holding the
  // lengths of the model's words, with the scores of the score file beside
  // it when there is one (a score file that cannot be used is a load
  // problem).
  void loadWordIndex();
  // Notes the lowest and mean score of the words of a filled grid.
  void summariseScores(const WorkingGrid& grid, int index);
  // Saves a filled grid with the forced words it holds; false (shown,
  // batch failed) when it cannot.
  bool save(const WorkingGrid& grid, int index, const ForcedWords& forced);
  // Commits the crosswords waiting in the group: all of them, or only when
  // the group is due. False (shown, batch failed) when the commit failed.
  bool commitSaved(bool all);
  // A crossword durable under its name.
  void saved(int index, const std::string& path);

  GenerateBatch& batch_;
  Console& console_;
  BatchUi ui_;
  SystemClock clock_;
  Registry registry_;
  ApplicationContext context_;
  std::string scoreProblem_;  // why the score file cannot be used; empty when it can
  std::unique_ptr<RawCrosswordGroup> group_;  // while run() runs
  std::unique_ptr<FastFill> fastFill_;       // made at the first fast crossword
};

}  // namespace vorkel
