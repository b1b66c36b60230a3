#include "platform/Profile.h"

#include <optional>

#include "platform/Cp1252Case.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

// Profiles larger than this are not settings files (a template has six
// keys, the program profile a dozen); they read as empty and are never
// rewritten.
constexpr std::uint64_t kMaxProfileBytes = 1u << 20;

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The file as lines without their line ends. A file that cannot be read
// (missing, a folder, too large) has no lines.
struct IniLines {
  std::vector<std::string> lines;
  bool hadBom = false;

  static IniLines read(const std::string& path) {
    IniLines ini;
    std::optional<std::string> data = Files::readFile(path, kMaxProfileBytes);
    if (!data) return ini;
    std::string_view text = *data;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
      ini.hadBom = true;
      text.remove_prefix(3);
    }
    while (!text.empty()) {
      std::size_t nl = text.find('\n');
      std::string_view line = text.substr(0, nl);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ini.lines.emplace_back(line);
      if (nl == std::string_view::npos) break;
      text.remove_prefix(nl + 1);
    }
    return ini;
  }

  bool write(const std::string& path) const {
    std::string out = hadBom ? "\xEF\xBB\xBF" : "";
    for (const auto& l : lines) {
      out += l;
      out += "\r\n";
    }
    return Files::writeFileAtomically(path, out);
  }

  // The section name of a header line, or nullopt for other lines.
  static std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    std::size_t close = line.find(']');
    return trim(line.substr(0, close));
  }

  struct Entry {
    std::string_view key;
    std::optional<std::string_view> value;  // nullopt: a line without "="
  };
  static std::optional<Entry> entry(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return Entry{line, std::nullopt};
    return Entry{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
  }

  // Index of the header of the first section of this name; npos if none.
  std::size_t findSection(std::string_view name) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto s = sectionName(lines[i]);
      if (s && equalsIgnoringCase(*s, name)) return i;
    }
    return std::string::npos;
  }

  // One past the last line of the section whose header is at `header`.
  std::size_t sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines.size() && !sectionName(lines[i])) ++i;
    return i;
  }

  std::size_t findKey(std::size_t header, std::string_view key) const {
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
      auto e = entry(lines[i]);
      if (e && equalsIgnoringCase(e->key, key)) return i;
    }
    return std::string::npos;
  }
};

bool writableName(std::string_view name, bool isSection) {
  name = trim(name);
  if (name.empty() || name.front() == '[' || name.front() == ';') return false;
  for (char c : name)
    if (c == '\r' || c == '\n' || (!isSection && c == '=') || (isSection && c == ']'))
      return false;
  return true;
}

std::string oneLine(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

std::string unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

}  // namespace

Profile::Profile(std::string_view path, std::string_view section)
    : path_(Files::absolutePath(path)), section_(section) {}

Profile Profile::withSection(std::string_view section) const {
  Profile p(*this);
  p.section_ = std::string(section);
  return p;
}

std::string Profile::getString(std::string_view key, std::string_view defaultValue,
                               std::size_t maxChars) const {
  std::string result(defaultValue);
  if (!key.empty()) {
    IniLines ini = IniLines::read(path_);
    std::size_t header = ini.findSection(section_);
    if (header != std::string::npos) {
      std::size_t at = ini.findKey(header, key);
      if (at != std::string::npos) {
        auto e = IniLines::entry(ini.lines[at]);
        if (e && e->value) result = unquote(*e->value);
      }
    }
  }
  if (result.size() > maxChars) result.resize(maxChars);
  return result;
}

int Profile::getInt(std::string_view key, int defaultValue) const {
  const std::string text = getString(key);
  if (trim(text).empty()) return defaultValue;
  return leadingInt(text);
}

bool Profile::hasKey(std::string_view key) const {
  IniLines ini = IniLines::read(path_);
  std::size_t header = ini.findSection(section_);
  return header != std::string::npos && ini.findKey(header, key) != std::string::npos;
}

bool Profile::writeString(std::string_view key, std::string_view value) {
  if (!writableName(key, false) || !writableName(section_, true)) return false;
  key = trim(key);
  if (Files::exists(path_) && !Files::isFile(path_)) return false;
  IniLines ini = IniLines::read(path_);
  if (Files::isFile(path_) && ini.lines.empty()) {
    // An existing file that reads as nothing is either empty or refused as
    // too large; never overwrite the latter with a one-key file.
    if (!Files::readFile(path_, kMaxProfileBytes)) return false;
  }
  std::string line = std::string(key) + "=" + oneLine(value);

  std::size_t header = ini.findSection(section_);
  if (header == std::string::npos) {
    if (!ini.lines.empty() && !trim(ini.lines.back()).empty()) ini.lines.emplace_back();
    ini.lines.push_back("[" + std::string(trim(section_)) + "]");
    ini.lines.push_back(std::move(line));
    return ini.write(path_);
  }
  std::size_t at = ini.findKey(header, key);
  if (at != std::string::npos) {
    // Keep the key's spelling and indentation as found in the file.
    std::string_view old = ini.lines[at];
    std::size_t eq = old.find('=');
    std::string keep = eq == std::string_view::npos ? std::string(old) : std::string(old.substr(0, eq));
    while (!keep.empty() && (keep.back() == ' ' || keep.back() == '\t')) keep.pop_back();
    ini.lines[at] = keep + "=" + oneLine(value);
    return ini.write(path_);
  }
  // After the last non-blank line of the section, before the blank lines
  // that separate it from the next one.
  std::size_t end = ini.sectionEnd(header);
  std::size_t insert = end;
  while (insert > header + 1 && trim(ini.lines[insert - 1]).empty()) --insert;
  ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(insert), std::move(line));
  return ini.write(path_);
}

bool Profile::writeInt(std::string_view key, int value) {
  return writeString(key, std::to_string(value));
}

bool Profile::removeKey(std::string_view key) {
  IniLines ini = IniLines::read(path_);
  std::size_t header = ini.findSection(section_);
  if (header == std::string::npos) return true;
  std::size_t at = ini.findKey(header, key);
  if (at == std::string::npos) return true;
  ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(at));
  return ini.write(path_);
}

bool Profile::removeSection() {
  IniLines ini = IniLines::read(path_);
  std::size_t header = ini.findSection(section_);
  if (header == std::string::npos) return true;
  std::size_t end = ini.sectionEnd(header);
  ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(header),
                  ini.lines.begin() + static_cast<std::ptrdiff_t>(end));
  return ini.write(path_);
}

std::vector<std::string> Profile::keys() const {
  std::vector<std::string> out;
  IniLines ini = IniLines::read(path_);
  std::size_t header = ini.findSection(section_);
  if (header == std::string::npos) return out;
  std::size_t end = ini.sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    auto e = IniLines::entry(ini.lines[i]);
    if (!e || e->key.empty()) continue;
    bool seen = false;
    for (const auto& k : out) seen = seen || equalsIgnoringCase(k, e->key);
    if (!seen) out.emplace_back(e->key);
  }
  return out;
}

std::vector<std::string> Profile::sections() const {
  std::vector<std::string> out;
  IniLines ini = IniLines::read(path_);
  for (const auto& l : ini.lines) {
    auto s = IniLines::sectionName(l);
    if (!s) continue;
    bool seen = false;
    for (const auto& k : out) seen = seen || equalsIgnoringCase(k, *s);
    if (!seen) out.emplace_back(*s);
  }
  return out;
}

}  // namespace vorkel
