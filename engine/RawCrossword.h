#pragma once
// Raw crosswords: the small text files a generation run leaves in its output
// folder for the drawing program to finish.
//
//   13<TAB>9            width and height
//   ABCDEFGHIJKLM       one line per row: "#" for a cell that takes no
//   ...                 letter, the letter for every other cell
//
// Lines end in CR LF. The file of a grid w x h is named "x<w>_<nnn>.<hhh>"
// ("x13_000.009"), <nnn> being a sequence number that only grows.
//
//   std::int32_t counter = 0;
//   RawCrosswordResult r = saveRawCrossword(grid, "/data/out", counter);
//   if (!r.saved) ui.messageBox(r.path, texts::invalidFileName, Icon::Error);
//
// Several generators (threads or processes) may write into one folder at
// once: a name is taken only by creating it exclusively, and a file appears
// under its name with its whole content or not at all.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorkel {

class WorkingGrid;

// "x%d_%3.3d.%3.3d" for width, sequence number and height.
std::string rawCrosswordName(int width, std::int32_t number, int height);

// The file's bytes for the grid.
std::string formatRawCrossword(const WorkingGrid& grid);

struct RawCrosswordResult {
  bool saved = false;
  // The full path written; on failure the path that could not be written
  // (the name the counter pointed at), for the message.
  std::string path;
};

// Writes the grid into `folder` under the first free name from `counter` on.
// The counter steps once for every name tried, so after a success it points
// past the name taken (a name that exists is skipped for good). On failure
// nothing is left behind and the counter is where the failing name was.
RawCrosswordResult saveRawCrossword(const WorkingGrid& grid, std::string_view folder,
                                    std::int32_t& counter);

}  // namespace vorkel
