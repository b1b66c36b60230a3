#pragma once
// The bytes that window messages travel in (private to WindowMessages.cpp
// and its tests).
//
// One connection carries one request and, for a send, one reply.
//
// Request, 24 bytes of header then the name:
//   0  "VWM1"
//   4  kind: 'S' send (the sender waits for the reply), 'P' post (no reply)
//   5  0
//   6  name length, 16 bits little-endian, 1..255
//   8  wParam, 64 bits little-endian, two's complement
//   16 lParam, the same
//   24 the name: that many bytes, none of them NUL
// Reply, 16 bytes:
//   0  "VWA1"
//   4  0 answered, 1 refused, 2 busy (the handler did not run; try later)
//   5  0 0 0
//   8  the answer, 64 bits little-endian
//
// The header is checked as soon as it is in, so an oversized name is
// refused without waiting for it; bytes after a complete request make the
// request malformed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/WindowMessages.h"

namespace vorkel::wire {

inline constexpr std::size_t RequestHeaderSize = 24;
inline constexpr std::size_t MaxRequestSize = RequestHeaderSize + MaxMessageNameLength;
inline constexpr std::size_t ReplySize = 16;

// A name that a request may carry: 1..255 bytes, no NUL.
bool isValidMessageName(std::string_view name);

// The request for a valid message (see isValidMessageName).
std::string encodeRequest(const WindowMessage& message);

enum class ParseState { Incomplete, Complete, Malformed };

struct ParsedRequest {
  ParseState state = ParseState::Incomplete;
  WindowMessage message;  // filled when Complete
};

// Reads a request from the bytes received so far on a connection.
ParsedRequest parseRequest(std::string_view bytes);

std::string encodeReply(bool refused, std::int64_t answer);
// The reply of a window too busy to run its handler for the request.
std::string encodeBusyReply();

struct Reply {
  bool refused = false;
  bool busy = false;
  std::int64_t answer = 0;
};

// Nothing when the bytes are not a reply of exactly ReplySize bytes.
std::optional<Reply> parseReply(std::string_view bytes);

}  // namespace vorkel::wire
