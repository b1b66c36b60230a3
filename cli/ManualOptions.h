#pragma once
// The option lists of vorkel's manual page, made from the commands' option
// tables when the page is built. In the page's source (scdoc) a line
//   ; @options dict import@
// (a comment to scdoc) marks where a command's options go; it becomes one
// entry per option the command lists: its name, alias and value, then what
// --help says of it, so the manual and --help are one text.

#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

struct ManualPage {
  std::string text;                   // the source with its markers replaced
  std::vector<std::string> problems;  // markers naming no command, commands no marker names
};

ManualPage expandManualOptions(std::string_view source);

}  // namespace vorkel
