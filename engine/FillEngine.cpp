#include "engine/FillEngine.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "engine/CandidateSearch.h"
#include "engine/PeriodicCheck.h"
#include "engine/Texts.h"
#include "platform/Random.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

constexpr int kNoSlotJump = 100;


bool budgetSpent(const FillContext& context) {
  return context.entryBudget != 0 && context.entries > context.entryBudget;
}

}  // namespace

FillResult fillCrossword(FillContext& context, bool seedLetters) {
  FillEngine engine(context);
  return engine.fill(seedLetters);
}

FillResult FillEngine::fill(bool seedLetters) {
  WorkingGrid& grid = context_.grid;
  const Path& path = context_.path;
  if (seedLetters) {
    grid.buildSlots();
    const SeedPositions& seeds = path.seeds();
    if (seeds.first.x >= 1) placeSeed(seeds.first.x, seeds.first.y, seeds.first.direction);
    else if (seeds.first.x == 0) placeSeedAtStop(0);
    if (seeds.second.x >= 1) placeSeed(seeds.second.x, seeds.second.y, seeds.second.direction);
    else if (seeds.second.x == 0) placeSeedAtStop(1);
  }
  grid.buildSlots();
  slotIndex_.build(grid);
  context_.entries = 0;
  context_.userStopped = false;
  const int result = level(0, 0);
  slotIndex_.clear();
  if (result > 0) return FillResult::Filled;
  if (context_.userStopped) return FillResult::Stopped;
  if (budgetSpent(context_)) return FillResult::BudgetSpent;
  return FillResult::NotFilled;
}

void FillEngine::placeSeedAtStop(std::size_t stopIndex) {
  const std::vector<PathStop>& stops = context_.path.stops();
  // The first `stopIndex` stops must be real stops too: "the second stop"
  // of a one-stop path does not exist.
  for (std::size_t i = 0; i <= stopIndex; ++i)
    if (i >= stops.size() || stops[i].isEndMarker()) return;
  placeSeed(stops[stopIndex].x, stops[stopIndex].y, stops[stopIndex].direction);
}

void FillEngine::placeSeed(int x, int y, Direction direction) {
  WorkingGrid& grid = context_.grid;
  Slot* slot = grid.findSlot(x, y, direction);
  if (slot == nullptr || slot->len <= 0) return;
  Random& random = context_.random;
  const int pos = random.below(slot->len);
  if (pos >= static_cast<int>(slot->textView().size())) return;  // beyond the stored text
  if (slot->text[static_cast<std::size_t>(pos)] == ' ') {
    slot->text[static_cast<std::size_t>(pos)] =
        static_cast<char>(context_.language.nameOf(1 + random.below(26)));
  }
  grid.writeSlot(*slot);
}

