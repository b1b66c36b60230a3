// `vorkel dict ...`: building, inspecting, searching and exporting word
// files from the shell.
//
//   import LIST OUT.dic  reads a word list (or the words of a .dic), stores
//                        its words and saves them as .dic; reports how many
//                        lines were read, stored and skipped (by reason,
//                        never one message per line)
//   export FILE          the words of a dictionary, one per line, sorted
//   stats FILE           the statistics text
//   search PATTERN FILE  every match of PATTERN in the store's order (or
//                        sorted, or counted)
//   index FILE           makes the fast fill's word index kept beside FILE
//
// union, sub, join and test are in cli/DictSetCommand.cpp.

#include <algorithm>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DictSupport.h"
#include "cli/InputFile.h"
#include "cli/LanguageOption.h"
#include "dictionary/DictionaryStatistics.h"
#include "dictionary/StockWordRule.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordScores.h"
#include "engine/KeptWordIndex.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

bool isDictSetCommand(const std::string& command);
int runDictSetCommand(const Args& args, std::ostream& out, std::ostream& err);

namespace {

// Every option of the dictionary commands but the set operations, once: the
// parse, the ranges and each command's --help come from here.
constexpr Option kOptions[] = {
    kLanguageOption,
    kEncodingOption,
    kSeedOption,
    kPlanOption,
    {"--stock", nullptr, false, nullptr,
     "keep only lower-case entries made only of letters, 2 to 25 letters (as for the stock "
     "dictionaries); upper-case entries are proper nouns and abbreviations; accented letters "
     "fold onto their plain letter, an entry with a letter the language reads as another "
     "letter is left out"},
    {"--capitalised", nullptr, false, nullptr,
     "with --stock, also entries whose first letter alone is a capital (German nouns)"},
    {"-o", "--output", true, "LIST", "the list to write (default: stdout, UTF-8)"},
    {"--sort", nullptr, false, nullptr, "in alphabetical order"},
    {"--count", nullptr, false, nullptr, "print only how many words match"},
    {"--scores", nullptr, true, "FILE",
     "the words' scores (UTF-8, \"word<TAB>score\" a line, 0..100) go into the score file "
     "beside OUT.dic (OUT.score); lines of words the import leaves out are skipped, and a word "
     "stored without a score stops the import (nothing written)"},
    {"--min-score", nullptr, true, "N", "import with --scores, and index: only the words scored N or more", 0,
     WordScores::MaxScore},
    {"--with-scores", nullptr, false, nullptr,
     "each line is the word, a tab and its score, from the score file beside FILE (FILE.score); "
     "it must match the dictionary"},
};

std::string importUsage() {
  return "usage: vorkel dict import LIST OUT.dic [--language N] [--encoding E] [--seed S]\n"
         "                          [--stock [--capitalised]] [--scores FILE [--min-score N]]\n"
         "\n"
         "Stores the words of LIST (a word list, one word per line, or a .dic) as the\n"
         "dictionary OUT.dic and reports how many lines were read, stored and skipped, and why.\n"
         "A word is a line's first blank-separated part; blanks around it do not count.\n"
         "\n" +
         optionLines(*findCommandOptions("dict import"));
}

std::string exportUsage() {
  return "usage: vorkel dict export FILE [-o LIST] [--encoding utf-8|cp1252] [--language N]\n"
         "                          [--with-scores]\n"
         "\n"
         "Writes the words of the dictionary FILE as a plain list, one word per line, in\n"
         "alphabetical order (the language's: Æ, Ø and Å after Z in Danish). Without -o\n"
         "the list goes to stdout in UTF-8; to a file in UTF-8, or in Windows-1252 with\n"
         "CR LF line ends (--encoding cp1252), as the window program's lists are.\n"
         "\n" +
         optionLines(*findCommandOptions("dict export"));
}

std::string statsUsage() {
  return "usage: vorkel dict stats FILE [--plan N] [--language N] [--encoding E]\n"
         "\n"
         "Prints the statistics text of the dictionary menu's \"Oplys\": per length\n"
         "\"LL: words (capacity/growth step)\", then the total.\n"
         "\n" +
         optionLines(*findCommandOptions("dict stats"));
}

std::string searchUsage() {
  return "usage: vorkel dict search PATTERN FILE [--sort] [--count] [--language N] [--encoding E]\n"
         "\n"
         "Prints every word of FILE that matches PATTERN, one per line. A pattern has 2\n"
         "to 25 characters: letters of the language, and '.', '?' or a blank for a letter\n"
         "not known ('k.t' finds KAT and KIT). Words come in the dictionary's own order.\n"
         "\n" +
         optionLines(*findCommandOptions("dict search"));
}

std::string indexUsage() {
  return "usage: vorkel dict index FILE [--min-score N] [--language N] [--encoding E]\n"
         "\n"
         "Makes the word index that vorkel generate keeps beside the dictionary FILE\n"
         "(FILE.<floor>.index), as the first run of a template with that dictionary would:\n"
         "every word, with the scores of the score file beside FILE (FILE.score) and\n"
         "none scored below N (default 1: the words scored 0 are never used; without a\n"
         "score file every word). Says whether it was made or was already up to date.\n"
         "\n" +
         optionLines(*findCommandOptions("dict index"));
}

std::string dictUsage() {
  return std::string(
             "usage: vorkel dict COMMAND ...\n"
             "\n"
             "  import LIST OUT.dic        a word list to a dictionary\n"
             "  export FILE [-o LIST]      a dictionary to a word list\n"
             "  stats FILE                 words per length\n"
             "  search PATTERN FILE        words that match a pattern\n"
             "  index FILE                 the fast fill's word index beside FILE\n"
             "  test WORD FILE             whether a word is there (exit 0 yes, 1 no)\n"
             "  union|sub|join BASE FILE -o OUT.dic   the dictionary menu's set operations\n"
             "\n"
             "'vorkel dict COMMAND --help' tells more. Every command takes\n") +
         dictOptionsUsage();
}

// Blanks and tabs around a word do not count; nor do control bytes at the
// end (a CR of a CR LF line end).
std::string_view trimmedLine(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() &&
         (static_cast<unsigned char>(line.back()) < 32 || line.back() == ' '))
    line.remove_suffix(1);
  return line;
}

