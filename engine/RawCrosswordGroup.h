#pragma once
// Raw crosswords written in groups, for runs that make many of them: each
// one is staged without a name as it is made, and a commit makes the whole
// group durable with one sync of the data, gives every crossword its name
// and syncs the folder once. Written one at a time (saveRawCrossword) each
// file waits for the disk twice; a batch of small grids would spend as long
// in the kernel as in its fills.
//
//   RawCrosswordGroup group(folder, counter, [&](int index, const std::string& path) {
//     files.emplace_back(index, path);
//   });
//   if (!group.add(grid, index)) fail(group.failedPath());
//   group.commitIfDue();               // now and then, between fills
//   if (!group.commit()) fail(group.failedPath());       // at the end
//
// After a crash or a kill at any moment, every name in the folder holds a
// whole crossword: a crossword is named only after its data is on the disk.
// What was staged and not yet named is lost with the process and leaves
// nothing behind (unnamed files; where the file system has none, a hidden
// temporary that no listing of "x*" sees). A crossword counts as saved
// (the callback) only once its name is durable too.
//
// Several groups, in threads or processes, may write into one folder at
// once: names are taken exclusively, as saveRawCrossword takes them.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class StagedFile;
class WorkingGrid;

class RawCrosswordGroup {
 public:
  // A commit is due when this many crosswords wait, or the oldest has
  // waited this long. The count also bounds the open descriptors a group
  // holds.
  struct Limits {
    int files = 128;
    std::chrono::milliseconds age{200};
  };
  using Saved = std::function<void(int index, const std::string& path)>;

  // `counter`: the sequence number to name the next crossword from; it
  // steps as in saveRawCrossword. `saved` is told of every crossword once
  // it is durable under its name.
  RawCrosswordGroup(std::string_view folder, std::int32_t& counter, Saved saved);
  RawCrosswordGroup(std::string_view folder, std::int32_t& counter, Saved saved, Limits limits);
  ~RawCrosswordGroup();  // what was not committed is dropped, never named
  RawCrosswordGroup(const RawCrosswordGroup&) = delete;
  RawCrosswordGroup& operator=(const RawCrosswordGroup&) = delete;

  // Stages crossword `index`; its name search starts at the counter or at
  // `index`, whichever is later, so that one job or many give the same
  // names in an empty folder. Commits first when the group is full (or the
  // process is out of descriptors). False, with errno, when it could not
  // be staged or the commit failed; failedPath() names the file.
  bool add(const WorkingGrid& grid, int index);
  // Commits when a commit is due (see Limits); true when there was none.
  bool commitIfDue();
  // Makes every staged crossword durable and names it. False, with errno,
  // on the first that fails: those named before it stay saved, the rest
  // are dropped.
  bool commit();

  int staged() const { return static_cast<int>(staged_.size()); }
  const std::string& failedPath() const { return failedPath_; }

 private:
  struct Entry {
    std::unique_ptr<StagedFile> file;
    int index;
    int width;
    int height;
  };
  std::string pathFor(const Entry& entry, std::int32_t number) const;

  std::string folder_;
  std::int32_t& counter_;
  Saved saved_;
  Limits limits_;
  std::vector<Entry> staged_;
  std::chrono::steady_clock::time_point oldest_{};
  std::string failedPath_;
};

}  // namespace vorkel
