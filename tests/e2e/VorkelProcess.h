#pragma once
// The whole-program tests' fixture: the built `vorkel` run as a user runs
// it (RunVorkel.h), with stdout and stderr in files of a fresh folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"
#include "RunVorkel.h"

namespace vorkel::e2e {

namespace fs = std::filesystem;

using testing::kStock;
using testing::kVorkel;
using testing::Outcome;
using testing::readAll;
using testing::spawnVorkel;
using testing::waitFor;

class VorkelRunTest : public ::testing::Test {
 protected:
  testing::TempFolder dir;

  Outcome vorkel(const std::vector<std::string>& args) { return testing::runVorkel(args, dir.path()); }
  static std::map<std::string, std::string> files(const std::string& folder) {
    std::map<std::string, std::string> out;
    if (fs::is_directory(folder))
      for (const auto& e : fs::directory_iterator(folder))
        out[e.path().filename().string()] = readAll(e.path());
    return out;
  }
  static std::multiset<std::string> contents(const std::map<std::string, std::string>& named) {
    std::multiset<std::string> set;
    for (const auto& [name, bytes] : named) set.insert(bytes);
    return set;
  }
};

}  // namespace vorkel::e2e
