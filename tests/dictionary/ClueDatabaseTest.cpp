#include "dictionary/ClueDatabase.h"

#include "platform/Cp1252.h"
#include "tests/dictionary/TemporaryPostgres.h"

#include <sqlite3.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace vorkel {
namespace {

namespace fs = std::filesystem;

class ClueDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("clue-db-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               "-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path() const { return (folder_ / "clues.sqlite").string(); }

  std::unique_ptr<ClueDatabase> openOrFail() {
    std::string error;
    auto db = ClueDatabase::open(path(), error);
    EXPECT_NE(db, nullptr) << error;
    return db;
  }

  static std::string readAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder_;
};

// The tests every store must pass, run on an SQLite file and on a server.
enum class Store { Sqlite, Postgres };

class ClueStoreTest : public ClueDatabaseTest, public ::testing::WithParamInterface<Store> {
 protected:
  void SetUp() override {
    ClueDatabaseTest::SetUp();
    if (GetParam() == Store::Postgres) {
      server_ = std::make_unique<TemporaryPostgres>(
          ::testing::UnitTest::GetInstance()->current_test_info()->name());
      ASSERT_EQ(server_->problem(), "");
    }
  }
  std::unique_ptr<ClueDatabase> openOrFail() {
    std::string error;
    auto db = ClueDatabase::open(server_ ? server_->connection() : path(), error);
    EXPECT_NE(db, nullptr) << error;
    return db;
  }

  std::unique_ptr<TemporaryPostgres> server_;
};

INSTANTIATE_TEST_SUITE_P(Stores, ClueStoreTest, ::testing::Values(Store::Sqlite, Store::Postgres),
                         [](const auto& store) {
                           return store.param == Store::Sqlite ? "sqlite" : "postgres";
                         });

TEST_F(ClueDatabaseTest, DamagedOrForeignFilesAreReportedAndLeftUntouched) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string truncatedHeader = "SQLite format 3";
  truncatedHeader.push_back('\0');
  truncatedHeader += std::string(84, '\x7f');
  const Case cases[] = {
      {"text", "ØRN\tFugl\n"},
      {"binary", std::string(4096, '\xff')},
      {"damaged header", truncatedHeader + std::string(4000, 'x')},
  };
  for (const auto& c : cases) {
    {
      std::ofstream out(path(), std::ios::binary | std::ios::trunc);
      out << c.bytes;
    }
    std::string error;
    auto db = ClueDatabase::open(path(), error);
    EXPECT_EQ(db, nullptr) << c.name;
    EXPECT_NE(error.find("left as it is"), std::string::npos) << c.name << ": " << error;
    EXPECT_EQ(readAll(path()), c.bytes) << c.name;
    EXPECT_FALSE(fs::exists(path() + "-wal")) << c.name;
  }
}

TEST_F(ClueDatabaseTest, NewerSchemaOrMissingFolderIsRefused) {
  { auto db = openOrFail(); }
  {
    // A later version of the program raised the schema number.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path().c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "PRAGMA user_version=2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
  }
  const auto before = readAll(path());
  std::string error;
  EXPECT_EQ(ClueDatabase::open(path(), error), nullptr);
  EXPECT_NE(error.find("newer version"), std::string::npos) << error;
  EXPECT_EQ(readAll(path()), before);

  EXPECT_EQ(ClueDatabase::open((folder_ / "missing" / "clues.sqlite").string(), error), nullptr);
  EXPECT_NE(error.find("Cannot open"), std::string::npos) << error;
}

TEST_P(ClueStoreTest, SuggestionOrder) {
  auto db = openOrFail();
  ASSERT_NE(db, nullptr);
  std::string error;
  const ClueEntry entries[] = {
      {"ørn", "Rovfugl", "da", ClueSource::ThesaurusSynonym, 0, 0},
      {"ØRN", "Fugl", "da", ClueSource::ThesaurusKind, 0, 0},
      {"ØRN", "Ådselæder", "da", ClueSource::Imported, 0, 0},
      {"ØRN", "Havørn", "da", ClueSource::ThesaurusSynonym, 0, 0},
      {"ØRN", "Eagle", "en", ClueSource::Typed, 9, 9},
  };
  for (const auto& e : entries) ASSERT_TRUE(db->add(e, error)) << error;

  auto clues = [&] {
    std::vector<std::string> out;
    for (const auto& s : db->suggestions("Ørn", "da")) out.push_back(s.clue);
    return out;
  };
  // Unused: imported, then kind-of, then synonyms shortest first; other
  // languages never show.
  EXPECT_EQ(clues(), (std::vector<std::string>{"Ådselæder", "Fugl", "Havørn", "Rovfugl"}));

  // Used clues come before unused ones, the most used first.
  ASSERT_TRUE(db->recordUse("ØRN", "Rovfugl", "da", 100, error)) << error;
  ASSERT_TRUE(db->add({"ØRN", "Havørn", "da", ClueSource::ThesaurusSynonym, 3, 50}, error));
  // "Rovfugl" was used, so it became typed and leads.
  EXPECT_EQ(clues(), (std::vector<std::string>{"Rovfugl", "Havørn", "Ådselæder", "Fugl"}));

  // A clue the user types leads next time, even over a more used one.
  ASSERT_TRUE(db->recordUse("ørn", "Kongefugl", "da", 200, error));
  EXPECT_EQ(db->bestClue("ØRN", "da"), "Kongefugl");
  const auto first = db->suggestions("ØRN", "da").front();
  EXPECT_EQ(first.source, ClueSource::Typed);
  EXPECT_EQ(first.useCount, 1);
  EXPECT_EQ(first.lastUsed, 200);

  // Importing a typed clue again does not demote it.
  ASSERT_TRUE(db->add({"ØRN", "Kongefugl", "da", ClueSource::ThesaurusSynonym, 0, 0}, error));
  EXPECT_EQ(db->suggestions("ØRN", "da").front().source, ClueSource::Typed);
  EXPECT_EQ(db->bestClue("MADEN", "da"), std::nullopt);
}