int FillEngine::level(std::size_t stopIndex, std::size_t depth) {
  WorkingGrid& grid = context_.grid;
  Ui& ui = context_.ui;
  const std::vector<PathStop>& stops = context_.path.stops();

  // A path without an end marker (or no path at all) has run out: that is a
  // wrong call, not a filled grid.
  if (stopIndex >= stops.size()) {
    ui.messageBox(texts::fillOutsideGrid, texts::fillOutsideGridCaption, Icon::None, Buttons::Ok);
    return 0;
  }
  const PathStop& stop = stops[stopIndex];
  if (stop.x > grid.width() || stop.y > grid.height() || (stop.x >= 0 && stop.y < 0)) {
    ui.messageBox(texts::fillOutsideGrid, texts::fillOutsideGridCaption, Icon::None, Buttons::Ok);
    return 0;
  }
  if (stop.isEndMarker()) return 1;

  if (grid.get(stop.x, stop.y) == '#') {
    char caption[32];
    std::snprintf(caption, sizeof caption, texts::fillStopOnClueCaption, stop.x, stop.y);
    ui.messageBox(texts::fillStopOnClue, caption, Icon::None, Buttons::Ok);
    return level(stopIndex + 1, depth + 1);
  }

  Slot* slot = grid.findSlot(stop.x, stop.y, stop.direction);
  if (slot == nullptr) {
    ui.messageBox(texts::fillNoSlot, texts::fillNoSlotCaption, Icon::None, Buttons::Ok);
    return -kNoSlotJump;
  }
  grid.readSlot(*slot);

  if (const int jump = periodicCheck(context_, stop); jump > 0) return -jump;
  ++context_.entries;
  // A jump of depth + 1 levels reaches past the first stop: every level
  // above restores its slot and passes the jump on, none takes a next word.
  if (budgetSpent(context_)) return -static_cast<int>(depth + 1);

  if (!WorkingGrid::hasEmptyCell(*slot)) {
    // A complete slot (document letters, or filled by its crossings) must be
    // a word and must not stand twice. A single cell is no word: always fine.
    if (slot->len > 1 &&
        (grid.isDuplicate(*slot) || !context_.dictionary.hasMatch(slot->textView())))
      return 0;
    return level(stopIndex + 1, depth + 1);
  }

  if (!searchCandidates(context_, *slot, scratch_, working_, &slotIndex_)) {
    // A negative rc from a path file would read as success upstream.
    return -std::max(stop.backJump, 0);
  }

  // This level's own copy of the candidates: the working list is refilled
  // by the levels below.
  if (levelCopies_.size() <= depth) levelCopies_.resize(depth + 1);
  working_.copyTo(levelCopies_[depth]);
  const Slot saved = working_.saved;
  const int count = working_.count();
  const int length = working_.wordLength();
  const std::size_t stride = static_cast<std::size_t>(length) + 1;
  const Language& language = context_.language;

  const auto restore = [&]() {
    *slot = saved;
    grid.writeSlot(*slot);
    refreshCrossings(*slot);
  };

  for (int k = 0; k < count; ++k) {
    // The copy lives in levelCopies_, which deeper levels may grow (moving
    // the inner vectors but not their buffers); index it afresh each time.
    const unsigned char* word = levelCopies_[depth].data() + static_cast<std::size_t>(k) * stride;
    for (int i = 0; i < length; ++i)
      slot->text[static_cast<std::size_t>(i)] = static_cast<char>(language.nameOf(word[i]));
    slot->text[static_cast<std::size_t>(length)] = '\0';
    if (grid.isDuplicate(*slot)) continue;

    grid.writeSlot(*slot);
    // The path visits only the slots it laid; a slot that its crossings
    // fill completely is never visited, so its word is checked here.
    if (completesRepeat(*slot)) continue;
    const int f = level(stopIndex + 1, depth + 1);
    if (f > 0) return 1;
    if (f < 0) {
      restore();
      return f + 1;
    }
  }
  restore();
  return 0;
}

bool FillEngine::completesRepeat(const Slot& slot) {
  WorkingGrid& grid = context_.grid;
  const Direction across = slot.direction == Direction::Down ? Direction::Across : Direction::Down;
  bool repeat = false;
  for (int i = 0; i < slot.len; ++i) {
    const int x = slot.direction == Direction::Down ? slot.x : slot.x + i;
    const int y = slot.direction == Direction::Down ? slot.y + i : slot.y;
    Slot* crossing = slotIndex_.find(x, y, across);
    if (crossing == nullptr || crossing->len < 2) continue;
    grid.readSlot(*crossing);
    if (!repeat && !WorkingGrid::hasEmptyCell(*crossing) && grid.isDuplicate(*crossing))
      repeat = true;
  }
  return repeat;
}

void FillEngine::refreshCrossings(const Slot& slot) {
  WorkingGrid& grid = context_.grid;
  const Direction across = slot.direction == Direction::Down ? Direction::Across : Direction::Down;
  for (int i = 0; i < slot.len; ++i) {
    const int x = slot.direction == Direction::Down ? slot.x : slot.x + i;
    const int y = slot.direction == Direction::Down ? slot.y + i : slot.y;
    if (Slot* crossing = slotIndex_.find(x, y, across)) grid.readSlot(*crossing);
  }
}

}  // namespace vorkel
