#pragma once
// Process services: the priority of a long run and starting other programs.
//
//   if (!Process::lowerToIdle()) ui.messageBox(...);      // before a batch run
//   Process::start("Penvik.exe", "../PENVIK");             // like the old WinExec
//
// start() takes a command line as the system wrote it: the program and its
// arguments separated by blanks, double quotes around an argument with
// blanks. The program is looked up in this order: a path (with "/" or "\")
// relative to the working folder, a file of that name in the working folder,
// then the folders of $PATH; names are matched without regard to case and a
// ".exe" ending is tried without it too ("Penvik.exe" finds "penvik"). The
// program runs on its own: it is not waited for and never becomes a zombie.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

// A program started by Process::startWatched: tells when it has ended. The
// program holds one end of a pipe without knowing it; the pipe reads as
// closed once the program, and whatever it started that kept the end, exit.
class StartedProgram {
 public:
  explicit StartedProgram(int lifeLine) : lifeLine_(lifeLine) {}
  StartedProgram(StartedProgram&& other) noexcept : lifeLine_(other.lifeLine_) { other.lifeLine_ = -1; }
  StartedProgram& operator=(StartedProgram&&) = delete;
  StartedProgram(const StartedProgram&) = delete;
  ~StartedProgram();
  // Whether the program has ended; never waits.
  bool ended() const;

 private:
  int lifeLine_;
};

class Process {
 public:
  // Lowers this thread of the process to the idle class (SCHED_IDLE), or to
  // the lowest nice value where that is refused. The priority is not raised
  // again. False when neither could be set.
  static bool lowerToIdle();

  // Starts the program detached; `workingFolder` empty means the current
  // directory. True when the program was found and began to run; false when
  // it could not be found or executed.
  static bool start(std::string_view commandLine, std::string_view workingFolder = {});
  // The same, and the started program can be asked whether it has ended
  // (a program that starts and exits at once need not be waited for).
  static std::optional<StartedProgram> startWatched(std::string_view commandLine,
                                                    std::string_view workingFolder = {});

  // The words of a command line: blanks separate, double quotes group
  // (quotes are removed; "" is an empty argument).
  static std::vector<std::string> splitCommandLine(std::string_view commandLine);

  // The executable that start() would run, or empty when none is found: a
  // name with a folder in it as written (relative to `workingFolder`), a
  // bare name in `workingFolder` when one is given, then in the absolute
  // folders of PATH. The current directory is never searched.
  static std::string findProgram(std::string_view program, std::string_view workingFolder = {});

  // The folder of the running program's executable; empty when it cannot
  // be asked.
  static std::string programFolder();
};

}  // namespace vorkel
