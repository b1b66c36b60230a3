// vorkel-user-folder STOCK-FOLDER USER-FOLDER: makes or completes the
// user's own folder for a system-wide installation; the `q4` of the Debian
// package runs it before it starts the window program in that folder.
#include <cstdio>
#include <string>

#include "platform/Registry.h"
#include "setup/UserFolder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vorkel-user-folder STOCK-FOLDER USER-FOLDER\n");
    return 2;
  }
  vorkel::Registry registry(vorkel::Registry::defaultFilePath());
  std::string error;
  if (!vorkel::setup::makeUserFolder(argv[1], argv[2], registry, error)) {
    std::fprintf(stderr, "vorkel-user-folder: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
