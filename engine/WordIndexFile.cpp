#include "engine/WordIndexFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <cstring>

#include "dictionary/Language.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr char kMagic[8] = {'V', 'K', 'W', 'I', 'D', 'X', '\0', '\1'};
constexpr std::uint32_t kEndian = 0x01020304;
constexpr std::uint32_t kVersion = 2;
constexpr int kMaxWords = 1 << 26;

struct FileHeader {
  char magic[8];
  std::uint32_t endian;
  std::uint32_t version;
  std::uint64_t dictionarySize;
  std::int64_t dictionaryNs;
  std::uint64_t scoreSize;
  std::int64_t scoreNs;
  std::uint64_t language;
  std::int32_t encoding;
  std::int32_t floor;
  std::uint32_t hasScores;
  std::uint32_t reserved;
  std::uint64_t bodyBytes;
  // Each length's part carries its own checksum, so that a run checks only
  // the lengths it fills (the Norwegian list's 72 MB would take longer to
  // check than the whole fill).
  std::uint64_t partHash[WordIndex::MaxLength + 1];
};
static_assert(sizeof(FileHeader) % 8 == 0);

struct BucketHead {
  std::int32_t count;
  std::int32_t blocks;
  std::uint64_t setBlocks;
  std::uint64_t listCount;
};

FileHeader headerFor(const IndexKey& key, bool hasScores) {
  FileHeader h{};
  std::memcpy(h.magic, kMagic, sizeof kMagic);
  h.endian = kEndian;
  h.version = kVersion;
  h.dictionarySize = key.dictionary.size;
  h.dictionaryNs = key.dictionary.modifiedNs;
  h.scoreSize = key.scores.size;
  h.scoreNs = key.scores.modifiedNs;
  h.language = key.language;
  h.encoding = key.encoding;
  h.floor = key.floor;
  h.hasScores = hasScores ? 1 : 0;
  return h;
}

class Writer {
 public:
  void put(const void* data, std::size_t n) { out_.append(static_cast<const char*>(data), n); }
  void align() { out_.append((8 - out_.size() % 8) % 8, '\0'); }
  std::string& bytes() { return out_; }

 private:
  std::string out_;
};

// Hands out the body's parts in order; null once anything would reach past
// the end.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  const void* take(std::size_t n) {
    if (n > bytes_.size() - at_) return nullptr;
    const void* p = bytes_.data() + at_;
    at_ += n;
    return p;
  }
  bool align() { return take((8 - at_ % 8) % 8) != nullptr; }
  bool atEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

template <typename T>
const T* takeArray(Reader& in, std::uint64_t count) {
  if (count > (std::uint64_t{1} << 40) / sizeof(T)) return nullptr;
  return static_cast<const T*>(in.take(static_cast<std::size_t>(count) * sizeof(T)));
}

// The size of the length's part that starts at `at`, from its head alone;
// 0 when the head or the part would reach past the end.
std::size_t partSize(std::string_view body, std::size_t at, int length, bool hasScores) {
  BucketHead head{};
  if (body.size() - at < sizeof head) return 0;
  std::memcpy(&head, body.data() + at, sizeof head);
  if (head.count < 0 || head.count > kMaxWords || head.setBlocks > (std::uint64_t{1} << 37) ||
      head.listCount > (std::uint64_t{1} << 38))
    return 0;
  const auto len = static_cast<std::uint64_t>(length);
  const auto count = static_cast<std::uint64_t>(head.count);
  const auto up = [](std::uint64_t n) { return (n + 7) / 8 * 8; };
  std::uint64_t size = up(sizeof head + len * 32 * 8 + len * 64 * 4 + len * 4);
  size += up(count * len);
  size += up(head.setBlocks * sizeof(WordIndex::Block) + head.listCount * 4);
  if (hasScores) size += up(count);
  return size <= body.size() - at ? static_cast<std::size_t>(size) : 0;
}

