#pragma once
// The program `setup`: the installer on the medium it was started from.
//
//   setup                         the wizard
//   setup --screenshot PAGE FILE  shows one page (welcome, destination,
//                                 setuptype, custom, folder, summary,
//                                 complete, exit) and saves a picture of it

namespace vorkel::setup {

int runInstaller(int argc, char** argv);

}  // namespace vorkel::setup
