#include "setup/ProgramTraces.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <sstream>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "setup/InstallRecord.h"
#include "setup/InstallerSystem.h"

namespace vorkel::setup {

namespace {

constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;

// The file-type values the generator writes at each start, and what follows
// its program's path in each.
struct Registration {
  const char* key;
  const char* suffix;
};
constexpr Registration kRegistrations[] = {
    {"Q4.Application\\DefaultIcon", ""}, {".skb", ""}, {"Q4.Document.1\\DefaultIcon", ",1"}};
// Their keys, the inner ones first; each goes once it is empty.
constexpr const char* kRegistrationKeys[] = {"Q4.Application\\DefaultIcon",
                                             "Q4.Document.1\\DefaultIcon", "Q4.Document.1",
                                             ".skb", "Q4.Application"};

// Whether `path` lies below `folder`, as written or with links resolved
// (the generator names itself by its resolved path).
bool lies(const std::string& path, const std::string& folder) {
  if (path.empty()) return false;
  const std::string slashes = Files::toSlashes(path);
  if (!Files::pathBelow(slashes, folder).empty()) return true;
  const std::string resolvedFolder = Files::resolvedPath(folder);
  const std::string resolvedParent = Files::resolvedPath(Files::parentFolder(slashes));
  return !resolvedFolder.empty() && !resolvedParent.empty() &&
         !Files::pathBelow(resolvedParent + "/" + std::string(Files::fileName(slashes)),
                           resolvedFolder)
              .empty();
}

bool keyIsEmpty(const Registry& registry, RegistryRoot root, const std::string& key) {
  RegistryValue v;
  return registry.openKey(root, key) == Registry::Success &&
         registry.enumValue(root, key, 0, v) == Registry::NoMoreItems &&
         registry.subkeys(root, key).empty();
}

// The file name of a log line ("stamp<TAB>name[<TAB>note]"), with the log's
// escapes (\\, \t, \n, \xNN) undone.
std::string loggedName(const std::string& line) {
  const std::size_t start = line.find('\t');
  if (start == std::string::npos) return {};
  const std::string field = line.substr(start + 1, line.find('\t', start + 1) - start - 1);
  std::string name;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      name += field[i];
      continue;
    }
    const char c = field[++i];
    unsigned byte = 0;
    // A damaged escape ("\xZZ") is taken as written, without its backslash.
    const bool hex = c == 'x' && i + 2 < field.size() &&
                     std::from_chars(field.data() + i + 1, field.data() + i + 3, byte, 16).ptr ==
                         field.data() + i + 3;
    if (c == 't') name += '\t';
    else if (c == 'n') name += '\n';
    else if (hex) {
      name += static_cast<char>(byte);
      i += 2;
    } else name += c;
  }
  return name;
}

bool made(const std::vector<std::string>& madeFolders, const std::string& folder) {
  return std::find(madeFolders.begin(), madeFolders.end(), folder) != madeFolders.end();
}

// Whether the folder holds no file: missing, empty, or holding only empty
// folders that the installation made (they go after this).
bool holdsNoFile(const std::string& folder, const std::vector<std::string>& madeFolders) {
  std::vector<DirEntry> entries;
  if (!Files::exists(folder)) return true;
  if (!Files::listDirectory(Files::joinPath(folder, "*.*"), entries)) return false;
  for (const DirEntry& e : entries) {
    const std::string path = folder + "/" + e.name;
    if (!e.isFolder || !made(madeFolders, path) || !holdsNoFile(path, madeFolders)) return false;
  }
  return true;
}

// Whether a desktop-entry cache names no type at all (its heading alone).
bool cacheIsEmpty(const std::string& file) {
  const auto text = Files::readFile(file, std::uint64_t{16} << 20);
  if (!text) return false;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);)
    if (line.find_first_not_of(" \t\r") != std::string::npos && line[0] != '[' && line[0] != '#')
      return false;
  return true;
}

}  // namespace

std::string handOverLogPath(const DesktopFolders& folders) {
  return folders.stateHome.empty() ? std::string() : folders.stateHome + "/vorkel/penvik.log";
}

std::string windowFolderPath(const DesktopFolders& folders) {
  return !folders.runtimeDir.empty() ? folders.runtimeDir + "/vorkel-windows"
                                     : folders.home + "/.cache/vorkel-windows";
}

void recordProgramFolders(const std::string& registryFile, const DesktopFolders& folders,
                          InstallRecord& record) {
  for (const std::string& folder :
       {Files::parentFolder(Files::absolutePath(registryFile)),
        Files::parentFolder(handOverLogPath(folders)), windowFolderPath(folders)})
    if (Files::isAbsolutePath(folder)) recordMissingFolders(folder, record);
}

void removeGeneratorRegistration(Registry& registry, const std::string& installRoot) {
  for (const Registration& r : kRegistrations) {
    const std::string value = registry.readString(kClasses, r.key);
    const std::string suffix = r.suffix;
    if (value.size() < suffix.size() ||
        value.compare(value.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    if (lies(value.substr(0, value.size() - suffix.size()), installRoot))
      registry.deleteValue(kClasses, r.key, "");
  }
  for (const char* key : kRegistrationKeys)
    if (keyIsEmpty(registry, kClasses, key)) registry.deleteKey(kClasses, key);
}

bool removeHandOverLog(const DesktopFolders& folders, const std::string& installRoot) {
  const std::string log = handOverLogPath(folders);
  if (log.empty() || !Files::isFile(log)) return true;
  const auto text = Files::readFile(log, std::uint64_t{64} << 20);
  if (!text) return false;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);) {
    const std::string name = loggedName(line);
    // A line without a name (nothing arrived) names nobody's file.
    if (!name.empty() && !lies(name, installRoot)) return false;
  }
  return Files::removeFile(log);
}

void removeIdleWindowFolder(const DesktopFolders& folders) {
  // No window listens (each would have its socket here): the key names only
  // shared blocks of programs that have ended, and the next program to
  // start makes a new one.
  const std::string folder = windowFolderPath(folders);
  std::vector<DirEntry> entries;
  if (Files::listDirectory(Files::joinPath(folder, "*.*"), entries) && entries.size() == 1 &&
      !entries[0].isFolder && entries[0].name == "session-key")
    Files::removeFile(folder + "/session-key");
}

void removeEmptyStore(const Registry& registry) {
  for (RegistryRoot root :
       {RegistryRoot::ClassesRoot, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser})
    if (!registry.subkeys(root, "").empty()) return;
  const std::string& store = registry.filePath();
  if (!Files::isFile(store)) return;
  Files::removeFile(store);
  Files::removeFile(store + ".lock");
}

void removeDesktopCaches(const DesktopFolders& folders, const std::vector<std::string>& madeFolders,
                         InstallerSystem& system) {
  system.refreshDesktopDatabases(folders.dataHome);
  // The MIME database is made from its "packages" folder alone: with no
  // package left in a database the installation began, all of it is cache.
  const std::string mime = folders.dataHome + "/mime";
  if (made(madeFolders, mime) && holdsNoFile(mime + "/packages", madeFolders)) {
    std::error_code ignored;
    std::filesystem::remove_all(mime, ignored);
  }
  // A cache that names no type says what no cache says.
  const std::string cache = folders.dataHome + "/applications/mimeinfo.cache";
  if (Files::isFile(cache) && cacheIsEmpty(cache)) Files::removeFile(cache);
}

}  // namespace vorkel::setup
