// The installer `setup`, started from the medium.
#include "setup/qt/RunInstaller.h"

int main(int argc, char** argv) { return vorkel::setup::runInstaller(argc, argv); }
