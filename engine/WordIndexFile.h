#pragma once
// A word index (WordIndex.h) kept in a file beside its dictionary, so that
// a run maps it instead of reading, decoding and scoring the dictionary
// again: for the stock Danish list that is most of a short run's time.
//
//   IndexKey key = IndexKey::of(dictionaryPath, scorePath, language, encoding, floor);
//   std::optional<WordIndex> words = mapWordIndexFile(indexPathFor(dictionaryPath, floor), key);
//   if (!words) { build it from the dictionary; saveWordIndexFile(...) }
//
// The file holds every length of the dictionary's words with their scores
// (the floor applied), and names what it was made from: the dictionary's
// and the score file's size and modification time, the language, the
// encoding and the floor. A file made from anything else, of another
// version, damaged or cut short is refused (its contents carry a checksum)
// and the caller builds the index as before; nothing in the file is trusted
// before it has been checked, so a crafted file cannot lead a fill out of
// its arrays either. Each length's part has its own checksum, so a run
// checks (and reads from disk) only the lengths its grid has.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/WordListEncoding.h"
#include "engine/WordIndex.h"

namespace vorkel {

class Language;

// A file's size and modification time; zero for a file that is not there.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  static FileStamp of(const std::string& path);
  bool operator==(const FileStamp&) const = default;
};

// What an index is made from.
struct IndexKey {
  FileStamp dictionary;
  FileStamp scores;
  std::uint64_t language = 0;  // the language's input table, hashed
  int encoding = 0;
  int floor = 0;
  static IndexKey of(const std::string& dictionaryPath, const std::string& scorePath,
                     const Language& language, WordListEncoding encoding, int floor);
  bool operator==(const IndexKey&) const = default;
};

// "<dictionary>.<floor>.index" beside the dictionary.
std::string indexPathFor(const std::string& dictionaryPath, int floor);

// The file's bytes for an index made from `key`.
std::string formatWordIndexFile(const WordIndex& index, const IndexKey& key);

// The file of `body` (the lengths' parts, as formatWordIndexFile lays them
// out) with the header that names it made from `key` and carries its size
// and checksum.
std::string wordIndexFileWithBody(const IndexKey& key, bool hasScores, std::string_view body);

// The index the bytes hold when they are a whole, undamaged index file
// made from `key`; nullopt otherwise. The index points into the bytes,
// which `owner` keeps alive. Only the lengths asked for (bit L for length
// L) are checked and answered; the others are left empty, as an index
// built for those lengths alone would have them.
std::optional<WordIndex> parseWordIndexFile(std::string_view bytes, const IndexKey& key,
                                            std::shared_ptr<const void> owner,
                                            std::uint32_t lengths = WordIndex::AllLengths);

// The same for the file at `path`, mapped into memory (nullopt when it is
// missing or refused).
std::optional<WordIndex> mapWordIndexFile(const std::string& path, const IndexKey& key,
                                          std::uint32_t lengths = WordIndex::AllLengths);

}  // namespace vorkel