TEST_P(ClueStoreTest, BadEntriesAreRefused) {
  auto db = openOrFail();
  ASSERT_NE(db, nullptr);
  const ClueEntry bad[] = {
      {"", "Fugl", "da", ClueSource::Typed, 0, 0},
      {"ØRN", "", "da", ClueSource::Typed, 0, 0},
      {"ØRN", "Fugl", "", ClueSource::Typed, 0, 0},
      {"ØRN", "Fu\tgl", "da", ClueSource::Typed, 0, 0},
      {"ØRN", "Fugl\n", "da", ClueSource::Typed, 0, 0},
      {"\xD8RN", "Fugl", "da", ClueSource::Typed, 0, 0},  // Windows-1252, not UTF-8
  };
  for (const auto& e : bad) {
    std::string error;
    EXPECT_FALSE(db->add(e, error)) << e.word << "/" << e.clue;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_EQ(db->exportTsv(), "word\tclue\tlanguage\tsource\tuses\tlast_used\n");
}

TEST_P(ClueStoreTest, ImportExportRoundTripKeepsDanishLetters) {
  const std::string tsv =
      "word\tclue\tlanguage\tsource\tuses\tlast_used\n"
      "MADEN\tFøden\tda\tsynonym\t0\t0\n"
      "ÆBLE\tFrugt\tda\tkind\t2\t1700000000\n"
      "ØRN\tÅdselæder på fjeldet\tda\ttyped\t5\t1700000001\n";
  std::string error;
  {
    auto db = openOrFail();
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->importTsv(tsv, "da", error), 3u) << error;
  }
  auto db = openOrFail();
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(db->exportTsv(), tsv);
  // Short lines take the default language and the source "imported"; a BOM
  // and CRLF line ends are accepted; words are stored in capitals.
  EXPECT_EQ(db->importTsv("\xEF\xBB\xBFæble\tPigens navn\r\n", "da", error), 1u) << error;
  const auto s = db->suggestions("ÆBLE", "da");
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[1].word, "ÆBLE");
  EXPECT_EQ(s[1].source, ClueSource::Imported);
}

TEST_P(ClueStoreTest, BadImportStoresNothingAndNamesTheLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"ØRN\tFugl\nMADEN\n", "Line 2: expected 2 to 6"},
      {"ØRN\tFugl\nMADEN\tFøden\tda\tguess\n", "Line 2: unknown source \"guess\""},
      {"ØRN\tFugl\tda\ttyped\t-1\n", "Line 1: \"-1\" is not a count"},
      {"ØRN\tFugl\tda\ttyped\t1\tx\n", "Line 1: \"x\" is not a count"},
      {"\xD8RN\tFugl\n", "not UTF-8"},
      {"ØRN\tFugl\t\t\t\t\t\n", "Line 1: expected 2 to 6"},
  };
  auto db = openOrFail();
  ASSERT_NE(db, nullptr);
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(db->importTsv(c.text, "da", error), std::nullopt) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << " gave: " << error;
    EXPECT_TRUE(db->suggestions("ØRN", "da").empty()) << c.text;
  }
}

TEST_P(ClueStoreTest, SeveralConnectionsWriteAtOnce) {
  auto first = openOrFail();
  auto second = openOrFail();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  constexpr int perWriter = 150;
  auto writer = [&](ClueDatabase& db, const std::string& prefix, bool* ok) {
    std::string error;
    for (int i = 0; i < perWriter; ++i)
      *ok = db.recordUse("ØRN", prefix + std::to_string(i), "da", i, error) && *ok;
    // Both write the same clue too: every use is counted.
    for (int i = 0; i < perWriter; ++i) *ok = db.recordUse("ØRN", "Fugl", "da", i, error) && *ok;
  };
  bool ok1 = true, ok2 = true;
  std::thread t1(writer, std::ref(*first), "a", &ok1);
  std::thread t2(writer, std::ref(*second), "b", &ok2);
  t1.join();
  t2.join();
  EXPECT_TRUE(ok1);
  EXPECT_TRUE(ok2);
  const auto all = first->suggestions("ØRN", "da");
  EXPECT_EQ(all.size(), 2u * perWriter + 1);
  EXPECT_EQ(all.front().clue, "Fugl");
  EXPECT_EQ(all.front().useCount, 2 * perWriter);
}

