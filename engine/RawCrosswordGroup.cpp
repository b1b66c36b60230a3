#include "engine/RawCrosswordGroup.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include "engine/RawCrossword.h"
#include "engine/WorkingGrid.h"
#include "platform/Files.h"
#include "platform/StagedFile.h"

namespace vorkel {

RawCrosswordGroup::RawCrosswordGroup(std::string_view folder, std::int32_t& counter, Saved saved)
    : RawCrosswordGroup(folder, counter, std::move(saved), Limits{}) {}

RawCrosswordGroup::RawCrosswordGroup(std::string_view folder, std::int32_t& counter, Saved saved,
                                     Limits limits)
    : folder_(folder.empty() ? std::string(".") : Files::toSlashes(folder)),
      counter_(counter),
      saved_(std::move(saved)),
      limits_(limits) {}

RawCrosswordGroup::~RawCrosswordGroup() = default;

std::string RawCrosswordGroup::pathFor(const Entry& entry, std::int32_t number) const {
  return Files::joinPath(folder_, rawCrosswordName(entry.width, number, entry.height));
}

bool RawCrosswordGroup::add(const WorkingGrid& grid, int index) {
  if (staged() >= limits_.files && !commit()) return false;
  Entry entry{std::make_unique<StagedFile>(folder_, ".rawcrossword-"), index, grid.width(),
              grid.height()};
  bool opened = entry.file->openUnnamed();
  if (!opened && (errno == EMFILE || errno == ENFILE) && !staged_.empty()) {
    // Out of descriptors: the staged files give theirs back when named.
    if (!commit()) return false;
    opened = entry.file->openUnnamed();
  }
  if (!opened || !entry.file->append(formatRawCrossword(grid)) ||
      !entry.file->finish(nullptr, StagedFile::Flush::Later)) {
    failedPath_ = pathFor(entry, std::max(counter_, static_cast<std::int32_t>(index)));
    return false;
  }
  if (staged_.empty()) oldest_ = std::chrono::steady_clock::now();
  staged_.push_back(std::move(entry));
  return true;
}

bool RawCrosswordGroup::commitIfDue() {
  if (staged_.empty()) return true;
  if (staged() < limits_.files && std::chrono::steady_clock::now() - oldest_ < limits_.age)
    return true;
  return commit();
}

bool RawCrosswordGroup::commit() {
  if (staged_.empty()) return true;
  std::vector<Entry> group = std::move(staged_);
  staged_.clear();
  if (!StagedFile::flushData(folder_)) {
    const Entry& first = group.front();
    failedPath_ = pathFor(first, std::max(counter_, static_cast<std::int32_t>(first.index)));
    return false;
  }
  std::vector<std::pair<int, std::string>> named;
  named.reserve(group.size());
  int error = 0;
  for (Entry& entry : group) {
    counter_ = std::max(counter_, static_cast<std::int32_t>(entry.index));
    // A name that exists is skipped for good, as saveRawCrossword does.
    for (;;) {
      failedPath_ = pathFor(entry, counter_);
      error = counter_ == INT32_MAX ? EEXIST
                                    : entry.file->publishNew(failedPath_, StagedFile::Flush::Later);
      if (error != EEXIST || counter_ == INT32_MAX) break;
      ++counter_;
    }
    if (error != 0) break;
    ++counter_;
    named.emplace_back(entry.index, failedPath_);
  }
  if (!named.empty()) StagedFile::flushNames(folder_);
  for (const auto& [index, path] : named) saved_(index, path);
  if (error == 0) failedPath_.clear();
  errno = error;
  return error == 0;
}

}  // namespace vorkel
