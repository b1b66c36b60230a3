#include "setup/Drives.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "platform/Files.h"

namespace vorkel::setup {

namespace {

// File systems that hold no user files.
const std::set<std::string> kPseudo = {
    "proc",   "sysfs",     "devtmpfs", "devpts", "cgroup",     "cgroup2",  "securityfs",
    "pstore", "bpf",       "debugfs",  "tracefs", "mqueue",    "hugetlbfs", "configfs",
    "fusectl", "autofs",   "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs", "selinuxfs"};

std::string unescapeMountName(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string oct = field.substr(i + 1, 3);
      if (oct.size() == 3 && std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(std::stoi(oct, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

}  // namespace

std::vector<std::string> mountPoints(std::string_view mountsTable) {
  std::set<std::string> points;
  std::istringstream in{std::string(mountsTable)};
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type) || point.empty() || point[0] != '/') continue;
    if (kPseudo.count(type) || point.rfind("/proc", 0) == 0 || point.rfind("/sys", 0) == 0 ||
        point.rfind("/dev", 0) == 0)
      continue;
    points.insert(unescapeMountName(point));
  }
  points.insert("/");
  std::vector<std::string> out(points.begin(), points.end());
  return out;  // "/" sorts first
}

std::vector<std::string> mountedDrives() {
  std::optional<std::string> table = Files::readFile("/proc/self/mounts", 1u << 20);
  return mountPoints(table ? *table : std::string());
}

std::string driveOf(const std::string& path, const std::vector<std::string>& drives) {
  std::string best = "/";
  for (const auto& d : drives) {
    const std::string prefix = Files::withTrailingSeparator(d);
    if ((path == d || path.compare(0, prefix.size(), prefix) == 0) && d.size() > best.size()) best = d;
  }
  return best;
}

}  // namespace vorkel::setup
