#pragma once
// What a `vorkel` command says on stderr, and the ui port of the shared core
// on the command line.
//
// One scheme for every command:
//   - the command's own lines are English and start with the command's name:
//       vorkel dict union: cannot open 'mine.txt' (looked for /home/a/mine.txt): no such file
//   - a message box of the shared core (the same code the window program
//     runs, so its texts are Danish) is not written when it is shown but
//     kept, and written below the command's next line, indented, as
//     "caption: text", each different message once;
//   - a message that repeats per word or per attempt is shown for its first
//     three texts; the rest are counted and summed up once at the end
//     ("77,012 words have letters that English (10) has not; skipped").
// Messages still kept when the command ends are written under a line of
// their own. The keyboard queue is fed by the caller.
//
//   Console console(err, "dict stats");
//   if (!loadWordFile(dict, path)) return console.fail("cannot read '" + path + "'");
//   console.say("12 words");        // "vorkel dict stats: 12 words"
//
// Not thread-safe: the jobs of a batch share one console under a lock
// (cli/BatchUi.h).

#include <deque>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "cli/CommandLineUi.h"
#include "dictionary/LanguageId.h"

namespace vorkel {

class Console : public CommandLineUi {
 public:
  // Texts of one caption shown before the rest are only counted.
  static constexpr int ShownPerCaption = 3;

  // `command`: the words after "vorkel", e.g. "dict stats".
  Console(std::ostream& err, std::string_view command);
  ~Console() override;
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // "vorkel <command>: <line>", then the core's messages kept since.
  void say(std::string_view line);
  // A line that belongs to the one said before it: "  <line>".
  void detail(std::string_view line);
  // say(line) and the exit code for a failed command (1).
  int fail(std::string_view line);
  // Writes the kept messages under a line of their own.
  void flush();
  // The language words are read with, named in the summary of words that
  // have letters it lacks.
  void setLanguage(LanguageId id) { language_ = id; }

  std::ostream& stream() { return err_; }
  const std::string& command() const { return command_; }
  // Message boxes shown by the core so far.
  int messageCount() const { return messages_; }

  // --- Ui ---
  Answer messageBox(std::string_view text, std::string_view caption, Icon icon,
                    Buttons buttons) override;
  bool pollKey(KeyMessage& key) override;

  void pushKey(KeyMessage key) { keys_.push_back(key); }

 private:
  struct Caption {
    int count = 0;                    // every time it was shown
    std::vector<std::string> texts;   // distinct texts kept for showing
    std::vector<int> repeats;         // how often each of them came
    std::size_t written = 0;          // texts already written
    int writtenCount = 0;             // the showings those texts stand for
    bool headed = false;              // its heading line is written
  };
  // Which kept messages to write: those about single words (under their
  // heading), all below the line just said, or all under headings.
  enum class Kept { PerWord, Below, Headed };
  void writeKept(Kept which);
  static bool perWord(const std::string& caption);
  std::string summaryOf(const std::string& caption, int count) const;

  std::ostream& err_;
  std::string command_;
  std::deque<KeyMessage> keys_;
  std::map<std::string, Caption> captions_;
  std::vector<std::string> order_;  // captions in the order first shown
  int messages_ = 0;
  LanguageId language_ = LanguageId::Danish;
};

// 12345 -> "12,345".
std::string groupedNumber(long long n);

}  // namespace vorkel
