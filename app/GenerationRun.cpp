#include "app/GenerationRun.h"

#include "app/ApplicationContext.h"
#include "app/HandOver.h"
#include "app/Texts.h"
#include "engine/FillContext.h"
#include "engine/FillEngine.h"
#include "engine/ProgressDisplay.h"
#include "engine/RawCrossword.h"
#include "engine/Simpelarr.h"
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

// One attempt; `saveFailed` tells the run loop that a filled crossword
// could not be written, `userStopped` that the user pressed Escape.
int attempt(ApplicationContext& context, AttemptKind kind, bool& saveFailed, bool& userStopped) {
  Ui& ui = context.ui;
  const bool withLetters = kind == AttemptKind::WithLetters;
  context.run.attemptStart = context.clock.now();
  Simpelarr grid = Simpelarr::fromDocument(context.document, ui, withLetters);
  ++context.run.tries;
  showFillCounters(ui, context.run);

  FillContext fill{grid,         context.path,   context.parameters, *context.dictionary,
                   context.language, context.random, context.engineCounters, context.ticks,
                   ui,           context.run,    context.simpleMode};
  const int result = fillCrossword(fill, /*seedLetters=*/!withLetters);
  userStopped = fill.userStopped;
  if (result <= 0) return result;

  const std::string folder = context.outputFolder();
  RawCrosswordResult saved = saveRawCrossword(grid, folder, context.RawCrosswordCounter);
  if (saved.saved) {
    context.LastRawCrossword = saved.path;
    ++context.run.saved;
    if (Files::countFiles(Files::joinPath(folder, "*.*")) + 1 > kCrowdedFolder)
      ui.messageBox(texts::crowdedOutput, texts::crowdedOutputCaption, Icon::Error);
  } else {
    // Not counted: a run told to save n crosswords must not stop after n
    // failures believing they were saved.
    ui.messageBox(saved.path, texts::invalidFileName, Icon::Error);
    saveFailed = true;
  }
  if (!withLetters) grid.copyLettersTo(context.document);
  return result;
}

}  // namespace

int runAttempt(ApplicationContext& context, AttemptKind kind) {
  bool saveFailed = false, userStopped = false;
  return attempt(context, kind, saveFailed, userStopped);
}

bool runGeneration(ApplicationContext& context, AttemptKind kind, HandOver* handOver) {
  Ui& ui = context.ui;
  if (!havePath(context)) {
    ui.messageBox(texts::noPathForRun, texts::noPathForRunCaption);
    return false;
  }
  // A long run should leave the rest of the machine usable. The run goes on
  // when the priority cannot be lowered.
  if (context.idlePriorityForRuns && !Process::lowerToIdle())
    ui.messageBox(texts::priorityFailed, texts::priorityFailedCaption);

  ui.setStatusText(texts::runStatus);
  ui.setCursor(Cursor::Hidden);
  for (;;) {
    const int savedBefore = context.run.saved;
    bool saveFailed = false, userStopped = false;
    attempt(context, kind, saveFailed, userStopped);
    // An output folder that takes no file takes none the next time either;
    // going on would only repeat the message after every crossword.
    if (saveFailed || context.stopRequested) break;
    const bool reachedLimit = context.simpleMode && context.run.saved >= context.RunLimit;
    if (handOver && context.run.saved > savedBefore)
      handOver->handOver(context.LastRawCrossword, reachedLimit);

    if (userStopped && !askToContinue(ui)) break;
    KeyMessage key;
    if (ui.pollKey(key) && !askToContinue(ui)) break;
    if (context.simpleMode && context.run.saved >= context.RunLimit) break;
    if (context.stopRequested) break;
  }
  ui.setStatusText("");
  ui.setCursor(Cursor::Arrow);
  if (kind == AttemptKind::WithoutLetters) {
    context.documentModified = true;
    context.document.untitled = true;
  }
  return true;
}

}  // namespace vorkel
