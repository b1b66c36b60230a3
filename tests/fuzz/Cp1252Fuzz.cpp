// Windows-1252 <-> UTF-8, through which every UTF-8 word list and picture
// is read: every byte string survives the trip through UTF-8, and UTF-8
// taken exactly comes back as it was.
#include <string>

#include "platform/Cp1252.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string back;
  fuzz::expect(utf8ToCp1252Exact(cp1252ToUtf8(bytes), back) && back == bytes,
               "Windows-1252 survives UTF-8");
  std::string cp;
  if (utf8ToCp1252Exact(bytes, cp))
    fuzz::expect(cp1252ToUtf8(cp) == bytes, "exact UTF-8 comes back as it was");
  else
    utf8ToCp1252(bytes);  // replacement or refusal, never a read past the input
  return 0;
}
