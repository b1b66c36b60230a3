#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/Cp1252Case.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// The store holds a few dozen values of the programs and the installer; a
// larger file is not one of ours and reads as empty (and is not rewritten).
constexpr std::uint64_t kMaxStoreBytes = 4u << 20;

struct RootName {
  RegistryRoot root;
  const char* longName;
  const char* shortName;
};
constexpr RootName kRoots[] = {
    {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
};

using Levels = std::vector<std::string>;

// "a\\b\" -> {"a", "b"}; nullopt for names that cannot be stored.
std::optional<Levels> splitKeyPath(std::string_view path) {
  Levels levels;
  std::size_t i = 0;
  while (i <= path.size()) {
    std::size_t end = path.find('\\', i);
    if (end == std::string_view::npos) end = path.size();
    std::string_view level = path.substr(i, end - i);
    i = end + 1;
    if (level.empty()) continue;
    for (char c : level)
      if (c == '\r' || c == '\n' || c == '\0') return std::nullopt;
    levels.emplace_back(level);
  }
  return levels;
}

bool validValueName(std::string_view name) {
  for (char c : name)
    if (c == '\0') return false;
  return true;
}

bool sameLevels(const Levels& a, const Levels& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!equalsIgnoringCase(a[i], b[i])) return false;
  return true;
}

// True when `inner` lies at or below `outer`.
bool isWithin(const Levels& inner, const Levels& outer) {
  if (inner.size() < outer.size()) return false;
  for (std::size_t i = 0; i < outer.size(); ++i)
    if (!equalsIgnoringCase(inner[i], outer[i])) return false;
  return true;
}

std::string quote(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    if (ch == '\\') out += "\\\\";
    else if (ch == '"') out += "\\\"";
    else if (ch == '\r') out += "\\r";
    else if (ch == '\n') out += "\\n";
    else if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted string at the start of `s` and removes it from `s`.
std::optional<std::string> unquote(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  std::size_t i = 1;
  while (i < s.size()) {
    char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    }
    if (c == '\\' && i + 1 < s.size()) {
      char e = s[i + 1];
      if (e == 'r') out += '\r';
      else if (e == 'n') out += '\n';
      else if (e == 'x' && i + 3 < s.size() && hexDigit(s[i + 2]) >= 0 && hexDigit(s[i + 3]) >= 0) {
        out += static_cast<char>(hexDigit(s[i + 2]) * 16 + hexDigit(s[i + 3]));
        i += 2;
      } else out += e;
      i += 2;
      continue;
    }
    out += c;
    ++i;
  }
  return std::nullopt;  // no closing quote
}

struct StoredKey {
  RegistryRoot root;
  Levels levels;
  std::vector<RegistryValue> values;

  RegistryValue* findValue(std::string_view name) {
    for (auto& v : values)
      if (equalsIgnoringCase(v.name, name)) return &v;
    return nullptr;
  }
};

struct Store {
  std::vector<StoredKey> keys;

  // A store that cannot be read (missing, too large, not a file) has no
  // keys; `why` says which.
  static Store load(const std::string& path, ReadFailure* why = nullptr) {
    Store store;
    std::optional<std::string> data = Files::readFile(path, kMaxStoreBytes, why);
    if (!data) return store;
    std::string_view text = *data;
    StoredKey* current = nullptr;
    while (!text.empty()) {
      std::size_t nl = text.find('\n');
      std::string_view line = text.substr(0, nl);
      text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
      while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[') {
        current = store.header(line);
        continue;
      }
      if (current) store.valueLine(*current, line);
    }
    return store;
  }

  StoredKey* header(std::string_view line) {
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return nullptr;
    std::string_view inner = line.substr(1, close - 1);
    std::size_t slash = inner.find('\\');
    std::string_view rootText = inner.substr(0, slash);
    std::optional<RegistryRoot> root;
    for (const auto& r : kRoots)
      if (equalsIgnoringCase(rootText, r.longName) || equalsIgnoringCase(rootText, r.shortName))
        root = r.root;
    if (!root) return nullptr;
    auto levels = splitKeyPath(slash == std::string_view::npos ? std::string_view() : inner.substr(slash + 1));
    if (!levels || levels->empty()) return nullptr;
    return &ensure(*root, *levels);
  }

