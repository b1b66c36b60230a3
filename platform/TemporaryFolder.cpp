#include "platform/TemporaryFolder.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

namespace vorkel {

TemporaryFolder::TemporaryFolder(std::string_view prefix) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + std::string(prefix) +
                        "-XXXXXX";
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace vorkel
