#include "app/GenerationRun.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/FastAttempt.h"
#include "app/FillAttempt.h"
#include "app/ForcedWordsDialog.h"
#include "app/HandOver.h"
#include "app/Texts.h"
#include "engine/Texts.h"
#include "engine/ForcedWords.h"
#include "engine/RawCrossword.h"
#include "engine/WorkingGrid.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace vorkel {

namespace {

// Raw crosswords an output folder should hold at most before the user is
// warned; the drawing program's folder view slows down beyond it.
constexpr int kCrowdedFolder = 600;

// Shows the question whether to go on; false when the user answers No.
bool askToContinue(Ui& ui) {
  ui.setCursor(Cursor::Arrow);
  if (ui.messageBox(texts::runInterrupted, texts::runInterruptedCaption, Icon::None,
                    Buttons::YesNo) == Answer::No)
    return false;
  ui.setCursor(Cursor::Hidden);
  return true;
}

bool havePath(const ApplicationContext& context) { return context.path.length() > 0; }

// What one attempt tells the run loop.
struct AttemptOutcome {
  FillResult result = FillResult::NotFilled;
  // A filled crossword could not be written, or no crossword can be made:
  // every later attempt would end the same way.
  bool endsRun = false;
};

// A filled grid: saved as a raw crossword and counted, the user warned
// about a crowded output folder, and (`intoDocument`) its letters copied
// into the document.
void saveFilled(ApplicationContext& context, const WorkingGrid& grid, bool intoDocument,
                AttemptOutcome& outcome) {
  Ui& ui = context.ui;
  if (grid.hasEmptyLetterCell()) {
    // Every later attempt would end the same way: the run stops here.
    ui.messageBox(texts::unfilledCells, texts::invalidFileName, Icon::Error);
    outcome.endsRun = true;
    return;
  }
  const std::string folder = context.outputFolder();
  RawCrosswordResult saved = saveRawCrossword(grid, folder, context.RawCrosswordCounter);
  if (saved.saved) {
    context.LastRawCrossword = saved.path;
    ++context.run.saved;
    if (!context.run.crowdingWarned &&
        Files::countFiles(Files::joinPath(folder, "*.*")) + 1 > kCrowdedFolder) {
      context.run.crowdingWarned = true;
      ui.messageBox(texts::crowdedOutput, texts::crowdedOutputCaption, Icon::Error);
    }
  } else {
    // Not counted: a run told to save n crosswords must not stop after n
    // failures believing they were saved.
    ui.messageBox(saved.path, texts::invalidFileName, Icon::Error);
    outcome.endsRun = true;
  }
  if (intoDocument) grid.copyLettersTo(context.document);
}

// One attempt (app/FillAttempt.h), and the crossword saved when it filled.
// A forced attempt lays a path of its own around the words: the program's
// path, perhaps optimised or edited by hand, stays for the next run.
AttemptOutcome attempt(ApplicationContext& context, FillAttempt& attempts, AttemptKind kind,
                       const ForcedWords* forced = nullptr) {
  const bool withLetters = kind == AttemptKind::WithLetters && forced == nullptr;
  const FillAttempt::Outcome filled = attempts.make({withLetters, forced, 0});
  AttemptOutcome outcome;
  outcome.result = filled.result;
  if (outcome.result == FillResult::Filled) saveFilled(context, attempts.grid(), !withLetters, outcome);
  return outcome;
}

// One crossword with the fast fill, saved as `attempt` saves it. A grid
// the fast fill proves cannot be filled ends the run.
AttemptOutcome fastAttempt(ApplicationContext& context, FastAttempt& attempts, AttemptKind kind) {
  const bool withLetters = kind == AttemptKind::WithLetters;
  AttemptOutcome outcome;
  outcome.result = attempts.make(withLetters);
  if (outcome.result == FillResult::Filled)
    saveFilled(context, attempts.grid(), !withLetters, outcome);
  else if (outcome.result == FillResult::NotFilled)
    outcome.endsRun = true;
  return outcome;
}

// The loop of every run. `next` makes one attempt, or ends the run by
// answering nothing.
void runLoop(ApplicationContext& context, const std::function<std::optional<AttemptOutcome>()>& next,
             const RunOptions& options) {
  Ui& ui = context.ui;
  context.run.crowdingWarned = false;
  const std::int32_t written = context.RawCrosswordCounter;
  const bool gridWasSaved = !context.unsaved.changed(context, Grid);
  // A long run should leave the rest of the machine usable. The run goes on
  // when the priority cannot be lowered.
  if (options.lowerPriority && context.idlePriorityForRuns && !Process::lowerToIdle())
    ui.messageBox(texts::priorityFailed, texts::priorityFailedCaption);

  if (options.setStatusText) ui.setStatusText(texts::runStatus);
  ui.setCursor(Cursor::Hidden);
  for (;;) {
    const int savedBefore = context.run.saved;
    if (options.handOver) context.LastRawCrossword.clear();
    const std::optional<AttemptOutcome> outcome = next();
    // An output folder that takes no file takes none the next time either;
    // going on would only repeat the message after every crossword.
    if (!outcome || outcome->endsRun || context.stopRequested) break;
    const bool reachedLimit = context.simpleMode && context.run.saved >= context.RunLimit;
    if (options.handOver && context.run.saved > savedBefore) {
      options.handOver->handOver(context.LastRawCrossword, reachedLimit);
      if (reachedLimit) break;
    }

    if (outcome->result == FillResult::Stopped && !askToContinue(ui)) break;
    KeyMessage key;
    if (ui.pollKey(key) && !askToContinue(ui)) break;
    if (context.simpleMode && context.run.saved >= context.RunLimit) break;
    if (context.stopRequested) break;
  }
  if (options.setStatusText) ui.setStatusText("");
  ui.setCursor(Cursor::Arrow);
  // The letters a run leaves are not work the user would lose: a grid that
  // was saved before stays so, and a typed grid is kept in the crosswords
  // the run wrote into the output folder.
  if (gridWasSaved || context.RawCrosswordCounter != written)
    context.unsaved.markGridSaved(context.document);
}

// The document received the letters of the run's crosswords: it is no
// longer the file it was read from.
void markDocumentChanged(ApplicationContext& context) {
  context.documentModified = true;
  context.document.untitled = true;
}

// A word file that cannot be used, named under the text, in a box of the
// forced-words command.
void showWordFileProblem(ApplicationContext& context, const char* text, const std::string& path) {
  context.ui.messageBox(std::string(text) + "\n" + path, texts::forcedDialogTitle, Icon::Warning);
}

// The words of "tvang.txt" for a run; an unreadable file is shown and the
// run goes on without words.
ForcedWords forcedWordsFor(ApplicationContext& context) {
  ForcedWords words;
  const std::string path = forcedPath(context);
  const std::optional<std::vector<std::string>> list =
      readWordList(path, ForcedLineLimit, context.language);
  if (!list) {
    showWordFileProblem(context, texts::wordListUnreadable, path);
    return words;
  }
  for (const std::string& w : *list) words.add(w);
  return words;
}

// New words from the word file; false (shown) when there are none.
bool drawWords(ApplicationContext& context, ForcedWords& words) {
  ForcedSettings& s = context.forced;
  const std::string path = context.locate(s.wordFile);
  const std::optional<std::vector<std::string>> list =
      readWordList(path, WordFileLineLimit, context.language);
  if (!list) {
    showWordFileProblem(context, texts::wordListUnreadable, path);
    return false;
  }
  const WorkingGrid model = WorkingGrid::fromDocument(context.document, context.ui, false);
  if (drawForcedWords(*list, model, context.language, s.numberToDraw, context.random, words) !=
      DrawResult::Drawn) {
    showWordFileProblem(context, texts::wordListNoneFits, path);
    return false;
  }
  return true;
}

}  // namespace

