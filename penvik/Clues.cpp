#include "penvik/Clues.h"

#include <filesystem>

#include "platform/Files.h"
#include "platform/Numbers.h"

namespace penvik {

namespace {

constexpr std::string_view kMagic = "PENVIK LEDEORD 1";
constexpr std::string_view kMagicWithDrafts = "PENVIK LEDEORD 2";
constexpr std::string_view kDraftMark = "udkast";
// Header, size line, 50 rows of 50 and some thousand clues of full length.
constexpr std::size_t kMaxClueFileBytes = 1024 * 1024;

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

bool unescape(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return false;
    }
  }
  return true;
}

// Splits `line` at the first tab: the field before it is returned.
std::string_view takeField(std::string_view& line, bool& ok) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) {
    ok = false;
    return {};
  }
  std::string_view field = line.substr(0, tab);
  line.remove_prefix(tab + 1);
  return field;
}

bool wholeNumber(std::string_view s, int& value) { return vorkel::parseNumber(s, value); }

// Lines without their ends (LF or CR LF).
std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

const std::string& Clues::text(const ClueKey& key) const {
  static const std::string none;
  const auto it = texts_.find(key);
  return it == texts_.end() ? none : it->second;
}

void Clues::set(const ClueKey& key, std::string_view text, bool draft) {
  if (text.empty()) texts_.erase(key);
  else texts_[key] = std::string(text.substr(0, MaxClueText));
  if (draft && !text.empty()) drafts_.insert(key);
  else drafts_.erase(key);
}

std::string clueFilePath(std::string_view rawPath) { return std::string(rawPath) + ".ledeord"; }

std::string formatClueFile(const RawGrid& grid, const Clues& clues) {
  std::string out(clues.draftCount() > 0 ? kMagicWithDrafts : kMagic);
  out += "\r\n" + std::to_string(grid.width) + "\t" + std::to_string(grid.height) + "\r\n";
  for (int r = 0; r < grid.height; ++r) {
    out.append(grid.cells, static_cast<std::size_t>(r * grid.width),
               static_cast<std::size_t>(grid.width));
    out += "\r\n";
  }
  for (const auto& [key, text] : clues.all()) {
    out += std::to_string(key.column + 1) + "\t" + std::to_string(key.row + 1) + "\t" +
           (key.direction == Direction::Across ? "V" : "L") + "\t" + escape(text) +
           (clues.isDraft(key) ? "\t" + std::string(kDraftMark) : std::string()) + "\r\n";
  }
  return out;
}

ClueFileResult parseClueFile(std::string_view bytes, const RawGrid& grid) {
  ClueFileResult result;
  if (bytes.size() > kMaxClueFileBytes) {
    result.error = "Ledeordsfilen er for stor (" + std::to_string(bytes.size()) + " byte).";
    return result;
  }
  const std::vector<std::string_view> lines = splitLines(bytes);
  if (lines.empty() || (lines[0] != kMagic && lines[0] != kMagicWithDrafts)) {
    result.error = "Filen er ingen ledeordsfil fra Penvik.";
    return result;
  }
  const std::string size = std::to_string(grid.width) + "\t" + std::to_string(grid.height);
  bool sameGrid = lines.size() >= static_cast<std::size_t>(grid.height) + 2 && lines[1] == size;
  for (int r = 0; sameGrid && r < grid.height; ++r)
    sameGrid = lines[static_cast<std::size_t>(r) + 2] ==
               std::string_view(grid.cells).substr(static_cast<std::size_t>(r * grid.width),
                                                   static_cast<std::size_t>(grid.width));
  if (!sameGrid) {
    result.error = "Ledeordene er skrevet til et andet krydsord end det, der nu har dette navn.";
    return result;
  }
  for (std::size_t i = static_cast<std::size_t>(grid.height) + 2; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.empty()) continue;
    bool ok = true;
    int column = 0, row = 0;
    const std::string_view columnText = takeField(line, ok);
    const std::string_view rowText = takeField(line, ok);
    const std::string_view directionText = takeField(line, ok);
    // A text holds no tab (it is written as "\t"): a tab after it starts
    // the draft mark.
    const std::size_t markAt = line.find('\t');
    const bool draft = markAt != std::string_view::npos;
    ok = ok && (!draft || line.substr(markAt + 1) == kDraftMark);
    if (draft) line = line.substr(0, markAt);
    std::string text;
    ok = ok && wholeNumber(columnText, column) && wholeNumber(rowText, row) &&
         (directionText == "V" || directionText == "L") && unescape(line, text) &&
         !text.empty() && text.size() <= MaxClueText;
    const Direction d = directionText == "V" ? Direction::Across : Direction::Down;
    // The cell must start a word that way in this crossword.
    ok = ok && clueCellAt(grid, column - 1, row - 1).starts(d);
    if (!ok) {
      ++result.skipped;
      continue;
    }
    result.clues.set({column - 1, row - 1, d}, text, draft);
  }
  return result;
}

ClueFileResult loadClues(std::string_view rawPath, const RawGrid& grid) {
  const std::string path = clueFilePath(rawPath);
  if (!vorkel::Files::exists(path)) return {};
  const std::optional<std::string> bytes = vorkel::Files::readFile(path, kMaxClueFileBytes);
  if (!bytes) {
    ClueFileResult r;
    r.error = path + ": filen kan ikke læses.";
    return r;
  }
  ClueFileResult r = parseClueFile(*bytes, grid);
  if (!r.error.empty()) r.error = path + ": " + r.error;
  return r;
}

bool saveClues(std::string_view rawPath, const RawGrid& grid, const Clues& clues) {
  const std::string path = clueFilePath(rawPath);
  if (clues.empty()) return !vorkel::Files::exists(path) || vorkel::Files::removeFile(path);
  return vorkel::Files::writeFileAtomically(path, formatClueFile(grid, clues));
}

}  // namespace penvik
