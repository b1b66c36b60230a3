#pragma once
// Shared by the fill engine's tests: a fixture holding everything a fill
// works with, and grids and paths written as text.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "engine/EngineCounters.h"
#include "engine/FillContext.h"
#include "engine/FillEngine.h"
#include "engine/Path.h"
#include "engine/RunCounters.h"
#include "engine/SearchParameters.h"
#include "engine/WorkingGrid.h"
#include "engine/TickSource.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel::filltest {

class FakeTicks : public TickSource {
 public:
  std::uint32_t now = 0;
  std::uint32_t tickCount() override { return now; }
};

inline PathStop stopAt(int x, int y, Direction direction, int rc = 0) {
  PathStop s;
  s.x = x;
  s.y = y;
  s.direction = direction;
  s.backJump = rc;
  return s;
}

class FillFixture : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Language language;
  std::unique_ptr<WordStore> dict = std::make_unique<WordStore>(1000, language, ui);
  WorkingGrid grid{1, 1, ui};
  Path path;
  SearchParameters params;
  Random random{1234};
  EngineCounters counters;
  FakeTicks ticks;
  RunCounters run;
  bool simpleMode = false;

  void words(std::initializer_list<const char*> list) {
    for (const char* w : list) dict->insertWord(w);
  }
  // Rows of cells: "#" blocked, blank empty, letters placed.
  void setGrid(const std::vector<std::string>& rows) {
    grid = WorkingGrid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), ui);
    for (std::size_t y = 0; y < rows.size(); ++y)
      for (std::size_t x = 0; x < rows[y].size(); ++x)
        grid.put(rows[y][x], static_cast<int>(x), static_cast<int>(y));
  }
  // The stops in order, numbered from 1, then the end marker.
  void setPath(const std::vector<PathStop>& stops) {
    path.free();
    for (const PathStop& s : stops) path.stops().push_back(s);
    path.stops().push_back(PathStop{});
    path.renumber();
  }
  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (int y = 0; y < grid.height(); ++y) out.emplace_back(grid.row(y));
    return out;
  }
  FillContext context() {
    return FillContext{grid, path, params, *dict, language, random, counters, ticks, ui, run,
                       simpleMode};
  }
  FillResult fill(bool seeds = false) {
    FillContext c = context();
    return fillCrossword(c, seeds);
  }
};

}  // namespace vorkel::filltest
