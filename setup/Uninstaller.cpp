#include "setup/Uninstaller.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "setup/Configuration.h"
#include "setup/InstallPaths.h"
#include "setup/InstallRecord.h"
#include "setup/Installations.h"
#include "setup/InstallerTexts.h"
#include "setup/ProgramFolder.h"
#include "setup/ProgramTraces.h"

namespace vorkel::setup {

namespace {

bool isDictionary(const std::string& path) {
  std::string_view name = Files::fileName(path);
  return name.size() > 4 && Files::sameNameIgnoringCase(name.substr(name.size() - 4), ".dic");
}

// Removes the word indexes the generator keeps beside a dictionary
// ("NAME.dic.<floor>.index"): they are made from it and go with it.
void removeKeptIndexes(const std::string& dictionary) {
  const std::string folder = Files::parentFolder(dictionary);
  const std::string prefix = std::string(Files::fileName(dictionary)) + ".";
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> kept;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(prefix) || !name.ends_with(".index")) continue;
    const std::string_view floor = name.substr(prefix.size(), name.size() - prefix.size() - 6);
    if (!floor.empty() && floor.find_first_not_of("0123456789") == std::string_view::npos)
      kept.push_back(Files::joinPath(folder, name));
  }
  ::closedir(dir);
  for (const std::string& path : kept) Files::removeFile(path);
}

bool below(const std::string& path, std::string folder) {
  folder = Files::withTrailingSeparator(Files::toSlashes(folder));
  return folder.size() > 1 && path.compare(0, folder.size(), folder) == 0;
}

bool keyIsEmpty(const Registry& registry, RegistryRoot root, const std::string& key) {
  RegistryValue v;
  return registry.openKey(root, key) == Registry::Success &&
         registry.enumValue(root, key, 0, v) == Registry::NoMoreItems &&
         registry.subkeys(root, key).empty();
}

// A "." or ".." part anywhere in a path.
bool hasDotPart(std::string_view path) {
  while (!path.empty()) {
    const std::size_t end = path.find('/');
    const std::string_view part = path.substr(0, end);
    if (part == "." || part == "..") return true;
    if (end == std::string_view::npos) break;
    path.remove_prefix(end + 1);
  }
  return false;
}

std::string format(const char* pattern, const std::string& arg) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += arg;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace

bool Uninstaller::mayRemove(const std::string& path, const std::string& installRoot) const {
  // Only where an installation writes: its own folder, the user's desktop
  // folders (shortcuts, menus, fonts) and the folders the registry names
  // for shortcuts and fonts. A damaged or edited record cannot reach
  // anything else: a path with a "." or ".." part is refused, and the
  // folder the file is in is taken with its links resolved, so a folder of
  // the installation that the user replaced by a link to one of their own
  // is not emptied through it.
  if (hasDotPart(Files::toSlashes(path))) return false;
  const std::string folder = Files::resolvedPath(Files::parentFolder(path));
  if (folder.empty()) return false;
  const std::string file = folder + "/" + std::string(Files::fileName(path));
  for (const std::string& root :
       {installRoot, folders_.dataHome, folders_.configHome, programsFolder(registry_, folders_),
        fontsFolder(registry_, folders_)}) {
    if (root.empty()) continue;
    const std::string resolvedRoot = Files::resolvedPath(root);
    if (below(file, resolvedRoot.empty() ? root : resolvedRoot)) return true;
  }
  return false;
}

bool Uninstaller::mayRemoveFolder(const std::string& folder, const std::string& installRoot) const {
  // Besides the folders where an installation writes, the ones the programs
  // made in the user's home (~/.local/state/vorkel, ~/.cache, ~/.local):
  // an empty folder below the home, never the home itself.
  if (mayRemove(Files::withTrailingSeparator(folder), installRoot) || folder + "/" == installRoot)
    return true;
  if (hasDotPart(Files::toSlashes(folder)) || folders_.home.empty()) return false;
  const std::string home = Files::resolvedPath(folders_.home);
  const std::string resolved = Files::resolvedPath(folder);
  return !home.empty() && !resolved.empty() && resolved != home && below(resolved, home);
}