  void valueLine(StoredKey& key, std::string_view line) {
    std::string name;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else {
      auto n = unquote(line);
      if (!n) return;
      name = std::move(*n);
    }
    if (line.empty() || line.front() != '=') return;
    line.remove_prefix(1);
    RegistryValue v;
    v.name = name;
    if (!line.empty() && line.front() == '"') {
      auto s = unquote(line);
      if (!s) return;
      v.type = RegistryType::String;
      v.text = std::move(*s);
    } else if (line.substr(0, 6) == "dword:") {
      std::string_view hex = line.substr(6);
      if (hex.empty() || hex.size() > 8) return;
      std::uint32_t n = 0;
      for (char c : hex) {
        int d = hexDigit(c);
        if (d < 0) return;
        n = n * 16 + static_cast<std::uint32_t>(d);
      }
      v.type = RegistryType::Dword;
      v.number = n;
    } else {
      return;
    }
    if (RegistryValue* old = key.findValue(name)) *old = std::move(v);
    else key.values.push_back(std::move(v));
  }

  std::string text() const {
    std::string out = "; Registry store of the crossword programs\r\n";
    for (const auto& k : keys) {
      out += "\r\n[";
      out += Registry::rootName(k.root);
      for (const auto& l : k.levels) out += "\\" + l;
      out += "]\r\n";
      for (const auto& v : k.values) {
        out += v.name.empty() ? std::string("@") : quote(v.name);
        out += '=';
        if (v.type == RegistryType::Dword) {
          char buf[16];
          std::snprintf(buf, sizeof buf, "dword:%08x", v.number);
          out += buf;
        } else {
          out += quote(v.text);
        }
        out += "\r\n";
      }
    }
    return out;
  }

  StoredKey* find(RegistryRoot root, const Levels& levels) {
    for (auto& k : keys)
      if (k.root == root && sameLevels(k.levels, levels)) return &k;
    return nullptr;
  }

  // A key exists when it is stored or something below it is.
  bool exists(RegistryRoot root, const Levels& levels) const {
    if (levels.empty()) return true;
    for (const auto& k : keys)
      if (k.root == root && isWithin(k.levels, levels)) return true;
    return false;
  }

  StoredKey& ensure(RegistryRoot root, const Levels& levels) {
    // Every level gets its own entry so that the tree is visible in the file.
    StoredKey* found = nullptr;
    for (std::size_t n = 1; n <= levels.size(); ++n) {
      Levels prefix(levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(n));
      found = find(root, prefix);
      if (!found) {
        keys.push_back(StoredKey{root, std::move(prefix), {}});
        found = &keys.back();
      }
    }
    return *found;
  }
};

// Runs a change of the store under the lock file and writes the result.
template <class Change>
long changeStore(const std::string& path, Change&& change) {
  std::string folder = Files::parentFolder(path);
  if (!folder.empty()) Files::createFolders(folder);
  std::string lockPath = path + ".lock";
  int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (lock >= 0) ::flock(lock, LOCK_EX);  // best effort: a store without a lock still works
  ReadFailure why = ReadFailure::None;
  Store store = Store::load(path, &why);
  // Only a missing store starts empty: one that is there but cannot be read
  // would be replaced by the one value written now.
  long rc = why == ReadFailure::None || why == ReadFailure::NotFound ? change(store)
                                                                       : Registry::AccessDenied;
  if (rc == Registry::Success && !Files::writeFileAtomically(path, store.text()))
    rc = Registry::AccessDenied;
  if (lock >= 0) {
    ::flock(lock, LOCK_UN);
    ::close(lock);
  }
  return rc;
}

}  // namespace

Registry::Registry(std::string filePath) : filePath_(std::move(filePath)) {}

std::string Registry::defaultFilePath() {
  const char* explicitPath = std::getenv("VORKEL_REGISTRY");
  if (explicitPath && *explicitPath) return explicitPath;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/vorkel/registry.ini";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.config/vorkel/registry.ini";
  return "vorkel-registry.ini";
}

const char* Registry::rootName(RegistryRoot root) {
  for (const auto& r : kRoots)
    if (r.root == root) return r.longName;
  return "HKEY_CLASSES_ROOT";
}

long Registry::openKey(RegistryRoot root, std::string_view path) const {
  auto levels = splitKeyPath(path);
  if (!levels) return InvalidParameter;
  return Store::load(filePath_).exists(root, *levels) ? Success : NotFound;
}

