#pragma once
// A private folder for temporary files, made under $TMPDIR (else /tmp) with
// mode 0700 and removed with everything in it when the object goes. For
// work files a command must not leave in the user's folder.
//
//   TemporaryFolder work("vorkel-join");
//   if (!work.made()) return fail("cannot make a temporary folder");
//   std::string file = work.path() + "/bygtmp.dic";

#include <string>
#include <string_view>

namespace vorkel {

class TemporaryFolder {
 public:
  explicit TemporaryFolder(std::string_view prefix);
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  bool made() const { return !path_.empty(); }
  // Absolute; empty when the folder could not be made.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace vorkel