std::string plural(long long n, const char* one, const char* many) {
  return groupedNumber(n) + " " + (n == 1 ? one : many);
}

struct ImportCounts {
  long lines = 0;
  long stored = 0;
  long notConvertible = 0;
  long upperCase = 0;
  long notLetters = 0;
  long otherLetter = 0;
  long badLength = 0;
  long duplicate = 0;
};

// With --scores: whether an entry the import takes is stored, by its score;
// the scores of the stored words are collected in `stored`.
bool keepScored(std::string_view word, const WordScores& scores, int minScore, WordScores& stored,
                long& belowFloor, long& unscored, std::vector<std::string>& unscoredExamples,
                const Language& language) {
  const int score = scores.scoreOfText(word, language);
  if (score < 0) {
    if (unscoredExamples.size() < 5) unscoredExamples.push_back(cp1252ToUtf8(word));
    ++unscored;
    return false;
  }
  if (score < minScore) {
    ++belowFloor;
    return false;
  }
  char letters[WordStore::MaxLength + 1];
  const int length = wordLetters(language, word, letters);
  std::uint8_t codes[WordStore::MaxLength];
  for (int i = 0; i < length; ++i) codes[i] = static_cast<std::uint8_t>(letters[i] & 31);
  stored.add(codes, length, score);
  return true;
}

