// `vorkel clue`: clue drafts for words, and the clue database's clues in and out as UTF-8 TSV.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "dictionary/ClueDatabase.h"
#include "dictionary/ClueSources.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace vorkel {

namespace {

// A clue file of a few million lines is the most anyone imports.
constexpr std::uint64_t kMaxClueFileBytes = 512ull << 20;

constexpr Option kOptions[] = {
    {"--database", nullptr, true, "FILE",
     "the clue database: a file, or a PostgreSQL connection string shared by a "
     "team (default $VORKEL_CLUE_DATABASE, else $XDG_DATA_HOME/vorkel/clues.sqlite)"},
    {"--clue-language", nullptr, true, "CODE",
     "import: the language of lines that name none (default da)"},
    {"-o", "--output", true, "FILE", "export: the file to write (default stdout)"},
    {"--all", nullptr, false, nullptr, "suggest: every draft, best first, not only the best"},
};

std::string cluesUsage() {
  return "usage: vorkel clue suggest WORD... [--all] [--database FILE]\n"
         "       vorkel clue add WORD CLUE [--database FILE]\n"
         "       vorkel clue import FILE.tsv [OPTIONS]\n"
         "       vorkel clue export [-o FILE.tsv] [OPTIONS]\n"
         "\n"
         "suggest prints each word with its best clue draft (a tab between), or\n"
         "nothing after the tab when there is none: the clues of the clue database\n"
         "first, then the clues that come with the program, then clues made from\n"
         "the Danish thesaurus (mythes-da) in the word's form (myspell-da). add\n"
         "stores a clue as typed by the user: it is the word's first draft from\n"
         "then on.\n"
         "\n"
         "The clue database that penvik drafts its clues from: an SQLite file, or a\n"
         "team's database on a PostgreSQL server given as a connection string\n"
         "(postgresql://host/db, or \"host=... dbname=...\"). The TSV is UTF-8, one\n"
         "clue a line: word, clue, language, source (typed, imported, kind, synonym),\n"
         "uses, last used (seconds since 1970); only word and clue are required. An\n"
         "import stores all lines or none.\n"
         "\n"
         "suggest:\n" +
         optionLines(*findCommandOptions("clue suggest")) + "add:\n" +
         optionLines(*findCommandOptions("clue add")) + "import:\n" +
         optionLines(*findCommandOptions("clue import")) + "export:\n" +
         optionLines(*findCommandOptions("clue export"));
}

std::string databasePath(const Arguments& a) {
  return a.has("--database") ? *a.value("--database")
                             : clueDatabasePath(std::getenv("VORKEL_CLUE_DATABASE"),
                                                std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::unique_ptr<ClueDatabase> openDatabase(const Arguments& a, Console& console) {
  const std::string path = databasePath(a);
  if (path.empty()) {
    console.say("no clue database: set --database, VORKEL_CLUE_DATABASE or HOME");
    return nullptr;
  }
  // The first clue stored makes the user's data folder.
  const std::string folder = isClueDatabaseConnection(path) ? "" : Files::parentFolder(path);
  if (!folder.empty() && !Files::isFolder(folder)) Files::createFolders(folder);
  std::string error;
  auto db = ClueDatabase::open(path, error);
  if (!db) console.say(error);
  return db;
}

}  // namespace

std::span<const Option> clueOptions() { return kOptions; }

int runClueCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string verb = args.empty() ? std::string() : args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") return printUsage(out, cluesUsage());
  if (verb != "import" && verb != "export" && verb != "suggest" && verb != "add")
    return unknownCommand(err, "clue", verb, cluesUsage());
  Console console(err, "clue " + verb);
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, cluesUsage());
  if (verb == "suggest") {
    if (a.positional.empty()) return usageError(console, "expected one or more words");
    // Reading suggestions creates no database where there is none.
    const std::string stockScores =
        Files::joinPath(Process::programFolder(), "Dic/dksort.score");
    const ClueSources sources = openClueSources(ClueSourcePaths::danish(
        databasePath(a), Files::isFile(stockScores) ? stockScores : std::string()));
    for (const std::string& p : sources.problems) console.say(p);
    for (const std::string& word : a.positional) {
      const std::vector<std::string> drafts = sources.draftTexts(word);
      out << word << '\t';
      for (std::size_t i = 0; i < drafts.size() && (i == 0 || a.has("--all")); ++i)
        out << (i ? "\t" : "") << drafts[i];
      out << '\n';
    }
    return ExitOk;
  }
  if (verb == "add") {
    if (a.positional.size() != 2) return usageError(console, "expected a word and its clue");
    auto db = openDatabase(a, console);
    if (!db) return ExitFailed;
    std::string error;
    if (!db->add({a.positional[0], a.positional[1], "da", ClueSource::Typed, 0, 0}, error))
      return console.fail(error);
    return ExitOk;
  }
  if (verb == "import") {
    if (a.positional.size() != 1) return usageError(console, "expected one TSV file");
    const auto text = Files::readFile(a.positional[0], kMaxClueFileBytes);
    if (!text) return console.fail("cannot read '" + a.positional[0] + "'");
    auto db = openDatabase(a, console);
    if (!db) return ExitFailed;
    std::string error;
    const auto count = db->importTsv(*text, a.valueOr("--clue-language", "da"), error);
    if (!count) return console.fail(a.positional[0] + ": " + error + " Nothing was imported.");
    out << "imported " << *count << " clues\n";
    return ExitOk;
  }
  if (!a.positional.empty()) return usageError(console, "export takes no file; use -o FILE");
  auto db = openDatabase(a, console);
  if (!db) return ExitFailed;
  const std::string tsv = db->exportTsv();
  const std::string output = a.valueOr("-o", "");
  if (output.empty() || output == "-") {
    out << tsv;
    return ExitOk;
  }
  errno = 0;
  if (!Files::writeFileAtomically(output, tsv))
    return console.fail("cannot write '" + output + "': " + std::strerror(errno));
  return ExitOk;
}

}  // namespace vorkel
