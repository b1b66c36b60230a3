#include "setup/InstallRecord.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/Files.h"
#include "platform/NameHash.h"

namespace vorkel::setup {

namespace {

constexpr std::uint64_t kMaxHashedBytes = std::uint64_t{1} << 32;

const char* rootTag(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return "HKCR";
    case RegistryRoot::LocalMachine: return "HKLM";
    case RegistryRoot::CurrentUser: return "HKCU";
  }
  return "HKLM";
}

std::optional<RegistryRoot> rootFromTag(std::string_view tag) {
  if (tag == "HKCR") return RegistryRoot::ClassesRoot;
  if (tag == "HKLM") return RegistryRoot::LocalMachine;
  if (tag == "HKCU") return RegistryRoot::CurrentUser;
  return std::nullopt;
}

// A field may hold no tab or line break; such a path or name could not be
// read back, so it is not recorded at all.
bool recordable(std::string_view text) {
  return text.find_first_of("\t\r\n") == std::string_view::npos;
}

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::optional<std::uint64_t> parseNumber(const std::string& text, int base) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return std::nullopt;
    if (value > (UINT64_MAX - static_cast<unsigned>(digit)) / static_cast<unsigned>(base))
      return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  return value;
}

}  // namespace

std::optional<RecordedFile> fingerprint(const std::string& path) {
  std::optional<std::string> bytes = Files::readFile(path, kMaxHashedBytes);
  if (!bytes) return std::nullopt;
  return RecordedFile{bytes->size(), fnv1a(*bytes), path};
}

void InstallRecord::addFile(const RecordedFile& file) {
  if (!recordable(file.path)) return;
  char line[64];
  std::snprintf(line, sizeof line, "F\t%" PRIu64 "\t%016" PRIx64 "\t", file.size, file.hash);
  unsaved_.push_back(line + file.path);
  for (auto& f : files_)
    if (f.path == file.path) {
      f = file;
      return;
    }
  files_.push_back(file);
}

void InstallRecord::addFolder(std::string_view path) {
  if (!recordable(path)) return;
  unsaved_.push_back("D\t" + std::string(path));
  folders_.emplace_back(path);
}

void InstallRecord::addKey(RegistryRoot root, std::string_view key) {
  if (!recordable(key)) return;
  unsaved_.push_back(std::string("K\t") + rootTag(root) + "\t" + std::string(key));
  keys_.push_back({root, std::string(key)});
}

void InstallRecord::addValue(RegistryRoot root, std::string_view key, std::string_view name,
                             std::string_view data) {
  if (!recordable(key) || !recordable(name)) return;
  if (!recordable(data)) data = {};  // kept as older records did: without its data
  std::string line = std::string("V\t") + rootTag(root) + "\t" + std::string(key) + "\t" +
                     std::string(name);
  if (!data.empty()) line += "\t" + std::string(data);
  unsaved_.push_back(std::move(line));
  for (auto& v : values_)
    if (v.root == root && v.key == key && v.name == name) {
      v.data = std::string(data);
      return;
    }
  values_.push_back({root, std::string(key), std::string(name), std::string(data)});
}

std::string recordedData(const RegistryValue& value) {
  if (value.type == RegistryType::Dword) return "D:" + std::to_string(value.number);
  return "S:" + value.text;
}

bool InstallRecord::save(const std::string& path) {
  if (unsaved_.empty()) return true;
  std::ofstream out(path, std::ios::binary | std::ios::app);
  for (const auto& line : unsaved_) out << line << '\n';
  out.flush();
  if (!out) return false;
  unsaved_.clear();
  return true;
}

InstallRecord InstallRecord::load(const std::string& path) {
  InstallRecord record;
  std::optional<std::string> text = Files::readFile(path);
  if (!text) return record;
  std::istringstream in(*text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f = splitTabs(line);
    if (f[0] == "F" && f.size() == 4 && !f[3].empty()) {
      auto size = parseNumber(f[1], 10);
      auto hash = parseNumber(f[2], 16);
      if (size && hash) record.addFile({*size, *hash, f[3]});
    } else if (f[0] == "D" && f.size() == 2 && !f[1].empty()) {
      record.addFolder(f[1]);
    } else if (f[0] == "K" && f.size() == 3) {
      if (auto root = rootFromTag(f[1])) record.addKey(*root, f[2]);
    } else if (f[0] == "V" && (f.size() == 4 || f.size() == 5)) {
      if (auto root = rootFromTag(f[1])) record.addValue(*root, f[2], f[3], f.size() == 5 ? f[4] : "");
    }
  }
  record.unsaved_.clear();
  return record;
}

namespace {

// The levels of the folder that do not exist, the outermost first.
std::vector<std::string> missingLevels(const std::string& path) {
  std::string p = Files::toSlashes(path);
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  std::vector<std::string> missing;
  for (std::string level = p; !level.empty() && level != "/" && !Files::exists(level);
       level = Files::parentFolder(level))
    missing.insert(missing.begin(), level);
  return missing;
}

}  // namespace

bool createFoldersRecorded(const std::string& path, InstallRecord& record) {
  const std::vector<std::string> missing = missingLevels(path);
  if (!Files::createFolders(Files::toSlashes(path))) return false;
  for (const std::string& level : missing) record.addFolder(level);
  return true;
}

void recordMissingFolders(const std::string& path, InstallRecord& record) {
  for (const std::string& level : missingLevels(path)) record.addFolder(level);
}

void RecordingRegistry::recordNewKeys(RegistryRoot root, std::string_view key) {
  // Every level that is missing now will be made by the write that follows.
  std::string path;
  std::size_t start = 0;
  while (start <= key.size()) {
    std::size_t sep = key.find('\\', start);
    std::string_view level = key.substr(start, sep == std::string_view::npos ? key.npos : sep - start);
    if (!level.empty()) {
      if (!path.empty()) path += '\\';
      path += level;
      if (registry_.openKey(root, path) != Registry::Success) record_.addKey(root, path);
    }
    if (sep == std::string_view::npos) break;
    start = sep + 1;
  }
}

void RecordingRegistry::setString(RegistryRoot root, std::string_view key, std::string_view name,
                                  std::string_view value) {
  recordNewKeys(root, key);
  if (registry_.setString(root, key, name, value) == Registry::Success)
    record_.addValue(root, key, name, "S:" + std::string(value));
}

void RecordingRegistry::setDword(RegistryRoot root, std::string_view key, std::string_view name,
                                 std::uint32_t value) {
  recordNewKeys(root, key);
  if (registry_.setDword(root, key, name, value) == Registry::Success)
    record_.addValue(root, key, name, "D:" + std::to_string(value));
}

void RecordingRegistry::setStringIfMissing(RegistryRoot root, std::string_view key,
                                           std::string_view name, std::string_view value) {
  RegistryValue existing;
  if (registry_.openKey(root, key) != Registry::Success) return;
  if (registry_.getValue(root, key, name, existing) == Registry::Success) return;
  if (registry_.setString(root, key, name, value, /*createMissing=*/false) == Registry::Success)
    record_.addValue(root, key, name, "S:" + std::string(value));
}

}  // namespace vorkel::setup
