#include "dictionary/SqliteClueDatabase.h"

#include <sqlite3.h>

namespace vorkel {

namespace {

constexpr int schemaVersion = 1;
constexpr int busyTimeoutMs = 5000;

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
  ClueEntry entry() const {
    return {text(0), text(1), text(2), clueSourceFromName(text(3)).value_or(ClueSource::Imported),
            integer(4), integer(5)};
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

std::string describe(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

class SqliteClueDatabase final : public ClueDatabase {
 public:
  explicit SqliteClueDatabase(sqlite3* db) : db_(db) {}
  ~SqliteClueDatabase() override { sqlite3_close(db_); }

  bool execute(const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = message ? message : describe(db_);
    sqlite3_free(message);
    return false;
  }

 protected:
  bool upsert(const ClueEntry& entry, std::string& error) override {
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
    insert.bind(1, entry.word);
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

  bool countUse(const std::string& word, std::string_view clue, std::string_view language,
                std::int64_t now, std::string& error) override {
    Statement update(db_,
                     "UPDATE clues SET use_count = use_count + 1, last_used = max(last_used, ?4)"
                     " WHERE word = ?1 AND clue = ?2 AND language = ?3");
    update.bind(1, word);
    update.bind(2, clue);
    update.bind(3, language);
    update.bind(4, now);
    if (update.step() != SQLITE_DONE) {
      error = describe(db_);
      return false;
    }
    return true;
  }

  std::vector<ClueEntry> select(const std::string& word,
                                std::string_view language) const override {
    Statement query(db_,
                    "SELECT word, clue, language, source, use_count, last_used FROM clues"
                    " WHERE word = ?1 AND language = ?2"
                    " ORDER BY source = 'typed' DESC, use_count DESC, last_used DESC,"
                    "  CASE source WHEN 'imported' THEN 0 WHEN 'kind' THEN 1 ELSE 2 END,"
                    "  length(clue), clue");
    std::vector<ClueEntry> out;
    if (!query.ok()) return out;
    query.bind(1, word);
    query.bind(2, language);
    while (query.step() == SQLITE_ROW) out.push_back(query.entry());
    return out;
  }

  std::vector<ClueEntry> selectAll() const override {
    Statement query(db_,
                    "SELECT word, clue, language, source, use_count, last_used FROM clues"
                    " ORDER BY language, word, clue");
    std::vector<ClueEntry> out;
    if (!query.ok()) return out;
    while (query.step() == SQLITE_ROW) out.push_back(query.entry());
    return out;
  }

  bool begin(std::string& error) override { return execute("BEGIN IMMEDIATE", error); }
  bool commit(std::string& error) override { return execute("COMMIT", error); }
  void rollback() override {
    std::string ignored;
    execute("ROLLBACK", ignored);
  }

 private:
  sqlite3* db_;
};

}  // namespace

std::unique_ptr<ClueDatabase> openSqliteClueDatabase(const std::string& path, std::string& error) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                 nullptr);
  if (rc != SQLITE_OK) {
    error = "Cannot open the clue database " + path + ": " + describe(raw);
    sqlite3_close(raw);
    return nullptr;
  }
  auto db = std::make_unique<SqliteClueDatabase>(raw);
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
  return std::unique_ptr<ClueDatabase>(std::move(db));
}

}  // namespace vorkel
