#pragma once
// A named block of shared memory that two programs on the same machine map
// at once: the generator writes a raw-crossword file name into it and the
// drawing program reads it while it handles the message that says so.
//
//   auto block = SharedBlock::createOrOpen("FraVorkelMappingId", 2000);
//   if (block && block->writeText(path)) { ... send the message ... }
//
// The block is POSIX shared memory named "/" + name. The process that
// created it removes the name when its object goes away (processes that
// still have it mapped keep their view); one that opened an existing block
// leaves it.

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
  SharedBlock(std::string shmName, void* memory, std::size_t size, bool created);

  std::string shmName_;
  void* memory_;
  std::size_t size_;
  bool created_;
};

}  // namespace vorkel