int runImport(const Arguments& a, DictSupport& d) {
  Console& console = d.console();
  if (a.positional.size() != 2)
    return usageError(console, "needs a word list and the .dic file to write");
  const std::string& outPath = a.positional[1];
  InputFile list;
  if (!readWordInput(console, a.positional[0], d.language(),
                     d.session().encoding, list, /*warnLeftOut=*/false))
    return ExitFailed;
  const bool stock = a.has("--stock");
  std::optional<WordScores> scores;
  int minScore = 0;
  if (const std::string* scoreFile = a.value("--scores")) {
    if (!a.number("--min-score", minScore, console)) return ExitUsage;
    std::string error;
    scores = WordScores::load(*scoreFile, d.language(), error, /*lenient=*/true);
    if (!scores) return console.fail(error);
  } else if (a.has("--min-score")) {
    return usageError(console, "--min-score goes with --scores");
  }
  long belowFloor = 0;
  long unscored = 0;
  std::vector<std::string> unscoredExamples;
  WordScores stored;
  StockWordRule rule;
  rule.capitalisedNouns = a.has("--capitalised");
  const Language& language = d.language();

  // The entries: the lines of a word list, the words of a .dic.
  ImportCounts n;
  std::vector<std::string_view> entries;
  std::vector<std::string> dicWords;  // the visitor's words live only for the call
  if (list.kind == FileKind::Dictionary) {
    forEachFileWord(list.bytes, language, [&](std::string_view w) {
      dicWords.emplace_back(w);
      return true;
    });
    entries.assign(dicWords.begin(), dicWords.end());
    n.lines = static_cast<long>(entries.size());
  } else {
    const std::string& bytes = list.decoded.bytes;
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      entries.emplace_back(bytes.data() + start, end - start);
      start = end + 1;
    }
    n.notConvertible = list.decoded.linesLeftOut;
    n.lines = static_cast<long>(entries.size()) + n.notConvertible;
  }

  WordStore& dict = d.session().renew(static_cast<int>(std::min<long>(n.lines, 100000000)));
  for (std::string_view line : entries) {
    line = trimmedLine(line);
    // Checked here, before the store sees the word, so that no line raises a
    // message of its own.
    std::string_view word = line;
    StockVerdict verdict = StockVerdict::Taken;
    if (stock) {
      verdict = rule.judge(word, language);
    } else {
      word = line.substr(0, line.find(' '));
      for (char ch : word)
        if (language.input(static_cast<unsigned char>(ch)) == 0) verdict = StockVerdict::NotLetters;
      if (verdict == StockVerdict::Taken &&
          (word.size() < WordStore::MinLength || word.size() > WordStore::MaxLength))
        verdict = StockVerdict::BadLength;
    }
    if (verdict == StockVerdict::UpperCase) ++n.upperCase;
    else if (verdict == StockVerdict::NotLetters) ++n.notLetters;
    else if (verdict == StockVerdict::OtherLetter) ++n.otherLetter;
    else if (verdict == StockVerdict::BadLength) ++n.badLength;
    else if (scores && !keepScored(word, *scores, minScore, stored, belowFloor, unscored,
                                   unscoredExamples, language)) continue;
    else if (!dict.insertWord(word)) ++n.duplicate;
    else ++n.stored;
  }
  if (unscored > 0) {
    std::string examples;
    for (const std::string& w : unscoredExamples) examples += (examples.empty() ? "" : ", ") + w;
    return console.fail(plural(unscored, "entry", "entries") + " of the list have no score in " +
                        *a.value("--scores") + " (" + examples + (unscored > 5 ? ", ..." : "") +
                        "); " + outPath + " not written");
  }

  console.say(plural(n.lines, "line", "lines") + " read, " +
              plural(n.stored, "word", "words") + " stored, " +
              groupedNumber(n.lines - n.stored) + " skipped");
  auto reason = [&](long count, const char* why) {
    if (count > 0) console.stream() << "  " << groupedNumber(count) << " " << why << "\n";
  };
  reason(n.notConvertible, list.decoded.utf8 ? "not convertible from UTF-8 to Windows-1252"
                                             : "not convertible to Windows-1252");
  reason(n.upperCase, "with upper case (proper nouns, abbreviations)");
  reason(n.notLetters, ("with characters that are no letters of " +
                        languageName(language.id())).c_str());
  reason(n.otherLetter, "with a letter the language reads as another letter");
  reason(n.badLength, "empty, one letter or longer than 25 letters");
  reason(n.duplicate, "already stored (duplicates, also after folding accents and case)");
  reason(belowFloor, "scored below --min-score");
  if (n.stored == 0) return console.fail("no words to store; " + outPath + " not written");
  if (scores) {
    stored.finish();
    const std::string scorePath = scorePathBeside(outPath);
    if (!Files::writeFileAtomically(scorePath, scoreFileText(stored, language)))
      return console.fail("cannot write " + scorePath + "; " + outPath + " not written");
  }
  if (!saveDictionary(dict, outPath, d.random())) return console.fail("cannot write " + outPath);
  return ExitOk;
}

