#pragma once
// What the installer asks of the machine beyond files and the registry
// store: the user's desktop folders, free space, starting programs, the
// desktop's MIME defaults and the font cache. Passed in, so the wizard and
// the copy run are tested with a system the test sets up.

#include <string>
#include <vector>

namespace vorkel::setup {

// The folders of the freedesktop conventions for the current user.
struct DesktopFolders {
  std::string home;        // $HOME
  std::string dataHome;    // $XDG_DATA_HOME, else $HOME/.local/share
  std::string configHome;  // $XDG_CONFIG_HOME, else $HOME/.config
  std::string stateHome;   // $XDG_STATE_HOME, else $HOME/.local/state
  std::string cacheHome;   // $XDG_CACHE_HOME, else $HOME/.cache
  std::string runtimeDir;  // $XDG_RUNTIME_DIR when it is an absolute folder, else empty
  std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS, else /usr/local/share, /usr/share
  std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS, else /etc/xdg

  static DesktopFolders fromEnvironment();
};

class InstallerSystem {
 public:
  virtual ~InstallerSystem() = default;

  // Free bytes on the file system that holds the path (or would hold it);
  // negative when it cannot be asked.
  virtual double freeBytes(const std::string& path) = 0;
  // Starts a command line without waiting; false when it could not start.
  virtual bool start(const std::string& commandLine) = 0;
  // Whether the desktop names an application that opens files of the type.
  virtual bool hasDefaultApplication(const std::string& mimeType) = 0;
  // Tells the font cache about new or removed fonts in the folder.
  virtual void refreshFonts(const std::string& folder) = 0;
  // Rebuilds the user's MIME database ($XDG_DATA_HOME/mime) and the cache of
  // which desktop entry opens which type ($XDG_DATA_HOME/applications), and
  // waits for both, so that what they write is there when this returns.
  virtual void refreshDesktopDatabases(const std::string& dataHome) = 0;
};

// The machine itself.
class DesktopSystem : public InstallerSystem {
 public:
  explicit DesktopSystem(DesktopFolders folders) : folders_(std::move(folders)) {}
  double freeBytes(const std::string& path) override;
  bool start(const std::string& commandLine) override;
  bool hasDefaultApplication(const std::string& mimeType) override;
  void refreshFonts(const std::string& folder) override;
  void refreshDesktopDatabases(const std::string& dataHome) override;

 private:
  DesktopFolders folders_;
};

// The files in which the desktop records which application opens a MIME
// type, most important first: the mimeapps.list files of the user and the
// system, the older defaults.list, and the caches of installed handlers.
std::vector<std::string> mimeDefaultFiles(const DesktopFolders& folders);

// Whether one of the files names an application for the type, in its
// "Default Applications" or "MIME Cache" section.
bool mimeTypeHasApplication(const std::vector<std::string>& files, const std::string& mimeType);

}  // namespace vorkel::setup
