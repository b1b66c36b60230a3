#include "engine/RawCrossword.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "engine/Simpelarr.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// Errors that say the file system has no hard links, as opposed to a name
// that is taken or a folder we may not write.
bool noHardLinks(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EXDEV ||
         error == EMLINK;
}

// Makes `temp` appear as `target` unless `target` exists. EEXIST when it
// does. A hard link does both at once: the name is taken exclusively and
// carries the whole content from the first moment. Where the file system
// has no hard links, the name is reserved with O_EXCL and the content
// renamed over the (empty) reservation.
int publish(const std::string& temp, const std::string& target) {
  if (::link(temp.c_str(), target.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  int error = errno;
  if (!noHardLinks(error)) return error;
  int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  ::close(fd);
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    ::unlink(target.c_str());
    return error;
  }
  return 0;
}

}  // namespace

std::string rawCrosswordName(int width, std::int32_t number, int height) {
  char name[64];
  std::snprintf(name, sizeof name, "x%d_%3.3d.%3.3d", width, static_cast<int>(number), height);
  return name;
}

std::string formatRawCrossword(const Simpelarr& grid) {
  char header[32];
  std::snprintf(header, sizeof header, "%d\t%d\r\n", grid.width(), grid.height());
  std::string out = header;
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) {
      char c = grid.get(x, y);
      // A cell the fill left without a letter has nothing to show but its
      // blank; a NUL would end the line for the reader.
      out += c == '\0' ? ' ' : c;
    }
    out += "\r\n";
  }
  return out;
}

RawCrosswordResult saveRawCrossword(const Simpelarr& grid, std::string_view folder,
                                    std::int32_t& counter) {
  const std::string dir = folder.empty() ? std::string(".") : Files::toSlashes(folder);
  auto pathFor = [&](std::int32_t number) {
    return Files::joinPath(dir, rawCrosswordName(grid.width(), number, grid.height()));
  };
  RawCrosswordResult result;
  result.path = pathFor(counter);

  std::string temp = Files::joinPath(dir, ".rawcrossword-XXXXXX");
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return result;
  ::fchmod(fd, 0644);
  bool written = Files::writeAll(fd, formatRawCrossword(grid));
  if (::close(fd) != 0) written = false;
  if (!written) {
    ::unlink(temp.c_str());
    return result;
  }

  while (counter < INT32_MAX) {
    std::string target = pathFor(counter);
    int error = publish(temp, target);
    if (error == EEXIST) {
      ++counter;
      continue;
    }
    if (error != 0) {
      result.path = target;
      break;
    }
    ++counter;
    result.saved = true;
    result.path = target;
    return result;
  }
  ::unlink(temp.c_str());
  return result;
}

}  // namespace vorkel
