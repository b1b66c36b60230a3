#pragma once
// Shared by the fuzz targets (one per file reader, each defining
// LLVMFuzzerTestOneInput). libFuzzer drives them in the fuzz build
// (scripts/fuzz.sh); in the normal builds ReplayMain.cpp feeds them the seed
// corpus and every input that ever crashed one, as a test.
//
// An input is one choice byte (the language, for readers whose reading
// depends on it) followed by the file's bytes. A target reports a broken
// promise of its reader with `expect`, which aborts so that both libFuzzer
// and the replay see a crash.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vorkel::fuzz {

struct Input {
  int choice = 0;
  std::string_view bytes;
};

inline Input split(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  return {data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

inline void expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

// A folder of this process's own for readers that take a path; made once,
// left for the system's temporary-file clean-up (libFuzzer ends with exit).
// In memory where the system offers it: every write is flushed to the disk,
// which would make the target wait for the disk a hundred times a second.
inline const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vorkel-fuzz-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string(".");
  }();
  return folder;
}

// Writes `bytes` as the file `name` in the scratch folder; its path.
inline std::string scratchFile(std::string_view name, std::string_view bytes) {
  const std::string path = scratchFolder() + "/" + std::string(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace vorkel::fuzz
