// The `vorkel` command line: batch generation and dictionary tools.
#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  return vorkel::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