bool Uninstaller::run(const std::string& root, bool confirm) {
  kept_.clear();
  const std::string installRoot = Files::withTrailingSeparator(Files::absolutePath(root));
  const std::string recordPath = installRoot + InstallRecord::FileName;
  const std::string logPath = installRoot + UninstallLogName;
  if (!Files::isFile(recordPath) && !Files::isFile(logPath)) {
    if (confirm)
      ui_.messageBox(format(texts::uninstallNothing, installRoot), texts::uninstallCaption,
                     Icon::Information);
    return false;
  }
  if (confirm && ui_.messageBox(texts::uninstallConfirm, texts::uninstallCaption, Icon::Question,
                                Buttons::YesNo) != Answer::Yes)
    return false;

  const InstallRecord record = InstallRecord::load(recordPath);
  // Files outside this installation's folder that another installation
  // made too (the menu and its folder file, under one group name) stay.
  // The desktop folders and registry keys this installation made, which
  // the others fill too, are handed to the others' records: the last one
  // to go removes them.
  std::set<std::string> shared;
  std::set<std::string> sharedValues;
  auto valueId = [](const RecordedValue& v) {
    return std::to_string(static_cast<int>(v.root)) + "\t" + v.key + "\t" + v.name;
  };
  for (const std::string& other : otherInstallations(registry_, installRoot)) {
    InstallRecord theirs = InstallRecord::load(other + InstallRecord::FileName);
    for (const RecordedFile& f : theirs.files()) shared.insert(f.path);
    for (const RecordedValue& v : theirs.values()) sharedValues.insert(valueId(v));
    for (const std::string& folder : record.folders())
      if (!below(Files::withTrailingSeparator(folder), installRoot)) theirs.addFolder(folder);
    for (const RecordedKey& key : record.keys()) theirs.addKey(key.root, key.key);
    theirs.save(other + InstallRecord::FileName);
  }
  bool fontsRemoved = false;
  const std::string fonts = fontsFolder(registry_, folders_);
  const auto& files = record.files();
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    const std::string& path = it->path;
    if (!Files::isFile(path) || !mayRemove(path, installRoot)) continue;
    const bool inside = below(path, installRoot);
    if (!inside && shared.count(path) != 0) continue;
    std::optional<RecordedFile> now = fingerprint(path);
    const bool unchanged = now && now->size == it->size && now->hash == it->hash;
    // A file that is not what was installed (an edited template or model,
    // settings, a dictionary) is the user's: asked about, else kept and
    // listed with the other files left below.
    if (!unchanged) {
      const char* question =
          isDictionary(path) ? texts::uninstallChangedDictionary : texts::uninstallChangedFile;
      const bool remove = confirm && ui_.messageBox(format(question, path), texts::uninstallCaption,
                                                    Icon::Question, Buttons::YesNo) == Answer::Yes;
      if (!remove) continue;
    }
    if (!Files::removeFile(path)) continue;
    if (below(path, fonts)) fontsRemoved = true;
    if (isDictionary(path)) removeKeptIndexes(path);
  }
  if (fontsRemoved) system_.refreshFonts(fonts);

  const auto& values = record.values();
  for (auto it = values.rbegin(); it != values.rend(); ++it) {
    // A value that another installation wrote too, or that holds something
    // else now (written by another installation or the user since), stays.
    if (sharedValues.count(valueId(*it)) != 0) continue;
    RegistryValue now;
    if (!it->data.empty() &&
        registry_.getValue(it->root, it->key, it->name, now) == Registry::Success &&
        recordedData(now) != it->data)
      continue;
    registry_.deleteValue(it->root, it->key, it->name);
  }
  // What the installed programs wrote themselves while they were used.
  removeGeneratorRegistration(registry_, installRoot);
  removeInstallation(registry_, installRoot);
  const auto& keys = record.keys();
  for (auto it = keys.rbegin(); it != keys.rend(); ++it)
    if (keyIsEmpty(registry_, it->root, it->key)) registry_.deleteKey(it->root, it->key);
  removeEmptyStore(registry_);

  Files::removeFile(logPath);
  Files::removeFile(recordPath);
  removeHandOverLog(folders_, installRoot);
  removeIdleWindowFolder(folders_);
  const auto& folders = record.folders();
  removeDesktopCaches(folders_, folders, system_);
  for (auto it = folders.rbegin(); it != folders.rend(); ++it)
    if (mayRemoveFolder(*it, installRoot))
      ::rmdir(it->c_str());  // fails, as it should, while the folder holds anything

  if (Files::isFolder(installRoot))
    for (std::string& file : Files::filesBelow(installRoot)) kept_.push_back(std::move(file));
  std::sort(kept_.begin(), kept_.end());
  if (confirm) {
    std::string list;
    for (const auto& k : kept_) list += k + "\n";
    ui_.messageBox(kept_.empty() ? std::string(texts::uninstallDone)
                                 : format(texts::uninstallKept, list),
                   texts::uninstallCaption, Icon::Information);
  }
  return true;
}

}  // namespace vorkel::setup
