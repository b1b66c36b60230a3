// Search-parameter files (.par): a file read as complete writes out and
// reads back with the same seven values.
#include "engine/ParameterFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ParameterFileContents read = parseParameterFile(bytes);
  if (read.status != ParameterFileContents::Status::Ok) return 0;
  const ParameterFileContents back = parseParameterFile(formatParameterFile(read.values));
  fuzz::expect(back.status == ParameterFileContents::Status::Ok, "a written file is complete");
  for (int i = 0; i < SearchParameters::Count; ++i)
    fuzz::expect(back.values.at(i) == read.values.at(i), "written values read back the same");
  return 0;
}
