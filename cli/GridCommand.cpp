// `vorkel grid`: show, convert, import and export model grids and raw
// crosswords.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/InputFile.h"
#include "dictionary/Language.h"
#include "dictionary/WordScores.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "document/GridPicture.h"
#include "document/GridExport.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// Every option of the group, once: the parse, the range and --help come
// from here.
constexpr Option kOptions[] = {
    {"--words", nullptr, false, nullptr, "show, export: also print the grid's words"},
    {"--scores", nullptr, true, "FILE",
     "show --words: each word's score from FILE (a score file, or a dictionary with its score "
     "file beside it)"},
    {"--below", nullptr, true, "N",
     "show --words --scores: mark words scored below N, or not scored (default 50)", 0,
     WordScores::MaxScore + 1},
    {"-o", "--output", true, "OUT", "export: the file to write (.svg, .txt or .ipuz)"},
    {"--language", nullptr, true, "N", "the letters of the grid (default 0, Danish)"},
};

std::string gridUsage() {
  return "usage: vorkel grid show FILE [--words [--scores FILE] [--below N]] [--language N]\n"
         "       vorkel grid convert IN OUT.ktd [--language N]\n"
         "       vorkel grid import PICTURE.txt OUT.ktd [--language N]\n"
         "       vorkel grid export FILE -o OUT.svg|OUT.txt|OUT.ipuz [--words] [--language N]\n"
         "\n"
         "  show     prints the grid: '#' a clue cell, '.' an empty letter cell, else its\n"
         "           letter; with --words --scores the words to replace are marked \"<N\"\n"
         "  convert  reads a model (or a raw crossword) and writes it as a .ktd model\n"
         "  import   makes a model from a picture: a text file (UTF-8), one line per row,\n"
         "           '#' a clue cell, '.' an empty letter cell, a letter a letter cell that\n"
         "           holds that letter (kept by 'generate --with-letters'); every line as long\n"
         "  export   a picture (.svg, clue cells shaded), text (.txt, UTF-8) or the open\n"
         "           puzzle format .ipuz (with the solution when every cell has its letter)\n"
         "           of a model or a raw crossword; --words prints number, across or down,\n"
         "           first cell (column,row) and the word\n"
         "FILE and IN may be a model (.ktd) or a raw crossword (x10_000.010).\n"
         "\n" +
         optionLines(kOptions);
}

bool loadGrid(Console& console, const std::string& given, const Language& language,
              CrosswordDocument& doc) {
  InputFile file;
  if (!readGridInput(console, given, language, file)) return false;
  if (!parseDocument(doc, file.bytes, language, console))
    return console.fail("cannot read '" + given + "' as a crossword grid") == 0;
  return true;
}

bool writeOutput(Console& console, const std::string& path, const std::string& bytes) {
  if (Files::writeFileAtomically(path, bytes)) return true;
  console.say("cannot write " + path);
  return false;
}

std::string extensionOf(const std::string& path);

void printWords(const CrosswordDocument& doc, std::ostream& out) {
  for (const GridWord& w : gridWords(doc))
    out << w.number << ' ' << (w.down ? "down" : "across") << ' ' << w.column << ',' << w.row
        << ' ' << w.text << '\n';
}

int show(Console& console, const Arguments& a, const Language& language, std::ostream& out) {
  int below = 50;
  if (!a.number("--below", below, console)) return ExitUsage;
  CrosswordDocument doc;
  if (!loadGrid(console, a.positional[0], language, doc)) return ExitFailed;
  std::optional<WordScores> scores;
  if (const std::string* given = a.value("--scores")) {
    const std::string path = extensionOf(*given) == "score" ? *given : scorePathBeside(*given);
    std::string error;
    scores = WordScores::load(path, language, error);
    if (!scores) return console.fail(error);
  }
  out << gridText(doc);
  if (!a.has("--words")) return ExitOk;
  if (!scores) {
    printWords(doc, out);
    return ExitOk;
  }
  int marked = 0;
  for (const GridWord& w : gridWords(doc)) {
    std::string text;
    const int score = utf8ToCp1252Exact(w.text, text) ? scores->scoreOfText(text, language) : -1;
    out << w.number << ' ' << (w.down ? "down" : "across") << ' ' << w.column << ',' << w.row
        << ' ' << w.text << ' ' << (score < 0 ? "-" : std::to_string(score));
    if (score < below) {
      out << " <" << below;
      ++marked;
    }
    out << '\n';
  }
  out << marked << (marked == 1 ? " word" : " words") << " scored below " << below << '\n';
  return ExitOk;
}

