#pragma once
// A file written under a hidden temporary name in its destination folder and
// then made to appear under its real name in one step, so that nobody ever
// sees half of it: not a reader, not the next run after a crash, a full disk
// or a kill.
//
//   StagedFile staged(folder, ".model.ktd.");
//   if (!staged.open() || !staged.append(bytes) || !staged.finish(nullptr)) return false;
//   return staged.replace(folder + "/model.ktd");        // or publishNew(...)
//
// A new file gets the permissions the process's umask gives (0666, or 0777
// for executables, less the umask): the temporary file is created with
// them, so the umask is applied by the system and never read or changed
// here. A file that replaces another takes over the old one's permissions
// (and its owner and group where the process may set them).
//
// Every function answers false (or an error number) with errno telling why;
// a staged file that was not published is removed when the object goes.
//
// Files written in groups (many small files in one folder) need not each
// wait for the disk: stage them unnamed and finish them with Flush::Later,
// make all their data durable with one flushData, publish each with
// Flush::Later, then make the names durable with one flushNames. A name
// that exists after a crash then always holds its whole content.

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <string_view>

namespace vorkel {

class StagedFile {
 public:
  // Now: each step waits for the disk before it answers. Later: the caller
  // makes a group durable at once (flushData, flushNames).
  enum class Flush { Now, Later };

  // `folder` is where the file will live ("" is the current folder);
  // `prefix` starts the temporary name (it should start with "." so that
  // listings of the folder's real files pass it over).
  StagedFile(std::string_view folder, std::string_view prefix);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Creates the temporary file, with `mode` less the umask.
  bool open(mode_t mode = 0666);
  // Creates the file without a name where the folder's file system allows
  // it (O_TMPFILE), so that a kill leaves nothing behind; elsewhere as open.
  // The file keeps a descriptor until it is published; only publishNew can
  // give it a name.
  bool openUnnamed(mode_t mode = 0666);
  // Writes all of `bytes` after what was written before.
  bool append(std::string_view bytes);
  // Flushes the content to the disk and closes the file. With `like`, the
  // file takes that file's permission bits, and its owner and group where
  // the process may give them.
  bool finish(const struct stat* like, Flush flush = Flush::Now);

  // Renames the finished file over `target` (which may exist), then flushes
  // the folder so the new name survives a crash.
  bool replace(const std::string& target);
  // Gives the finished file the name `target` only if no file has it:
  // 0 when published, EEXIST when the name is taken, another error number
  // when the folder refused. Safe between processes writing into one folder.
  int publishNew(const std::string& target, Flush flush = Flush::Now);

  // Makes the data of every file written in `folder`'s file system durable
  // (one syncfs); false with errno when the disk reported an error.
  static bool flushData(const std::string& folder);
  // Makes the names created or renamed in `folder` durable. Some file
  // systems refuse to sync a folder; the names are then as safe as they
  // make them.
  static void flushNames(const std::string& folder);

  const std::string& temporaryPath() const { return temp_; }

 private:
  void discard();

  std::string folder_;
  std::string prefix_;
  std::string temp_;  // empty when there is no named temporary file
  int fd_ = -1;
  bool unnamed_ = false;  // fd_ is an O_TMPFILE file, open until published
  bool finished_ = false;
};

}  // namespace vorkel
