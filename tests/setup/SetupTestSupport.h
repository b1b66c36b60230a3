#pragma once
// A machine for installer tests: a medium, a home folder with its desktop
// folders, a registry store and a scripted ui, all in one temporary folder,
// and a system whose free space, MIME defaults and program starts the test
// sets.

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"
#include "platform/Registry.h"
#include "platform/testing/ScriptedUi.h"
#include "setup/InstallationRun.h"
#include "setup/InstallerSystem.h"

namespace vorkel::setup::testing {

// Every file and folder below `folder`, relative to it, sorted.
inline std::vector<std::string> tree(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> out;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
    out.push_back(fs::relative(it->path(), folder).string());
  std::sort(out.begin(), out.end());
  return out;
}

class FakeSystem : public InstallerSystem {
 public:
  double free = 50e9;
  std::set<std::string> mimeTypes{"text/html"};
  std::vector<std::string> started;
  int fontRefreshes = 0;
  int databaseRefreshes = 0;

  double freeBytes(const std::string&) override { return free; }
  bool start(const std::string& commandLine) override {
    started.push_back(commandLine);
    return false;  // nothing of the kind exists here
  }
  bool hasDefaultApplication(const std::string& mimeType) override {
    return mimeTypes.count(mimeType) != 0;
  }
  void refreshFonts(const std::string&) override { ++fontRefreshes; }
  void refreshDesktopDatabases(const std::string&) override { ++databaseRefreshes; }
};

class NoProgress : public ProgressPort {
 public:
  std::vector<int> positions;
  void setProgress(int position) override { positions.push_back(position); }
};

struct Machine {
  vorkel::testing::TempFolder tmp;
  ScriptedUi ui;
  Registry registry{tmp / "registry.ini"};
  FakeSystem system;
  DesktopFolders folders;
  InstallerPorts ports;

  Machine() : ports{ui, registry, system, makeFolders(), tmp / "medium/"} {
    folders = ports.folders;
  }

  DesktopFolders makeFolders() const {
    DesktopFolders f;
    f.home = tmp / "home";
    f.dataHome = tmp / "home/.local/share";
    f.configHome = tmp / "home/.config";
    f.stateHome = tmp / "home/.local/state";
    f.cacheHome = tmp / "home/.cache";
    f.dataDirs = {tmp / "usr/share"};
    f.configDirs = {tmp / "etc/xdg"};
    return f;
  }

  // A medium as the build makes it, with only some of the tables' files.
  void makeMedium() const {
    tmp.write("medium/uninst", "#!/bin/sh\n");
    tmp.write("medium/q4", "q4 program");
    tmp.write("medium/vorkel", "vorkel program");
    tmp.write("medium/q4.ini", "[Vorkel]\r\n");
    tmp.write("medium/q4dk.in_", "[Opsat]\r\n");
    tmp.write("medium/help/index.html", "<html>hjælp</html>");
    for (int i = 1; i <= 6; ++i) {
      std::string n = std::to_string(i);
      tmp.write("medium/Model" + n + ".skb", "[Skabelon]\r\nModel=Model" + n + ".ktd\r\n");
      tmp.write("medium/Model" + n + ".ktd", "ktd " + n);
      tmp.write("medium/Model" + n + ".vej", "vej " + n);
      tmp.write("medium/Model/Model" + n + ".ktd", "ktd " + n);
      tmp.write("medium/Vej/Model" + n + ".vej", "vej " + n);
    }
    tmp.write("medium/default.par", "par");
    tmp.write("medium/default2.par", "par2");
    tmp.write("medium/verbs.txt", "verber");
    tmp.write("medium/anaword.txt", "navneord");
    tmp.write("medium/MedOrd.txt", "ord");
    tmp.write("medium/Dic/SVbyg.dic", std::string(1000, 'S'));
    tmp.write("medium/Dic/SVsmall.dic", std::string(300, 's'));
    std::filesystem::create_directories(tmp / "medium/DK/Lager");
    tmp.write("medium/Fonts/techncln.ttf", "font n");
    tmp.write("medium/Fonts/techncli.ttf", "font i");
    tmp.write("medium/vorkel.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    tmp.write("medium/vorkel-mime.xml", "<mime-info/>");
  }

  // The solver's and the drawing program's files, beside makeMedium's.
  void addSolverAndDrawer(bool withHelp) const {
    tmp.write("medium/xrundel", "xrundel program");
    tmp.write("medium/SV3.cff", "solver dictionary");
    tmp.write("medium/penvik", "penvik program");
    tmp.write("medium/penvik.in_", "[Penvik]\nPapir=A4\n");
    if (withHelp) {
      tmp.write("medium/Rundel.chm", "solver help");
      tmp.write("medium/Penvik.chm", "drawer help");
    }
  }

  std::string installRoot() const { return tmp / "home/Vendrik/"; }
};

}  // namespace vorkel::setup::testing
