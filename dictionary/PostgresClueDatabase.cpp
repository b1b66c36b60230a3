#include "dictionary/PostgresClueDatabase.h"

#include "dictionary/LibPq.h"

#include <array>
#include <charconv>
#include <memory>
#include <mutex>

namespace vorkel {

namespace {

constexpr int schemaVersion = 1;
// Any fixed number: the key of the advisory lock that makes table creation
// one program at a time.
constexpr const char* schemaLockKey = "826114031";

// A query result that is cleared when it goes out of scope.
class Result {
 public:
  Result(const LibPq& pq, PGresult* result) : pq_(pq), result_(result) {}
  ~Result() { pq_.clear(result_); }
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;
  bool ok() const {
    const auto status = pq_.resultStatus(result_);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
  }
  int rows() const { return pq_.ntuples(result_); }
  std::string text(int row, int column) const {
    return {pq_.getvalue(result_, row, column),
            static_cast<std::size_t>(pq_.getlength(result_, row, column))};
  }
  std::int64_t integer(int row, int column) const {
    const auto value = text(row, column);
    std::int64_t n = 0;
    std::from_chars(value.data(), value.data() + value.size(), n);
    return n;
  }
  ClueEntry entry(int row) const {
    return {text(row, 0), text(row, 1), text(row, 2),
            clueSourceFromName(text(row, 3)).value_or(ClueSource::Imported), integer(row, 4),
            integer(row, 5)};
  }

 private:
  const LibPq& pq_;
  PGresult* result_;
};

std::string describe(const LibPq& pq, PGconn* conn) {
  if (!conn) return "out of memory";
  std::string message = pq.errorMessage(conn);
  while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
    message.pop_back();
  return message;
}

constexpr const char* selectColumns =
    "SELECT word, clue, language, source, use_count, last_used FROM clues";

class PostgresClueDatabase final : public ClueDatabase {
 public:
  PostgresClueDatabase(std::shared_ptr<const LibPq> pq, PGconn* conn)
      : pq_(std::move(pq)), conn_(conn) {}
  ~PostgresClueDatabase() override { pq_->finish(conn_); }

  // Runs `sql` with text parameters. A connection the server dropped (a
  // restart) is made again once, outside a transaction.
  Result run(const char* sql, std::initializer_list<std::string_view> parameters = {}) const {
    if (pq_->status(conn_) == CONNECTION_BAD && !inTransaction_) pq_->reset(conn_);
    std::array<std::string, 6> owned;
    std::array<const char*, 6> values{};
    std::size_t n = 0;
    for (auto p : parameters) {
      owned[n] = std::string(p);
      values[n] = owned[n].c_str();
      ++n;
    }
    return Result(*pq_, pq_->execParams(conn_, sql, static_cast<int>(n), nullptr, values.data(),
                                        nullptr, nullptr, 0));
  }

  bool runOrSay(const char* sql, std::initializer_list<std::string_view> parameters,
                std::string& error) {
    if (run(sql, parameters).ok()) return true;
    error = describe(*pq_, conn_);
    return false;
  }

  // Makes the table in an empty database, or checks that the one there is
  // ours and not newer. Nothing that is there is changed.
  bool prepareSchema(std::string& error) {
    std::lock_guard lock(mutex_);
    if (!runOrSay("BEGIN", {}, error)) return false;
    auto fail = [&](std::string why) {
      error = std::move(why);
      run("ROLLBACK");
      return false;
    };
    if (!run("SELECT pg_advisory_xact_lock($1::bigint)", {schemaLockKey}).ok())
      return fail(describe(*pq_, conn_));
    const auto tables = run(
        "SELECT to_regclass('clue_schema') IS NOT NULL, to_regclass('clues') IS NOT NULL");
    if (!tables.ok() || tables.rows() != 1) return fail(describe(*pq_, conn_));
    const bool hasSchema = tables.text(0, 0) == "t";
    const bool hasClues = tables.text(0, 1) == "t";
    if (hasSchema) {
      const auto version = run("SELECT coalesce(max(version), 0) FROM clue_schema");
      if (!version.ok() || version.rows() != 1) return fail(describe(*pq_, conn_));
      const auto v = version.integer(0, 0);
      if (v > schemaVersion)
        return fail("it was written by a newer version (schema " + std::to_string(v) + ")");
      if (v < 1 || !hasClues) return fail("its clue tables are damaged");
    } else if (hasClues) {
      return fail("it holds a table \"clues\" that this program did not make");
    } else {
      const char* schema =
          "CREATE TABLE clues ("
          " word TEXT NOT NULL, clue TEXT NOT NULL, language TEXT NOT NULL,"
          " source TEXT NOT NULL, use_count BIGINT NOT NULL DEFAULT 0,"
          " last_used BIGINT NOT NULL DEFAULT 0,"
          " PRIMARY KEY (word, language, clue));"
          "CREATE TABLE clue_schema (version INTEGER NOT NULL);"
          "INSERT INTO clue_schema VALUES (1);";
      // Several statements at once need the simple protocol of PQexec.
      Result made(*pq_, pq_->exec(conn_, schema));
      if (!made.ok()) return fail(describe(*pq_, conn_));
    }
    if (!run("COMMIT").ok()) return fail(describe(*pq_, conn_));
    return true;
  }

