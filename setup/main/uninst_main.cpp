// The uninstaller `uninst`, copied into every installation.
#include "setup/qt/RunUninstaller.h"

int main(int argc, char** argv) { return vorkel::setup::runUninstaller(argc, argv); }
