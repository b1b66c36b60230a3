#pragma once
// Internal to the word store (WordStore): the words of one length.
//
// Storage: 32-bit word cells, at least (capacity + 2) x L of them,
// zero-filled. Word
// slot s holds its L letters in cells s*L .. s*L+L-1. A cell carries the
// letter byte in bits 24-31 and, in bits 0-23, the index of the cell at the
// same position of the next older word of its chain (0 ends the chain, so
// slot 0 stays empty and the first word goes into slot 1).
//
// Chains: for every position i and letter code k the chain [i][k] of the
// words with code k at position i, newest first. Links are cell indices, so
// they stay valid when the storage is reallocated.
//
// Beside this layout the bucket keeps a hash index of its word slots. It
// answers "is this word stored, and where" without walking a chain, which
// makes loading and deleting fast; it never changes what a query finds or
// in which order.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/HugePages.h"

namespace vorkel {

using WordCell = std::uint32_t;

struct LetterChain {
  int count = 0;
  std::uint32_t head = 0;  // cell index of the newest word at this position, 0 = empty
};

// Frees a bucket's cells, which allocateLarge gave.
struct LargeCellsDeleter {
  std::size_t bytes = 0;
  void operator()(WordCell* p) const { freeLarge(p, bytes); }
};

class LengthBucket {
 public:
  static constexpr std::uint32_t LinkMask = 0x00FFFFFFu;
  static constexpr std::int64_t MaxCells = std::int64_t{1} << 24;  // 24-bit links

  // Sets the length, the planned capacity and the growth step and allocates
  // the storage. When the allocation fails the bucket starts with no slots
  // (capacity 0) and stays usable: the first insertion tries to grow it.
  void init(int length, int capacity, int growthStep);

  int length() const { return length_; }
  int count() const { return count_; }
  int capacity() const { return capacity_; }
  int growthStep() const { return growthStep_; }

  const WordCell* cells() const { return cells_.get(); }
  const LetterChain& chain(int position, int code) const { return chains_[position * 32 + code]; }

  // The slot holding `letters` (L letter bytes), 0 when the word is not stored.
  std::uint32_t find(const unsigned char* letters) const;
  // Asks the processor to fetch the index entry find() will read first, so
  // that a load can look up several words while their entries arrive.
  void prefetch(const unsigned char* letters) const {
    if (!index_.empty()) __builtin_prefetch(&index_[hashOf(letters) & (index_.size() - 1)]);
  }

  // Sizes the storage for `more` words beyond those added so far, so that a
  // long load copies it once, not at every growth step. The capacity is
  // unchanged; when the memory is not there nothing happens.
  void reserve(std::size_t more);

  enum class AddResult { Added, OutOfMemory };
  // Appends a word that is not yet stored after the highest slot ever used
  // and makes it the head of its L chains.
  AddResult add(const unsigned char* letters);

  // Unlinks the word in `slot` from its L chains. Returns the number of
  // chains in which it was not found (0 when the store is consistent); those
  // chains are left unchanged.
  int remove(std::uint32_t slot);

 private:
  using Cells = std::unique_ptr<WordCell[], LargeCellsDeleter>;
  Cells allocateCells(std::size_t slots) const;

  bool grow();
  bool reallocate(std::size_t slots);
  std::uint32_t hashOf(const unsigned char* letters) const;
  bool sameWord(std::uint32_t slot, const unsigned char* letters) const;
  bool indexInsert(std::uint32_t slot, std::uint32_t hash);
  bool rehash(std::size_t size);

  int length_ = 0;
  int count_ = 0;
  int capacity_ = 0;
  int growthStep_ = 0;
  int highestSlot_ = 0;  // highest word slot ever used; slots are not reused
  Cells cells_;
  std::size_t allocated_ = 0;  // slots the storage has room for; capacity_ or more
  std::vector<LetterChain> chains_;  // L x 32, position-major

  // Open-addressing hash index: slot numbers, 0 = free, Tombstone = deleted.
  static constexpr std::uint32_t Tombstone = 0xFFFFFFFFu;
  std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> index_;
  std::size_t indexUsed_ = 0;  // live entries and tombstones
};

}  // namespace vorkel
