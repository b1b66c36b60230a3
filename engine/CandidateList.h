#pragma once
// The candidate words gathered for one slot.
//
// Words are stored one after the other in a fixed 30000-byte buffer, each as
// its letter bytes (0x40..0x5F) followed by NUL, all of the same length. One
// working list serves a whole fill and is refilled for every slot; each level
// of the search then copies only the bytes in use (see `copyTo`) and reads
// its candidates from that copy, so the working list is free for the next
// level.
//
// Beside the words the list keeps the slot as it stood before the search
// tried anything (`saved`), so a level can put the slot back.

#include <cstddef>
#include <vector>

#include "engine/Slot.h"

namespace vorkel {

class CandidateList {
 public:
  static constexpr std::size_t BufferSize = 30000;

  CandidateList() : buffer_(BufferSize, 0) {}

  // Empties the list for words of `length` letters (1..25).
  void reset(int length);

  int wordLength() const { return length_; }
  int count() const { return count_; }
  // How many words of the current length the buffer holds.
  int capacity() const { return capacityFor(length_); }
  static int capacityFor(int length) {
    return length <= 0 ? 0 : static_cast<int>(BufferSize / (static_cast<std::size_t>(length) + 1));
  }

  // Appends a word of `wordLength()` letter bytes. The caller keeps
  // count() < capacity().
  void append(const unsigned char* word);
  // Overwrites the stored word at `index` (0 <= index < count()).
  void replace(int index, const unsigned char* word);

  const unsigned char* word(int index) const {
    return buffer_.data() + static_cast<std::size_t>(index) * stride();
  }
  std::size_t bytesUsed() const { return static_cast<std::size_t>(count_) * stride(); }

  // Copies the words in use, plus 5 spare bytes, into `out` (which keeps
  // its capacity between calls, so a reused vector does not allocate).
  void copyTo(std::vector<unsigned char>& out) const;

  // The slot before the search changed it.
  Slot saved;

 private:
  std::size_t stride() const { return static_cast<std::size_t>(length_) + 1; }

  std::vector<unsigned char> buffer_;
  int length_ = 0;
  int count_ = 0;
};

}  // namespace vorkel
