// `vorkel dict union|sub|join|test ...`: the dictionary menu's set
// operations and its membership test from the shell.
//
//   union|sub|join BASE FILE -o OUT.dic   loads BASE as "Hent ny ord-liste"
//                                         does, combines FILE with it as the
//                                         menu command does and saves the
//                                         result as .dic
//   test WORD FILE                        prints "Ordet er der" or "Ordet
//                                         mangler" and answers in its exit
//                                         status, as grep does
//
// The join works through "bygtmp.dic" as the menu command does, but in a
// private temporary folder that goes when the command ends: the window
// program keeps the file in its folder, a shell user would only find it
// lying about.

#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DictSupport.h"
#include "cli/LanguageOption.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordListOperations.h"
#include "dictionary/WordLookup.h"
#include "platform/Cp1252.h"
#include "platform/TemporaryFolder.h"

namespace vorkel {

namespace {

// Every option of the set operations and "test", once.
constexpr Option kOptions[] = {
    kLanguageOption,
    kEncodingOption,
    kSeedOption,
    {"-o", "--output", true, "OUT.dic", "the dictionary to write (union, sub, join)"},
};

std::string setUsage() {
  return "usage: vorkel dict union|sub|join BASE FILE -o OUT.dic [--language N] [--encoding E]\n"
         "                                                     [--seed S]\n"
         "\n"
         "  union  the words of BASE and the words of FILE\n"
         "  sub    the words of BASE that FILE does not hold\n"
         "  join   the words both hold\n"
         "BASE and FILE are dictionaries (.dic) or word lists; OUT must end in .dic or .DIC.\n"
         "A result without words is not written (exit 1).\n"
         "\n" +
         optionLines(*findCommandOptions("dict union"));
}

std::string testUsage() {
  return "usage: vorkel dict test WORD FILE [--language N] [--encoding E]\n"
         "\n"
         "Prints \"Ordet er der\" (the word is there) or \"Ordet mangler\" (it is missing) and\n"
         "exits like grep: 0 when the word is there, 1 when it is missing, 2 on an error\n"
         "(a bad argument or a file that cannot be used).\n"
         "\n";
}

int runSetOperation(const std::string& command, const Arguments& a, DictSupport& d) {
  Console& console = d.console();
  const std::string* output = a.value("-o");
  if (a.positional.size() != 2 || output == nullptr)
    return usageError(console, "needs BASE, FILE and -o OUT.dic");
  if (!isDictionaryFileName(*output))
    return usageError(console, "the output must end in .dic or .DIC, not '" + *output + "'");
  const std::string& file = a.positional[1];
  std::string filePath;
  if (!d.check(file, filePath) || !d.load(a.positional[0])) return ExitFailed;

  bool done = false;
  if (command == "union") {
    done = loadWordFile(d.dictionary(), filePath, d.session().encoding);
  } else if (command == "sub") {
    done = subtractWordFile(d.session(), filePath);
  } else {
    TemporaryFolder work("vorkel-join");
    if (!work.made()) return console.fail("cannot make a temporary folder for the join");
    d.session().workFolder = work.path();
    done = joinWordFile(d.session(), filePath);
  }
  if (!done) return console.fail("cannot read '" + file + "' (" + filePath + ")");
  const int words = d.dictionary().wordCount();
  if (words == 0) return console.fail("the result has no words; " + *output + " not written");
  if (!saveDictionary(d.dictionary(), *output, d.random()))
    return console.fail("cannot write " + *output);
  console.say(groupedNumber(words) + (words == 1 ? " word" : " words") + " written to " +
              *output);
  return ExitOk;
}

// The test answers in its exit status, so its errors are 2, never 1.
int runTest(const Arguments& a, DictSupport& d, std::ostream& out) {
  Console& console = d.console();
  if (a.positional.size() != 2) return usageError(console, "needs a word and a dictionary");
  const std::string& given = a.positional[0];
  std::string word;
  if (!utf8ToCp1252Exact(given, word))
    return usageError(console, "'" + given + "' has characters Windows-1252 lacks");
  if (word.find_first_of(" \t") != std::string::npos)
    return usageError(console, "give one word, not '" + given + "'");
  const Language& language = d.language();
  for (char c : word)
    if (language.input(static_cast<unsigned char>(c)) == 0)
      return usageError(console, "'" + given + "' is no word: '" +
                                     cp1252ToUtf8(std::string(1, c)) + "' is no letter of " +
                                     languageName(language.id()));
  if (word.size() < WordStore::MinLength || word.size() > WordStore::MaxLength)
    return usageError(console, "a word has 2 to 25 letters, '" + given + "' has " +
                                   std::to_string(word.size()));
  if (!d.load(a.positional[1])) return ExitUsage;
  const bool stored = lookUpWord(d.dictionary(), word) == WordStatus::Stored;
  out << (stored ? texts::wordPresent : texts::wordMissing) << "\n";
  return stored ? 0 : 1;
}

}  // namespace

std::span<const Option> dictSetOptions() { return kOptions; }

bool isDictSetCommand(const std::string& command) {
  return command == "union" || command == "sub" || command == "join" || command == "test";
}

int runDictSetCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string& command = args[0];
  const bool test = command == "test";
  Console console(err, "dict " + command);
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, (test ? testUsage() : setUsage()) + dictOptionsUsage());
  if (test && a.has("-o")) return usageError(console, "test writes no file; -o is not taken");
  DictOptions options;
  if (!readDictOptions(a, options, console)) return ExitUsage;
  DictSupport d(console, options);
  if (test) return runTest(a, d, out);
  return runSetOperation(command, a, d);
}

}  // namespace vorkel
