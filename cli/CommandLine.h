#pragma once
// Entry point of the `vorkel` command line. Output streams are passed in so
// that commands can be tested without touching the process's streams.

#include <iosfwd>

namespace vorkel {

int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vorkel
