#include "engine/CandidateList.h"

#include <cassert>
#include <cstring>

namespace vorkel {

void CandidateList::reset(int length) {
  assert(length >= 1 && capacityFor(length) > 0);
  length_ = length;
  count_ = 0;
}

void CandidateList::append(const unsigned char* word) {
  assert(count_ < capacity());
  unsigned char* at = buffer_.data() + bytesUsed();
  std::memcpy(at, word, static_cast<std::size_t>(length_));
  at[length_] = 0;
  ++count_;
}

void CandidateList::replace(int index, const unsigned char* word) {
  assert(index >= 0 && index < count_);
  std::memcpy(buffer_.data() + static_cast<std::size_t>(index) * stride(), word,
              static_cast<std::size_t>(length_));
}

void CandidateList::copyTo(std::vector<unsigned char>& out) const {
  const std::size_t used = bytesUsed();
  out.resize(used + 5);
  std::memcpy(out.data(), buffer_.data(), used);
  std::memset(out.data() + used, 0, 5);
}

}  // namespace vorkel
