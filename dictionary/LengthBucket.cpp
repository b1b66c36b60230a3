#include "dictionary/LengthBucket.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

#include "platform/HugePages.h"

namespace vorkel {

namespace {

// The index entry keeps the top byte of the word's hash above its slot
// number (slots stay below 2^24), so most probes that miss are decided
// without touching the storage.
constexpr std::uint32_t SlotMask = 0x00FFFFFFu;

std::size_t maxSlots(int length) {
  const std::int64_t slots = LengthBucket::MaxCells / length - 2;
  return static_cast<std::size_t>(std::max<std::int64_t>(slots, 0));
}

std::size_t cellBytes(std::size_t slots, int length) {
  return (slots + 2) * static_cast<std::size_t>(length) * sizeof(WordCell);
}

}  // namespace

LengthBucket::Cells LengthBucket::allocateCells(std::size_t slots) const {
  // Zeroed, and for a large bucket on huge pages: the words then fill it.
  const std::size_t bytes = cellBytes(slots, length_);
  return Cells(static_cast<WordCell*>(allocateLarge(bytes)), LargeCellsDeleter{bytes});
}

void LengthBucket::init(int length, int capacity, int growthStep) {
  length_ = length;
  growthStep_ = growthStep;
  count_ = 0;
  highestSlot_ = 0;
  chains_.assign(static_cast<std::size_t>(length) * 32, LetterChain{});
  const std::size_t slots =
      std::min(static_cast<std::size_t>(std::max(capacity, 0)), maxSlots(length));
  cells_ = allocateCells(slots);
  capacity_ = cells_ ? static_cast<int>(slots) : 0;
  allocated_ = static_cast<std::size_t>(capacity_);
  index_.clear();
  indexUsed_ = 0;
}

bool LengthBucket::reallocate(std::size_t slots) {
  Cells fresh = allocateCells(slots);
  if (!fresh) return false;
  if (cells_) {
    const std::size_t used = (static_cast<std::size_t>(highestSlot_) + 1) * length_;
    std::memcpy(fresh.get(), cells_.get(), used * sizeof(WordCell));
  }
  cells_ = std::move(fresh);
  allocated_ = slots;
  return true;
}

void LengthBucket::reserve(std::size_t more) {
  const std::size_t slots =
      std::min(static_cast<std::size_t>(highestSlot_) + more, maxSlots(length_));
  if (slots > allocated_) reallocate(slots);
  // The index as add() would keep it, at most half full, once the words are in.
  std::size_t size = 64;
  while (size < (static_cast<std::size_t>(count_) + more + 1) * 2) size *= 2;
  if (size > index_.size()) rehash(size);
}

bool LengthBucket::grow() {
  const std::size_t wanted = static_cast<std::size_t>(capacity_) +
                             static_cast<std::size_t>(std::max(growthStep_, 1));
  const std::size_t slots = std::min(wanted, maxSlots(length_));
  if (slots <= static_cast<std::size_t>(capacity_)) return false;  // link limit reached
  // The capacity grows by its step. The storage grows only when the next
  // slot does not fit, and then by half again at least: a list of a million
  // words would otherwise be copied over thousands of times while it loads.
  const std::size_t next = static_cast<std::size_t>(highestSlot_) + 1;
  if (next > allocated_) {
    const std::size_t ahead =
        std::min(std::max(slots, allocated_ + allocated_ / 2), maxSlots(length_));
    if (!reallocate(ahead) && (ahead == slots || !reallocate(slots))) return false;
  }
  capacity_ = static_cast<int>(slots);
  return true;
}

std::uint32_t LengthBucket::hashOf(const unsigned char* letters) const {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (int i = 0; i < length_; ++i) h = (h ^ letters[i]) * 16777619u;
  return h ^ (h >> 15);
}

bool LengthBucket::sameWord(std::uint32_t slot, const unsigned char* letters) const {
  const WordCell* word = cells_.get() + static_cast<std::size_t>(slot) * length_;
  for (int i = 0; i < length_; ++i)
    if ((word[i] >> 24) != letters[i]) return false;
  return true;
}

std::uint32_t LengthBucket::find(const unsigned char* letters) const {
  if (index_.empty()) return 0;
  const std::uint32_t h = hashOf(letters);
  const std::uint32_t tag = h & ~SlotMask;
  const std::size_t mask = index_.size() - 1;
  for (std::size_t pos = h & mask;; pos = (pos + 1) & mask) {
    const std::uint32_t e = index_[pos];
    if (e == 0) return 0;
    if (e != Tombstone && (e & ~SlotMask) == tag && sameWord(e & SlotMask, letters))
      return e & SlotMask;
  }
}

bool LengthBucket::indexInsert(std::uint32_t slot, std::uint32_t hash) {
  const std::size_t mask = index_.size() - 1;
  for (std::size_t pos = hash & mask;; pos = (pos + 1) & mask) {
    if (index_[pos] == 0) {
      index_[pos] = (hash & ~SlotMask) | slot;
      ++indexUsed_;
      return true;
    }
  }
}

bool LengthBucket::rehash(std::size_t size) {
  decltype(index_) fresh;
  try {
    fresh.assign(size, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  fresh.swap(index_);
  indexUsed_ = 0;
  unsigned char letters[32];
  for (std::uint32_t e : fresh) {
    if (e == 0 || e == Tombstone) continue;
    const std::uint32_t slot = e & SlotMask;
    const WordCell* word = cells_.get() + static_cast<std::size_t>(slot) * length_;
    for (int i = 0; i < length_; ++i) letters[i] = static_cast<unsigned char>(word[i] >> 24);
    indexInsert(slot, hashOf(letters));
  }
  return true;
}

LengthBucket::AddResult LengthBucket::add(const unsigned char* letters) {
  // Keep the index at most half full (tombstones included) so probes stay short.
  if ((indexUsed_ + 1) * 2 > index_.size()) {
    std::size_t size = 64;
    while (size < (static_cast<std::size_t>(count_) + 1) * 4) size *= 2;
    if (!rehash(size)) return AddResult::OutOfMemory;
  }
  if (highestSlot_ + 1 > capacity_ && !grow()) return AddResult::OutOfMemory;
  // A capacity raised while the storage had room ahead may pass it.
  if (static_cast<std::size_t>(highestSlot_) + 1 > allocated_ &&
      !reallocate(std::min(allocated_ + allocated_ / 2 + 1, maxSlots(length_))))
    return AddResult::OutOfMemory;

  const std::uint32_t slot = static_cast<std::uint32_t>(++highestSlot_);
  const std::uint32_t first = slot * static_cast<std::uint32_t>(length_);
  WordCell* word = cells_.get() + first;
  for (int i = 0; i < length_; ++i) {
    LetterChain& chain = chains_[i * 32 + (letters[i] & 0x1F)];
    word[i] = (static_cast<WordCell>(letters[i]) << 24) | chain.head;  // head is 0 when empty
    chain.head = first + static_cast<std::uint32_t>(i);
    ++chain.count;
  }
  ++count_;
  indexInsert(slot, hashOf(letters));
  return AddResult::Added;
}

int LengthBucket::remove(std::uint32_t slot) {
  assert(slot >= 1 && static_cast<int>(slot) <= highestSlot_);
  WordCell* cells = cells_.get();
  const std::uint32_t first = slot * static_cast<std::uint32_t>(length_);
  int missing = 0;
  for (int i = 0; i < length_; ++i) {
    const std::uint32_t at = first + static_cast<std::uint32_t>(i);
    LetterChain& chain = chains_[i * 32 + ((cells[at] >> 24) & 0x1F)];
    bool unlinked = false;
    if (chain.head == at) {
      chain.head = cells[at] & LinkMask;
      unlinked = true;
    } else {
      for (std::uint32_t prev = chain.head; prev != 0; prev = cells[prev] & LinkMask) {
        if ((cells[prev] & LinkMask) == at) {
          cells[prev] = (cells[prev] & ~LinkMask) | (cells[at] & LinkMask);
          unlinked = true;
          break;
        }
      }
    }
    if (unlinked) --chain.count;
    else ++missing;
  }
  --count_;

  // Drop the slot from the index; a tombstone keeps later probes going.
  unsigned char letters[32];
  for (int i = 0; i < length_; ++i)
    letters[i] = static_cast<unsigned char>(cells[first + static_cast<std::uint32_t>(i)] >> 24);
  const std::uint32_t h = hashOf(letters);
  const std::size_t mask = index_.size() - 1;
  for (std::size_t pos = h & mask; index_[pos] != 0; pos = (pos + 1) & mask) {
    if (index_[pos] != Tombstone && (index_[pos] & SlotMask) == slot) {
      index_[pos] = Tombstone;
      break;
    }
  }
  return missing;
}

}  // namespace vorkel
