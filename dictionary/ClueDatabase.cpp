#include "dictionary/ClueDatabase.h"

#include "dictionary/PostgresClueDatabase.h"
#include "dictionary/SqliteClueDatabase.h"

#include "platform/Cp1252.h"

#include <array>
#include <charconv>

namespace vorkel {

namespace {

constexpr std::array<std::pair<ClueSource, std::string_view>, 6> sourceNames{{
    {ClueSource::Typed, "typed"},
    {ClueSource::Imported, "imported"},
    {ClueSource::ThesaurusKind, "kind"},
    {ClueSource::ThesaurusSynonym, "synonym"},
    {ClueSource::Number, "number"},
    {ClueSource::Stock, "stock"},
}};

bool hasForbiddenCharacters(std::string_view text) {
  return text.find_first_of("\t\r\n") != std::string_view::npos;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<std::int64_t> parseCount(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

}  // namespace

std::string_view clueSourceName(ClueSource source) {
  for (const auto& [s, name] : sourceNames)
    if (s == source) return name;
  return "imported";
}

std::optional<ClueSource> clueSourceFromName(std::string_view name) {
  for (const auto& [s, n] : sourceNames)
    if (n == name) return s;
  return std::nullopt;
}

std::string upperCaseWord(std::string_view utf8) {
  std::string out(utf8);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 0x20);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      // U+00E0..U+00FE are two bytes C3 A0..C3 BE; their capitals are C3 80..C3 9E.
      const auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
      ++i;
    }
  }
  return out;
}

std::string clueDatabasePath(const char* overridePath, const char* xdgDataHome, const char* home) {
  if (overridePath && *overridePath) return overridePath;
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/vorkel/clues.sqlite";
  if (home && *home) return std::string(home) + "/.local/share/vorkel/clues.sqlite";
  return {};
}

bool isClueDatabaseConnection(std::string_view location) {
  if (location.starts_with("postgresql://") || location.starts_with("postgres://")) return true;
  // libpq's "key=value" form; a file name that merely holds '=' is not one.
  static constexpr std::string_view keywords[] = {"host=", "hostaddr=", "port=", "dbname=",
                                                  "user=", "service=", "password="};
  for (auto keyword : keywords)
    if (location.starts_with(keyword)) return true;
  return false;
}

std::unique_ptr<ClueDatabase> ClueDatabase::open(const std::string& location,
                                                 std::string& error) {
  if (isClueDatabaseConnection(location)) return openPostgresClueDatabase(location, error);
  return openSqliteClueDatabase(location, error);
}

bool ClueDatabase::add(const ClueEntry& entry, std::string& error) {
  for (std::string_view text : {std::string_view(entry.word), std::string_view(entry.clue),
                                std::string_view(entry.language)}) {
    if (text.empty()) {
      error = "A clue needs a word, a text and a language.";
      return false;
    }
    if (hasForbiddenCharacters(text) || !isValidUtf8(text)) {
      error = "A clue may not hold tabs, line breaks or malformed UTF-8.";
      return false;
    }
  }
  ClueEntry stored = entry;
  stored.word = upperCaseWord(entry.word);
  return upsert(stored, error);
}

bool ClueDatabase::recordUse(std::string_view word, std::string_view clue,
                             std::string_view language, std::int64_t now, std::string& error) {
  if (!add({std::string(word), std::string(clue), std::string(language), ClueSource::Typed, 0, 0},
           error))
    return false;
  return countUse(upperCaseWord(word), clue, language, now, error);
}

std::vector<ClueEntry> ClueDatabase::suggestions(std::string_view word,
                                                 std::string_view language) const {
  return select(upperCaseWord(word), language);
}

std::optional<std::string> ClueDatabase::bestClue(std::string_view word,
                                                  std::string_view language) const {
  auto all = suggestions(word, language);
  if (all.empty()) return std::nullopt;
  return std::move(all.front().clue);
}

std::string ClueDatabase::exportTsv() const {
  std::string out = "word\tclue\tlanguage\tsource\tuses\tlast_used\n";
  for (const auto& e : selectAll()) {
    out += e.word + '\t' + e.clue + '\t' + e.language + '\t' +
           std::string(clueSourceName(e.source)) + '\t' + std::to_string(e.useCount) + '\t' +
           std::to_string(e.lastUsed) + '\n';
  }
  return out;
}

std::optional<std::size_t> ClueDatabase::importTsv(std::string_view text,
                                                   std::string_view defaultLanguage,
                                                   std::string& error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  if (!isValidUtf8(text)) {
    error = "The clue file is not UTF-8.";
    return std::nullopt;
  }
  std::string why;
  if (!begin(why)) {
    error = "Cannot write the clue database: " + why;
    return std::nullopt;
  }
  std::size_t count = 0;
  std::size_t lineNumber = 0;
  auto failAt = [&](const std::string& message) -> std::optional<std::size_t> {
    error = "Line " + std::to_string(lineNumber) + ": " + message;
    rollback();
    return std::nullopt;
  };
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const auto fields = splitTabs(line);
    if (lineNumber == 1 && fields[0] == "word") continue;
    if (fields.size() < 2 || fields.size() > 6)
      return failAt("expected 2 to 6 tab-separated fields, found " +
                    std::to_string(fields.size()) + ".");
    ClueEntry entry{std::string(fields[0]), std::string(fields[1]), std::string(defaultLanguage),
                    ClueSource::Imported, 0, 0};
    if (fields.size() > 2 && !fields[2].empty()) entry.language = fields[2];
    if (fields.size() > 3 && !fields[3].empty()) {
      const auto source = clueSourceFromName(fields[3]);
      if (!source) return failAt("unknown source \"" + std::string(fields[3]) + "\".");
      entry.source = *source;
    }
    for (std::size_t column = 4; column < fields.size(); ++column) {
      const auto value = parseCount(fields[column]);
      if (!value) return failAt("\"" + std::string(fields[column]) + "\" is not a count.");
      (column == 4 ? entry.useCount : entry.lastUsed) = *value;
    }
    if (!add(entry, why)) return failAt(why);
    ++count;
  }
  if (!commit(why)) {
    error = "Cannot write the clue database: " + why;
    rollback();
    return std::nullopt;
  }
  return count;
}

}  // namespace vorkel
