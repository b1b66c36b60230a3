#pragma once
// The program `uninst`: removes the installation it lies in (or the one
// named), with its questions in message boxes.
//
//   uninst [--quiet] [INSTALL-FOLDER]   --quiet asks nothing, keeps changed
//                                       dictionaries and lists what it kept

namespace vorkel::setup {

int runUninstaller(int argc, char** argv);

}  // namespace vorkel::setup
