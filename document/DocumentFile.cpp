#include "document/DocumentFile.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <optional>

#include "dictionary/Language.h"
#include "document/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr char kQuote = '"';
// A plain-text grid line is read into a 148-byte buffer: longer lines are cut.
constexpr std::size_t kMaxPlainLine = 147;

std::string sformat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, again);
  va_end(again);
  return out;
}

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

// CR LF -> LF, as the text-mode stream the file was made for reads it. A CR
// that is not followed by LF stays.
std::string toMemoryLineEnds(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out.push_back(bytes[i]);
  }
  return out;
}

std::string toFileLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

// A read position in the file's bytes with the extraction rules of a text
// stream. Like a stream, it stays failed after the first failed extraction, so
// everything after a damaged field is left alone.
class Scanner {
 public:
  explicit Scanner(std::string_view s) : s_(s) {}

  bool failed() const { return failed_; }
  bool atEnd() const { return pos_ >= s_.size(); }
  std::size_t pos() const { return pos_; }
  void seek(std::size_t p) { pos_ = p; }

  int get() { return atEnd() ? -1 : static_cast<unsigned char>(s_[pos_++]); }

  std::string_view skipSpace() {
    const std::size_t start = pos_;
    while (!atEnd() && isSpace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    lastSpace_ = s_.substr(start, pos_ - start);
    return lastSpace_;
  }
  // The white space that the last extraction skipped.
  std::string_view lastSpace() const { return lastSpace_; }

  // A word: white space skipped, then everything up to the next white space.
  // `space` receives the white space skipped.
  bool word(std::string& out, std::string* space = nullptr) {
    if (failed_) return false;
    std::string_view skipped = skipSpace();
    if (space) space->assign(skipped);
    const std::size_t start = pos_;
    while (!atEnd() && !isSpace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    if (pos_ == start) return fail();
    out.assign(s_.substr(start, pos_ - start));
    return true;
  }

  // Integer extraction: optional sign and decimal digits. The value is left
  // as it was when the extraction fails.
  bool integer(int& value) {
    if (failed_) return false;
    skipSpace();
    std::size_t p = pos_;
    if (p < s_.size() && (s_[p] == '-' || s_[p] == '+')) ++p;
    const std::size_t digits = p;
    while (p < s_.size() && isDigit(static_cast<unsigned char>(s_[p]))) ++p;
    if (p == digits) return fail();
    std::string_view token = s_.substr(pos_, p - pos_);
    if (token[0] == '+') token.remove_prefix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size()) return fail();
    pos_ = p;
    value = v;
    return true;
  }

  bool boolean(bool& value) {
    int v = 0;
    if (!integer(v)) return false;
    value = v != 0;
    return true;
  }

  // Floating-point extraction: [sign] digits [. digits] [e [sign] digits].
  bool number(double& value) {
    if (failed_) return false;
    skipSpace();
    std::size_t p = pos_;
    if (p < s_.size() && (s_[p] == '-' || s_[p] == '+')) ++p;
    const std::size_t mantissa = p;
    std::size_t digits = 0;
    while (p < s_.size() && isDigit(static_cast<unsigned char>(s_[p]))) ++p, ++digits;
    if (p < s_.size() && s_[p] == '.') {
      ++p;
      while (p < s_.size() && isDigit(static_cast<unsigned char>(s_[p]))) ++p, ++digits;
    }
    if (digits == 0) return fail();
    p = exponentEnd(p);
    std::string_view token = s_.substr(mantissa, p - mantissa);
    double v = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size()) return fail();
    if (mantissa > pos_ && s_[pos_] == '-') v = -v;
    pos_ = p;
    value = v;
    return true;
  }

