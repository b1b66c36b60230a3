#include "setup/InstallerSystem.h"

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Profile.h"

namespace vorkel::setup {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// A colon-separated list of absolute folders; relative entries are ignored
// as the base-directory conventions ask.
std::vector<std::string> folderList(const std::string& text, std::vector<std::string> fallback) {
  std::vector<std::string> out;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ':');)
    if (!item.empty() && item[0] == '/') out.push_back(item);
  return out.empty() ? fallback : out;
}

}  // namespace

DesktopFolders DesktopFolders::fromEnvironment() {
  DesktopFolders f;
  f.home = environment("HOME");
  std::string data = environment("XDG_DATA_HOME");
  f.dataHome = !data.empty() && data[0] == '/' ? data : f.home + "/.local/share";
  std::string config = environment("XDG_CONFIG_HOME");
  f.configHome = !config.empty() && config[0] == '/' ? config : f.home + "/.config";
  std::string state = environment("XDG_STATE_HOME");
  f.stateHome = !state.empty() && state[0] == '/' ? state : f.home + "/.local/state";
  std::string cache = environment("XDG_CACHE_HOME");
  f.cacheHome = !cache.empty() && cache[0] == '/' ? cache : f.home + "/.cache";
  std::string runtime = environment("XDG_RUNTIME_DIR");
  if (!runtime.empty() && runtime[0] == '/' && Files::isFolder(runtime)) f.runtimeDir = runtime;
  f.dataDirs = folderList(environment("XDG_DATA_DIRS"), {"/usr/local/share", "/usr/share"});
  f.configDirs = folderList(environment("XDG_CONFIG_DIRS"), {"/etc/xdg"});
  return f;
}

double DesktopSystem::freeBytes(const std::string& path) { return Files::freeSpace(path); }

bool DesktopSystem::start(const std::string& commandLine) { return Process::start(commandLine); }

bool DesktopSystem::hasDefaultApplication(const std::string& mimeType) {
  return mimeTypeHasApplication(mimeDefaultFiles(folders_), mimeType);
}

void DesktopSystem::refreshFonts(const std::string& folder) {
  // fc-cache may be missing (no fontconfig); the fonts are then found at the
  // next cache rebuild, which is no reason to stop an installation.
  Process::start("fc-cache \"" + folder + "\"");
}

void DesktopSystem::refreshDesktopDatabases(const std::string& dataHome) {
  // Either tool may be missing (no shared-mime-info, no desktop-file-utils):
  // the desktop then finds the types and entries at its next rebuild.
  for (const std::string& command :
       {"update-mime-database \"" + dataHome + "/mime\"",
        "update-desktop-database -q \"" + dataHome + "/applications\""}) {
    std::optional<StartedProgram> started = Process::startWatched(command);
    for (int i = 0; started && !started->ended() && i < 300; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::vector<std::string> mimeDefaultFiles(const DesktopFolders& folders) {
  std::vector<std::string> files;
  files.push_back(folders.configHome + "/mimeapps.list");
  for (const auto& dir : folders.configDirs) files.push_back(dir + "/mimeapps.list");
  files.push_back(folders.dataHome + "/applications/mimeapps.list");
  for (const auto& dir : folders.dataDirs) {
    files.push_back(dir + "/applications/mimeapps.list");
    files.push_back(dir + "/applications/defaults.list");
  }
  files.push_back(folders.dataHome + "/applications/mimeinfo.cache");
  for (const auto& dir : folders.dataDirs) files.push_back(dir + "/applications/mimeinfo.cache");
  return files;
}

bool mimeTypeHasApplication(const std::vector<std::string>& files, const std::string& mimeType) {
  for (const auto& file : files) {
    if (!Files::isFile(file)) continue;
    for (const char* section : {"Default Applications", "MIME Cache"}) {
      Profile list(file, section);
      // A value is a list of desktop-file ids separated by ";".
      std::string apps = list.getString(mimeType);
      if (apps.find_first_not_of("; \t") != std::string::npos) return true;
    }
  }
  return false;
}

}  // namespace vorkel::setup