// Reads one length's part and checks everything a fill relies on: the words
// in strictly ascending order with codes 0..31, every set and list inside
// its arrays, the lists ascending and inside the word blocks, scores 0..100.
bool readBucket(Reader& in, int length, bool hasScores, WordIndex::Bucket& b) {
  const auto len = static_cast<std::size_t>(length);
  BucketHead head{};
  const void* raw = in.take(sizeof head);
  if (raw == nullptr) return false;
  std::memcpy(&head, raw, sizeof head);
  if (head.count < 0 || head.count > kMaxWords || head.blocks != (head.count + 63) / 64) return false;
  const auto* offsets = takeArray<std::uint64_t>(in, len * 32);
  const auto* ranges = takeArray<std::uint32_t>(in, len * 64);
  const auto* present = takeArray<std::uint32_t>(in, len);
  if (offsets == nullptr || ranges == nullptr || present == nullptr || !in.align()) return false;
  const auto count = static_cast<std::size_t>(head.count);
  const auto* letters = takeArray<std::uint8_t>(in, count * len);
  if (letters == nullptr || !in.align()) return false;
  const auto* sets = takeArray<WordIndex::Block>(in, head.setBlocks);
  const auto* lists = takeArray<std::uint32_t>(in, head.listCount);
  if (sets == nullptr || lists == nullptr || !in.align()) return false;
  const std::uint8_t* scores = nullptr;
  if (hasScores) {
    scores = takeArray<std::uint8_t>(in, count);
    if (scores == nullptr || !in.align()) return false;
    for (std::size_t w = 0; w < count; ++w)
      if (scores[w] > WordIndex::MaxScore) return false;
  }
  for (std::size_t i = 0; i < count * len; ++i)
    if (letters[i] > 31) return false;
  for (std::size_t w = 1; w < count; ++w)
    if (std::memcmp(letters + (w - 1) * len, letters + w * len, len) >= 0) return false;
  const auto blocks = static_cast<std::uint64_t>(head.blocks);
  for (std::size_t k = 0; k < len * 32; ++k) {
    if (count > 0 && (offsets[k] > head.setBlocks || head.setBlocks - offsets[k] < blocks))
      return false;
    const std::uint32_t first = ranges[2 * k];
    const std::uint32_t last = ranges[2 * k + 1];
    if (first == WordIndex::kNoList && last == WordIndex::kNoList) continue;
    if (first > last || last > head.listCount) return false;
    for (std::uint32_t j = first; j < last; ++j)
      if (lists[j] >= blocks || (j > first && lists[j] <= lists[j - 1])) return false;
  }
  b.count = head.count;
  b.blocks = head.blocks;
  b.letters = count > 0 ? letters : nullptr;
  b.sets = head.setBlocks > 0 ? sets : nullptr;
  b.setBlocks = static_cast<std::size_t>(head.setBlocks);
  b.lists = head.listCount > 0 ? lists : nullptr;
  b.listCount = static_cast<std::size_t>(head.listCount);
  b.scores = hasScores ? scores : nullptr;
  for (std::size_t k = 0; k < len * 32; ++k) {
    b.setOffset[k] = static_cast<std::size_t>(offsets[k]);
    b.listRange[k] = {ranges[2 * k], ranges[2 * k + 1]};
  }
  for (std::size_t i = 0; i < len; ++i) b.present[i] = present[i];
  return true;
}

// Maps the pages of a mapped file's part at once rather than one fault at a
// time as they are first read (each costs microseconds); a no-op for
// memory that is there already.
void prefault(std::string_view part) {
#ifdef MADV_POPULATE_READ
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(part.data()) / page * page;
  const auto end = reinterpret_cast<std::uintptr_t>(part.data()) + part.size();
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_READ);
#else
  (void)part;
#endif
}

struct Mapping {
  void* address = MAP_FAILED;
  std::size_t size = 0;
  ~Mapping() {
    if (address != MAP_FAILED) ::munmap(address, size);
  }
};

}  // namespace

