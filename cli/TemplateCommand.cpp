// `vorkel template new`: a generation template for a model of one's own,
// with the automatic path beside the model, so that three commands lead
// from a picture to crosswords:
//
//   vorkel grid import my.txt my.ktd
//   vorkel template new my.ktd -o my.skb
//   vorkel generate my.skb -n 10
//
// Names inside the template are written relative to the template's folder
// (where `generate` and the window program read them), absolute when the
// file lies outside it.

#include <ostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/InputFile.h"
#include "cli/LanguageOption.h"
#include "dictionary/Language.h"
#include "engine/ParameterFile.h"
#include "engine/SearchParameters.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Profile.h"

namespace vorkel {

namespace {

// Every option of the command, once: the parse and --help come from here.
constexpr Option kOptions[] = {
    {"-o", "--output", true, "NAME.skb", "the template to write"},
    {"--dict", nullptr, true, "D",
     "the dictionary (default: the stock dictionary Dic/dksort.dic beside the program)"},
    {"--par", nullptr, true, "P",
     "the search parameters (default: default.par beside the template, written with the stock "
     "values when it is not there)"},
    {"--dest", nullptr, true, "DIR",
     "where the crosswords go (default: none in the template, so 'generate' writes into the "
     "installation's output folder or, without an installation, the template's folder)"},
    {"--language", nullptr, true, "N", "the template's language, Sprog (default 0, Danish)"},
    {"--force", nullptr, false, nullptr, "replace an existing template and path"},
};

std::string usage() {
  return "usage: vorkel template new MODEL.ktd -o NAME.skb [OPTIONS]\n"
         "\n"
         "Writes the generation template NAME.skb for the model, and with it the\n"
         "automatic path MODEL.vej beside the model (an existing one is kept unless\n"
         "--force is given).\n"
         "\n" +
         optionLines(kOptions);
}

// The search parameters of the stock default.par (data/default.par): the
// stock models fill reliably with them.
SearchParameters stockParameters() {
  // procentBrug, samlMax, blandtMax, then no timed or counted jumps.
  return SearchParameters{30, 20, 40, 0, 0, 0, 0};
}

// `path` (absolute) as the template names it: relative to the template's
// folder when it lies there or below, else absolute.
std::string nameFor(const std::string& path, const std::string& templateFolder) {
  const std::string below = Files::pathBelow(path, templateFolder);
  return below.empty() ? path : below;
}

std::string withExtension(const std::string& path, const char* extension) {
  return Files::withExtension(path, extension);
}

int newTemplate(const Arguments& a, Console& console, std::ostream& out) {
  LanguageId chosenLanguage = LanguageId::Danish;
  if (!a.language(chosenLanguage, console)) return ExitUsage;
  Language language;
  if (chosenLanguage != LanguageId::Danish) language.select(chosenLanguage, console);
  const bool force = a.has("--force");

  const std::string skb = Files::absolutePath(*a.value("-o"));
  const std::string folder = Files::parentFolder(skb);
  if (Files::exists(skb) && !force)
    return console.fail("'" + *a.value("-o") + "' exists; --force replaces it");
  if (!Files::isFolder(folder)) return console.fail("no folder " + folder + " for the template");

  InputFile model;
  if (!readGridInput(console, a.positional[0], language, model)) return ExitFailed;

  InputFile dictionary;
  const std::string stockDictionary = Files::joinPath(Process::programFolder(), "Dic/dksort.dic");
  const std::string* dictGiven = a.value("--dict");
  if (dictGiven == nullptr && !Files::isFile(stockDictionary))
    return console.fail("no stock dictionary " + stockDictionary + "; give --dict FILE");
  if (!readWordInput(console, dictGiven ? *dictGiven : stockDictionary, language,
                     WordListEncoding::Cp1252, dictionary))
    return ExitFailed;

  std::string parameters = Files::joinPath(folder, "default.par");
  if (const std::string* par = a.value("--par")) {
    InputFile file;
    if (!readInput(console, *par, language, file)) return ExitFailed;
    if (file.kind != FileKind::Parameters) {
      refuseKind(console, file, "a parameter file");
      return ExitFailed;
    }
    parameters = file.path;
  } else if (!Files::exists(parameters)) {
    if (!writeParameterFile(parameters, stockParameters()))
      return console.fail("cannot write " + parameters);
    console.say("wrote the stock search parameters to " + parameters);
  }

  const std::string pathFile = withExtension(model.path, ".vej");
  if (force || !Files::exists(pathFile)) {
    std::size_t stops = 0;
    if (const int exit = writeAutoPath(console, model.given, pathFile, language, stops); exit != ExitOk)
      return exit;
    console.say("wrote the automatic path " + pathFile + " (" + std::to_string(stops) + " stops)");
  } else {
    console.say("kept the path " + pathFile + " that is there (--force makes a new one)");
  }

  Profile profile(skb, "Skabelon");
  bool written = profile.writeString("Model", nameFor(model.path, folder)) &&
                 profile.writeString("Trie", nameFor(dictionary.path, folder)) &&
                 profile.writeString("Vej", nameFor(pathFile, folder)) &&
                 profile.writeString("Parametre", nameFor(parameters, folder));
  if (const std::string* dest = a.value("--dest"))
    written = written && profile.writeString("DestDir", nameFor(Files::absolutePath(*dest), folder));
  written = written && profile.writeInt("Sprog", toNumber(language.id()));
  if (!written) return console.fail("cannot write " + skb);
  out << "wrote " << *a.value("-o") << "; next: vorkel generate " << *a.value("-o")
      << " -n 10\n";
  return ExitOk;
}

}  // namespace

std::span<const Option> templateOptions() { return kOptions; }

int runTemplateCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string verb = args.empty() ? std::string() : args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") return printUsage(out, usage());
  if (verb != "new") return unknownCommand(err, "template", verb, usage());
  Console console(err, "template new");
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, usage());
  if (a.positional.size() != 1 || a.valueOr("-o", "").empty())
    return usageError(console, "expected one model and -o NAME.skb");
  return newTemplate(a, console, out);
}

}  // namespace vorkel