 protected:
  bool upsert(const ClueEntry& entry, std::string& error) override {
    std::lock_guard lock(mutex_);
    const auto uses = std::to_string(entry.useCount);
    const auto last = std::to_string(entry.lastUsed);
    return runOrSay(
        "INSERT INTO clues (word, clue, language, source, use_count, last_used)"
        " VALUES ($1, $2, $3, $4, $5::bigint, $6::bigint)"
        " ON CONFLICT (word, language, clue) DO UPDATE SET"
        "  source = CASE WHEN excluded.source = 'typed' THEN 'typed' ELSE clues.source END,"
        "  use_count = greatest(clues.use_count, excluded.use_count),"
        "  last_used = greatest(clues.last_used, excluded.last_used)",
        {entry.word, entry.clue, entry.language, clueSourceName(entry.source), uses, last}, error);
  }

  bool countUse(const std::string& word, std::string_view clue, std::string_view language,
                std::int64_t now, std::string& error) override {
    std::lock_guard lock(mutex_);
    const auto when = std::to_string(now);
    return runOrSay(
        "UPDATE clues SET use_count = use_count + 1, last_used = greatest(last_used, $4::bigint)"
        " WHERE word = $1 AND clue = $2 AND language = $3",
        {word, clue, language, when}, error);
  }

  std::vector<ClueEntry> select(const std::string& word,
                                std::string_view language) const override {
    std::lock_guard lock(mutex_);
    const auto result =
        run((std::string(selectColumns) +
             " WHERE word = $1 AND language = $2"
             " ORDER BY source = 'typed' DESC, use_count DESC, last_used DESC,"
             "  CASE source WHEN 'imported' THEN 0 WHEN 'kind' THEN 1 ELSE 2 END,"
             "  char_length(clue), clue COLLATE \"C\"")
                .c_str(),
            {word, language});
    return entries(result);
  }

  std::vector<ClueEntry> selectAll() const override {
    std::lock_guard lock(mutex_);
    const auto result = run((std::string(selectColumns) +
                             " ORDER BY language COLLATE \"C\", word COLLATE \"C\","
                             "  clue COLLATE \"C\"")
                                .c_str());
    return entries(result);
  }

  bool begin(std::string& error) override {
    std::lock_guard lock(mutex_);
    inTransaction_ = runOrSay("BEGIN", {}, error);
    return inTransaction_;
  }
  bool commit(std::string& error) override {
    std::lock_guard lock(mutex_);
    inTransaction_ = false;
    return runOrSay("COMMIT", {}, error);
  }
  void rollback() override {
    std::lock_guard lock(mutex_);
    inTransaction_ = false;
    run("ROLLBACK");
  }

 private:
  static std::vector<ClueEntry> entries(const Result& result) {
    std::vector<ClueEntry> out;
    if (!result.ok()) return out;
    out.reserve(static_cast<std::size_t>(result.rows()));
    for (int row = 0; row < result.rows(); ++row) out.push_back(result.entry(row));
    return out;
  }

  std::shared_ptr<const LibPq> pq_;
  PGconn* conn_;
  // One connection serves one statement at a time.
  mutable std::mutex mutex_;
  bool inTransaction_ = false;
};

}  // namespace

std::unique_ptr<ClueDatabase> openPostgresClueDatabase(const std::string& connection,
                                                       std::string& error) {
  std::string why;
  const auto pq = LibPq::load(why);
  if (!pq) {
    error = "Cannot open the clue database on the PostgreSQL server: " + why;
    return nullptr;
  }
  // Settings before the expanded connection string are defaults it may
  // override: a server that never answers is given up after ten seconds.
  const char* keywords[] = {"connect_timeout", "application_name", "client_encoding", "dbname",
                            nullptr};
  const char* values[] = {"10", "vorkel", "UTF8", connection.c_str(), nullptr};
  PGconn* conn = pq->connectdbParams(keywords, values, 1);
  // The connection string may hold a password: messages name the server and
  // the database instead.
  auto where = [&] {
    if (!conn || !pq->db(conn)) return std::string("on the PostgreSQL server");
    const char* host = pq->host(conn);
    return std::string(pq->db(conn)) + " on " + (host && *host ? host : "the local server");
  };
  if (!conn || pq->status(conn) != CONNECTION_OK) {
    error = "Cannot open the clue database " + where() + ": " + describe(*pq, conn);
    pq->finish(conn);
    return nullptr;
  }
  auto db = std::make_unique<PostgresClueDatabase>(pq, conn);
  if (!db->prepareSchema(why)) {
    error = "The clue database " + where() + " is not usable and is left as it is: " + why;
    return nullptr;
  }
  return db;
}

}  // namespace vorkel
