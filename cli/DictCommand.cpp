// `vorkel dict ...`: building, inspecting and searching word files from the
// shell.
//
//   import LIST OUT.dic  reads a plain word list (UTF-8 by default), stores
//                        its words and saves them as .dic; reports on stderr
//                        how many lines were read, stored and skipped (by
//                        reason, never one message per line)
//   stats FILE           loads a .dic or a word list, prints the statistics
//   search PATTERN FILE  prints every match of PATTERN in the store's order
//
// Messages of the dictionary itself reach stderr through StderrUi.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrUi.h"
#include "dictionary/DictionaryStatistics.h"
#include "dictionary/Language.h"
#include "dictionary/TrieOrdbog.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Cp1252Case.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

namespace vorkel {

// union, sub, join and test: cli/DictSetCommand.cpp.
bool isDictSetCommand(const std::string& command);
int runDictSetCommand(const Args& args, std::ostream& out, std::ostream& err);

namespace {

constexpr const char* kUsage =
    "usage: vorkel dict import LIST OUT.dic [--language N] [--encoding utf-8|cp1252]\n"
    "                          [--seed S] [--stock]\n"
    "       vorkel dict stats FILE [--language N] [--plan N]\n"
    "       vorkel dict search PATTERN FILE [--language N] [--plan N]\n"
    "\n"
    "  --stock   keep only lower-case entries made only of letters, 2 to 25 letters\n"
    "            (as for the stock dictionary); upper-case entries are proper nouns\n"
    "  --plan N  planned number of words (default: file size / 5, at least 20000)\n"
    "  PATTERN   letters and blanks ('.', '?' or ' '), e.g. 'k.t'\n";

struct Options {
  std::vector<std::string> positional;
  int language = 0;
  bool utf8 = true;
  std::optional<std::uint32_t> seed;
  std::optional<int> plan;
  bool stock = false;
};

// False (message on err) on an unknown option or a bad value.
bool parseOptions(const Args& args, Options& o, std::ostream& err) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
      o.positional.push_back(a);
      continue;
    }
    if (a == "--stock") {
      o.stock = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "vorkel dict: option " << a << " needs a value\n";
      return false;
    }
    const std::string& v = args[++i];
    bool ok = true;
    if (a == "--language") {
      ok = parseNumber(v, o.language);
    } else if (a == "--encoding") {
      ok = v == "utf-8" || v == "cp1252";
      o.utf8 = v == "utf-8";
    } else if (a == "--seed") {
      std::uint32_t s = 0;
      ok = parseNumber(v, s);
      o.seed = s;
    } else if (a == "--plan") {
      int n = 0;
      ok = parseNumber(v, n) && n >= 0;
      o.plan = n;
    } else {
      err << "vorkel dict: unknown option " << a << "\n";
      return false;
    }
    if (!ok) {
      err << "vorkel dict: bad value '" << v << "' for " << a << "\n";
      return false;
    }
  }
  return true;
}

// The planned size when loading a whole file: its size in bytes / 5, at
// least 20000, as when a word list replaces the dictionary.
int plannedFor(std::size_t bytes) {
  const std::size_t n = bytes / 5;
  return n < 20000 ? 20000 : n > 2000000 ? 2000000 : static_cast<int>(n);
}

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

struct ImportCounts {
  long lines = 0;
  long stored = 0;
  long notConvertible = 0;
  long upperCase = 0;
  long notLetters = 0;
  long badLength = 0;
  long duplicate = 0;
};

