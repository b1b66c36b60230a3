#pragma once
// Files that no reader may take whole: a sparse file of a terabyte (which
// reads as a terabyte of zeros), a FIFO that nobody writes to (opening it
// for reading waits for a writer) and an endless device.

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/platform/TempFolder.h"

namespace vorkel::testing {

inline std::vector<std::string> unboundedFiles(const TempFolder& folder) {
  const std::string sparse = folder.write("huge.dic", "");
  [[maybe_unused]] const int sized = ::truncate(sparse.c_str(), off_t{1} << 40);
  const std::string fifo = folder / "fifo.dic";
  ::mkfifo(fifo.c_str(), 0600);
  return {sparse, fifo, "/dev/zero"};
}

}  // namespace vorkel::testing
