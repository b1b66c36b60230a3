#include "cli/CommandLine.h"

#include <iostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/LanguageOption.h"

namespace vorkel {

namespace {

std::string usage() {
  return "usage: vorkel COMMAND [arguments]\n"
         "\n"
         "  generate TEMPLATE.skb [-n COUNT] [-o DIR] ...   make crosswords from a template\n"
         "  template new MODEL.ktd -o NAME.skb ...          a template and path for a model\n"
         "  path auto MODEL.ktd -o OUT.vej                  the automatic path of a model\n"
         "  grid show|convert|import|export ...             model grids and raw crosswords\n"
         "  dict import|export|stats|search|test|union|sub|join ...   dictionaries\n"
         "  clue suggest WORD... | add WORD CLUE | import | export   clue drafts\n"
         "  anagram PHRASE [--dict FILE] ...                anagrams of a phrase\n"
         "  help [COMMAND]                                  the usage of a command\n"
         "  --version                                       the program's version\n"
         "\n"
         "'vorkel COMMAND --help' tells more about each command.\n"
         "\n"
         "Language numbers (--language N, Sprog=N in a template), as the window\n"
         "program's \"Skift sprog\" has them:\n  " +
         languageList() +
         "\n  (French and Dutch have no letter tables yet.)\n"
         "\n"
         "Exit status: 0 done, 1 a file cannot be used or nothing could be made,\n"
         "2 bad arguments, 3 generate gave up (--max-tries, --timeout), 130 Ctrl-C.\n";
}

using Runner = int (*)(const Args&, std::ostream&, std::ostream&);

Runner runnerFor(const std::string& command) {
  if (command == "dict") return runDictCommand;
  if (command == "grid") return runGridCommand;
  if (command == "path") return runPathCommand;
  if (command == "anagram") return runAnagramCommand;
  if (command == "generate") return runGenerateCommand;
  if (command == "template") return runTemplateCommand;
  if (command == "clue") return runClueCommand;
  return nullptr;
}

}  // namespace

int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  (void)in;
  if (argc < 2) {
    err << usage();
    return ExitUsage;
  }
  const std::string command = argv[1];
  Args args(argv + 2, argv + argc);
  if (command == "-h" || command == "--help") return printUsage(out, usage());
  if (command == "--version" || command == "-V") {
    out << "vorkel " << VORKEL_VERSION << "\n";
    return ExitOk;
  }
  if (command == "help") {
    // "help dict search" is "dict search --help".
    if (args.empty()) return printUsage(out, usage());
    const Runner run = runnerFor(args.front());
    if (run == nullptr) {
      err << "vorkel help: no command '" << args.front() << "'\n" << usage();
      return ExitUsage;
    }
    Args rest(args.begin() + 1, args.end());
    rest.emplace_back("--help");
    return run(rest, out, err);
  }
  if (const Runner run = runnerFor(command)) return run(args, out, err);
  err << "vorkel: unknown command '" << command << "'\n" << usage();
  return ExitUsage;
}

}  // namespace vorkel
