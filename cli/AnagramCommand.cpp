// `vorkel anagram PHRASE ...`: the anagram finder from the shell, with the
// same searches, limits and result lines as the "Find anagrammer" dialog.
//
// The anagrams go to stdout (UTF-8), one a line; -o FILE writes the
// dialog's result file instead (Windows-1252, CR LF), beside the target and
// renamed over it. On a terminal a long search shows how far it has come,
// and Ctrl-C ends it with what it has found.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/InputFile.h"
#include "cli/InterruptGuard.h"
#include "dictionary/AnagramFinder.h"
#include "dictionary/AnagramSettings.h"
#include "dictionary/AnagramWordList.h"
#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

// Every option of the command, once: the parse, the ranges and --help come
// from here.
constexpr Option kOptions[] = {
    {"--dict", nullptr, true, "FILE",
     "dictionary (.dic or word list); default: the stock dictionary of the language in Dic/ "
     "beside the program (SVbyg.dic for Danish, svsort.dic for Swedish, ...)"},
    {"--with", nullptr, true, "WORD", "anagrams that hold WORD (it counts as two of --words)"},
    {"--verbs", nullptr, false, nullptr,
     "anagrams that start with a verb from verbs.txt (the current folder's, else the stock "
     "Dic/verbs.txt beside the program)"},
    {"--list", nullptr, true, "FILE", "anagrams that start with a word from the word list FILE"},
    {"--shortest", nullptr, true, "N", "shortest word, 1..5 (default 3)", 1, 5},
    {"--longest", nullptr, true, "N", "longest word, 4..25 (default 25)", 4, 25},
    {"--answers", nullptr, true, "N", "maximum number of answers, 1000..10000 (default 2000)",
     1000, 10000},
    {"--words", nullptr, true, "N", "maximum number of words in an anagram, 1..15 (default 3)", 1,
     15},
    {"--timeout", nullptr, true, "SECONDS",
     "end the search after this long with what it has found (exit 3)", 1, 31536000},
    {"-o", "--output", true, "FILE", "write the result file of the dialog (Windows-1252) instead"},
    {"--language", nullptr, true, "N", "the letters of the phrase and the words (default 0, Danish)"},
    {"--encoding", nullptr, true, "E", "how word lists are read: auto (default), utf-8 or cp1252"},
};

std::string usage() {
  return "usage: vorkel anagram PHRASE [OPTIONS]\n"
         "\n"
         "Finds anagrams of PHRASE made of dictionary words and prints them, one a line.\n"
         "--with, --verbs and --list exclude each other.\n"
         "\n" +
         optionLines(kOptions) +
         "\n"
         "On a terminal the search shows its progress; Ctrl-C ends it with what it found\n"
         "(exit 130).\n";
}

enum class Kind { All, WithWord, WithVerb, WithList };

// UTF-8 argument -> Windows-1252 of at most `limit` bytes.
bool toBytes(const std::string& utf8, std::size_t limit, const char* what, std::string& out,
             Console& console) {
  if (!utf8ToCp1252Exact(utf8, out)) {
    usageError(console, std::string(what) + " holds characters outside Windows-1252");
    return false;
  }
  if (out.size() > limit) {
    usageError(console, std::string(what) + " is longer than " + std::to_string(limit) +
                            " characters");
    return false;
  }
  return true;
}

// The stock dictionary built for a language (data/CMakeLists.txt).
std::string stockDictionary(LanguageId language) {
  switch (language) {
    case LanguageId::German: return "desort.dic";
    case LanguageId::Swedish: return "svsort.dic";
    case LanguageId::Norwegian: return "nosort.dic";
    case LanguageId::Icelandic: return "issort.dic";
    case LanguageId::Spanish: return "essort.dic";
    case LanguageId::English: return "ensort.dic";
    case LanguageId::Italian: return "";  // tables but no stock word list
    case LanguageId::Danish:
    case LanguageId::French:  // these two keep the Danish tables
    case LanguageId::Dutch: break;
  }
  return "SVbyg.dic";
}

bool hasLetter(std::string_view text, const Language& language) {
  for (char c : text)
    if (language.input(static_cast<unsigned char>(c)) != 0) return true;
  return false;
}

}  // namespace

std::span<const Option> anagramOptions() { return kOptions; }

