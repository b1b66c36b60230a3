#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vorkel {

namespace fs = std::filesystem;

namespace {

// One character of a file name, folded for comparison without regard to
// case. A valid two-byte UTF-8 sequence counts as one character (so "?"
// matches "ø"); other bytes count one each. Upper-case ASCII and Latin-1
// letters fold to lower case; a stray Windows-1252 byte folds the same way.
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
    if (cp >= 'A' && cp <= 'Z') cp += 32;
    else if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) cp += 32;
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

bool Files::listDirectory(std::string_view folderAndPattern, std::vector<DirEntry>& out) {
  out.clear();
  std::string request = toSlashes(folderAndPattern);
  std::string folder = parentFolder(request);
  std::string pattern(fileName(request));
  if (pattern.empty()) pattern = "*";
  if (folder.empty()) folder = ".";
  folder = findCaseInsensitive(folder);

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
  std::vector<DirEntry> entries;
  if (!listDirectory(folderAndPattern, entries)) return 0;
  return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                        [](const DirEntry& e) { return !e.isFolder; }));
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
  std::string from = findCaseInsensitive(source);
  std::string to = findCaseInsensitive(destination);
  if (!isFile(from) || to.empty()) return false;
  std::error_code ec;
  if (pathExists(to)) {
    if (failIfExists) return false;
    if (fs::equivalent(from, to, ec)) return !ec;  // copying a file onto itself
  }
  auto options = failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
  return fs::copy_file(from, to, options, ec) && !ec;
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

std::optional<std::string> Files::readFile(std::string_view path, std::uint64_t maxBytes) {
  std::string p = findCaseInsensitive(path);
  if (p.empty() || isFolder(p)) return std::nullopt;
  std::FILE* f = std::fopen(p.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string data;
  char buf[65536];
  bool ok = true;
  for (;;) {
    std::size_t n = std::fread(buf, 1, sizeof buf, f);
    if (n == 0) {
      ok = !std::ferror(f);
      break;
    }
    if (data.size() + n > maxBytes) {
      ok = false;
      break;
    }
    data.append(buf, n);
  }
  std::fclose(f);
  if (!ok) return std::nullopt;
  return data;
}

bool Files::writeFileAtomically(std::string_view path, std::string_view bytes) {
  std::string target = findCaseInsensitive(path);
  if (target.empty()) return false;
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    fs::path real = fs::weakly_canonical(target, ec);
    if (!ec) target = real.string();
  }
  struct stat old {};
  bool hadFile = ::stat(target.c_str(), &old) == 0;
  if (hadFile && S_ISDIR(old.st_mode)) return false;


  std::string folder = parentFolder(target);
  std::string temp = joinSlash(folder, "." + std::string(fileName(target)) + ".tmpXXXXXX");
  int fd = ::mkstemp(temp.data());
  if (fd >= 0) {
    ::fchmod(fd, hadFile ? (old.st_mode & 07777) : 0644);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    if (!ok) return false;
  }
  // The folder does not take new files (or the rename failed): write in place.
  fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  return ::close(fd) == 0 && ok;
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

}  // namespace vorkel
