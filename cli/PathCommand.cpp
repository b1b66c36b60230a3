// `vorkel path`: lays the automatic path over a model grid and writes it as
// a .vej file.
#include <cerrno>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/InputFile.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "engine/GridShapeCheck.h"
#include "engine/Path.h"
#include "engine/PathOptimiser.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

// Every option of the command, once: the parse and --help come from here.
constexpr Option kOptions[] = {
    {"-o", "--output", true, "OUT.vej", "the path file to write"},
    {"--language", nullptr, true, "N", "the letters of the model (default 0, Danish)"},
};

std::string pathUsage() {
  return "usage: vorkel path auto MODEL.ktd -o OUT.vej [OPTIONS]\n"
         "\n"
         "Lays the automatic path over the model and optimises it, as the path menu's\n"
         "\"&Autovej\" does, and writes it as OUT.vej. Refuses models with letter cells in\n"
         "no word of two or more letters, or with runs longer than 25 letters.\n"
         "\n" +
         optionLines(kOptions);
}

}  // namespace

std::span<const Option> pathOptions() { return kOptions; }

// The automatic path followed by the optimisation, as the "&Autovej" command
// makes it. The seeds are those a path file without a seed line gives: the
// first stop, and no second seed.
int writeAutoPath(Console& console, const std::string& model, const std::string& output,
                  const Language& language, std::size_t& stops) {
  InputFile file;
  if (!readGridInput(console, model, language, file)) return ExitFailed;
  CrosswordDocument doc;
  if (!parseDocument(doc, file.bytes, language, console))
    return console.fail("cannot read '" + model + "' as a crossword grid");
  const GridShapeCheck check = GridShapeCheck::of(doc);
  if (!check.ok()) {
    console.say("'" + model + "' cannot be filled:");
    std::istringstream problems(check.describe());
    for (std::string line; std::getline(problems, line);) console.detail(line);
    return ExitFailed;
  }

  Path path;
  const int messagesBefore = console.messageCount();
  stops = autoPathCommand(doc, path, console);
  if (console.messageCount() != messagesBefore)
    return console.fail("the path does not match '" + model + "'; nothing written");
  const PathStop& first = path.stops().front();
  path.seeds().first = {first.x, first.y, first.direction};
  path.seeds().second = {};

  errno = 0;
  if (!path.save(output)) {
    const int error = errno;
    return console.fail("cannot write '" + output + "'" +
                        (error != 0 ? std::string(": ") + std::strerror(error) : ""));
  }
  return ExitOk;
}

namespace {

int autoPath(const Arguments& a, std::ostream& out, Console& console) {
  LanguageId chosenLanguage = LanguageId::Danish;
  if (!a.language(chosenLanguage, console)) return ExitUsage;
  Language language;
  if (chosenLanguage != LanguageId::Danish) language.select(chosenLanguage, console);
  const std::string& output = *a.value("-o");
  std::size_t stops = 0;
  const int exit = writeAutoPath(console, a.positional[0], output, language, stops);
  if (exit == ExitOk) out << "wrote " << output << ": " << stops << " stops\n";
  return exit;
}

}  // namespace

int runPathCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string verb = args.empty() ? std::string() : args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") return printUsage(out, pathUsage());
  if (verb != "auto") return unknownCommand(err, "path", verb, pathUsage());
  Console console(err, "path auto");
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, pathUsage());
  if (a.positional.size() != 1 || a.valueOr("-o", "").empty())
    return usageError(console, "expected one model file and -o OUT.vej");
  return autoPath(a, out, console);
}

}  // namespace vorkel
