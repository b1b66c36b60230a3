#pragma once
// The clue database: for each crossword word the clues known for it, with
// where each came from and how often it was used. By default one SQLite file
// of the user (SqliteClueDatabase); a team shares one on a PostgreSQL server
// (PostgresClueDatabase), chosen by giving a connection string where a file
// would go. Either is shared by every penvik window and vorkel run at once.
//
// Words are kept in upper case (Danish letters included) so that a grid's
// MADEN finds what was stored for "maden". Texts are UTF-8.
//
// A database that cannot be opened, is damaged, is not ours or has a newer
// schema is reported by open() and left exactly as it is.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

enum class ClueSource {
  Typed,             // typed by the user in penvik
  Imported,          // read from a TSV file
  ThesaurusKind,     // what the word is a kind of (ØRN: "Fugl")
  ThesaurusSynonym,  // a synonym from the thesaurus
  Number,            // the figure of a number word (FEM: "5")
  Stock,             // from the list that comes with the program (IND: "Ikke ud")
};

// "typed", "imported", "kind", "synonym", "number", "stock": the names in the TSV files.
std::string_view clueSourceName(ClueSource source);
std::optional<ClueSource> clueSourceFromName(std::string_view name);

struct ClueEntry {
  std::string word;
  std::string clue;
  std::string language;  // "da", "sv", ...
  ClueSource source = ClueSource::Imported;
  std::int64_t useCount = 0;
  std::int64_t lastUsed = 0;  // seconds since 1970; 0 for never
};

// Upper case of UTF-8 text for the letters of the Latin-1 range
// (a-z, à-þ without ÷); other characters are kept as they are.
std::string upperCaseWord(std::string_view utf8);

// True when `location` is a PostgreSQL connection string rather than a file:
// a postgresql:// or postgres:// URI, or "key=value" settings such as
// "host=db.example dbname=clues".
bool isClueDatabaseConnection(std::string_view location);

// The file to use: `overridePath` (the VORKEL_CLUE_DATABASE variable or an
// option) when set, else $XDG_DATA_HOME/vorkel/clues.sqlite, else
// $HOME/.local/share/vorkel/clues.sqlite. Empty when none is known.
std::string clueDatabasePath(const char* overridePath, const char* xdgDataHome, const char* home);

class ClueDatabase {
 public:
  // Opens the database at `location`: a connection string (see
  // isClueDatabaseConnection) or a file, created when missing (its folder
  // must exist). On failure returns null and sets `error` to a message for
  // the user.
  static std::unique_ptr<ClueDatabase> open(const std::string& location, std::string& error);
  virtual ~ClueDatabase() = default;
  ClueDatabase(const ClueDatabase&) = delete;
  ClueDatabase& operator=(const ClueDatabase&) = delete;

  // Stores a clue for a word. A clue already stored keeps its counts; a clue
  // typed by the user takes the source Typed whatever it had before. Empty
  // texts, texts with tabs or line breaks and malformed UTF-8 are refused.
  bool add(const ClueEntry& entry, std::string& error);

  // Counts one use of the clue (adding it as typed when new) at `now`.
  bool recordUse(std::string_view word, std::string_view clue, std::string_view language,
                 std::int64_t now, std::string& error);

  // The clues of a word, best first: typed by the user, then the most used,
  // then the most recently used, then imported, kind-of and synonyms, then
  // the shortest.
  std::vector<ClueEntry> suggestions(std::string_view word, std::string_view language) const;
  std::optional<std::string> bestClue(std::string_view word, std::string_view language) const;

  // Every clue as UTF-8 TSV with a header line:
  // word, clue, language, source, uses, last used.
  std::string exportTsv() const;
  // Reads TSV as exportTsv writes it; only word and clue are required (the
  // language defaults to `defaultLanguage`, the source to imported). All or
  // nothing: a bad line is reported with its number and nothing is stored.
  // Returns the number of lines read, or nullopt with `error` set.
  std::optional<std::size_t> importTsv(std::string_view text, std::string_view defaultLanguage,
                                       std::string& error);

 protected:
  ClueDatabase() = default;

  // What a store does; the public functions check their input first. Words
  // come upper-cased and every text is valid UTF-8.
  virtual bool upsert(const ClueEntry& entry, std::string& error) = 0;
  virtual bool countUse(const std::string& word, std::string_view clue, std::string_view language,
                        std::int64_t now, std::string& error) = 0;
  // In the order suggestions() promises.
  virtual std::vector<ClueEntry> select(const std::string& word,
                                        std::string_view language) const = 0;
  // Ordered by language, word and clue, bytewise.
  virtual std::vector<ClueEntry> selectAll() const = 0;
  // A write transaction around an import.
  virtual bool begin(std::string& error) = 0;
  virtual bool commit(std::string& error) = 0;
  virtual void rollback() = 0;
};

}  // namespace vorkel
