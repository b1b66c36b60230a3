#include "dictionary/WordFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// Where bit b of a character goes in the 16-bit value.
constexpr std::array<int, 8> kValueBit = {1, 3, 13, 7, 9, 11, 5, 15};

std::uint16_t encodeChar(unsigned char c) {
  std::uint16_t v = 0;
  for (int b = 0; b < 8; ++b)
    if (c & (1 << b)) v = static_cast<std::uint16_t>(v | (1u << kValueBit[b]));
  return v;
}

// Decoding tables: the character bits carried by the low and by the high
// byte of a value; a character is low[b0] | high[b1].
struct DecodeTables {
  std::array<unsigned char, 256> low{};
  std::array<unsigned char, 256> high{};
  constexpr DecodeTables() {
    for (int byte = 0; byte < 256; ++byte) {
      unsigned lo = 0;
      unsigned hi = 0;
      for (int b = 0; b < 8; ++b) {
        const int bit = kValueBit[b];
        if (bit < 8 && (byte & (1 << bit))) lo |= 1u << b;
        if (bit >= 8 && (byte & (1 << (bit - 8)))) hi |= 1u << b;
      }
      low[byte] = static_cast<unsigned char>(lo);
      high[byte] = static_cast<unsigned char>(hi);
    }
  }
};
constexpr DecodeTables kDecode;

void forEachEncodedWord(std::string_view bytes, WordVisitor visitor) {
  char word[MaxFileWord + 1];
  int n = 0;  // characters kept of the current word; the rest of a longer one is dropped
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t pairs = (bytes.size() - 1) / 2;  // after the '='; a lone last byte is ignored
  for (std::size_t k = 0; k < pairs; ++k) {
    const unsigned char c = kDecode.low[p[1 + 2 * k]] | kDecode.high[p[2 + 2 * k]];
    if (c != 0) {
      if (n < MaxFileWord) word[n++] = static_cast<char>(c);
      continue;
    }
    word[n] = 0;
    if (n > 1 && !visitor(std::string_view(word, static_cast<std::size_t>(n)))) return;
    n = 0;
  }
  // An unfinished last word is dropped: it may be the start of a longer word.
}

void forEachListWord(std::string_view bytes, WordVisitor visitor) {
  char line[MaxFileWord + 1];
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view text = bytes.substr(start, end - start);
    start = end + 1;
    text = text.substr(0, std::min<std::size_t>(text.size(), MaxFileWord));
    text = text.substr(0, text.find('\0'));
    while (!text.empty()) {
      const auto last = static_cast<unsigned char>(text.back());
      if (last < 1 || last > 31) break;
      text.remove_suffix(1);
    }
    if (text.size() <= 1) continue;
    std::memcpy(line, text.data(), text.size());
    line[text.size()] = 0;
    if (!visitor(std::string_view(line, text.size()))) return;
  }
}

}  // namespace

WordFileKind wordFileKind(std::string_view bytes, const Language& language) {
  if (bytes.empty()) return WordFileKind::Nothing;
  const auto first = static_cast<unsigned char>(bytes[0]);
  if (first == '=') return WordFileKind::Encoded;
  if (language.typing(first) != 0) return WordFileKind::WordList;
  return WordFileKind::Nothing;
}

void forEachFileWord(std::string_view bytes, const Language& language, WordVisitor visitor) {
  switch (wordFileKind(bytes, language)) {
    case WordFileKind::Encoded: forEachEncodedWord(bytes, visitor); break;
    case WordFileKind::WordList: forEachListWord(bytes, visitor); break;
    case WordFileKind::Nothing: break;
  }
}

void appendEncodedWord(std::string& out, std::string_view text, Random& random) {
  auto put = [&](unsigned char c) {
    const auto v = static_cast<std::uint16_t>(encodeChar(c) | (random.next() & 0x5555));
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
  };
  for (char c : text) {
    if (c == 0) break;
    put(static_cast<unsigned char>(c));
  }
  put(0);
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::optional<std::string> data = Files::readFile(path, MaxWordFileBytes);
  if (!data) return false;
  bytes = std::move(*data);
  return true;
}

bool readWordFile(const std::string& path, WordListEncoding encoding, std::string& bytes) {
  if (!readWholeFile(path, bytes)) return false;
  // A "="-coded file is read as it is, whatever the encoding.
  if (!bytes.starts_with('=') &&
      (encoding != WordListEncoding::Cp1252 || bytes.starts_with("\xEF\xBB\xBF")))
    bytes = decodeWordList(bytes, encoding).bytes;
  return true;
}

bool loadWordFile(WordStore& dict, const std::string& path, WordListEncoding encoding) {
  return loadWordFile(dict, path, encoding, nullptr);
}

bool loadWordFile(WordStore& dict, const std::string& path, WordListEncoding encoding,
                  const std::function<bool(std::string_view)>& keep) {
  std::string bytes;
  if (!readWordFile(path, encoding, bytes)) {
    dict.ui().messageBox(texts::loadOpenFailed, path);
    return false;
  }
  // Count first, so that each length's storage is made once, at its size.
  std::array<int, WordStore::MaxLength + 1> lengths{};
  forEachFileWord(bytes, dict.language(), [&](std::string_view word) {
    char letters[WordStore::MaxLength + 1];
    const int n = wordLetters(dict.language(), word, letters, nullptr);
    if (n <= WordStore::MaxLength && (!keep || keep(word))) ++lengths[n];
    return true;
  });
  dict.reserve(lengths);
  // In groups, so that each word's lookup overlaps the next ones'. The
  // visitor's text lives only for its call: a group keeps copies.
  constexpr std::size_t kGroup = 256;
  std::string texts;
  std::vector<std::size_t> ends;
  std::vector<std::string_view> group;
  ends.reserve(kGroup);
  group.reserve(kGroup);
  auto flush = [&] {
    std::size_t start = 0;
    for (const std::size_t end : ends) {
      group.emplace_back(texts.data() + start, end - start);
      start = end;
    }
    dict.insertWords(group);
    texts.clear();
    ends.clear();
    group.clear();
  };
  forEachFileWord(bytes, dict.language(), [&](std::string_view word) {
    if (keep && !keep(word)) return true;
    texts += word;
    ends.push_back(texts.size());
    if (ends.size() == kGroup) flush();
    return true;
  });
  flush();
  return true;
}

bool saveDictionary(const WordStore& dict, const std::string& path, Random& random) {
  std::string bytes = "=";
  dict.forEachWord(random, [&](std::string_view letters) {
    appendEncodedWord(bytes, dict.codesToText(letters), random);
    return true;
  });

  if (Files::writeFileAtomically(path, bytes)) return true;
  // A file that could be created but not filled (a full disk, a size
  // limit) is a failed write; anything else a failed open. Either way the
  // old file is as it was.
  const bool writeFailed = errno == ENOSPC || errno == EFBIG || errno == EDQUOT || errno == EIO;
  dict.ui().messageBox(writeFailed ? texts::saveWriteFailed : texts::saveOpenFailed, path);
  return false;
}

}  // namespace vorkel
