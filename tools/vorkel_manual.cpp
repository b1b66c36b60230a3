// Builds vorkel's manual page source: reads the page (scdoc) and writes it
// with each "; @options COMMAND@" line replaced by the command's options from
// its option table. Fails, writing nothing, when a marker names no command or
// a command has no marker.
//   vorkel_manual IN.scd OUT.scd

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/ManualOptions.h"
#include "platform/Files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vorkel_manual IN.scd OUT.scd\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  if (!in) {
    std::cerr << "vorkel_manual: cannot read " << argv[1] << "\n";
    return 1;
  }
  const vorkel::ManualPage page = vorkel::expandManualOptions(source.str());
  for (const std::string& problem : page.problems)
    std::cerr << "vorkel_manual: " << argv[1] << ": " << problem << "\n";
  if (!page.problems.empty()) return 1;
  if (vorkel::Files::writeFileAtomically(argv[2], page.text)) return 0;
  std::cerr << "vorkel_manual: cannot write " << argv[2] << "\n";
  return 1;
}