long Registry::createKey(RegistryRoot root, std::string_view path) {
  auto levels = splitKeyPath(path);
  if (!levels) return InvalidParameter;
  if (levels->empty()) return Success;
  return changeStore(filePath_, [&](Store& s) {
    s.ensure(root, *levels);
    return Success;
  });
}

namespace {

long setValue(const std::string& file, RegistryRoot root, std::string_view path,
              RegistryValue value, bool createMissing) {
  auto levels = splitKeyPath(path);
  if (!levels || levels->empty() || !validValueName(value.name)) return Registry::InvalidParameter;
  return changeStore(file, [&](Store& s) {
    StoredKey* key = s.find(root, *levels);
    if (!key) {
      if (!createMissing && !s.exists(root, *levels)) return Registry::NotFound;
      key = &s.ensure(root, *levels);
    }
    if (RegistryValue* old = key->findValue(value.name)) {
      value.name = old->name;  // keep the spelling it was first written with
      *old = std::move(value);
    } else {
      key->values.push_back(std::move(value));
    }
    return Registry::Success;
  });
}

}  // namespace

long Registry::setString(RegistryRoot root, std::string_view path, std::string_view name,
                         std::string_view value, bool createMissing) {
  RegistryValue v;
  v.name = std::string(name);
  v.type = RegistryType::String;
  v.text = std::string(value);
  return setValue(filePath_, root, path, std::move(v), createMissing);
}

long Registry::setDword(RegistryRoot root, std::string_view path, std::string_view name,
                        std::uint32_t value, bool createMissing) {
  RegistryValue v;
  v.name = std::string(name);
  v.type = RegistryType::Dword;
  v.number = value;
  return setValue(filePath_, root, path, std::move(v), createMissing);
}

long Registry::getValue(RegistryRoot root, std::string_view path, std::string_view name,
                        RegistryValue& out) const {
  auto levels = splitKeyPath(path);
  if (!levels) return InvalidParameter;
  Store s = Store::load(filePath_);
  StoredKey* key = s.find(root, *levels);
  RegistryValue* v = key ? key->findValue(name) : nullptr;
  if (!v) return NotFound;
  out = *v;
  return Success;
}

long Registry::enumValue(RegistryRoot root, std::string_view path, std::size_t index,
                         RegistryValue& out) const {
  auto levels = splitKeyPath(path);
  if (!levels) return InvalidParameter;
  Store s = Store::load(filePath_);
  if (!s.exists(root, *levels)) return NotFound;
  StoredKey* key = s.find(root, *levels);
  if (!key || index >= key->values.size()) return NoMoreItems;
  out = key->values[index];
  return Success;
}

std::string Registry::readString(RegistryRoot root, std::string_view path,
                                 std::string_view name) const {
  RegistryValue v;
  if (getValue(root, path, name, v) != Success || v.type != RegistryType::String) return {};
  return v.text;
}

long Registry::deleteKey(RegistryRoot root, std::string_view path) {
  auto levels = splitKeyPath(path);
  if (!levels || levels->empty()) return InvalidParameter;
  return changeStore(filePath_, [&](Store& s) {
    if (!s.exists(root, *levels)) return NotFound;
    std::erase_if(s.keys, [&](const StoredKey& k) { return k.root == root && isWithin(k.levels, *levels); });
    return Success;
  });
}

long Registry::deleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
  auto levels = splitKeyPath(path);
  if (!levels || levels->empty()) return InvalidParameter;
  return changeStore(filePath_, [&](Store& s) {
    StoredKey* key = s.find(root, *levels);
    if (!key) return NotFound;
    auto before = key->values.size();
    std::erase_if(key->values, [&](const RegistryValue& v) { return equalsIgnoringCase(v.name, name); });
    return key->values.size() == before ? NotFound : Success;
  });
}

std::vector<std::string> Registry::subkeys(RegistryRoot root, std::string_view path) const {
  std::vector<std::string> out;
  auto levels = splitKeyPath(path);
  if (!levels) return out;
  Store s = Store::load(filePath_);
  for (const auto& k : s.keys) {
    if (k.root != root || k.levels.size() <= levels->size() || !isWithin(k.levels, *levels)) continue;
    const std::string& child = k.levels[levels->size()];
    bool seen = false;
    for (const auto& o : out) seen = seen || equalsIgnoringCase(o, child);
    if (!seen) out.push_back(child);
  }
  return out;
}

}  // namespace vorkel
