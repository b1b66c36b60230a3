// `vorkel grid`: show, convert and import model grids (.ktd).
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/StderrUi.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr const char* kGridUsage =
    "usage: vorkel grid show FILE.ktd [--language N]\n"
    "       vorkel grid convert IN.ktd OUT.ktd [--language N]\n"
    "       vorkel grid import PICTURE.txt OUT.ktd [--language N]\n";

struct GridArgs {
  std::vector<std::string> positional;
  int language = 0;
};

std::optional<GridArgs> parseArgs(const Args& args, std::ostream& err) {
  GridArgs out;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--language") {
      if (i + 1 >= args.size()) {
        err << "vorkel grid: --language needs a number\n";
        return std::nullopt;
      }
      int n = 0;
      if (!parseNumber(args[i + 1], n) || n < 0 || n > 10) {
        err << "vorkel grid: --language takes a number from 0 to 10, not '" << args[i + 1]
            << "'\n";
        return std::nullopt;
      }
      out.language = n;
      ++i;
    } else {
      out.positional.push_back(args[i]);
    }
  }
  return out;
}

// A picture is a grid of at most 50 x 50 cells; 1 MiB is far more than one.
constexpr std::uint64_t kMaxPictureBytes = 1u << 20;

// Writes the file whole or not at all (platform/Files.h) and says why not.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::ostream& err) {
  if (Files::writeFileAtomically(path, bytes)) return true;
  err << "vorkel grid: cannot write '" << path << "': " << std::strerror(errno) << '\n';
  return false;
}

bool loadDocument(CrosswordDocument& doc, const std::string& path, const Language& language,
                  StderrUi& ui, std::ostream& err) {
  if (!readDocument(doc, path, language, ui)) {
    err << "vorkel grid: cannot read '" << path << "' as a crossword grid\n";
    return false;
  }
  return true;
}

int show(const GridArgs& a, const Language& language, std::ostream& out, std::ostream& err) {
  StderrUi ui(err);
  CrosswordDocument doc;
  if (!loadDocument(doc, a.positional[0], language, ui, err)) return 1;
  for (int r = 1; r <= doc.height(); ++r) {
    std::string line;
    for (int c = 1; c <= doc.width(); ++c) {
      const Kpoint& cell = doc.cellAt(c, r);
      const unsigned char letter = CrosswordDocument::letterOf(cell);
      if (cell.isClue) line += '#';
      else if (letter == 0 || letter == ' ') line += '.';
      else line += static_cast<char>(letter);
    }
    out << cp1252ToUtf8(line) << '\n';
  }
  return 0;
}

int convert(const GridArgs& a, const Language& language, std::ostream& err) {
  StderrUi ui(err);
  CrosswordDocument doc;
  if (!loadDocument(doc, a.positional[0], language, ui, err)) return 1;
  return writeFileAtomically(a.positional[1], serializeDocument(doc), err) ? 0 : 1;
}

// A picture: one line per row, "#" a clue cell, "." an empty letter cell, a
// letter a letter cell holding it (upper case, as typed into the grid).
int importPicture(const GridArgs& a, const Language& language, std::ostream& err) {
  const std::string& in = a.positional[0];
  ReadFailure why = ReadFailure::None;
  const std::optional<std::string> utf8 = Files::readFile(in, kMaxPictureBytes, &why);
  if (!utf8) {
    err << "vorkel grid: cannot read '" << in << "': " << Files::describe(why) << "\n";
    return 1;
  }
  std::string bytes;
  if (!utf8ToCp1252Exact(*utf8, bytes)) {
    err << "vorkel grid: '" << in
        << "' is not UTF-8 text or holds characters that Windows-1252 lacks\n";
    return 1;
  }
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
  if (lines.empty()) {
    err << "vorkel grid: the picture '" << in << "' is empty\n";
    return 1;
  }
  const std::size_t width = lines.front().size();
  for (std::size_t r = 0; r < lines.size(); ++r)
    if (lines[r].size() != width) {
      err << "vorkel grid: line " << r + 1 << " of '" << in << "' has " << lines[r].size()
          << " cells, line 1 has " << width << "; every line must be as long\n";
      return 1;
    }
  const int w = static_cast<int>(std::min<std::size_t>(width, 1000));
  const int h = static_cast<int>(std::min<std::size_t>(lines.size(), 1000));
  if (!CrosswordDocument::validSize(w, h)) {
    err << "vorkel grid: the picture is " << width << " by " << lines.size()
        << " cells; a grid is 1 to " << CrosswordDocument::kMaxSize << " cells each way\n";
    return 1;
  }
  CrosswordDocument doc;
  doc.resize(w, h);
  for (int r = 1; r <= h; ++r)
    for (int c = 1; c <= w; ++c) {
      const auto b = static_cast<unsigned char>(lines[static_cast<std::size_t>(r - 1)]
                                                     [static_cast<std::size_t>(c - 1)]);
      Kpoint& cell = doc.cellAt(c, r);
      if (b == '#') CrosswordDocument::setClue(cell, "");
      else if (b == '.') CrosswordDocument::setLetter(cell, ' ');
      else if (language.typing(b) != 0) CrosswordDocument::setLetter(cell, language.typing(b));
      else {
        err << "vorkel grid: '" << cp1252ToUtf8(std::string(1, static_cast<char>(b)))
            << "' in line " << r << ", column " << c << " of '" << in
            << "' is neither '#', '.' nor a letter\n";
        return 1;
      }
    }
  return writeFileAtomically(a.positional[1], serializeDocument(doc), err) ? 0 : 1;
}

}  // namespace

int runGridCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kGridUsage;
    return 2;
  }
  const std::optional<GridArgs> parsed = parseArgs(args, err);
  if (!parsed) return 2;
  const std::string& verb = args[0];
  const std::size_t wanted = verb == "show" ? 1 : (verb == "convert" || verb == "import") ? 2 : 0;
  if (wanted == 0) {
    err << "vorkel grid: unknown command '" << verb << "'\n" << kGridUsage;
    return 2;
  }
  if (parsed->positional.size() != wanted) {
    err << "vorkel grid " << verb << ": expected " << wanted << " file name"
        << (wanted == 1 ? "" : "s") << "\n" << kGridUsage;
    return 2;
  }
  StderrUi ui(err);
  Language language;
  if (parsed->language != 0) language.select(parsed->language, ui);
  if (verb == "show") return show(*parsed, language, out, err);
  if (verb == "convert") return convert(*parsed, language, err);
  return importPicture(*parsed, language, err);
}

}  // namespace vorkel
