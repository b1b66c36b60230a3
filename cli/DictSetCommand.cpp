// `vorkel dict union|sub|join|test ...`: the dictionary menu's set
// operations and its membership test from the shell.
//
//   union|sub|join BASE FILE -o OUT.dic   loads BASE as "Hent ny ord-liste"
//                                         does, combines FILE with it as the
//                                         menu command does and saves the
//                                         result as .dic (written beside OUT
//                                         and renamed, never half written)
//   test WORD FILE                        prints "Ordet er der" or
//                                         "Ordet mangler"
//
// The join leaves "bygtmp.dic" in the current directory, as the menu
// command leaves it in the program's. Messages of the dictionary reach
// stderr through StderrUi; any failure ends with a non-zero exit code.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrUi.h"
#include "dictionary/DictionaryDialogData.h"
#include "dictionary/DictionarySession.h"
#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "dictionary/TrieOrdbog.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordListOperations.h"
#include "dictionary/WordLookup.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr const char* kUsage =
    "usage: vorkel dict union|sub|join BASE FILE -o OUT.dic [--language N] [--seed S]\n"
    "       vorkel dict test WORD FILE [--language N]\n"
    "\n"
    "  union  BASE plus the words of FILE\n"
    "  sub    BASE without the words of FILE\n"
    "  join   the words in both (writes bygtmp.dic in the current directory)\n"
    "  test   whether WORD is in FILE\n"
    "  FILE must end in .txt, .TXT, .dic or .DIC; OUT in .dic or .DIC\n";

struct SetOptions {
  std::vector<std::string> positional;
  std::string output;
  int language = 0;
  std::optional<std::uint32_t> seed;
};

bool parseSetOptions(const Args& args, SetOptions& o, std::ostream& err) {
  const std::string prefix = "vorkel dict " + args[0] + ": ";
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool option = a == "-o" || a == "--output" || a == "--language" || a == "--seed";
    if (!option) {
      if (a.size() > 1 && a[0] == '-') {
        err << prefix << "unknown option " << a << "\n";
        return false;
      }
      o.positional.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << prefix << "option " << a << " needs a value\n";
      return false;
    }
    const std::string& v = args[++i];
    bool ok = true;
    if (a == "-o" || a == "--output") {
      o.output = v;
    } else if (a == "--language") {
      ok = parseNumber(v, o.language);
    } else {
      std::uint32_t s = 0;
      ok = parseNumber(v, s);
      o.seed = s;
    }
    if (!ok) {
      err << prefix << "bad value '" << v << "' for " << a << "\n";
      return false;
    }
  }
  return true;
}

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

struct Session {
  Session(std::ostream& err, int languageNumber, std::uint32_t seed)
      : ui(err), random(seed), dialog(dictionaryDialogData()),
        session{dictionary, language, ui, random, dialog, std::string()} {
    if (languageNumber != 0) language.select(languageNumber, ui);
  }
  StderrUi ui;
  Language language;
  Random random;
  FileDialogData dialog;
  std::unique_ptr<TrieOrdbog> dictionary;
  DictionarySession session;
};

int runSetOperation(const std::string& command, const SetOptions& o, std::ostream& err) {
  const std::string prefix = "vorkel dict " + command + ": ";
  if (o.positional.size() != 2 || o.output.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& base = o.positional[0];
  const std::string& file = o.positional[1];
  if (!isWordFileName(base) || !isWordFileName(file)) {
    err << prefix << "BASE and FILE must end in .txt, .TXT, .dic or .DIC\n";
    return 2;
  }
  if (!isDictionaryFileName(o.output)) {
    err << prefix << "the output must end in .dic or .DIC\n";
    return 2;
  }

  Session s(err, o.language, o.seed ? *o.seed : clockSeed());
  if (!replaceFromWordFile(s.session, base)) return 1;  // the message is shown
  bool done = false;
  if (command == "union") done = loadWordFile(*s.dictionary, file);
  else if (command == "sub") done = subtractWordFile(s.session, file);
  else done = joinWordFile(s.session, file);
  if (!done) return 1;
  if (!saveDictionary(*s.dictionary, o.output, s.random)) return 1;
  err << prefix << s.dictionary->wordCount() << " words written to " << o.output << "\n";
  return 0;
}

int runTest(const SetOptions& o, std::ostream& out, std::ostream& err) {
  if (o.positional.size() != 2 || !o.output.empty()) {
    err << kUsage;
    return 2;
  }
  const std::optional<std::string> word = utf8ToCp1252(o.positional[0], '?');
  if (!word) {
    err << "vorkel dict test: WORD is not UTF-8\n";
    return 2;
  }
  Session s(err, o.language, 1);
  if (!replaceFromWordFile(s.session, o.positional[1])) return 1;
  const bool stored = lookUpWord(*s.dictionary, *word) == WordStatus::Stored;
  out << (stored ? texts::wordPresent : texts::wordMissing) << "\n";
  return 0;
}

}  // namespace

bool isDictSetCommand(const std::string& command) {
  return command == "union" || command == "sub" || command == "join" || command == "test";
}

int runDictSetCommand(const Args& args, std::ostream& out, std::ostream& err) {
  SetOptions o;
  if (!parseSetOptions(args, o, err)) {
    err << kUsage;
    return 2;
  }
  if (args[0] == "test") return runTest(o, out, err);
  return runSetOperation(args[0], o, err);
}

}  // namespace vorkel
