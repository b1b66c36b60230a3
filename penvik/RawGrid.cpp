#include "penvik/RawGrid.h"

#include <charconv>

#include "platform/Files.h"

namespace penvik {

namespace {

// One line at a time, without its line end (LF or CR LF). Never reads past
// the input.
class LineScanner {
 public:
  explicit LineScanner(std::string_view bytes) : rest_(bytes) {}
  bool atEnd() const { return rest_.empty(); }
  int lineNumber() const { return line_; }

  std::string_view next() {
    ++line_;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view rest_;
  int line_ = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A whole decimal number at the front of `s`; the rest stays in `s`.
bool takeNumber(std::string_view& s, int& value) {
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || ptr == s.data()) return false;
  s.remove_prefix(static_cast<std::size_t>(ptr - s.data()));
  return true;
}

std::string hexByte(unsigned char c) {
  static const char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

RawGridResult failure(std::string message) { return RawGridResult{std::nullopt, std::move(message)}; }

}  // namespace

std::string RawGrid::rows() const {
  std::string out;
  for (int r = 0; r < height; ++r) {
    out.append(cells, static_cast<std::size_t>(r * width), static_cast<std::size_t>(width));
    out += '\n';
  }
  return out;
}

bool isCp1252Letter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;  // × and ÷ are no letters
  return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E ||
         c == 0x9F;
}

RawGridResult parseRawGrid(std::string_view bytes) {
  if (bytes.size() > MaxRawGridBytes)
    return failure("Filen er for stor til at være et råkryds (" + std::to_string(bytes.size()) +
                   " byte).");
  if (bytes.empty()) return failure("Filen er tom.");
  LineScanner lines(bytes);

  std::string_view header = trimmed(lines.next());
  RawGrid grid;
  bool good = takeNumber(header, grid.width);
  if (good) {
    const std::size_t before = header.size();
    header = trimmed(header);
    good = header.size() < before && takeNumber(header, grid.height) && header.empty();
  }
  if (!good)
    return failure("Linje 1 skal rumme bredde og højde adskilt af en tabulator, som \"13\t9\".");
  if (grid.width < 1 || grid.width > RawGrid::MaxSize || grid.height < 1 ||
      grid.height > RawGrid::MaxSize)
    return failure("Linje 1: størrelsen " + std::to_string(grid.width) + " x " +
                   std::to_string(grid.height) + " skal være mellem 1 og " +
                   std::to_string(RawGrid::MaxSize) + " hver vej.");

  grid.cells.reserve(static_cast<std::size_t>(grid.width * grid.height));
  for (int row = 1; row <= grid.height; ++row) {
    if (lines.atEnd())
      return failure("Filen slutter efter " + std::to_string(row - 1) + " af " +
                     std::to_string(grid.height) + " rækker; den er vist afkortet.");
    const std::string_view line = lines.next();
    const std::string where = "Linje " + std::to_string(lines.lineNumber()) + " (række " +
                              std::to_string(row) + ")";
    if (line.size() != static_cast<std::size_t>(grid.width))
      return failure(where + " har " + std::to_string(line.size()) + " felter, men bredden er " +
                     std::to_string(grid.width) + ".");
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto c = static_cast<unsigned char>(line[i]);
      if (c != RawGrid::ClueCell && c != RawGrid::EmptyLetter && !isCp1252Letter(c))
        return failure(where + ", felt " + std::to_string(i + 1) + ": tegnet " + hexByte(c) +
                       " er hverken \"#\" eller et bogstav.");
    }
    grid.cells.append(line);
  }
  // Only blank lines may follow the last row.
  while (!lines.atEnd())
    if (!trimmed(lines.next()).empty())
      return failure("Linje " + std::to_string(lines.lineNumber()) + ": filen har flere end de " +
                     std::to_string(grid.height) + " rækker, linje 1 angiver.");
  return RawGridResult{std::move(grid), {}};
}

RawGridResult loadRawGrid(const std::string& path) {
  const std::optional<std::uint64_t> size = vorkel::Files::fileSize(path);
  if (size && *size > MaxRawGridBytes)
    return failure(path + ": filen er for stor til at være et råkryds (" + std::to_string(*size) +
                   " byte).");
  const std::optional<std::string> bytes = vorkel::Files::readFile(path, MaxRawGridBytes);
  if (!bytes) return failure(path + ": filen kan ikke læses.");
  RawGridResult r = parseRawGrid(*bytes);
  if (!r.grid) r.error = path + ": " + r.error;
  return r;
}

}  // namespace penvik