FillResult runAttempt(ApplicationContext& context, AttemptKind kind) {
  context.run.crowdingWarned = false;  // a run of its own
  if (context.currentTemplate.fastFill) {
    FastAttempt attempts(context);
    return attempts.ready() ? fastAttempt(context, attempts, kind).result : FillResult::NotFilled;
  }
  FillAttempt attempts(context);
  return attempt(context, attempts, kind).result;
}

bool runGeneration(ApplicationContext& context, AttemptKind kind, const RunOptions& options) {
  if (context.currentTemplate.fastFill) {
    FastAttempt attempts(context);
    if (!attempts.ready()) return false;
    runLoop(context, [&]() -> std::optional<AttemptOutcome> {
      return fastAttempt(context, attempts, kind);
    }, options);
    if (kind == AttemptKind::WithoutLetters) markDocumentChanged(context);
    return true;
  }
  if (!havePath(context)) {
    context.ui.messageBox(texts::noPathForRun, texts::noPathForRunCaption);
    return false;
  }
  FillAttempt attempts(context);
  runLoop(context,
          [&]() -> std::optional<AttemptOutcome> { return attempt(context, attempts, kind); },
          options);
  if (kind == AttemptKind::WithoutLetters) markDocumentChanged(context);
  return true;
}

bool runForcedGeneration(ApplicationContext& context) {
  if (!havePath(context)) {
    context.ui.messageBox(texts::noPathForRun, texts::noPathForRunCaption);
    return false;
  }
  if (!runForcedWordsDialog(context)) return false;
  ForcedWords words;
  const bool drawn = context.forced.useWordFile;
  if (!drawn) words = forcedWordsFor(context);

  // New words are drawn before the first attempt and every fifth after it.
  FillAttempt attempts(context);
  int sinceDrawn = 0;
  runLoop(
      context,
      [&]() -> std::optional<AttemptOutcome> {
        if (drawn && sinceDrawn % 5 == 0) {
          if (!drawWords(context, words)) return std::nullopt;
          sinceDrawn = 0;
        }
        ++sinceDrawn;
        return attempt(context, attempts, AttemptKind::WithoutLetters, &words);
      },
      RunOptions{});
  markDocumentChanged(context);
  return true;
}

}  // namespace vorkel
