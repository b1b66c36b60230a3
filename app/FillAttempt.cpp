#include "app/FillAttempt.h"

#include "app/ApplicationContext.h"
#include "engine/ForcedAttempt.h"
#include "engine/ForcedWords.h"
#include "engine/ProgressDisplay.h"

namespace vorkel {

namespace {

FillContext fillContextFor(ApplicationContext& c, WorkingGrid& grid, const Path& path) {
  return FillContext{grid,     path,    c.parameters, *c.dictionary, c.language, c.random,
                     c.engineCounters, c.ticks, c.ui,   c.run,          c.simpleMode};
}

}  // namespace

FillAttempt::FillAttempt(ApplicationContext& context)
    : context_(context),
      grid_(WorkingGrid::fromDocument(context.document, context.ui, false)),
      plain_(fillContextFor(context, grid_, context.path)),
      engine_(plain_),
      forced_(fillContextFor(context, grid_, forcedPath_)) {}

FillAttempt::Outcome FillAttempt::make(const Settings& settings) {
  ApplicationContext& c = context_;
  const bool forced = settings.forced != nullptr;
  const bool withLetters = settings.withLetters && !forced;
  grid_ = WorkingGrid::fromDocument(c.document, c.ui, withLetters);
  c.run.attemptStart = c.clock.now();
  ++c.run.tries;

  FillContext& fill = forced ? forced_ : plain_;
  fill.entryBudget = settings.entryBudget;
  fill.entries = 0;  // a forced attempt whose words found no place fills nothing
  fill.userStopped = false;
  Outcome outcome;
  if (forced) {
    outcome.result = fillForced(fill, forcedPath_, *settings.forced, placed_);
  } else {
    showFillCounters(c.ui, c.run);
    outcome.result = engine_.fill(/*seedLetters=*/!withLetters);
  }
  outcome.entries = fill.entries;
  return outcome;
}

}  // namespace vorkel
