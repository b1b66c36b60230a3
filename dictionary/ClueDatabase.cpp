#include "dictionary/ClueDatabase.h"

#include "platform/Cp1252.h"

#include <sqlite3.h>

#include <array>
#include <charconv>

namespace vorkel {

namespace {

constexpr int schemaVersion = 1;
constexpr int busyTimeoutMs = 5000;

constexpr std::array<std::pair<ClueSource, std::string_view>, 5> sourceNames{{
    {ClueSource::Typed, "typed"},
    {ClueSource::Imported, "imported"},
    {ClueSource::ThesaurusKind, "kind"},
    {ClueSource::ThesaurusSynonym, "synonym"},
    {ClueSource::Number, "number"},
}};

// A prepared statement that is finalized when it goes out of scope.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  bool ok() const { return stmt_ != nullptr; }
  void bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  void bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
  int step() { return sqlite3_step(stmt_); }
  std::string text(int column) const {
    const auto* p = sqlite3_column_text(stmt_, column);
    return p ? std::string(reinterpret_cast<const char*>(p),
                           static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
             : std::string();
  }
  std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

std::string describe(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

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

std::unique_ptr<ClueDatabase> ClueDatabase::open(const std::string& path, std::string& error) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                 nullptr);
  if (rc != SQLITE_OK) {
    error = "Cannot open the clue database " + path + ": " + describe(raw);
    sqlite3_close(raw);
    return nullptr;
  }
  std::unique_ptr<ClueDatabase> db(new ClueDatabase(raw));
  sqlite3_busy_timeout(raw, busyTimeoutMs);
  auto fail = [&](const std::string& why) {
    error = "The clue database " + path + " is not usable and is left as it is: " + why;
    return nullptr;
  };
  // Read before anything is written: a file that is not a database, or is
  // damaged, fails here and is never changed.
  {
    Statement check(raw, "PRAGMA quick_check");
    if (!check.ok()) return fail(describe(raw));
    const int step = check.step();
    if (step != SQLITE_ROW) return fail(describe(raw));
    const auto result = check.text(0);
    if (result != "ok") return fail(result);
  }
  std::int64_t version = 0;
  {
    Statement userVersion(raw, "PRAGMA user_version");
    if (!userVersion.ok() || userVersion.step() != SQLITE_ROW) return fail(describe(raw));
    version = userVersion.integer(0);
  }
  if (version > schemaVersion)
    return fail("it was written by a newer version (schema " + std::to_string(version) + ")");
  std::string why;
  if (!db->execute("PRAGMA journal_mode=WAL", why)) return fail(why);
  if (version == 0) {
    const char* schema =
        "BEGIN IMMEDIATE;"
        "CREATE TABLE IF NOT EXISTS clues ("
        " word TEXT NOT NULL, clue TEXT NOT NULL, language TEXT NOT NULL,"
        " source TEXT NOT NULL, use_count INTEGER NOT NULL DEFAULT 0,"
        " last_used INTEGER NOT NULL DEFAULT 0,"
        " PRIMARY KEY (word, language, clue));"
        "PRAGMA user_version=1;"
        "COMMIT;";
    if (!db->execute(schema, why)) {
      db->execute("ROLLBACK", why);
      return fail(why);
    }
  }
  return db;
}

ClueDatabase::~ClueDatabase() { sqlite3_close(db_); }

bool ClueDatabase::execute(const char* sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : describe(db_);
  sqlite3_free(message);
  return false;
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
  Statement insert(db_,
                   "INSERT INTO clues (word, clue, language, source, use_count, last_used)"
                   " VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                   " ON CONFLICT (word, language, clue) DO UPDATE SET"
                   "  source = CASE WHEN excluded.source = 'typed' THEN 'typed' ELSE source END,"
                   "  use_count = max(use_count, excluded.use_count),"
                   "  last_used = max(last_used, excluded.last_used)");
  if (!insert.ok()) {
    error = describe(db_);
    return false;
  }
  insert.bind(1, upperCaseWord(entry.word));
  insert.bind(2, entry.clue);
  insert.bind(3, entry.language);
  insert.bind(4, clueSourceName(entry.source));
  insert.bind(5, entry.useCount);
  insert.bind(6, entry.lastUsed);
  if (insert.step() != SQLITE_DONE) {
    error = describe(db_);
    return false;
  }
  return true;
}

bool ClueDatabase::recordUse(std::string_view word, std::string_view clue,
                             std::string_view language, std::int64_t now, std::string& error) {
  if (!add({std::string(word), std::string(clue), std::string(language), ClueSource::Typed, 0, 0},
           error))
    return false;
  Statement update(db_,
                   "UPDATE clues SET use_count = use_count + 1, last_used = max(last_used, ?4)"
                   " WHERE word = ?1 AND clue = ?2 AND language = ?3");
  update.bind(1, upperCaseWord(word));
  update.bind(2, clue);
  update.bind(3, language);
  update.bind(4, now);
  if (update.step() != SQLITE_DONE) {
    error = describe(db_);
    return false;
  }
  return true;
}

std::vector<ClueEntry> ClueDatabase::suggestions(std::string_view word,
                                                 std::string_view language) const {
  Statement query(db_,
                  "SELECT word, clue, language, source, use_count, last_used FROM clues"
                  " WHERE word = ?1 AND language = ?2"
                  " ORDER BY source = 'typed' DESC, use_count DESC, last_used DESC,"
                  "  CASE source WHEN 'imported' THEN 0 WHEN 'kind' THEN 1 ELSE 2 END,"
                  "  length(clue), clue");
  std::vector<ClueEntry> out;
  if (!query.ok()) return out;
  query.bind(1, upperCaseWord(word));
  query.bind(2, language);
  while (query.step() == SQLITE_ROW) {
    out.push_back({query.text(0), query.text(1), query.text(2),
                   clueSourceFromName(query.text(3)).value_or(ClueSource::Imported),
                   query.integer(4), query.integer(5)});
  }
  return out;
}

std::optional<std::string> ClueDatabase::bestClue(std::string_view word,
                                                  std::string_view language) const {
  auto all = suggestions(word, language);
  if (all.empty()) return std::nullopt;
  return std::move(all.front().clue);
}

std::string ClueDatabase::exportTsv() const {
  std::string out = "word\tclue\tlanguage\tsource\tuses\tlast_used\n";
  Statement query(db_,
                  "SELECT word, clue, language, source, use_count, last_used FROM clues"
                  " ORDER BY language, word, clue");
  if (!query.ok()) return out;
  while (query.step() == SQLITE_ROW) {
    out += query.text(0) + '\t' + query.text(1) + '\t' + query.text(2) + '\t' + query.text(3) +
           '\t' + std::to_string(query.integer(4)) + '\t' + std::to_string(query.integer(5)) +
           '\n';
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
  if (!execute("BEGIN IMMEDIATE", why)) {
    error = "Cannot write the clue database: " + why;
    return std::nullopt;
  }
  std::size_t count = 0;
  std::size_t lineNumber = 0;
  auto failAt = [&](const std::string& message) -> std::optional<std::size_t> {
    error = "Line " + std::to_string(lineNumber) + ": " + message;
    std::string ignored;
    execute("ROLLBACK", ignored);
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
  if (!execute("COMMIT", why)) {
    error = "Cannot write the clue database: " + why;
    std::string ignored;
    execute("ROLLBACK", ignored);
    return std::nullopt;
  }
  return count;
}

}  // namespace vorkel