  // The lenient number reader of clue records: skips everything up to a
  // digit or ".", remembering a "-" among the skipped bytes, then reads
  // digits with any number of "." in them. At end of input the value is 0.
  // An exponent right after the digits is taken too, since the writer uses
  // one for very small and very large values.
  double lenient() {
    if (failed_) return 0.0;
    bool negative = false;
    while (!atEnd() && !isDigit(static_cast<unsigned char>(s_[pos_])) && s_[pos_] != '.') {
      if (s_[pos_] == '-') negative = true;
      ++pos_;
    }
    double value = 0.0;
    bool fraction = false;
    double scale = 1.0;
    while (!atEnd()) {
      const char c = s_[pos_];
      if (c == '.') {
        fraction = true;
      } else if (isDigit(static_cast<unsigned char>(c))) {
        const int d = c - '0';
        if (fraction) {
          scale *= 10.0;
          value += d / scale;
        } else {
          value = value * 10.0 + d;
        }
      } else {
        break;
      }
      ++pos_;
    }
    const std::size_t end = exponentEnd(pos_);
    if (end != pos_) {
      int exponent = 0;
      std::string_view e = s_.substr(pos_ + 1, end - pos_ - 1);
      if (e[0] == '+') e.remove_prefix(1);
      const auto [ptr, ec] = std::from_chars(e.data(), e.data() + e.size(), exponent);
      (void)ptr;
      if (ec == std::errc()) value *= std::pow(10.0, exponent);
      pos_ = end;
    }
    if (!std::isfinite(value)) value = 0.0;
    return negative ? -value : value;
  }

  // Skips up to and including the next `c`; false at end of input.
  bool skipPast(char c) {
    if (failed_) return false;
    while (!atEnd())
      if (s_[pos_++] == c) return true;
    return fail();
  }

  // Up to the next `c`, which is consumed; false at end of input (what was
  // read up to the end is still returned).
  bool until(char c, std::string& out, std::size_t limit) {
    out.clear();
    if (failed_) return false;
    while (!atEnd()) {
      const char x = s_[pos_++];
      if (x == c) return true;
      if (out.size() < limit) out.push_back(x);
    }
    return fail();
  }

  // The rest of the line, LF consumed; false at end of input.
  bool line(std::string& out, std::size_t limit) {
    out.clear();
    if (atEnd()) return false;
    while (!atEnd()) {
      const char x = s_[pos_++];
      if (x == '\n') break;
      if (out.size() < limit) out.push_back(x);
    }
    return true;
  }

  void clearFailure() { failed_ = false; }

 private:
  bool fail() {
    failed_ = true;
    return false;
  }

  // The end of an exponent "e[sign]digits" starting at p, or p when none.
  std::size_t exponentEnd(std::size_t p) const {
    if (p >= s_.size() || (s_[p] != 'e' && s_[p] != 'E')) return p;
    std::size_t q = p + 1;
    if (q < s_.size() && (s_[q] == '-' || s_[q] == '+')) ++q;
    if (q >= s_.size() || !isDigit(static_cast<unsigned char>(s_[q]))) return p;
    while (q < s_.size() && isDigit(static_cast<unsigned char>(s_[q]))) ++q;
    return q;
  }

  std::string_view s_;
  std::string_view lastSpace_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

class Reader {
 public:
  Reader(CrosswordDocument& doc, std::string_view bytes, const Language& language, Ui& ui)
      : doc_(doc), in_(bytes), language_(language), ui_(ui) {}

  bool run() {
    int w = 0;
    int h = 0;
    in_.integer(w);
    in_.integer(h);
    if (!CrosswordDocument::validSize(w, h)) {
      ui_.messageBox(texts::kStrangeInput, texts::kWarning, Icon::None, Buttons::Ok);
      return false;
    }
    if (w != doc_.width() || h != doc_.height()) doc_.resize(w, h);
    doc_.images.clear();
    doc_.codeFields.clear();
    doc_.imagesAfterCodeFields = static_cast<std::size_t>(-1);
    doc_.tail.clear();

    readGrid();
    if (!in_.failed()) readSections();
    doc_.untitled = false;
    return true;
  }

 private:
  void readGrid() {
    std::string word;
    for (int r = 1; r <= doc_.height(); ++r) {
      // End of input: a truncated file leaves the remaining rows as they are.
      if (!in_.word(word)) return;
      if (word != "BEGIN" && word != "EGIN") {
        readPlainGrid();
        return;
      }
      int ignored = 0;
      in_.integer(ignored);
      for (int c = 1; c <= doc_.width() && !in_.failed(); ++c) readCell(doc_.cellAt(c, r));
      in_.word(word);  // "END" and the row number, not checked
      in_.integer(ignored);
      if (in_.failed()) return;
    }
  }

