#include "platform/Files.h"

#include "platform/HugePages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "platform/Cp1252Case.h"
#include "platform/StagedFile.h"

namespace vorkel {

namespace fs = std::filesystem;

namespace {

// One character of a file name, folded for comparison without regard to
// case. A valid two-byte UTF-8 sequence counts as one character (so "?"
// matches "ø"); other bytes count one each. Upper-case ASCII and Latin-1
// letters fold to lower case; a stray Windows-1252 byte folds as the code
// page says.
std::vector<std::uint32_t> foldedCharacters(std::string_view s) {
  std::vector<std::uint32_t> out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    std::uint32_t cp = b;
    std::size_t len = 1;
    if (b >= 0xC2 && b <= 0xDF && i + 1 < s.size() &&
        (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
      cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
      len = 2;
    } else if (b >= 0xE0 && b <= 0xF4) {
      // Longer sequences: keep their bytes together, without case folding.
      std::size_t need = b >= 0xF0 ? 4 : 3;
      std::size_t k = 1;
      while (k < need && i + k < s.size() &&
             (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80)
        ++k;
      if (k == need) {
        cp = 0x110000u;  // outside Unicode: cannot collide with a real letter
        for (std::size_t j = 0; j < need; ++j)
          cp = cp * 31u + static_cast<unsigned char>(s[i + j]);
        cp |= 0x80000000u;
        len = need;
      }
    }
    // A single byte folds as Windows-1252; a decoded character only in the
    // range where Latin-1 and Windows-1252 agree (not the C1 controls).
    if (len == 1 || cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
      cp = foldCp1252(static_cast<unsigned char>(cp));
    out.push_back(cp);
    i += len;
  }
  return out;
}

// Classic wildcard matching with one backtrack point for the last "*".
bool matchFolded(const std::vector<std::uint32_t>& p, const std::vector<std::uint32_t>& n) {
  std::size_t pi = 0, ni = 0;
  std::size_t starP = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

bool pathExists(const std::string& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0;
}

std::uint32_t attributesOf(const std::string& name, const struct stat& st) {
  std::uint32_t a = 0;
  if (S_ISDIR(st.st_mode)) a |= FileAttribute::Directory;
  else a |= FileAttribute::Archive;
  if ((st.st_mode & S_IWUSR) == 0) a |= FileAttribute::ReadOnly;
  if (name.size() > 1 && name[0] == '.' && name != "..") a |= FileAttribute::Hidden;
  return a;
}

std::string joinSlash(const std::string& base, std::string_view name) {
  if (base.empty()) return std::string(name);
  if (base.back() == '/') return base + std::string(name);
  return base + "/" + std::string(name);
}

struct Closer {
  int fd;
  ~Closer() { ::close(fd); }
};

// The file a write of `path` replaces or creates: found without regard to
// case, through a symbolic link to what it points to. nullopt (errno set)
// for what must not be replaced: a folder, a FIFO or device, a read-only
// file or one the process may not write. `st` describes an existing target.
// The kernel's rule for links in shared folders (fs.protected_symlinks),
// kept also where it is switched off: a link in a sticky folder that anyone
// may write to (/tmp) is followed only when the one who follows it or the
// folder's owner made it. Otherwise another user could plant a link there
// and have a file of ours written wherever it points.
bool mayFollowLink(const std::string& link, const struct stat& linkStat) {
  struct stat folder {};
  const std::string parent = fs::path(link).parent_path().string();
  if (::stat(parent.empty() ? "." : parent.c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folder.st_uid;
}

std::optional<std::string> replaceableTarget(std::string_view path, struct stat& st,
                                             bool& exists) {
  std::string target = Files::findCaseInsensitive(path);
  exists = false;
  if (target.empty()) {
    errno = ENOENT;
    return std::nullopt;
  }
  // Follow links one by one (a dangling one too: its target is what the
  // user names), as the kernel would, up to its limit of 40.
  for (int hops = 0; ::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
    if (!mayFollowLink(target, st)) {
      errno = EACCES;
      return std::nullopt;
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(target, ec);
    if (ec || hops == 40) {
      errno = ec ? ec.value() : ELOOP;
      return std::nullopt;
    }
    target = (next.is_absolute() ? next : fs::path(target).parent_path() / next)
                 .lexically_normal()
                 .string();
  }
  if (::stat(target.c_str(), &st) != 0) return target;
  exists = true;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return std::nullopt;
  }
  // Read-only is a promise to the user, which a rename would keep only in
  // letter. Root passes access(); the owner's write bit still counts.
  if ((st.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0) {
    errno = EACCES;
    return std::nullopt;
  }
  return target;
}

}  // namespace

bool Files::isAbsolutePath(std::string_view path) {
  if (path.empty()) return false;
  if (isSeparator(path[0])) return true;
  auto c = static_cast<unsigned char>(path[0]);
  bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return letter && path.size() >= 2 && path[1] == ':';
}

std::string Files::toSlashes(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string Files::joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty() || isAbsolutePath(name)) return std::string(name);
  std::string out(folder);
  if (!isSeparator(out.back())) out += '/';
  std::size_t skip = 0;
  while (skip < name.size() && isSeparator(name[skip])) ++skip;
  out += name.substr(skip);
  return out;
}

std::string_view Files::fileName(std::string_view path) {
  std::size_t pos = path.find_last_of("/\\");
  if (pos == std::string_view::npos) {
    // "C:name" has the name after the drive.
    if (path.size() >= 2 && path[1] == ':') return path.substr(2);
    return path;
  }
  return path.substr(pos + 1);
}

std::string Files::parentFolder(std::string_view path) {
  std::size_t pos = path.find_last_of("/\\");
  if (pos == std::string_view::npos) return {};
  if (pos == 0) return std::string(path.substr(0, 1));
  if (pos == 2 && path[1] == ':') return std::string(path.substr(0, 3));
  return std::string(path.substr(0, pos));
}

PathParts Files::splitPath(std::string_view path) {
  PathParts parts;
  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    parts.drive = std::string(rest.substr(0, 2));
    rest.remove_prefix(2);
  }
  std::size_t slash = rest.find_last_of("/\\");
  if (slash != std::string_view::npos) {
    parts.dir = std::string(rest.substr(0, slash + 1));
    rest.remove_prefix(slash + 1);
  }
  std::size_t dot = rest.find_last_of('.');
  if (dot != std::string_view::npos) {
    parts.ext = std::string(rest.substr(dot));
    rest = rest.substr(0, dot);
  }
  parts.name = std::string(rest);
  return parts;
}

std::string Files::withTrailingSeparator(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || !isSeparator(out.back())) out += '/';
  return out;
}

bool Files::wildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*" || pattern == "*.*") return true;
  auto n = foldedCharacters(name);
  if (matchFolded(foldedCharacters(pattern), n)) return true;
  // "x.*" also finds "x": a name without an extension has an empty one.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos)
    return matchFolded(foldedCharacters(pattern.substr(0, pattern.size() - 2)), n);
  return false;
}

bool Files::sameNameIgnoringCase(std::string_view a, std::string_view b) {
  return foldedCharacters(a) == foldedCharacters(b);
}

bool Files::exists(std::string_view path) { return pathExists(findCaseInsensitive(path)); }

bool Files::isFile(std::string_view path) {
  struct stat st {};
  return ::stat(findCaseInsensitive(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Files::isFolder(std::string_view path) {
  struct stat st {};
  return ::stat(findCaseInsensitive(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Files::canRead(std::string_view path, int* error) {
  if (::access(findCaseInsensitive(path).c_str(), R_OK) == 0) return true;
  if (error) *error = errno;
  return false;
}

bool Files::canWriteInto(std::string_view folder) {
  return ::access(findCaseInsensitive(folder).c_str(), W_OK | X_OK) == 0;
}

std::optional<std::uint64_t> Files::fileSize(std::string_view path) {
  struct stat st {};
  if (::stat(findCaseInsensitive(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::string Files::findCaseInsensitive(std::string_view path) {
  std::string given = toSlashes(path);
  if (given.empty() || pathExists(given)) return given;

  std::string base;
  std::size_t i = 0;
  if (given[0] == '/') {
    base = "/";
    i = 1;
  }
  while (i <= given.size()) {
    std::size_t end = given.find('/', i);
    if (end == std::string::npos) end = given.size();
    std::string_view comp = std::string_view(given).substr(i, end - i);
    i = end + 1;
    if (comp.empty() || comp == ".") continue;
    std::string exact = joinSlash(base, comp);
    if (comp == ".." || pathExists(exact)) {
      base = std::move(exact);
      continue;
    }
    // Look the component up in its folder; the first match in name order
    // wins so that the answer does not depend on directory order.
    std::error_code ec;
    fs::directory_iterator it(base.empty() ? fs::path(".") : fs::path(base), ec);
    std::string best;
    bool found = false;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      std::string name = it->path().filename().string();
      if (sameNameIgnoringCase(name, comp) && (!found || name < best)) {
        best = std::move(name);
        found = true;
      }
    }
    if (!found) {
      // This level is missing: the rest is kept as given.
      return joinSlash(base, std::string_view(given).substr(end - comp.size()));
    }
    base = joinSlash(base, best);
  }
  return base.empty() ? given : base;
}

namespace {

// "folder/pattern" as the folder found on disk (".": the current one) and
// the pattern of names ("*" when none is given).
struct Listing {
  std::string folder;
  std::string pattern;
};

Listing splitListing(std::string_view folderAndPattern) {
  const std::string request = Files::toSlashes(folderAndPattern);
  Listing l{Files::parentFolder(request), std::string(Files::fileName(request))};
  if (l.pattern.empty()) l.pattern = "*";
  if (l.folder.empty()) l.folder = ".";
  l.folder = Files::findCaseInsensitive(l.folder);
  return l;
}

}  // namespace

bool Files::listDirectory(std::string_view folderAndPattern, std::vector<DirEntry>& out) {
  out.clear();
  const auto [folder, pattern] = splitListing(folderAndPattern);

  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return false;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name == "." || name == ".." || !wildcardMatch(pattern, name)) continue;
    struct stat st {};
    if (::stat(it->path().c_str(), &st) != 0) continue;  // a dangling link
    DirEntry e;
    e.name = std::move(name);
    e.isFolder = S_ISDIR(st.st_mode);
    e.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
    e.attributes = attributesOf(e.name, st);
    out.push_back(std::move(e));
  }
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return true;
}

int Files::countFiles(std::string_view folderAndPattern) {
  const auto [folder, pattern] = splitListing(folderAndPattern);

  // The same entries as listDirectory counts, without a stat of each: the
  // folder's listing tells most entries' type, and only a link is followed.
  // A run counts its output folder after every group of crosswords, and a
  // stat per file made that cost grow with the folder.
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return 0;
  int count = 0;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == "." || name == ".." || !wildcardMatch(pattern, name)) continue;
    std::error_code typeError;
    const fs::file_status own = it->symlink_status(typeError);
    if (typeError) continue;
    if (fs::is_symlink(own)) {
      struct stat st {};
      if (::stat(it->path().c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;  // dangling, or a folder
    } else if (fs::is_directory(own)) {
      continue;
    }
    ++count;
  }
  return count;
}

std::optional<std::uint32_t> Files::getAttributes(std::string_view path) {
  std::string p = findCaseInsensitive(path);
  struct stat st {};
  if (p.empty() || ::stat(p.c_str(), &st) != 0) return std::nullopt;
  return attributesOf(std::string(fileName(p)), st);
}

bool Files::setAttributes(std::string_view path, std::uint32_t attributes) {
  std::string p = findCaseInsensitive(path);
  struct stat st {};
  if (p.empty() || ::stat(p.c_str(), &st) != 0) return false;
  mode_t mode = st.st_mode & 07777;
  if (attributes & FileAttribute::ReadOnly) mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
  else mode |= S_IWUSR;
  return ::chmod(p.c_str(), mode) == 0;
}

bool Files::copyFile(std::string_view source, std::string_view destination, bool failIfExists) {
  const std::string from = findCaseInsensitive(source);
  const int in = from.empty() ? -1 : ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (in < 0) return false;
  const Closer closer{in};
  struct stat src {};
  if (::fstat(in, &src) != 0 || !S_ISREG(src.st_mode)) return false;
  struct stat dst {};
  bool exists = false;
  const std::optional<std::string> to = replaceableTarget(destination, dst, exists);
  if (!to || (exists && failIfExists)) return false;
  if (exists && dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) return true;  // onto itself
  StagedFile staged(parentFolder(*to), "." + std::string(fileName(*to)) + ".");
  if (!staged.open((src.st_mode & 0111) ? 0777 : 0666)) return false;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    if (!staged.append(std::string_view(buf, static_cast<std::size_t>(n)))) return false;
  }
  if (!staged.finish(exists ? &dst : nullptr)) return false;
  return failIfExists ? staged.publishNew(*to) == 0 : staged.replace(*to);
}

bool Files::removeFile(std::string_view path) {
  std::string p = findCaseInsensitive(path);
  return !p.empty() && ::unlink(p.c_str()) == 0;
}

bool Files::createFolders(std::string_view path) {
  std::string p = toSlashes(path);
  if (p.empty()) return false;
  // Reuse existing levels whatever their case, create the rest as given.
  std::string existing = findCaseInsensitive(p);
  std::error_code ec;
  fs::create_directories(existing, ec);
  return fs::is_directory(existing, ec);
}

double Files::freeSpace(std::string_view path) {
  std::string p = findCaseInsensitive(path);
  if (p.empty()) p = ".";
  // A folder that is still to be created: ask the nearest existing parent.
  for (int guard = 0; guard < 4096 && !pathExists(p); ++guard) {
    std::string parent = parentFolder(p);
    p = parent.empty() ? "." : parent;
  }
  struct statvfs sv {};
  if (::statvfs(p.c_str(), &sv) != 0) return -1.0;
  return static_cast<double>(sv.f_bavail) * static_cast<double>(sv.f_frsize);
}

std::string Files::currentDirectory() {
  std::error_code ec;
  fs::path p = fs::current_path(ec);
  return ec ? std::string() : p.string();
}

bool Files::changeDirectory(std::string_view path) {
  if (path.empty()) return false;
  std::string p = findCaseInsensitive(path);
  return ::chdir(p.c_str()) == 0;
}

std::string Files::absolutePath(std::string_view path) {
  std::string p = toSlashes(path);
  if (p.size() >= 2 && p[1] == ':') return p;  // a drive letter: nothing to resolve here
  fs::path result = (!p.empty() && p[0] == '/') ? fs::path(p) : fs::path(currentDirectory()) / p;
  std::string out = result.lexically_normal().string();
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string Files::resolvedPath(std::string_view path) {
  char* resolved = ::realpath(std::string(path).c_str(), nullptr);
  if (resolved == nullptr) return {};
  std::string out(resolved);
  std::free(resolved);
  return out;
}

namespace {

// Reads a regular file, found without regard to case: all of it, refused
// when it holds more than `maxBytes` (`cut` false), or only its first
// `maxBytes` bytes (`cut` true).
std::optional<std::string> readRegular(std::string_view path, std::uint64_t maxBytes, bool cut,
                                       ReadFailure* why) {
  ReadFailure ignored;
  ReadFailure& failure = why ? *why : ignored;
  failure = ReadFailure::None;
  const std::string p = Files::findCaseInsensitive(path);
  // Non-blocking, so that opening a FIFO without a writer does not wait;
  // only regular files are read, and those never block.
  const int fd = p.empty() ? -1 : ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    failure = (p.empty() || errno == ENOENT || errno == ENOTDIR) ? ReadFailure::NotFound
                                                                  : ReadFailure::Unreadable;
    return std::nullopt;
  }
  const Closer closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    failure = ReadFailure::Unreadable;
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    failure = ReadFailure::NotAFile;
    return std::nullopt;
  }
  if (!cut && static_cast<std::uint64_t>(st.st_size) > maxBytes) {
    failure = ReadFailure::TooLarge;
    return std::nullopt;
  }
  try {
    std::string data;
    data.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(st.st_size, maxBytes)));
    adviseHugePages(data.data(), data.capacity());
    // The file may grow while it is read (or be a file of the kernel's that
    // reports no size): the cap holds for what is read, not for what stat said.
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        failure = ReadFailure::Unreadable;
        return std::nullopt;
      }
      if (n == 0) break;
      if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
        if (cut) {
          data.append(buf, static_cast<std::size_t>(maxBytes - data.size()));
          break;
        }
        failure = ReadFailure::TooLarge;
        return std::nullopt;
      }
      data.append(buf, static_cast<std::size_t>(n));
    }
    return data;
  } catch (const std::bad_alloc&) {
    failure = ReadFailure::TooLarge;  // below the cap, but more than the memory left
    return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> Files::readFile(std::string_view path, std::uint64_t maxBytes,
                                           ReadFailure* why) {
  return readRegular(path, maxBytes, false, why);
}

std::optional<std::string> Files::readFileStart(std::string_view path, std::size_t bytes,
                                                ReadFailure* why) {
  return readRegular(path, bytes, true, why);
}

const char* Files::describe(ReadFailure why) {
  switch (why) {
    case ReadFailure::None: return "read";
    case ReadFailure::NotFound: return "no such file";
    case ReadFailure::NotAFile: return "not a regular file";
    case ReadFailure::TooLarge: return "too large";
    case ReadFailure::Unreadable: return "cannot be read";
  }
  return "cannot be read";
}

bool Files::writeFileAtomically(std::string_view path, std::string_view bytes) {
  struct stat st {};
  bool exists = false;
  const std::optional<std::string> target = replaceableTarget(path, st, exists);
  if (!target) return false;
  StagedFile staged(parentFolder(*target), "." + std::string(fileName(*target)) + ".");
  return staged.open() && staged.append(bytes) && staged.finish(exists ? &st : nullptr) &&
         staged.replace(*target);
}

bool Files::writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string Files::pathBelow(std::string_view path, std::string_view folder) {
  const std::filesystem::path relative =
      std::filesystem::path(path).lexically_relative(std::filesystem::path(folder));
  if (relative.empty() || *relative.begin() == "..") return {};
  return relative.generic_string();
}

std::string Files::withExtension(std::string_view path, std::string_view extension) {
  return std::filesystem::path(path).replace_extension(extension).string();
}

std::vector<std::string> Files::filesBelow(std::string_view folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    if (!it->is_directory(ec)) files.push_back(it->path().string());
  return files;
}

}  // namespace vorkel