int runAnagramCommand(const Args& args, std::ostream& out, std::ostream& err) {
  // From the start: a Ctrl-C while the dictionary loads ends the search at
  // its first look at the flag, not the program.
  InterruptGuard interrupts;
  Console console(err, "anagram");
  Arguments a;
  if (!a.parse(args, kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, usage());
  AnagramSettings settings;
  LanguageId chosenLanguage = LanguageId::Danish;
  int timeoutSeconds = 0;
  if (!a.number("--shortest", settings.shortestWord, console) ||
      !a.number("--longest", settings.longestWord, console) ||
      !a.number("--answers", settings.maxAnswers, console) ||
      !a.number("--words", settings.maxWords, console) ||
      !a.number("--timeout", timeoutSeconds, console) ||
      !a.language(chosenLanguage, console))
    return ExitUsage;
  const int kinds = a.has("--with") + a.has("--verbs") + a.has("--list");
  if (kinds > 1) return usageError(console, "--with, --verbs and --list exclude each other");
  const Kind kind = a.has("--with")    ? Kind::WithWord
                    : a.has("--verbs") ? Kind::WithVerb
                    : a.has("--list")  ? Kind::WithList
                                       : Kind::All;
  const std::optional<WordListEncoding> encoding =
      parseWordListEncoding(a.valueOr("--encoding", "auto"));
  if (!encoding) return usageError(console, "--encoding takes auto, utf-8 or cp1252");
  if (a.positional.size() != 1)
    return usageError(console, a.positional.empty()
                                   ? "which phrase?"
                                   : "one PHRASE only (quote a phrase of several words)");

  Language language;
  if (chosenLanguage != LanguageId::Danish) language.select(chosenLanguage, console);
  console.setLanguage(language.id());
  const std::string& given = a.positional[0];
  std::string phrase;
  std::string word;
  if (!toBytes(given, AnagramFinder::MaxPhrase, "PHRASE", phrase, console)) return ExitUsage;
  if (!hasLetter(phrase, language))
    return usageError(console, "the phrase '" + given + "' has no letters");
  if (kind == Kind::WithWord &&
      !toBytes(*a.value("--with"), AnagramFinder::MaxGivenWord, "--with WORD", word, console))
    return ExitUsage;

  const std::string stock = Files::joinPath(Process::programFolder(), "Dic");
  const std::string* dictGiven = a.value("--dict");
  const std::string dictPath =
      dictGiven ? *dictGiven : Files::joinPath(stock, stockDictionary(language.id()));
  if (!dictGiven && !Files::isFile(dictPath))
    return console.fail("no stock dictionary " + dictPath +
                        " (build it, or give --dict FILE)");
  InputFile dictFile;
  if (!readWordInput(console, dictPath, language, *encoding, dictFile)) return ExitFailed;
  WordStore dict(110000, language, console);
  if (!loadWordFile(dict, dictFile.path, *encoding))
    return console.fail("cannot read '" + dictPath + "'");

  AnagramFinder finder(dict, settings);
  const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
  const auto start = std::chrono::steady_clock::now();
  bool progressShown = false;
  bool timedOut = false;
  finder.setProgress([&](int lines, std::uint64_t tried) {
    if (terminal) {
      progressShown = true;
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.0f", seconds);
      err << "\ranagram: " << groupedNumber(lines) << " found, "
          << groupedNumber(static_cast<long long>(tried)) << " words tried, " << buf
          << " s (Ctrl-C stops)   " << std::flush;
    }
    timedOut = timeoutSeconds > 0 &&
               std::chrono::steady_clock::now() - start >= std::chrono::seconds(timeoutSeconds);
    return !interrupts.requested() && !timedOut;
  });

  AnagramFinder::Result result;
  if (kind == Kind::WithWord) {
    std::optional<AnagramFinder::Result> found = finder.searchWithWord(phrase, word);
    if (!found)
      return console.fail("'" + *a.value("--with") + "' cannot be made from the letters of '" +
                          given + "'");
    result = std::move(*found);
  } else if (kind == Kind::WithVerb || kind == Kind::WithList) {
    std::string listPath = kind == Kind::WithList ? *a.value("--list") : std::string();
    if (kind == Kind::WithVerb)
      listPath = Files::isFile("verbs.txt") ? "verbs.txt" : Files::joinPath(stock, "verbs.txt");
    InputFile listFile;
    if (!readWordInput(console, listPath, language, *encoding, listFile)) return ExitFailed;
    if (listFile.kind != FileKind::WordList)
    if (listFile.kind != FileKind::WordList) {
      refuseKind(console, listFile, "a word list");
      return ExitFailed;
    }
    AnagramWordList list;
    list.read(listFile.decoded.bytes, language, console);
    result = finder.searchWithList(phrase, list);
  } else {
    result = finder.searchAll(phrase);
  }
  if (progressShown) err << "\r" << std::string(72, ' ') << "\r";

  const std::string* output = a.value("-o");
  if (output == nullptr || *output == "-") {
    if (result.lines > 0 || !result.stopped) {
      std::string text = cp1252ToUtf8(result.text);
      std::erase(text, '\r');
      out << text;
      if (!text.empty() && text.back() != '\n') out << '\n';
    }
  } else {
    if (!Files::writeFileAtomically(*output, result.text))
      return console.fail("cannot write " + *output);
    console.say(groupedNumber(result.lines) + (result.lines == 1 ? " anagram" : " anagrams") +
                " written to " + *output);
  }
  if (result.stopped && timedOut) {
    console.say("stopped by --timeout after " + groupedNumber(result.lines) + " anagrams");
    return ExitGaveUp;
  }
  if (result.stopped) {
    console.say("stopped by Ctrl-C after " + groupedNumber(result.lines) + " anagrams");
    return ExitInterrupted;
  }
  return out.good() ? ExitOk : ExitFailed;
}

}  // namespace vorkel
