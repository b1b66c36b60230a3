#include "engine/FastFill.h"

#include <vector>

#include "dictionary/Language.h"
#include "engine/FastFillSearch.h"
#include "engine/SlotGraph.h"
#include "engine/WorkingGrid.h"

namespace vorkel {

FastFillSettings fastFillSettings(int floor) {
  FastFillSettings settings;
  if (floor > 1) {
    settings.scoredSamples = 64;
    settings.scoreWeight = 8;
  }
  return settings;
}

namespace {

// The letter a grid cell allows: any for an empty cell, its own for a
// letter of the language, none for a byte the language has no letter for.
LetterSet lettersOfCell(char cell, const Language& language) {
  if (cell == ' ') return ~LetterSet{0};
  const auto letter = static_cast<unsigned char>(language.input(static_cast<unsigned char>(cell)) & 0xDF);
  if (letter < 0x40 || letter > 0x5F) return 0;
  return LetterSet{1} << (letter & 31);
}

}  // namespace

FastFill::FastFill(const WordIndex& index, const Language& language)
    : index_(index), language_(language), workspace_(std::make_unique<FastFillWorkspace>()) {}

FastFill::~FastFill() = default;

void FastFill::startCrossword() { workspace_->conflicts.clear(); }

FastFillOutcome FastFill::fill(WorkingGrid& grid, Random& random, Ui& ui,
                               const FastFillSettings& settings) {
  FastFillOutcome outcome;
  const SlotGraph graph = SlotGraph::of(grid);
  if (graph.tooLong > 0 || graph.lonelyCells > 0) {
    outcome.status = FastFillOutcome::Status::Unfillable;
    return outcome;
  }
  std::vector<LetterSet> letters(static_cast<std::size_t>(graph.width) *
                                 static_cast<std::size_t>(graph.height));
  for (int y = 0; y < graph.height; ++y)
    for (int x = 0; x < graph.width; ++x)
      letters[static_cast<std::size_t>(y * graph.width + x)] = lettersOfCell(grid.get(x, y), language_);

  FastFillSearch search(index_, graph, random, ui, settings);
  search.adopt(*workspace_);
  outcome.status = search.setup(letters) ? search.search() : FastFillOutcome::Status::Unfillable;
  outcome.nodes = search.nodes();
  outcome.failures = search.failures();
  outcome.blocks = search.blocks();
  if (outcome.status != FastFillOutcome::Status::Filled) {
    search.giveBack(*workspace_);
    return outcome;
  }

  for (std::size_t s = 0; s < graph.slots.size(); ++s) {
    const SlotGraph::Slot& slot = graph.slots[s];
    const std::uint8_t* codes = index_.letters(slot.length, search.wordOf(static_cast<int>(s)));
    for (int i = 0; i < slot.length; ++i) {
      const int x = slot.direction == Direction::Down ? slot.x : slot.x + i;
      const int y = slot.direction == Direction::Down ? slot.y + i : slot.y;
      grid.put(static_cast<char>(language_.nameOf(codes[i])), x, y);
    }
  }
  search.giveBack(*workspace_);
  return outcome;
}

}  // namespace vorkel
