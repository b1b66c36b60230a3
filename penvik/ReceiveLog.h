#pragma once
// The log of what the drawing program was handed: one line per hand-over,
// appended to a text file that outlives the program.
//
//   2026-12-08T15:46:28+01:00<TAB>/home/ida/Lager/x10_000.010
//   2026-12-08T15:46:29+01:00<TAB><TAB>no name in the shared block
//
// The time is local ISO 8601 with its offset from UTC, the second field the
// file name as received (a backslash, a tab, a line break or another
// control character in it is written as "\\", "\t", "\n" or "\xNN", so one
// hand-over is always one line), the third an optional note in English for
// a hand-over that brought no usable name.
//
// The file is $PENVIK_LOG when that is set, else
// $XDG_STATE_HOME/vorkel/penvik.log, else ~/.local/state/vorkel/penvik.log.
//
//   ReceiveLog log(ReceiveLog::defaultPath(std::getenv));
//   if (!log.append(std::time(nullptr), name, {}, error)) report(error);

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace penvik {

class ReceiveLog {
 public:
  using Environment = std::function<const char*(const char*)>;

  // Where the log goes, given a way to read the environment (std::getenv,
  // or a fake in tests). Empty when there is no home either.
  static std::string defaultPath(const Environment& environment);

  // One line, with its "\n".
  static std::string formatLine(std::time_t when, std::string_view fileName,
                                std::string_view note);

  explicit ReceiveLog(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  // Appends one line, making the log's folder when it is missing. The line
  // goes out in one write to a file opened for appending, so two programs
  // logging at once never mix their lines. False with a message on failure.
  bool append(std::time_t when, std::string_view fileName, std::string_view note,
              std::string& error) const;

 private:
  std::string path_;
};

}  // namespace penvik
