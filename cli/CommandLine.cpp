#include "cli/CommandLine.h"

#include <iostream>
#include <string>

#include "cli/Commands.h"

namespace vorkel {

namespace {

constexpr const char* kUsage =
    "usage: vorkel <command> [arguments]\n"
    "\n"
    "  dict import LIST OUT.dic [--language N] [--encoding utf-8|cp1252] [--seed S] [--stock]\n"
    "  dict stats FILE [--language N]\n"
    "  dict search PATTERN FILE [--language N]\n"
    "  dict test WORD FILE\n"
    "  dict union|sub|join BASE FILE -o OUT.dic [--language N]\n"
    "  grid show FILE.ktd\n"
    "  grid convert IN.ktd OUT.ktd\n"
    "  grid import PICTURE.txt OUT.ktd\n"
    "  path auto MODEL.ktd -o OUT.vej\n"
    "  anagram PHRASE [--dict FILE] [--with WORD | --verbs | --list FILE] [--shortest N]\n"
    "          [--longest N] [--answers N] [--words N] [-o FILE|-]\n"
    "  generate TEMPLATE.skb [-n COUNT] [-o DIR] [--seed S] [--with-letters] [--jobs J]\n"
    "           [--json] [--restart none|fixed:N|luby:U]\n";

}  // namespace

int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  (void)in;
  if (argc < 2) {
    err << kUsage;
    return 2;
  }
  const std::string group = argv[1];
  Args args(argv + 2, argv + argc);
  if (group == "dict") return runDictCommand(args, out, err);
  if (group == "grid") return runGridCommand(args, out, err);
  if (group == "path") return runPathCommand(args, out, err);
  if (group == "anagram") return runAnagramCommand(args, out, err);
  if (group == "generate") return runGenerateCommand(args, out, err);
  if (group == "-h" || group == "--help" || group == "help") {
    out << kUsage;
    return 0;
  }
  err << "vorkel: unknown command '" << group << "'\n" << kUsage;
  return 2;
}

}  // namespace vorkel
