#include "app/FastAttempt.h"

#include <algorithm>

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "dictionary/WordScores.h"
#include "engine/FastFill.h"
#include "engine/KeptWordIndex.h"
#include "engine/ProgressDisplay.h"
#include "engine/RestartPolicy.h"
#include "engine/SlotGraph.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// The template's words at its floor: the context's when they were made from
// the same files, else loaded (and kept in the context). Null when there
// are none; the reason was shown. `floorOut` gets the floor the words are
// cut at.
std::shared_ptr<const WordIndex> wordsFor(ApplicationContext& c, const WorkingGrid& shape,
                                          int& floorOut) {
  const Template& t = c.currentTemplate;
  Ui& ui = c.ui;
  if (t.dictionaryName.empty() || !Files::isFile(c.locate(t.dictionaryName))) {
    ui.messageBox(texts::missingDictionary, texts::cannotBuildCaption, Icon::Error);
    return nullptr;
  }
  const std::string dictionary = c.locate(t.dictionaryName);
  const std::string scores = scorePathBeside(dictionary);
  const bool scored = Files::exists(scores);
  const int floor = scored ? std::max(t.minScore, 1) : 0;
  floorOut = floor;
  const std::uint32_t lengths = SlotGraph::of(shape).lengths();
  FastFillWords& kept = c.fastFillWords;
  if (kept.index && kept.dictionary == dictionary && kept.floor == floor &&
      (kept.lengths & lengths) == lengths)
    return kept.index;

  kept = FastFillWords{};
  ui.setStatusText(texts::loadingDictionary);
  ui.setCursor(Cursor::Wait);
  KeptWordIndex words = loadKeptWordIndex({dictionary, scored ? scores : "", c.wordListEncoding, floor},
                                          c.language, ui, lengths);
  ui.setStatusText("");
  ui.setCursor(Cursor::Arrow);
  if (!words.problem.empty()) {
    ui.messageBox(words.problem, texts::cannotBuildCaption, Icon::Error);
    return nullptr;
  }
  if (!words.index) return nullptr;  // the word file's own message was shown
  kept.index = std::make_shared<const WordIndex>(std::move(*words.index));
  kept.dictionary = dictionary;
  kept.floor = floor;
  kept.lengths = words.from == KeptWordIndex::From::BuiltAndKept ? WordIndex::AllLengths : lengths;
  return kept.index;
}

}  // namespace

FastAttempt::FastAttempt(ApplicationContext& context)
    : context_(context), grid_(WorkingGrid::fromDocument(context.document, context.ui, false)) {
  words_ = wordsFor(context, grid_, floor_);
  if (words_) fill_ = std::make_unique<FastFill>(*words_, context.language);
}

FastAttempt::~FastAttempt() = default;

FillResult FastAttempt::make(bool withLetters) {
  ApplicationContext& c = context_;
  const RestartPolicy restarts = fastFillRestart(floor_);
  FastFillSettings settings = fastFillSettings(floor_);
  fill_->startCrossword();
  for (std::uint64_t attempt = 1;; ++attempt) {
    grid_ = WorkingGrid::fromDocument(c.document, c.ui, withLetters);
    c.run.attemptStart = c.clock.now();
    ++c.run.tries;
    showFillCounters(c.ui, c.run);
    settings.failureBudget = restarts.budget(attempt);
    switch (fill_->fill(grid_, c.random, c.ui, settings).status) {
      case FastFillOutcome::Status::Filled: return FillResult::Filled;
      case FastFillOutcome::Status::Stopped: return FillResult::Stopped;
      case FastFillOutcome::Status::GaveUp: break;
      case FastFillOutcome::Status::Unfillable:
        c.ui.messageBox(texts::noFastFill, texts::cannotBuildCaption, Icon::Error);
        return FillResult::NotFilled;
    }
    if (c.stopRequested) return FillResult::Stopped;
  }
}

}  // namespace vorkel
