#pragma once
// File services: the file system as the crossword programs expect to see it.
//
// The data files and the installer name paths the way the original platform
// wrote them: "\" or "/" as separators, "X:\..." and "\\server\..." as
// absolute paths, names compared without regard to case, DOS wildcards
// ("x10_???.010", "*.0??"). These helpers read all of that and build paths
// with "/".
//
//   Files::listDirectory("out/x10_???.010", entries);   // wildcard listing
//   std::string p = Files::findCaseInsensitive("Data/model1.skb");
//   Files::copyFile(src, dst, /*failIfExists=*/false);
//
// Paths are byte strings handed to the operating system unchanged except for
// the separators; nothing here converts between code pages. Every function
// reports failure through its return value and never throws.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

// File attributes with the bit values the system's callers use.
namespace FileAttribute {
inline constexpr std::uint32_t ReadOnly = 0x01;
inline constexpr std::uint32_t Hidden = 0x02;
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
}  // namespace FileAttribute

// Why a whole-file read gave nothing.
enum class ReadFailure { None, NotFound, NotAFile, TooLarge, Unreadable };

// The cap for files without a kind of their own (a picture to import, a
// list chosen by the user): far above any text a person writes, far below
// what fills the memory.
inline constexpr std::uint64_t kMaxGenericFileBytes = 64u << 20;

struct DirEntry {
  std::string name;  // the name inside its folder, no path
  bool isFolder = false;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;
};

// The parts of a path as the C library's splitpath gives them:
// "C:\Q4\MODELLER\A.ktd" -> drive "C:", dir "\Q4\MODELLER\", name "A", ext ".ktd".
// "\\server\share\x.vej" -> no drive, dir "\\server\share\", name "x", ext ".vej".
struct PathParts {
  std::string drive;
  std::string dir;
  std::string name;
  std::string ext;
};

class Files {
 public:
  // --- paths (pure text, no file system access) ---

  static bool isSeparator(char c) { return c == '/' || c == '\\'; }

  // "/x", "\x", "X:..." and "\\server\..." count as absolute.
  static bool isAbsolutePath(std::string_view path);

  // Every "\" becomes "/".
  static std::string toSlashes(std::string_view path);

  // folder + "/" + name, without doubling a separator that is already there.
  // An empty folder gives the name alone; an absolute name is returned as is.
  static std::string joinPath(std::string_view folder, std::string_view name);

  // The last component ("a/b\c.txt" -> "c.txt"); empty when the path ends in
  // a separator.
  static std::string_view fileName(std::string_view path);

  // Everything before the last component, without its trailing separator
  // ("a/b/c" -> "a/b", "c" -> "", "/c" -> "/").
  static std::string parentFolder(std::string_view path);

  static PathParts splitPath(std::string_view path);

  // Ensures one trailing "/" or "\" (an existing one of either kind stays).
  static std::string withTrailingSeparator(std::string_view folder);

  // --- names and wildcards ---

  // DOS wildcard match without regard to case: "*" any run of characters,
  // "?" exactly one character; "*.*" matches every name, and a pattern
  // ending in ".*" also matches the name without any extension ("x.*" -> "x").
  static bool wildcardMatch(std::string_view pattern, std::string_view name);

  // Equality without regard to case for ASCII letters and the Latin-1
  // letters of UTF-8 file names (Æ/æ, Ø/ø, Å/å, ...).
  static bool sameNameIgnoringCase(std::string_view a, std::string_view b);

  // --- the file system ---

  static bool exists(std::string_view path);
  static bool isFile(std::string_view path);
  static bool isFolder(std::string_view path);
  // Whether this user may open the path for reading, looked up as readFile
  // looks it up; the reason (an errno value) into `error` when not.
  static bool canRead(std::string_view path, int* error = nullptr);
  // Whether this user may create and remove files in the folder.
  static bool canWriteInto(std::string_view folder);
  // The size of a file; nullopt when it cannot be asked.
  static std::optional<std::uint64_t> fileSize(std::string_view path);

  // The path as it exists on disk. When the exact path does not exist, each
  // missing component is looked up without regard to case in its folder
  // ("data/model1.skb" finds "Data/Model1.skb"). From the first level that
  // does not exist in any case on, the rest is kept as given, so a new file
  // lands in the existing folder and a failed open names the user's file.
  // Separators come back as "/".
  static std::string findCaseInsensitive(std::string_view path);

