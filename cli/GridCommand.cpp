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
#include "document/GridExport.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr const char* kGridUsage =
    "usage: vorkel grid show FILE [--words [--scores FILE] [--below N]] [--language N]\n"
    "       vorkel grid convert IN OUT.ktd [--language N]\n"
    "       vorkel grid import PICTURE.txt OUT.ktd [--language N]\n"
    "       vorkel grid export FILE -o OUT.svg|OUT.txt|OUT.ipuz [--words] [--language N]\n"
    "\n"
    "  show     prints the grid: '#' a clue cell, '.' an empty letter cell, else its letter;\n"
    "           --words also prints its words as export does, and with --scores (a\n"
    "           score file, or a dictionary with its score file beside it) each\n"
    "           word's score, marking with \"<N\" every word scored below N (--below,\n"
    "           default 50) or not scored at all: the words to replace\n"
    "  convert  reads a model (or a raw crossword) and writes it as a .ktd model\n"
    "  import   makes a model from a picture: a text file (UTF-8), one line per row,\n"
    "           '#' a clue cell, '.' an empty letter cell, a letter a letter cell that\n"
    "           holds that letter (kept by 'generate --with-letters'); every line as long\n"
    "  export   a picture (.svg, clue cells shaded), text (.txt, UTF-8) or the open\n"
    "           puzzle format .ipuz (with the solution when every cell has its letter)\n"
    "           of a model or a raw crossword; --words also prints its words:\n"
    "           number, across or down, first cell (column,row) and the word\n"
    "FILE and IN may be a model (.ktd) or a raw crossword (x10_000.010).\n";

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
  if (!a.number("--below", 0, WordScores::MaxScore + 1, below, console)) return ExitUsage;
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

// A picture: one line per row, "#" a clue cell, "." an empty letter cell, a
// letter a letter cell holding it (upper case, as typed into the grid).
int importPicture(Console& console, const Arguments& a, const Language& language) {
  InputFile picture;
  const std::string& in = a.positional[0];
  if (!readInput(console, in, language, picture)) return ExitFailed;
  std::string bytes;
  if (!utf8ToCp1252Exact(picture.bytes, bytes))
    return console.fail("'" + in +
                        "' is not UTF-8 text or holds characters that Windows-1252 lacks");
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.empty()) return console.fail("the picture '" + in + "' is empty");
  const std::size_t width = lines.front().size();
  for (std::size_t r = 0; r < lines.size(); ++r)
    if (lines[r].size() != width)
      return console.fail("line " + std::to_string(r + 1) + " of '" + in + "' has " +
                          std::to_string(lines[r].size()) + " cells, line 1 has " +
                          std::to_string(width) + "; every line must be as long");
  const int w = static_cast<int>(std::min<std::size_t>(width, 1000));
  const int h = static_cast<int>(std::min<std::size_t>(lines.size(), 1000));
  if (!CrosswordDocument::validSize(w, h))
    return console.fail("the picture is " + std::to_string(width) + " by " +
                        std::to_string(lines.size()) + " cells; a grid is 1 to " +
                        std::to_string(CrosswordDocument::kMaxSize) + " cells each way");
  CrosswordDocument doc;
  doc.resize(w, h);
  for (int r = 1; r <= h; ++r)
    for (int c = 1; c <= w; ++c) {
      const auto b = static_cast<unsigned char>(
          lines[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
      Cell& cell = doc.cellAt(c, r);
      if (b == '#') CrosswordDocument::setClue(cell, "");
      else if (b == '.') CrosswordDocument::setLetter(cell, ' ');
      else if (language.typing(b) != 0) CrosswordDocument::setLetter(cell, language.typing(b));
      else
        return console.fail("'" + cp1252ToUtf8(std::string(1, static_cast<char>(b))) +
                            "' in line " + std::to_string(r) + ", column " + std::to_string(c) +
                            " of '" + in + "' is neither '#', '.' nor a letter");
    }
  return writeOutput(console, a.positional[1], serializeDocument(doc)) ? ExitOk : ExitFailed;
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

int runGridCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string verb = args.empty() ? std::string() : args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") return printUsage(out, kGridUsage);
  const std::size_t wanted = verb == "show" || verb == "export"      ? 1
                             : verb == "convert" || verb == "import" ? 2
                                                                     : 0;
  if (wanted == 0) return unknownCommand(err, "grid", verb, kGridUsage);
  Console console(err, "grid " + verb);
  static constexpr Option kOptions[] = {
      {"--language", nullptr, true}, {"-o", "--output", true}, {"--words", nullptr, false},
      {"--scores", nullptr, true},   {"--below", nullptr, true}};
  Arguments a;
  if (!a.parse(Args(args.begin() + 1, args.end()), kOptions, console)) return ExitUsage;
  if (a.help) return printUsage(out, kGridUsage);
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
