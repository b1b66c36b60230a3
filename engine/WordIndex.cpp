#include "engine/WordIndex.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

#include "dictionary/Texts.h"
#include "dictionary/WordScores.h"
#include "dictionary/WordFile.h"
#include "platform/Cp1252.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// Sorts `count` words of `length` codes into the order of their codes (a
// least-significant-digit radix sort: one stable counting pass per
// position, from the last to the first).
std::vector<std::uint8_t> sortWords(const std::vector<std::uint8_t>& letters, int length,
                                    int count) {
  std::vector<std::uint32_t> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0u);
  std::vector<std::uint32_t> next(order.size());
  const auto len = static_cast<std::size_t>(length);
  for (int position = length - 1; position >= 0; --position) {
    std::array<std::uint32_t, 33> start{};
    for (const std::uint32_t w : order) ++start[letters[w * len + static_cast<std::size_t>(position)] + 1u];
    for (std::size_t c = 1; c < start.size(); ++c) start[c] += start[c - 1];
    for (const std::uint32_t w : order)
      next[start[letters[w * len + static_cast<std::size_t>(position)]]++] = w;
    order.swap(next);
  }
  std::vector<std::uint8_t> sorted(letters.size());
  for (std::size_t k = 0; k < order.size(); ++k)
    std::memcpy(sorted.data() + k * len, letters.data() + order[k] * len, len);
  return sorted;
}

}  // namespace

// The arrays of an index built in memory.
struct WordIndex::Storage {
  struct Arrays {
    std::vector<std::uint8_t> letters;
    std::vector<Block> sets;
    std::vector<std::uint32_t> lists;
    std::vector<std::uint8_t> scores;
  };
  std::array<Arrays, MaxLength + 1> lengths;
};

WordIndex WordIndex::fromBuckets(std::shared_ptr<Buckets> buckets, bool hasScores,
                                 std::shared_ptr<const void> storage) {
  WordIndex index(std::move(buckets));
  index.hasScores_ = hasScores;
  index.storage_ = std::move(storage);
  return index;
}

WordIndex WordIndex::fromWordFile(std::string_view bytes, const Language& language, Ui& ui,
                                  std::uint32_t lengths, const WordScores* scores,
                                  int minScore) {
  std::array<std::vector<std::uint8_t>, MaxLength + 1> words;
  int skipped = 0;
  forEachFileWord(bytes, language, [&](std::string_view text) {
    char letters[MaxLength + 1];
    std::string_view foreign;
    const int length = wordLetters(language, text, letters, &foreign);
    if (length == 0 && !foreign.empty()) {
      ui.messageBox(cp1252ToUtf8(foreign), texts::foreignCharacter);
      ++skipped;
    } else if (length >= MinLength && length <= MaxLength && (lengths >> length & 1u)) {
      std::uint8_t codes[MaxLength];
      for (int i = 0; i < length; ++i) codes[i] = static_cast<std::uint8_t>(letters[i] & 31);
      if (minScore > 0 && (scores == nullptr || scores->score(codes, length) < minScore)) return true;
      words[static_cast<std::size_t>(length)].insert(words[static_cast<std::size_t>(length)].end(), codes,
                                                     codes + length);
    }
    return true;
  });
  WordIndex index;
  index.skippedWords_ = skipped;
  auto storage = std::make_shared<Storage>();
  for (int length = MinLength; length <= MaxLength; ++length)
    if (!words[static_cast<std::size_t>(length)].empty())
      index.buildBucket(length, words[static_cast<std::size_t>(length)], *storage);
  if (scores != nullptr) {
    index.hasScores_ = true;
    for (int length = MinLength; length <= MaxLength; ++length) {
      Bucket& b = (*index.buckets_)[static_cast<std::size_t>(length)];
      std::vector<std::uint8_t>& own = storage->lengths[static_cast<std::size_t>(length)].scores;
      own.resize(static_cast<std::size_t>(b.count));
      for (int w = 0; w < b.count; ++w)
        own[static_cast<std::size_t>(w)] =
            static_cast<std::uint8_t>(std::max(0, scores->score(index.letters(length, w), length)));
      b.scores = own.data();
    }
  }
  index.storage_ = std::move(storage);
  return index;
}

std::optional<WordIndex> WordIndex::loadWordFile(const std::string& path, const Language& language,
                                                 Ui& ui, std::uint32_t lengths,
                                                 WordListEncoding encoding,
                                                 const WordScores* scores, int minScore) {
  std::string bytes;
  if (!readWordFile(path, encoding, bytes)) {
    ui.messageBox(texts::loadOpenFailed, path);
    return std::nullopt;
  }
  return fromWordFile(bytes, language, ui, lengths, scores, minScore);
}

