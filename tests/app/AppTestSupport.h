#pragma once
// Shared by the application tests: a context on a fresh folder, with a
// scripted ui, a manual clock and a registry store of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ApplicationContext.h"
#include "engine/PathStop.h"
#include "platform/Registry.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/platform/TempFolder.h"

namespace vorkel::apptest {

struct Session {
  explicit Session(const std::string& folder, std::uint32_t seed = 7)
      : registry(folder + "/registry.ini"), context(ui, clock, registry, folder, seed) {
    context.idlePriorityForRuns = false;
  }
  ScriptedUi ui;
  ManualClock clock;
  Registry registry;
  ApplicationContext context;

  bool sawMessage(const std::string& text) const {
    auto t = ui.messageTexts();
    return std::find(t.begin(), t.end(), text) != t.end();
  }
  int countMessages(const std::string& text) const {
    auto t = ui.messageTexts();
    return static_cast<int>(std::count(t.begin(), t.end(), text));
  }
};

// A 2 x 2 model that the four words ab, cd, ac, bd fill, with its path.
inline void setUpTinyModel(ApplicationContext& c) {
  c.document.resize(2, 2);
  for (const char* w : {"ab", "cd", "ac", "bd"}) c.dictionary->insertWord(w);
  auto stop = [](int x, int y, int r) {
    PathStop s;
    s.x = x;
    s.y = y;
    s.direction = directionFromNumber(r);
    return s;
  };
  c.path.free();
  for (PathStop s : {stop(0, 0, 0), stop(0, 1, 0), stop(0, 0, 1), stop(1, 0, 1)})
    c.path.stops().push_back(s);
  c.path.stops().push_back(PathStop{});
  c.path.renumber();
}

}  // namespace vorkel::apptest