  void readCell(Cell& cell) {
    std::string word;
    if (!in_.word(word)) return;
    Typography& t = cell.typo;
    if (word == "BOGSTAV") {
      cell.isClue = false;
      if (!in_.skipPast(kQuote)) return;
      const int letter = in_.get();
      if (letter < 0) return;
      CrosswordDocument::setLetter(cell, static_cast<unsigned char>(letter));
      in_.get();  // the closing quote
      in_.number(t.heights[0]);
      in_.boolean(t.ownWeights[0]);
      in_.number(t.weights[0]);
      in_.number(t.offsets[0]);
      in_.number(t.extra);
    } else if (word == "LEDEORD") {
      cell.isClue = true;
      if (!in_.skipPast(kQuote)) return;
      in_.until(kQuote, cell.text, Cell::kMaxText);
      if (in_.failed()) return;  // cut inside the text
      for (int lin = 0; lin < Typography::kLines; ++lin) {
        t.heights[lin] = in_.lenient();
        t.ownWeights[lin] = in_.lenient() != 0.0;
        t.weights[lin] = in_.lenient();
        t.offsets[lin] = in_.lenient();
      }
    } else {
      ui_.messageBox(sformat(texts::kUnknownWord, cp1252ToUtf8(word).c_str(),
                             static_cast<int>(word.size())),
                     texts::kUnknownWordCaption, Icon::None, Buttons::Ok);
      return;
    }
    in_.boolean(cell.rightLine);
    in_.boolean(cell.bottomLine);
  }

  // A grid given as characters: the header line, then one line per row.
  void readPlainGrid() {
    in_.clearFailure();
    in_.seek(0);
    std::string line;
    in_.line(line, 0);  // the header
    for (int r = 1; r <= doc_.height(); ++r) {
      if (!in_.line(line, kMaxPlainLine)) return;  // missing rows stay as they are
      for (int c = 1; c <= doc_.width(); ++c) {
        const std::size_t i = static_cast<std::size_t>(c - 1);
        Cell& cell = doc_.cellAt(c, r);
        if (i >= line.size()) {
          CrosswordDocument::setClue(cell, "");
          continue;
        }
        const auto b = static_cast<unsigned char>(line[i]);
        if (b == '+' || b == 0xA5) CrosswordDocument::setLetter(cell, 0xD8);
        else if (b == 0xDB) CrosswordDocument::setLetter(cell, ' ');
        else if (language_.typing(b) != 0) CrosswordDocument::setLetter(cell, b);
        else CrosswordDocument::setClue(cell, "");
      }
    }
  }

  void readSections() {
    std::string word;
    std::string space;
    for (;;) {
      if (!in_.word(word, &space)) break;
      if (word == "KODEFELT") {
        doc_.codeFields.emplace_back();
        CodeField& k = doc_.codeFields.back();
        in_.number(k.typo.heights[0]);
        in_.boolean(k.typo.ownWeights[0]);
        in_.number(k.typo.weights[0]);
        in_.number(k.typo.offsets[0]);
        in_.number(k.typo.extra);
        in_.integer(k.number);
        in_.integer(k.x);
        in_.integer(k.y);
      } else if (word == "IMAGES") {
        if (doc_.images.empty()) doc_.imagesAfterCodeFields = doc_.codeFields.size();
        doc_.images.push_back({word, space});
        readImages();
      } else {
        return;
      }
      if (in_.failed()) break;
    }
    // The file ended: keep the white space that closed it.
    if (in_.atEnd()) doc_.tail = in_.lastSpace();
  }

  // One word, then groups of three words; a group whose third word begins
  // with "+" is followed by another.
  void readImages() {
    if (!image()) return;
    for (;;) {
      if (!image() || !image() || !image()) return;
      if (doc_.images.back().text[0] != '+') return;
    }
  }

  bool image() {
    ImageToken token;
    if (!in_.word(token.text, &token.spaceBefore)) return false;
    doc_.images.push_back(std::move(token));
    return true;
  }