void WordIndex::buildBucket(int length, const std::vector<std::uint8_t>& words,
                            Storage& storage) {
  Bucket& b = (*buckets_)[length];
  Storage::Arrays& own = storage.lengths[static_cast<std::size_t>(length)];
  const auto len = static_cast<std::size_t>(length);
  std::vector<std::uint8_t>& letters = own.letters;
  letters = sortWords(words, length, static_cast<int>(words.size() / len));
  // A word the file holds twice is stored once.
  std::size_t kept = 0;
  for (std::size_t w = 0; w * len < letters.size(); ++w) {
    if (kept > 0 && std::memcmp(letters.data() + (kept - 1) * len, letters.data() + w * len, len) == 0)
      continue;
    if (kept != w) std::memcpy(letters.data() + kept * len, letters.data() + w * len, len);
    ++kept;
  }
  letters.resize(kept * len);
  b.letters = letters.data();
  b.count = static_cast<int>(kept);
  b.blocks = (b.count + BlockBits - 1) / BlockBits;

  // Only the (position, letter) pairs that occur get a set; the others
  // share the zero set at the end.
  b.present.fill(0);
  for (std::size_t w = 0; w < static_cast<std::size_t>(b.count); ++w)
    for (std::size_t i = 0; i < len; ++i) b.present[i] |= LetterSet{1} << letters[w * len + i];
  const auto blocks = static_cast<std::size_t>(b.blocks);
  std::size_t sets = 0;
  for (std::size_t i = 0; i < len; ++i)
    for (int c = 0; c < 32; ++c)
      if (b.present[i] >> c & 1u) b.setOffset[i * 32 + static_cast<std::size_t>(c)] = blocks * sets++;
  const std::size_t zero = blocks * sets;
  for (std::size_t i = 0; i < len; ++i)
    for (int c = 0; c < 32; ++c)
      if (!(b.present[i] >> c & 1u)) b.setOffset[i * 32 + static_cast<std::size_t>(c)] = zero;
  std::vector<Block>& setBlocks = own.sets;
  setBlocks.assign(blocks * (sets + 1), 0);
  b.sets = setBlocks.data();
  b.setBlocks = setBlocks.size();

  // 64 words at a time: the block of each (position, letter) is gathered in
  // a register-sized word before it is stored once.
  for (std::size_t block = 0; block < blocks; ++block) {
    const std::size_t first = block * BlockBits;
    const std::size_t last = std::min(first + BlockBits, static_cast<std::size_t>(b.count));
    for (std::size_t i = 0; i < len; ++i) {
      Block bits[32] = {};
      for (std::size_t w = first; w < last; ++w) bits[letters[w * len + i]] |= Block{1} << (w - first);
      for (int c = 0; c < 32; ++c)
        if (bits[c] != 0) setBlocks[b.setOffset[i * 32 + static_cast<std::size_t>(c)] + block] = bits[c];
    }
  }

  std::vector<std::uint32_t>& lists = own.lists;
  lists.clear();
  for (std::size_t k = 0; k < len * 32; ++k) {
    const Block* set = setBlocks.data() + b.setOffset[k];
    const auto nonZero = static_cast<std::size_t>(std::count_if(set, set + blocks, [](Block x) { return x != 0; }));
    if (nonZero * 10 > blocks) {
      b.listRange[k] = {kNoList, kNoList};
      continue;
    }
    const auto first = static_cast<std::uint32_t>(lists.size());
    for (std::size_t block = 0; block < blocks; ++block)
      if (set[block] != 0) lists.push_back(static_cast<std::uint32_t>(block));
    b.listRange[k] = {first, static_cast<std::uint32_t>(lists.size())};
  }
  b.lists = lists.data();
  b.listCount = lists.size();
}

int WordIndex::find(int length, const std::uint8_t* codes) const {
  if (!inRange(length)) return -1;
  const Bucket& b = (*buckets_)[length];
  const auto len = static_cast<std::size_t>(length);
  int lo = 0, hi = b.count;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    const int cmp = std::memcmp(b.letters + static_cast<std::size_t>(mid) * len, codes, len);
    if (cmp == 0) return mid;
    if (cmp < 0) lo = mid + 1;
    else hi = mid;
  }
  return -1;
}

std::size_t WordIndex::memoryBytes() const {
  std::size_t bytes = sizeof(*this) + sizeof(Buckets);
  for (const Bucket& b : *buckets_)
    bytes += static_cast<std::size_t>(b.count) * (static_cast<std::size_t>(&b - buckets_->data()) +
                                                   (b.scores ? 1u : 0u)) +
             b.setBlocks * sizeof(Block) + b.listCount * sizeof(std::uint32_t);
  return bytes;
}

}  // namespace vorkel