FileStamp FileStamp::of(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return {};
  return {static_cast<std::uint64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

IndexKey IndexKey::of(const std::string& dictionaryPath, const std::string& scorePath,
                      const Language& language, WordListEncoding encoding, int floor) {
  IndexKey key;
  key.dictionary = FileStamp::of(dictionaryPath);
  key.scores = FileStamp::of(scorePath);
  key.language = XXH3_64bits(language.inputTable().data(), language.inputTable().size());
  key.encoding = static_cast<int>(encoding);
  key.floor = floor;
  return key;
}

std::string indexPathFor(const std::string& dictionaryPath, int floor) {
  return dictionaryPath + "." + std::to_string(floor) + ".index";
}

std::string formatWordIndexFile(const WordIndex& index, const IndexKey& key) {
  Writer body;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength; ++length) {
    const WordIndex::Bucket& b = index.bucket(length);
    const auto len = static_cast<std::size_t>(length);
    const BucketHead head{b.count, b.blocks, b.setBlocks, b.listCount};
    body.put(&head, sizeof head);
    for (std::size_t k = 0; k < len * 32; ++k) {
      const auto offset = static_cast<std::uint64_t>(b.setOffset[k]);
      body.put(&offset, sizeof offset);
    }
    for (std::size_t k = 0; k < len * 32; ++k) body.put(&b.listRange[k], 2 * sizeof(std::uint32_t));
    body.put(b.present.data(), len * sizeof(std::uint32_t));
    body.align();
    body.put(b.letters, static_cast<std::size_t>(b.count) * len);
    body.align();
    body.put(b.sets, b.setBlocks * sizeof(WordIndex::Block));
    body.put(b.lists, b.listCount * sizeof(std::uint32_t));
    body.align();
    if (index.hasScores()) {
      body.put(b.scores, static_cast<std::size_t>(b.count));
      body.align();
    }
  }
  return wordIndexFileWithBody(key, index.hasScores(), body.bytes());
}

std::string wordIndexFileWithBody(const IndexKey& key, bool hasScores, std::string_view body) {
  FileHeader header = headerFor(key, hasScores);
  header.bodyBytes = body.size();
  std::size_t at = 0;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength && at < body.size(); ++length) {
    // A body that does not part rightly has its rest under the length
    // where the parts stop; a reader refuses it either way.
    std::size_t size = partSize(body, at, length, hasScores);
    if (size == 0) size = body.size() - at;
    header.partHash[length] = XXH3_64bits(body.data() + at, size);
    at += size;
  }
  std::string out(reinterpret_cast<const char*>(&header), sizeof header);
  out += body;
  return out;
}

std::optional<WordIndex> parseWordIndexFile(std::string_view bytes, const IndexKey& key,
                                            std::shared_ptr<const void> owner, std::uint32_t lengths) {
  // The arrays are used in place: they must be aligned as they were written.
  if (bytes.size() < sizeof(FileHeader) || reinterpret_cast<std::uintptr_t>(bytes.data()) % 8 != 0)
    return std::nullopt;
  FileHeader header{};
  std::memcpy(&header, bytes.data(), sizeof header);
  FileHeader expected = headerFor(key, header.hasScores == 1);
  expected.bodyBytes = header.bodyBytes;
  std::memcpy(expected.partHash, header.partHash, sizeof header.partHash);
  if (std::memcmp(&header, &expected, sizeof header) != 0 ||
      header.bodyBytes != bytes.size() - sizeof header)
    return std::nullopt;
  const std::string_view body = bytes.substr(sizeof header);
  const bool hasScores = header.hasScores == 1;
  auto buckets = std::make_shared<WordIndex::Buckets>();
  std::size_t at = 0;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength; ++length) {
    const std::size_t size = partSize(body, at, length, hasScores);
    if (size == 0) return std::nullopt;
    const std::string_view part = body.substr(at, size);
    at += size;
    if ((lengths >> length & 1) == 0) continue;
    prefault(part);
    if (XXH3_64bits(part.data(), part.size()) != header.partHash[length]) return std::nullopt;
    Reader in(part);
    if (!readBucket(in, length, hasScores, (*buckets)[static_cast<std::size_t>(length)]) || !in.atEnd())
      return std::nullopt;
  }
  if (at != body.size()) return std::nullopt;
  return WordIndex::fromBuckets(std::move(buckets), hasScores, std::move(owner));
}

std::optional<WordIndex> mapWordIndexFile(const std::string& path, const IndexKey& key,
                                          std::uint32_t lengths) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  auto mapping = std::make_shared<Mapping>();
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= static_cast<off_t>(sizeof(FileHeader))) {
    mapping->size = static_cast<std::size_t>(st.st_size);
    // Populated whole only when every length is wanted; otherwise the
    // lengths not asked for stay untouched but for their heads.
    const int populate = lengths == WordIndex::AllLengths ? MAP_POPULATE : 0;
    mapping->address = ::mmap(nullptr, mapping->size, PROT_READ, MAP_PRIVATE | populate, fd, 0);
  }
  ::close(fd);
  if (mapping->address == MAP_FAILED) return std::nullopt;
  const std::string_view bytes(static_cast<const char*>(mapping->address), mapping->size);
  return parseWordIndexFile(bytes, key, mapping, lengths);
}

}  // namespace vorkel