int runImport(const Options& o, Language& language, StderrUi& ui, std::ostream& err) {
  if (o.positional.size() != 2) {
    err << kUsage;
    return 2;
  }
  const std::string& listPath = o.positional[0];
  const std::string& outPath = o.positional[1];
  std::string bytes;
  if (!readWholeFile(listPath, bytes)) {
    err << "vorkel dict import: cannot read " << listPath << "\n";
    return 1;
  }

  ImportCounts n;
  for (std::size_t p = 0; p < bytes.size(); ++p) n.lines += bytes[p] == '\n';
  if (!bytes.empty() && bytes.back() != '\n') ++n.lines;
  TrieOrdbog dict(static_cast<int>(std::min<long>(n.lines, 100000000)), language, ui);

  std::string converted;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string_view line(bytes.data() + start, end - start);
    start = end + 1;
    while (!line.empty() && static_cast<unsigned char>(line.back()) < 32) line.remove_suffix(1);
    if (o.utf8) {
      if (!utf8ToCp1252Exact(line, converted)) {
        ++n.notConvertible;
        continue;
      }
      line = converted;
    }
    // Checked here, before the store sees the word, so that no line raises a
    // message of its own.
    std::string_view word = o.stock ? line : line.substr(0, line.find(' '));
    bool upper = false;
    bool letters = true;
    for (char ch : word) {
      const auto b = static_cast<unsigned char>(ch);
      if (language.input(b) == 0 || (o.stock && !isLowerCp1252(b) && !isUpperCp1252(b)))
        letters = false;
      if (isUpperCp1252(b)) upper = true;
    }
    if (o.stock && upper) ++n.upperCase;
    else if (!letters) ++n.notLetters;
    else if (word.size() < TrieOrdbog::MinLength || word.size() > TrieOrdbog::MaxLength)
      ++n.badLength;
    else if (!dict.insertWord(word)) ++n.duplicate;
    else ++n.stored;
  }

  Random random(o.seed ? *o.seed : clockSeed());
  if (!saveDictionary(dict, outPath, random)) return 1;  // the message is shown

  err << "vorkel dict import: " << n.lines << " lines read, " << n.stored << " words stored, "
      << (n.lines - n.stored) << " skipped\n";
  auto reason = [&](long count, const char* why) {
    if (count > 0) err << "  " << count << " " << why << "\n";
  };
  reason(n.notConvertible, o.utf8 ? "not convertible from UTF-8 to Windows-1252"
                                  : "not convertible to Windows-1252");
  reason(n.upperCase, "with upper case (proper nouns, abbreviations)");
  reason(n.notLetters, "with characters that are no letters of the language");
  reason(n.badLength, "empty, one letter or longer than 25 letters");
  reason(n.duplicate, "already stored (duplicates, also after folding accents and case)");
  return 0;
}

// Loads FILE for stats and search; null (message shown) when unreadable.
std::unique_ptr<TrieOrdbog> loadForQuery(const std::string& path, const Options& o,
                                         Language& language, StderrUi& ui) {
  int plan = 20000;
  std::error_code ec;
  if (o.plan) plan = *o.plan;
  else if (std::filesystem::is_regular_file(path, ec))
    plan = plannedFor(static_cast<std::size_t>(std::filesystem::file_size(path, ec)));
  auto dict = TrieOrdbog::planCapacity(plan, language, ui);
  if (!loadWordFile(*dict, path)) return nullptr;
  return dict;
}

int runStats(const Options& o, Language& language, StderrUi& ui, std::ostream& out,
             std::ostream& err) {
  if (o.positional.size() != 1) {
    err << kUsage;
    return 2;
  }
  const auto dict = loadForQuery(o.positional[0], o, language, ui);
  if (!dict) return 1;
  out << dictionaryStatistics(*dict) << "\n";
  return 0;
}

int runSearch(const Options& o, Language& language, StderrUi& ui, std::ostream& out,
              std::ostream& err) {
  if (o.positional.size() != 2) {
    err << kUsage;
    return 2;
  }
  std::string pattern;
  if (!utf8ToCp1252Exact(o.positional[0], pattern)) {
    err << "vorkel dict search: the pattern has characters outside Windows-1252\n";
    return 2;
  }
  const auto length = static_cast<int>(pattern.size());
  if (length < TrieOrdbog::MinLength || length > TrieOrdbog::MaxLength) {
    err << "vorkel dict search: the pattern must have 2 to 25 characters\n";
    return 2;
  }
  const auto dict = loadForQuery(o.positional[1], o, language, ui);
  if (!dict) return 1;
  std::string lines;
  dict->forEachMatch(length, pattern, [&](std::string_view word) {
    lines += cp1252ToUtf8(dict->codesToText(word));
    lines += '\n';
    return true;
  });
  out << lines;
  return 0;
}

}  // namespace

int runDictCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && isDictSetCommand(args[0])) return runDictSetCommand(args, out, err);
  Options o;
  if (args.empty() || !parseOptions(args, o, err)) {
    err << kUsage;
    return 2;
  }
  StderrUi ui(err);
  Language language;
  if (o.language != 0) language.select(o.language, ui);

  const std::string& command = args[0];
  if (command == "import") return runImport(o, language, ui, err);
  if (command == "stats") return runStats(o, language, ui, out, err);
  if (command == "search") return runSearch(o, language, ui, out, err);
  if (command == "-h" || command == "--help" || command == "help") {
    out << kUsage;
    return 0;
  }
  err << "vorkel dict: unknown command '" << command << "'\n" << kUsage;
  return 2;
}

}  // namespace vorkel
