// `vorkel anagram PHRASE ...`: the anagram finder from the shell, with the
// same searches, limits and result lines as the "Find anagrammer" dialog.
//
//   --dict FILE   dictionary (.dic or word list); default: the stock
//                 dictionary Dic/SVbyg.dic beside the executable
//   --with WORD   anagrams that hold WORD (counted as two of --words)
//   --verbs       anagrams that start with a verb from verbs.txt (the current
//                 folder's, else the stock Dic/verbs.txt beside the executable)
//   --list FILE   anagrams that start with a word from FILE
//   --shortest N, --longest N, --answers N, --words N: the dialog's limits
//   -o FILE       result file (default anagram.txt); "-" prints to stdout
//
// Arguments are UTF-8 and are read as Windows-1252; the result file is
// Windows-1252 with CR LF lines like the dialog's, written beside the target
// and renamed over it. Printed to stdout it is UTF-8.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrUi.h"
#include "dictionary/AnagramFinder.h"
#include "dictionary/AnagramSettings.h"
#include "dictionary/AnagramWordList.h"
#include "dictionary/Language.h"
#include "dictionary/TrieOrdbog.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr const char* kUsage =
    "usage: vorkel anagram PHRASE [--dict FILE] [--with WORD | --verbs | --list FILE]\n"
    "                      [--shortest N] [--longest N] [--answers N] [--words N] [-o FILE|-]\n"
    "\n"
    "  --shortest N  shortest word, 1..5 (default 3)\n"
    "  --longest N   longest word, 4..25 (default 25)\n"
    "  --answers N   maximum number of answers, 1000..10000 (default 2000)\n"
    "  --words N     maximum number of words in an anagram, 1..15 (default 3)\n";

enum class Kind { All, WithWord, WithVerb, WithList };

struct Options {
  std::string phrase;
  bool havePhrase = false;
  std::string dict;
  Kind kind = Kind::All;
  std::string with;      // given word or list file
  AnagramSettings settings;
  std::string output = "anagram.txt";
};

// The folder of the running program, for the stock files built beside it.
std::string programFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

bool parseIn(const std::string& text, int low, int high, int& value) {
  return parseNumber(text, value) && value >= low && value <= high;
}

bool parse(const Args& args, Options& o, std::ostream& err) {
  bool kindGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool isOption = a.size() > 1 && a[0] == '-';
    if (!isOption) {
      if (o.havePhrase) {
        err << "vorkel anagram: one PHRASE only (quote a phrase of several words)\n" << kUsage;
        return false;
      }
      o.phrase = a;
      o.havePhrase = true;
      continue;
    }
    if (a == "--verbs") {
      if (kindGiven) break;
      o.kind = Kind::WithVerb;
      kindGiven = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "vorkel anagram: option " << a << " needs a value\n";
      return false;
    }
    const std::string& v = args[++i];
    struct Limit {
      const char* name;
      int low, high;
      int* value;
    };
    const Limit limits[] = {{"--shortest", 1, 5, &o.settings.shortestWord},
                            {"--longest", 4, 25, &o.settings.longestWord},
                            {"--answers", 1000, 10000, &o.settings.maxAnswers},
                            {"--words", 1, 15, &o.settings.maxWords}};
    bool known = false;
    for (const Limit& l : limits) {
      if (a != l.name) continue;
      known = true;
      if (!parseIn(v, l.low, l.high, *l.value)) {
        err << "vorkel anagram: " << a << " must be a number from " << l.low << " to " << l.high
            << ", not '" << v << "'\n";
        return false;
      }
    }
    if (known) continue;
    if (a == "--dict") {
      o.dict = v;
    } else if (a == "-o") {
      o.output = v;
    } else if (a == "--with" || a == "--list") {
      if (kindGiven) break;
      o.kind = a == "--with" ? Kind::WithWord : Kind::WithList;
      o.with = v;
      kindGiven = true;
    } else {
      err << "vorkel anagram: unknown option " << a << "\n" << kUsage;
      return false;
    }
  }
  // The loop leaves early only for a second search kind.
  const bool twoKinds = [&] {
    int kinds = 0;
    for (const std::string& a : args) kinds += a == "--with" || a == "--verbs" || a == "--list";
    return kinds > 1;
  }();
  if (twoKinds) {
    err << "vorkel anagram: --with, --verbs and --list exclude each other\n";
    return false;
  }
  if (!o.havePhrase) {
    err << kUsage;
    return false;
  }
  return true;
}

// UTF-8 argument -> Windows-1252 of at most `limit` bytes.
bool toBytes(const std::string& utf8, std::size_t limit, const char* what, std::string& out,
             std::ostream& err) {
  if (!utf8ToCp1252Exact(utf8, out)) {
    err << "vorkel anagram: " << what << " holds characters outside Windows-1252\n";
    return false;
  }
  if (out.size() > limit) {
    err << "vorkel anagram: " << what << " is longer than " << limit << " characters\n";
    return false;
  }
  return true;
}

}  // namespace

int runAnagramCommand(const Args& args, std::ostream& out, std::ostream& err) {
  Options o;
  if (!parse(args, o, err)) return 2;

  std::string phrase;
  std::string word;
  if (!toBytes(o.phrase, AnagramFinder::MaxPhrase, "PHRASE", phrase, err)) return 2;
  if (o.kind == Kind::WithWord &&
      !toBytes(o.with, AnagramFinder::MaxGivenWord, "--with WORD", word, err))
    return 2;

  const std::string stock = Files::joinPath(programFolder(), "Dic");
  const std::string dictPath = o.dict.empty() ? Files::joinPath(stock, "SVbyg.dic") : o.dict;
  if (!Files::isFile(dictPath)) {
    err << "vorkel anagram: no dictionary " << dictPath
        << (o.dict.empty() ? " (build the stock dictionary or give --dict FILE)\n" : "\n");
    return 1;
  }

  StderrUi ui(err);
  Language language;
  TrieOrdbog dict(110000, language, ui);
  if (!loadWordFile(dict, dictPath)) return 1;  // the message is on stderr

  AnagramFinder finder(dict, o.settings);
  AnagramFinder::Result result;
  if (o.kind == Kind::WithWord) {
    std::optional<AnagramFinder::Result> found = finder.searchWithWord(phrase, word);
    if (!found) {
      err << "vorkel anagram: '" << o.with << "' cannot be made from the letters of '" << o.phrase
          << "'\n";
      return 1;
    }
    result = std::move(*found);
  } else if (o.kind == Kind::WithVerb || o.kind == Kind::WithList) {
    std::string listPath = o.with;
    if (o.kind == Kind::WithVerb)
      listPath = Files::isFile("verbs.txt") ? "verbs.txt" : Files::joinPath(stock, "verbs.txt");
    AnagramWordList list;
    if (list.load(listPath, language, ui) == AnagramWordList::Load::CannotOpen) {
      err << "vorkel anagram: cannot read the word list " << listPath << "\n";
      return 1;
    }
    result = finder.searchWithList(phrase, list);
  } else {
    result = finder.searchAll(phrase);
  }

  if (o.output == "-") {
    std::string text = cp1252ToUtf8(result.text);
    std::erase(text, '\r');
    out << text;
    if (!text.empty() && text.back() != '\n') out << '\n';
    return out.good() ? 0 : 1;
  }
  if (!Files::writeFileAtomically(o.output, result.text)) {
    err << "vorkel anagram: cannot write " << o.output << "\n";
    return 1;
  }
  out << result.lines << (result.lines == 1 ? " anagram" : " anagrams") << " written to "
      << o.output << "\n";
  return 0;
}

}  // namespace vorkel
