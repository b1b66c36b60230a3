#include "app/FileKind.h"

#include <cctype>
#include <string>
#include <vector>

#include "dictionary/Language.h"

namespace vorkel {

namespace {

// The first lines (without their line ends), at most `most` of them.
std::vector<std::string_view> firstLines(std::string_view bytes, std::size_t most) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size() && lines.size() < most) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The whole numbers at the start of a line, up to anything else; a number
// glued to other text ("12ab") does not count.
int leadingNumbers(std::string_view line, std::string_view& rest) {
  int count = 0;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t j = i;
    if (j < line.size() && (line[j] == '-' || line[j] == '+')) ++j;
    const std::size_t digits = j;
    while (j < line.size() && isDigit(line[j])) ++j;
    if (j == digits || (j < line.size() && line[j] != ' ' && line[j] != '\t')) break;
    ++count;
    i = j;
  }
  rest = trimmed(line.substr(i));
  return count;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

FileKind recogniseFile(std::string_view bytes, const Language& language) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) return FileKind::Empty;
  if (bytes.front() == '=') return FileKind::Dictionary;

  const std::vector<std::string_view> lines = firstLines(bytes, 200);
  // The first line that says something.
  std::size_t first = 0;
  while (first < lines.size() && trimmed(lines[first]).empty()) ++first;
  const std::string_view head = trimmed(lines[first]);

  if (head.front() == '[' || head.front() == ';') {
    bool ini = false;
    for (std::string_view line : lines) {
      line = trimmed(line);
      if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        if (equalsIgnoringCase(line.substr(1, line.size() - 2), "Skabelon"))
          return FileKind::Template;
        ini = true;
      }
    }
    if (ini) return FileKind::Settings;
  }

  std::string_view rest;
  const int numbers = leadingNumbers(head, rest);
  // "W H" (a tab or blanks between), then BEGIN (.ktd), or rows of cells
  // (a raw crossword, or a model as a plain-text grid), or more numbers (a
  // path whose first stop has only x and y).
  // A tab between the two is the documents' own: a file of that line alone
  // is a document cut short, which its reader reports.
  if (first == 0 && numbers == 2 && rest.empty()) {
    if (lines.size() >= 2 && lines[1].starts_with("BEGIN")) return FileKind::Model;
    std::string_view after;
    if (lines.size() >= 2 ? leadingNumbers(lines[1], after) < 2 || !after.empty()
                          : head.find('\t') != std::string_view::npos)
      return FileKind::RawCrossword;
  }
  if (numbers >= 2 && rest.empty()) return FileKind::Path;
  if (numbers == 1 && (rest.empty() || rest.starts_with("//"))) return FileKind::Parameters;

  // Blanks before the first word do not make a list something else.
  const std::size_t text = bytes.find_first_not_of(" \t");
  if (language.typing(static_cast<unsigned char>(bytes[text])) != 0) {
    // Text, not data: a word list has no control bytes but its line ends.
    for (std::string_view line : lines)
      for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return FileKind::Unknown;
    return FileKind::WordList;
  }
  return FileKind::Unknown;
}

const char* describeFileKind(FileKind kind) {
  switch (kind) {
    case FileKind::Empty: return "an empty file";
    case FileKind::Dictionary: return "a dictionary (.dic)";
    case FileKind::Template: return "a generation template (.skb)";
    case FileKind::Settings: return "a settings file (INI) without a [Skabelon] section";
    case FileKind::Model: return "a crossword model (.ktd)";
    case FileKind::RawCrossword: return "a raw crossword (or a model as a plain-text grid)";
    case FileKind::Path: return "a path (.vej)";
    case FileKind::Parameters: return "a parameter file (.par)";
    case FileKind::WordList: return "a word list";
    case FileKind::Unknown: break;
  }
  return "no kind of file the program knows";
}

}  // namespace vorkel
