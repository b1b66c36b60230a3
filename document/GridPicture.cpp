#include "document/GridPicture.h"

#include <vector>

#include "dictionary/Language.h"
#include "platform/Cp1252.h"

namespace vorkel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A character of Windows-1252 takes at most three bytes in UTF-8, so a line
// longer than this has more cells than a grid may.
constexpr std::size_t kMaxLineBytes = 3 * CrosswordDocument::kMaxSize;

GridPicture refused(std::string problem) { return GridPicture{std::nullopt, std::move(problem)}; }

std::string sizeRule() {
  return "a grid is 1 to " + std::to_string(CrosswordDocument::kMaxSize) + " cells each way";
}

}  // namespace

GridPicture readGridPicture(std::string_view utf8, const Language& language,
                            std::string_view name) {
  const std::string quoted = "'" + std::string(name) + "'";
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
  // The rows, each converted to Windows-1252 as it is reached; blank lines
  // are only counted until a row follows them.
  std::vector<std::string> rows;
  std::size_t blanks = 0;
  for (std::size_t start = 0, number = 1; start < utf8.size(); ++number) {
    std::size_t end = utf8.find('\n', start);
    if (end == std::string_view::npos) end = utf8.size();
    std::string_view line = utf8.substr(start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) {
      ++blanks;
      continue;
    }
    if (rows.size() + blanks >= static_cast<std::size_t>(CrosswordDocument::kMaxSize))
      return refused("the picture " + quoted + " has more than " +
                     std::to_string(CrosswordDocument::kMaxSize) + " rows; " + sizeRule());
    const std::string tooWide = "line " + std::to_string(number) + " of " + quoted +
                                " has more than " + std::to_string(CrosswordDocument::kMaxSize) +
                                " cells; " + sizeRule();
    if (line.size() > kMaxLineBytes) return refused(tooWide);
    std::string row;
    if (!utf8ToCp1252Exact(line, row))
      return refused(quoted + " is not UTF-8 text or holds characters that Windows-1252 lacks");
    if (row.size() > static_cast<std::size_t>(CrosswordDocument::kMaxSize)) return refused(tooWide);
    rows.resize(rows.size() + blanks);  // blank lines inside the picture are rows of no cells
    blanks = 0;
    rows.push_back(std::move(row));
  }
  if (rows.empty()) return refused("the picture " + quoted + " is empty");
  const std::size_t width = rows.front().size();
  for (std::size_t r = 0; r < rows.size(); ++r)
    if (rows[r].size() != width)
      return refused("line " + std::to_string(r + 1) + " of " + quoted + " has " +
                     std::to_string(rows[r].size()) + " cells, line 1 has " + std::to_string(width) +
                     "; every line must be as long");
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(rows.size());
  CrosswordDocument doc;
  doc.resize(w, h);
  for (int r = 1; r <= h; ++r)
    for (int c = 1; c <= w; ++c) {
      const auto b = static_cast<unsigned char>(rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
      Cell& cell = doc.cellAt(c, r);
      if (b == '#') CrosswordDocument::setClue(cell, "");
      else if (b == '.') CrosswordDocument::setLetter(cell, ' ');
      else if (language.typing(b) != 0) CrosswordDocument::setLetter(cell, language.typing(b));
      else
        return refused("'" + cp1252ToUtf8(std::string(1, static_cast<char>(b))) + "' in line " +
                       std::to_string(r) + ", column " + std::to_string(c) + " of " + quoted +
                       " is neither '#', '.' nor a letter");
    }
  return GridPicture{std::move(doc), {}};
}

}  // namespace vorkel