  // Lists the entries of a folder that match a wildcard: the argument is a
  // folder and a pattern ("out\*.*", "x10_???.010" for the current folder).
  // "." and ".." are never listed; entries come sorted by name. False (and
  // nothing listed) when the folder cannot be read; an empty or non-matching
  // folder is true with no entries.
  static bool listDirectory(std::string_view folderAndPattern, std::vector<DirEntry>& out);

  // Every file in the folder and the folders below it, as paths that begin
  // with `folder`; links to folders are listed, not entered.
  static std::vector<std::string> filesBelow(std::string_view folder);

  // Number of ordinary files (not folders) that match; 0 when unreadable.
  static int countFiles(std::string_view folderAndPattern);

  // Attributes of a file or folder; nullopt when it does not exist.
  // Read-only: the owner may not write. Hidden: the name begins with ".".
  // Archive is set for every ordinary file (there is no archive bit here).
  static std::optional<std::uint32_t> getAttributes(std::string_view path);

  // Applies the read-only bit (the only attribute with a meaning here) by
  // removing or restoring the write permissions. False when the path does
  // not exist or cannot be changed.
  static bool setAttributes(std::string_view path, std::uint32_t attributes);

  // Copies a regular file. With failIfExists an existing destination is
  // left alone and the copy fails; otherwise it is overwritten. The copy is
  // staged beside the destination and appears whole or not at all, with the
  // permissions the umask gives (executable when the source is).
  static bool copyFile(std::string_view source, std::string_view destination, bool failIfExists);

  static bool removeFile(std::string_view path);

  // Creates the folder and every missing parent; true when it exists after.
  static bool createFolders(std::string_view path);

  // Free bytes for an unprivileged user on the file system that holds the
  // path; -1 when it cannot be asked.
  static double freeSpace(std::string_view path);

  // The current directory (absolute, "/" separators); empty on failure.
  static std::string currentDirectory();
  // False when the folder cannot be entered; the current directory stays.
  static bool changeDirectory(std::string_view path);

  // The path made absolute against the current directory ("." and ".."
  // resolved lexically); absolute paths only get "/" separators.
  static std::string absolutePath(std::string_view path);
  // The path with every link and "." or ".." resolved (realpath); empty when
  // it does not exist or cannot be resolved.
  static std::string resolvedPath(std::string_view path);
  // `path` relative to `folder` ("/" separators) when it lies in the folder
  // or below it; empty otherwise. Both are taken as written.
  static std::string pathBelow(std::string_view path, std::string_view folder);
  // The path with its extension (".skb") replaced, or added when it has none.
  static std::string withExtension(std::string_view path, std::string_view extension);

  // --- whole files: every reader and writer of the system goes through these ---

  // Reads a whole file as bytes; nullopt (with the reason in `why`) when it
  // is missing, is not a regular file (a folder, a FIFO, a device such as
  // /dev/zero: never read, never waited for), holds more than `maxBytes`
  // (refused before anything is read, so a huge sparse file costs nothing),
  // or cannot be read. The name is found without regard to case. Each
  // reader passes the cap of its kind of file (see README "File sizes").
  static std::optional<std::string> readFile(std::string_view path,
                                             std::uint64_t maxBytes = kMaxGenericFileBytes,
                                             ReadFailure* why = nullptr);

  // Writes bytes to a file so that it holds either its old content or the
  // whole new one, whatever happens on the way (a full disk, a kill, a
  // crash): a temporary file in the same folder, flushed to the disk and
  // renamed over the target. The name is found without regard to case.
  //   - A new file gets the permissions the umask gives; a replaced file
  //     keeps its permissions (and owner and group where possible).
  //   - A read-only file (the owner may not write) or one the process may
  //     not write is not replaced: false with EACCES.
  //   - A symbolic link stays: the file it points to is replaced (in that
  //     file's folder), as editors do; a dangling link's target is created.
  //   - Folders, FIFOs and devices are never replaced (EISDIR, EINVAL).
  // False, with errno telling why, when nothing was written; no temporary
  // file is left behind.
  static bool writeFileAtomically(std::string_view path, std::string_view bytes);

  // The first `bytes` bytes of a file (all of a shorter one), found and
  // checked as readFile does but with no cap on the file's size: enough to
  // tell what kind of file a large one is.
  static std::optional<std::string> readFileStart(std::string_view path, std::size_t bytes,
                                                  ReadFailure* why = nullptr);

  // A few English words for a failed read, for messages on the terminal:
  // "no such file", "not a regular file", "too large", "cannot be read".
  static const char* describe(ReadFailure why);

  // Writes all of `bytes` to an open descriptor, going on after short writes
  // and interrupted calls; false on the first real error.
  static bool writeAll(int fd, std::string_view bytes);
};

}  // namespace vorkel