// The words of the dictionary in the language's alphabetical order (by
// letter code), as display text.
std::vector<std::string> sortedWords(DictSupport& d) {
  std::vector<std::string> codes;
  d.dictionary().forEachWord(d.random(), [&](std::string_view letters) {
    codes.emplace_back(letters);
    return true;
  });
  std::sort(codes.begin(), codes.end());
  for (std::string& w : codes) w = d.dictionary().codesToText(w);
  return codes;
}

int runExport(const Arguments& a, DictSupport& d, std::ostream& out) {
  Console& console = d.console();
  if (a.positional.size() != 1) return usageError(console, "needs one dictionary");
  const std::string encoding = a.valueOr("--encoding", "utf-8");
  const bool cp1252 = encoding == "cp1252" || encoding == "windows-1252";
  if (!cp1252 && encoding != "utf-8" && encoding != "utf8")
    return usageError(console, "--encoding of an export is utf-8 or cp1252, not '" + encoding +
                                   "'");
  if (!d.load(a.positional[0])) return ExitFailed;
  std::vector<std::string> words = sortedWords(d);
  if (a.has("--with-scores")) {
    const std::string scorePath = scorePathBeside(a.positional[0]);
    std::string error;
    const std::optional<WordScores> scores = WordScores::load(scorePath, d.language(), error);
    if (!scores) return console.fail(error);
    std::string bytes;
    if (!readWordFile(a.positional[0], d.session().encoding, bytes))
      return console.fail("cannot read " + a.positional[0]);
    const ScoreCoverage coverage = scoreCoverage(*scores, bytes, d.language());
    if (!coverage.matches()) return console.fail(coverage.message(scorePath));
    // The tab and the score are ASCII: the same bytes in both encodings.
    for (std::string& w : words) w += "\t" + std::to_string(scores->scoreOfText(w, d.language()));
  }
  const std::string* output = a.value("-o");
  if (output == nullptr || *output == "-") {
    for (const std::string& w : words) out << cp1252ToUtf8(w) << '\n';
    return out.good() ? ExitOk : ExitFailed;
  }
  std::string text;
  for (const std::string& w : words) text += (cp1252 ? w : cp1252ToUtf8(w)) + (cp1252 ? "\r\n" : "\n");
  if (!Files::writeFileAtomically(*output, text)) return console.fail("cannot write " + *output);
  console.say(plural(static_cast<long long>(words.size()), "word", "words") + " written to " +
              *output);
  return ExitOk;
}

int runStats(const Arguments& a, DictSupport& d, std::ostream& out) {
  if (a.positional.size() != 1) return usageError(d.console(), "needs one dictionary");
  if (!d.load(a.positional[0])) return ExitFailed;
  out << dictionaryStatistics(d.dictionary()) << "\n";
  return ExitOk;
}

int runSearch(const Arguments& a, DictSupport& d, std::ostream& out) {
  Console& console = d.console();
  if (a.positional.size() != 2) return usageError(console, "needs a pattern and a dictionary");
  const std::string& given = a.positional[0];
  std::string pattern;
  if (!utf8ToCp1252Exact(given, pattern))
    return usageError(console, "the pattern '" + given + "' has characters Windows-1252 lacks");
  const Language& language = d.language();
  for (char c : pattern) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '.' || b == '?' || b == ' ' || language.input(b) != 0) continue;
    return usageError(console, "a pattern takes letters of " + languageName(language.id()) +
                                   " and '.', '?' or a blank for a letter not known; '" +
                                   cp1252ToUtf8(std::string(1, c)) + "' is none of them");
  }
  const auto length = static_cast<int>(pattern.size());
  if (length < WordStore::MinLength || length > WordStore::MaxLength)
    return usageError(console, "a pattern has 2 to 25 characters, '" + given + "' has " +
                                   std::to_string(length));
  if (!d.load(a.positional[1])) return ExitFailed;
  std::vector<std::string> found;
  d.dictionary().forEachMatch(length, pattern, [&](std::string_view letters) {
    found.emplace_back(letters);
    return true;
  });
  if (a.has("--count")) {
    out << found.size() << '\n';
    return ExitOk;
  }
  if (a.has("--sort")) std::sort(found.begin(), found.end());
  std::string lines;
  for (const std::string& w : found) lines += cp1252ToUtf8(d.dictionary().codesToText(w)) + '\n';
  out << lines;
  return ExitOk;
}

