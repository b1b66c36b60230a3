#pragma once
// A named block of shared memory that two programs on the same machine map
// at once: the generator writes a raw-crossword file name into it and the
// drawing program reads it while it handles the message that says so.
//
//   auto block = SharedBlock::createOrOpen("FraVorkelMappingId", 2000);
//   if (block && block->writeText(path)) { ... send the message ... }
//
// The block is POSIX shared memory. It belongs to one session, like a named
// object of one Windows session: the programs that find each other's windows
// (the same window folder, platform/WindowMessages.h) share it, and the
// programs of another user or another window folder never see it. Its system
// name is "/" + name + "." + a hash of that folder and of its session key
// (systemName()), which no other user can read, so that no other user can
// make a block of that name first; a block owned by another user is never
// opened.
//
// The block lives as long as any process holds it: every holder keeps a
// shared lock on it, and the holder that lets go last removes the name. So
// a generator that ends before another one that opened its block does not
// take the block away from the other.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vorkel {

class SharedBlock {
 public:
  static constexpr std::size_t DefaultSize = 2000;

  // Creates the block, or opens it when a block of that name exists (an
  // existing block smaller than `size` is refused). Nullptr on failure.
  static std::unique_ptr<SharedBlock> createOrOpen(std::string_view name,
                                                   std::size_t size = DefaultSize);
  // Opens an existing block only; nullptr when there is none.
  static std::unique_ptr<SharedBlock> openExisting(std::string_view name,
                                                   std::size_t size = DefaultSize);

  // The name the system knows the block by in this session.
  static std::string systemName(std::string_view name);

  ~SharedBlock();
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  std::size_t size() const { return size_; }
  bool created() const { return created_; }

  // Writes the text with its terminating NUL. A text that does not fit
  // (size - 1 characters at most) is refused and the block is left as it
  // was: a cut file name would name another file.
  bool writeText(std::string_view text);

  // The text up to the first NUL (or the whole block when it has none).
  std::string readText() const;

 private:
  SharedBlock(std::string shmName, int fd, void* memory, std::size_t size, bool created);
  // Opens and holds the block of that system name; `gone` tells a name that
  // vanished (worth looking up again) from a block that cannot be used.
  static std::unique_ptr<SharedBlock> openName(const std::string& shm, std::size_t size,
                                               bool& gone);

  std::string shmName_;
  int fd_;  // open while the block is held: it carries the holder's lock
  void* memory_;
  std::size_t size_;
  bool created_;
};

}  // namespace vorkel