  CrosswordDocument& doc_;
  Scanner in_;
  const Language& language_;
  Ui& ui_;
};

void appendTypographyLine(std::string& out, const Typography& t, int lin) {
  out += '\t';
  out += formatNumber(t.heights[lin]);
  out += t.ownWeights[lin] ? "\t1\t" : "\t0\t";
  out += formatNumber(t.weights[lin]);
  out += '\t';
  out += formatNumber(t.offsets[lin]);
}

void appendCell(std::string& out, const Cell& cell) {
  if (cell.isClue) {
    out += "\n\tLEDEORD\t\"";
    // A quote would end the text early; the document never holds one.
    for (std::size_t i = 0; i < cell.text.size() && i < Cell::kMaxText; ++i)
      out += cell.text[i] == kQuote ? '\'' : cell.text[i];
    out += kQuote;
    for (int lin = 0; lin < Typography::kLines; ++lin) appendTypographyLine(out, cell.typo, lin);
  } else {
    out += "\n\tBOGSTAV\t\"";
    out += static_cast<char>(CrosswordDocument::letterOf(cell));  // NUL when none
    out += kQuote;
    appendTypographyLine(out, cell.typo, 0);
    out += '\t';
    out += formatNumber(cell.typo.extra);
  }
  out += cell.rightLine ? "\t1" : "\t0";
  out += cell.bottomLine ? "\t1" : "\t0";
}

void appendCodeField(std::string& out, const CodeField& k) {
  out += "\nKODEFELT";
  appendTypographyLine(out, k.typo, 0);
  out += '\t';
  out += formatNumber(k.typo.extra);
  out += sformat("\t%d\t%d\t%d", k.number, k.x, k.y);
}

bool onlySpace(std::string_view s) {
  for (char c : s)
    if (!isSpace(static_cast<unsigned char>(c))) return false;
  return true;
}

void appendImages(std::string& out, const std::vector<ImageToken>& images) {
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::string& space = images[i].spaceBefore;
    if (!space.empty() && onlySpace(space)) out += space;
    else out += i == 0 ? "\n" : " ";
    out += images[i].text;
  }
}

}  // namespace

std::string formatNumber(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%#g", value);
  return buffer;
}

bool parseDocument(CrosswordDocument& doc, std::string_view bytes, const Language& language,
                   Ui& ui) {
  const std::string text = toMemoryLineEnds(bytes);
  Reader reader(doc, text, language, ui);
  return reader.run();
}

bool readDocument(CrosswordDocument& doc, const std::string& path, const Language& language,
                  Ui& ui) {
  const std::optional<std::string> bytes = Files::readFile(path, kMaxDocumentBytes);
  if (!bytes) {
    ui.messageBox(path, texts::kError, Icon::Error, Buttons::Ok);
    return false;
  }
  return parseDocument(doc, *bytes, language, ui);
}

std::string serializeDocument(const CrosswordDocument& doc) {
  std::string out = sformat("%d\t%d", doc.width(), doc.height());
  for (int r = 1; r <= doc.height(); ++r) {
    out += sformat("\nBEGIN\t%d", r - 1);
    for (int c = 1; c <= doc.width(); ++c) appendCell(out, doc.cellAt(c, r));
    out += sformat("\nEND\t%d", r - 1);
  }
  const std::size_t before = std::min(doc.imagesAfterCodeFields, doc.codeFields.size());
  for (std::size_t i = 0; i < before; ++i) appendCodeField(out, doc.codeFields[i]);
  appendImages(out, doc.images);
  for (std::size_t i = before; i < doc.codeFields.size(); ++i) appendCodeField(out, doc.codeFields[i]);
  if (onlySpace(doc.tail)) out += doc.tail;
  return toFileLineEnds(out);
}

bool writeDocument(CrosswordDocument& doc, const std::string& path, Ui& ui) {
  if (!Files::writeFileAtomically(path, serializeDocument(doc))) {
    ui.messageBox(sformat(texts::kCannotOpen, path.c_str()), texts::kError, Icon::Error,
                  Buttons::Ok);
    return false;
  }
  doc.untitled = false;
  return true;
}

FileDialogData documentDialogData() {
  FileDialogData data;
  data.filter = texts::kDocumentFilter;
  data.defaultExtension = texts::kDocumentExtension;
  data.mustExist = true;
  data.promptOverwrite = true;
  return data;
}

}  // namespace vorkel