int runIndex(const Arguments& a, DictSupport& d, WordListEncoding encoding, std::ostream& out) {
  Console& console = d.console();
  if (a.positional.size() != 1) return usageError(console, "needs one dictionary");
  const std::string dictionary = Files::absolutePath(a.positional[0]);
  if (!Files::isFile(dictionary)) return console.fail("cannot open '" + a.positional[0] + "'");
  const std::string scores = scorePathBeside(dictionary);
  const bool scored = Files::exists(scores);
  int minScore = 1;
  if (a.has("--min-score") && !a.number("--min-score", minScore, console)) return ExitUsage;
  if (!scored && a.has("--min-score") && minScore > 0)
    return console.fail("--min-score needs the score file " + scores + " beside the dictionary");
  const KeptWordIndex index = loadKeptWordIndex(
      {dictionary, scored ? scores : "", encoding, scored ? std::max(minScore, 1) : 0}, d.language(),
      console);
  if (!index.problem.empty()) return console.fail(index.problem);
  if (!index.index) return ExitFailed;
  switch (index.from) {
    case KeptWordIndex::From::Kept: out << index.path << ": up to date\n"; break;
    case KeptWordIndex::From::BuiltAndKept:
      out << index.path << ": made, " << index.index->totalCount() << " words\n";
      break;
    case KeptWordIndex::From::Built:
      return console.fail("cannot write " + index.path +
                          (index.index->skippedWords() > 0
                               ? " (words the language cannot spell are left out)"
                               : ""));
  }
  return ExitOk;
}

}  // namespace

std::span<const Option> dictOptions() { return kOptions; }

int runDictCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? std::string() : args[0];
  if (command == "-h" || command == "--help" || command == "help")
    return printUsage(out, dictUsage());
  if (isDictSetCommand(command)) return runDictSetCommand(args, out, err);

  Console console(err, "dict " + command);
  std::string (*usage)() = command == "import"   ? importUsage
                          : command == "export" ? exportUsage
                          : command == "stats"  ? statsUsage
                          : command == "search" ? searchUsage
                          : command == "index"  ? indexUsage
                                                : nullptr;
  if (usage == nullptr) return unknownCommand(err, "dict", command, dictUsage());
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, usage() + dictOptionsUsage());
  // Options of another dict command are mistakes here.
  const bool misplaced = ((a.has("--stock") || a.has("--scores")) && command != "import") ||
                         (a.has("--min-score") && command != "import" && command != "index") ||
                         (a.has("--with-scores") && command != "export") ||
                         (a.has("-o") && command != "export") ||
                         ((a.has("--sort") || a.has("--count")) && command != "search") ||
                         (a.has("--plan") && command != "stats" && command != "search");
  if (misplaced) return usageError(console, "an option of another dict command was given");
  if (a.has("--capitalised") && !a.has("--stock"))
    return usageError(console, "--capitalised goes with --stock");
  DictOptions options;
  if (!readDictOptions(a, options, console)) return ExitUsage;
  if (command == "export" && a.has("--encoding")) options.encoding = WordListEncoding::Auto;
  DictSupport d(console, options);
  if (command == "import") return runImport(a, d);
  if (command == "export") return runExport(a, d, out);
  if (command == "stats") return runStats(a, d, out);
  if (command == "index") return runIndex(a, d, options.encoding, out);
  return runSearch(a, d, out);
}

}  // namespace vorkel