TEST(PostgresClueDatabase, ForeignNewerOrUnreachableDatabasesAreReportedAndLeftAlone) {
  TemporaryPostgres server("refuse");
  ASSERT_EQ(server.problem(), "");
  auto openWith = [](const std::string& connection, std::string& error) {
    return ClueDatabase::open(connection, error);
  };
  const struct {
    const char* database;
    const char* setup;
    const char* message;
  } cases[] = {
      {"alien", "CREATE TABLE clues (id INTEGER); INSERT INTO clues VALUES (7)",
       "did not make"},
      {"newer", "CREATE TABLE clue_schema (version INTEGER); INSERT INTO clue_schema VALUES (2);"
                " CREATE TABLE clues (id INTEGER); INSERT INTO clues VALUES (7)",
       "newer version"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(server.psql(std::string("CREATE DATABASE ") + c.database));
    ASSERT_TRUE(server.psql(c.setup, c.database));
    std::string error;
    EXPECT_EQ(openWith(server.connection(c.database), error), nullptr) << c.database;
    EXPECT_NE(error.find("left as it is"), std::string::npos) << error;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    // The table is as it was.
    EXPECT_TRUE(server.psql("SELECT 1/(count(*) = 1 AND min(id) = 7)::int FROM clues",
                            c.database))
        << c.database;
  }

  // A database that is not there, and a server that is not there, are said
  // without the password of the connection string.
  std::string error;
  EXPECT_EQ(openWith(server.connection("missing"), error), nullptr);
  EXPECT_NE(error.find("Cannot open the clue database"), std::string::npos) << error;
  EXPECT_EQ(openWith("host=/nonexistent dbname=clues password=secret", error), nullptr);
  EXPECT_NE(error.find("Cannot open"), std::string::npos) << error;
  EXPECT_EQ(error.find("secret"), std::string::npos) << error;

  // Two programs opening an empty database at once both get it.
  ASSERT_TRUE(server.psql("CREATE DATABASE fresh"));
  std::unique_ptr<ClueDatabase> a, b;
  std::string errorA, errorB;
  std::thread ta([&] { a = openWith(server.connection("fresh"), errorA); });
  std::thread tb([&] { b = openWith(server.connection("fresh"), errorB); });
  ta.join();
  tb.join();
  ASSERT_NE(a, nullptr) << errorA;
  ASSERT_NE(b, nullptr) << errorB;
  ASSERT_TRUE(a->add({"ØRN", "Fugl", "da", ClueSource::Typed, 0, 0}, error)) << error;
  EXPECT_EQ(b->bestClue("ørn", "da"), "Fugl");
}

TEST(ClueDatabasePath, ConnectionStringsAreToldFromFiles) {
  for (const char* server : {"postgresql://db.example/clues", "postgres:///clues",
                             "host=/run/postgresql dbname=clues", "dbname=clues"})
    EXPECT_TRUE(isClueDatabaseConnection(server)) << server;
  for (const char* file : {"/home/a/clues.sqlite", "clues.sqlite", "a=b.sqlite", ""})
    EXPECT_FALSE(isClueDatabaseConnection(file)) << file;
}

TEST(ClueDatabasePath, ChoosesOverrideThenXdgThenHome) {
  struct Case {
    const char* overridePath;
    const char* xdg;
    const char* home;
    std::string expected;
  };
  const Case cases[] = {
      {"/tmp/t.sqlite", "/x", "/h", "/tmp/t.sqlite"},
      {"", "/x", "/h", "/x/vorkel/clues.sqlite"},
      {nullptr, "relative", "/h", "/h/.local/share/vorkel/clues.sqlite"},
      {nullptr, nullptr, "/h", "/h/.local/share/vorkel/clues.sqlite"},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(clueDatabasePath(c.overridePath, c.xdg, c.home), c.expected);
}

TEST(ClueWordCase, UpperCasesDanishLettersOnly) {
  EXPECT_EQ(upperCaseWord("æble ørn århus é÷ß"), "ÆBLE ØRN ÅRHUS É÷ß");
  EXPECT_EQ(upperCaseWord("ÆØÅ"), "ÆØÅ");
  EXPECT_TRUE(isValidUtf8("Ådselæder"));
  EXPECT_FALSE(isValidUtf8("\xC3"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}

}  // namespace
}  // namespace vorkel
