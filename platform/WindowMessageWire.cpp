#include "platform/WindowMessageWire.h"

#include <algorithm>

namespace vorkel::wire {

namespace {

constexpr std::string_view RequestMagic = "VWM1";
constexpr std::string_view ReplyMagic = "VWA1";

void putLittleEndian(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t getLittleEndian(std::string_view in, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value |= std::uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
  return value;
}

}  // namespace

bool isValidMessageName(std::string_view name) {
  return !name.empty() && name.size() <= MaxMessageNameLength &&
         name.find('\0') == std::string_view::npos;
}

std::string encodeRequest(const WindowMessage& message) {
  std::string out(RequestMagic);
  out += message.posted ? 'P' : 'S';
  out += '\0';
  putLittleEndian(out, message.name.size(), 2);
  putLittleEndian(out, static_cast<std::uint64_t>(message.wParam), 8);
  putLittleEndian(out, static_cast<std::uint64_t>(message.lParam), 8);
  out += message.name;
  return out;
}

ParsedRequest parseRequest(std::string_view bytes) {
  ParsedRequest result;
  // Check what has arrived of the magic and kind before the rest, so a peer
  // that speaks something else is refused at its first bytes.
  const std::size_t magicSeen = std::min(bytes.size(), RequestMagic.size());
  if (bytes.substr(0, magicSeen) != RequestMagic.substr(0, magicSeen)) {
    result.state = ParseState::Malformed;
    return result;
  }
  if (bytes.size() < RequestHeaderSize) return result;

  const char kind = bytes[4];
  const std::size_t nameLength = getLittleEndian(bytes, 6, 2);
  if ((kind != 'S' && kind != 'P') || bytes[5] != '\0' || nameLength == 0 ||
      nameLength > MaxMessageNameLength) {
    result.state = ParseState::Malformed;
    return result;
  }
  const std::size_t total = RequestHeaderSize + nameLength;
  if (bytes.size() < total) return result;
  const std::string_view name = bytes.substr(RequestHeaderSize, nameLength);
  if (bytes.size() > total || !isValidMessageName(name)) {
    result.state = ParseState::Malformed;
    return result;
  }
  result.state = ParseState::Complete;
  result.message.name = std::string(name);
  result.message.wParam = static_cast<std::int64_t>(getLittleEndian(bytes, 8, 8));
  result.message.lParam = static_cast<std::int64_t>(getLittleEndian(bytes, 16, 8));
  result.message.posted = kind == 'P';
  return result;
}

std::string encodeReply(bool refused, std::int64_t answer) {
  std::string out(ReplyMagic);
  out += refused ? '\1' : '\0';
  out += std::string(3, '\0');
  putLittleEndian(out, static_cast<std::uint64_t>(answer), 8);
  return out;
}

std::string encodeBusyReply() {
  std::string out = encodeReply(false, 0);
  out[4] = '\2';
  return out;
}

std::optional<Reply> parseReply(std::string_view bytes) {
  if (bytes.size() != ReplySize || bytes.substr(0, 4) != ReplyMagic ||
      static_cast<unsigned char>(bytes[4]) > 2 || bytes.substr(5, 3) != std::string_view("\0\0\0", 3))
    return std::nullopt;
  return Reply{bytes[4] == '\1', bytes[4] == '\2',
               static_cast<std::int64_t>(getLittleEndian(bytes, 8, 8))};
}

}  // namespace vorkel::wire
