#pragma once
// Windows-1252 <-> UTF-8. Files are Windows-1252 bytes; the user interface
// and the terminal speak UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

// Every Windows-1252 byte to UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, as Windows' own conversion does, so nothing is lost.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. Characters without a Windows-1252 byte become
// `replacement`; nullopt when the input is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8, char replacement = '?');

// As above, but tells whether every character had a byte: false when a
// character was replaced or the input was not valid UTF-8.
bool utf8ToCp1252Exact(std::string_view utf8, std::string& out);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

}  // namespace vorkel
