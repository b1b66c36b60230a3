#pragma once
// What the tests of search parameters share: a set of values unlike the
// start values (one beyond the dialog's range, as files may hold), and a
// fixture with a temporary folder for parameter files.

#include <gtest/gtest.h>

#include <string>

#include "engine/SearchParameters.h"
#include "tests/platform/TempFolder.h"

namespace vorkel::testing {

inline SearchParameters sampleParameters() {
  SearchParameters p;
  p.replacePercent = 7;
  p.keptCandidates = 5000;  // beyond the dialog's range, as files may be
  p.maxReplacements = 300;
  p.smallJump = 2;
  p.timedJumpSeconds = 3;
  p.smallJumpsPerLarge = 4;
  p.largeJump = 5;
  return p;
}

class ParameterFileTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return dir_ / name; }
  void write(const std::string& name, const std::string& bytes) const { dir_.write(name, bytes); }
  std::string read(const std::string& name) const { return dir_.read(name); }
  TempFolder dir_;
};

}  // namespace vorkel::testing
