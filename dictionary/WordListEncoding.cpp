#include "dictionary/WordListEncoding.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace vorkel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool hasHighByte(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Whether a two- or three-byte UTF-8 sequence stands somewhere in the
// bytes. In Windows-1252 text such pairs ("Ã¸") are rare; in UTF-8 text
// with national letters every one of them is one.
bool hasUtf8Sequence(std::string_view bytes) {
  const auto continuation = [&](std::size_t i) {
    return i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0xC2 && b <= 0xDF && continuation(i + 1)) return true;
    if (b >= 0xE0 && b <= 0xEF && continuation(i + 1) && continuation(i + 2)) return true;
  }
  return false;
}

std::string lowerCase(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

std::optional<WordListEncoding> parseWordListEncoding(std::string_view name) {
  const std::string n = lowerCase(name);
  if (n == "auto") return WordListEncoding::Auto;
  if (n == "utf-8" || n == "utf8") return WordListEncoding::Utf8;
  if (n == "cp1252" || n == "windows-1252") return WordListEncoding::Cp1252;
  return std::nullopt;
}

DecodedWordList decodeWordList(std::string_view bytes, WordListEncoding encoding) {
  DecodedWordList d;
  if (!bytes.empty() && bytes.front() == '=') {
    d.encoded = true;
    d.bytes.assign(bytes);
    return d;
  }
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    d.byteOrderMark = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  const bool multiByteUtf8 = hasHighByte(bytes) && isValidUtf8(bytes);
  d.utf8 = encoding == WordListEncoding::Utf8 ||
           (encoding == WordListEncoding::Auto && (d.byteOrderMark || multiByteUtf8));
  if (!d.utf8) {
    d.allUtf8 = multiByteUtf8;
    d.looksLikeUtf8 = multiByteUtf8 || hasUtf8Sequence(bytes);
    d.bytes.assign(bytes);
    return d;
  }
  // Line by line, so one bad line costs that line only.
  d.bytes.reserve(bytes.size());
  std::string converted;
  long line = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    ++line;
    if (utf8ToCp1252Exact(bytes.substr(start, end - start), converted)) {
      d.bytes += converted;
      if (!last) d.bytes += '\n';
    } else {
      if (d.linesLeftOut++ == 0) d.firstLineLeftOut = line;
    }
    start = end + 1;
  }
  return d;
}

}  // namespace vorkel
