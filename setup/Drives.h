#pragma once
// The "drives" of the folder browser: the mounted file systems that hold
// files (not the kernel's pseudo file systems), as /proc/self/mounts lists
// them.

#include <string>
#include <string_view>
#include <vector>

namespace vorkel::setup {

// The mount points of a mounts table (fields: device, mount point, type,
// ...; blanks in names written as \040), sorted, each once, "/" first.
std::vector<std::string> mountPoints(std::string_view mountsTable);

// The mount points of this machine; "/" alone when the table cannot be read.
std::vector<std::string> mountedDrives();

// The mount point that holds the path (the longest one it lies below).
std::string driveOf(const std::string& path, const std::vector<std::string>& drives);

}  // namespace vorkel::setup