int convert(Console& console, const Arguments& a, const Language& language) {
  CrosswordDocument doc;
  if (!loadGrid(console, a.positional[0], language, doc)) return ExitFailed;
  return writeOutput(console, a.positional[1], serializeDocument(doc)) ? ExitOk : ExitFailed;
}

// A picture (document/GridPicture.h) made into a model file.
int importPicture(Console& console, const Arguments& a, const Language& language) {
  InputFile picture;
  const std::string& in = a.positional[0];
  if (!readInput(console, in, language, picture)) return ExitFailed;
  const GridPicture read = readGridPicture(picture.bytes, language, in);
  if (!read.document) return console.fail(read.problem);
  return writeOutput(console, a.positional[1], serializeDocument(*read.document)) ? ExitOk
                                                                                   : ExitFailed;
}

std::string extensionOf(const std::string& path) {
  const std::string name(Files::fileName(path));
  const std::size_t dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

int exportGrid(Console& console, const Arguments& a, const Language& language,
               std::ostream& out) {
  const std::string* output = a.value("-o");
  if (output == nullptr) return usageError(console, "export needs -o OUT.svg, OUT.txt or OUT.ipuz");
  const std::string ext = extensionOf(*output);
  if (ext != "svg" && ext != "txt" && ext != "ipuz")
    return usageError(console, "the output '" + *output +
                                   "' must end in .svg, .txt or .ipuz: its name says the format");
  const std::string& given = a.positional[0];
  CrosswordDocument doc;
  if (!loadGrid(console, given, language, doc)) return ExitFailed;
  const std::string bytes = ext == "svg"   ? gridSvg(doc)
                            : ext == "txt" ? gridText(doc)
                                           : gridIpuz(doc, Files::fileName(given));
  if (!writeOutput(console, *output, bytes)) return ExitFailed;
  if (a.has("--words")) printWords(doc, out);
  return ExitOk;
}

}  // namespace

std::span<const Option> gridOptions() { return kOptions; }

int runGridCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string verb = args.empty() ? std::string() : args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") return printUsage(out, gridUsage());
  const std::size_t wanted = verb == "show" || verb == "export"      ? 1
                             : verb == "convert" || verb == "import" ? 2
                                                                     : 0;
  if (wanted == 0) return unknownCommand(err, "grid", verb, gridUsage());
  Console console(err, "grid " + verb);
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, gridUsage());
  if (verb != "export" && a.has("-o")) return usageError(console, "-o belongs to 'grid export'");
  if (verb != "export" && verb != "show" && a.has("--words"))
    return usageError(console, "--words belongs to 'grid show' and 'grid export'");
  if ((a.has("--scores") || a.has("--below")) && (verb != "show" || !a.has("--words")))
    return usageError(console, "--scores and --below go with 'grid show --words'");
  if (a.positional.size() != wanted)
    return usageError(console, "expected " + std::to_string(wanted) + " file name" +
                                   (wanted == 1 ? "" : "s"));
  LanguageId chosenLanguage = LanguageId::Danish;
  if (!a.language(chosenLanguage, console)) return ExitUsage;
  Language language;
  if (chosenLanguage != LanguageId::Danish) language.select(chosenLanguage, console);
  if (verb == "show") return show(console, a, language, out);
  if (verb == "convert") return convert(console, a, language);
  if (verb == "export") return exportGrid(console, a, language, out);
  return importPicture(console, a, language);
}

}  // namespace vorkel
