#pragma once
// One measured child process at a time: runs a program with its output
// captured, stops it after a time limit, and reports its exit status, wall
// time, processor time and peak memory. While a child runs, Ctrl-C and
// SIGTERM end it together with this process, so no stray fill is left
// running.

#include <string>
#include <vector>

namespace vorkel::bench {

// What one child process did.
struct Outcome {
  int status = -1;  // exit status; -1 after a signal or when not started
  bool timedOut = false;
  double seconds = 0;     // wall time from fork to reaping
  double cpuSeconds = 0;  // processor time of the child, user and system
  long peakKb = 0;        // the child's peak resident memory
  std::string out, err;
};

// Runs argv[0] (searched in PATH when it has no slash) with stdout and stderr
// captured. After `limit` seconds the child's process group is killed.
Outcome runProcess(const std::vector<std::string>& argv, double limit);

// SIGPIPE ignored; SIGINT and SIGTERM kill the running child's process group
// and end this process.
void installStopHandlers();

// The first line of `text` (a process's messages), without its newline.
std::string firstLine(const std::string& text);

}  // namespace vorkel::bench
