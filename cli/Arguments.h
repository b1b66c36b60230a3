#pragma once
// The arguments of one command: the options it declares, the rest
// positional. Every command of `vorkel` parses through this, so they all
// answer the same way:
//   - -h and --help anywhere ask for the command's usage (stdout, exit 0);
//   - "--" ends the options, so a word after it may start with "-";
//     a lone "-" is positional (stdout or stdin);
//   - an unknown option, an option without its value, a number that is no
//     number or lies outside its range are refused with a line that says so
//     and the range, and exit code 2.
//
// A command declares each option once, with what --help says of it and, for
// a number, its range; the parse, the range check and the option lines of
// the usage all come from that one table:
//
//   constexpr Option kOptions[] = {
//       {"-n", nullptr, true, "COUNT", "crosswords to save (default 1)", 1, 1000000},
//       {"--json", nullptr, false, nullptr, "print a summary as JSON"}};
//   Arguments a;
//   if (!a.parse(args, kOptions, console)) return ExitUsage;
//   if (a.help) return printUsage(out, kHead + optionLines(kOptions) + kTail);
//   int count = 1;
//   if (!a.number("-n", count, console)) return ExitUsage;

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "dictionary/LanguageId.h"

namespace vorkel {

class Console;

// Exit codes of every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;      // a bad file, a failed write, nothing to do
inline constexpr int ExitUsage = 2;       // bad arguments
inline constexpr int ExitGaveUp = 3;      // --max-tries or --timeout reached
inline constexpr int ExitInterrupted = 130;  // Ctrl-C, as the shell reports it

struct Option {
  const char* name;            // "-o", "--json"
  const char* alias = nullptr;  // "--output", or nullptr
  bool takesValue = false;
  const char* placeholder = nullptr;  // "COUNT": the value as --help names it
  const char* help = nullptr;  // what --help says (wrapped), or nullptr where the
                               // command's usage describes the option itself
  long long low = 0;           // a number's range, when low <= high
  long long high = -1;

  bool isNumber() const { return low <= high; }
};

// The option tables of the commands that declare their options whole (the
// usage's option lines come from them), for the manual's test.
std::span<const Option> generateOptions();
std::span<const Option> anagramOptions();
std::span<const Option> templateOptions();
std::span<const Option> pathOptions();
std::span<const Option> gridOptions();
std::span<const Option> dictOptions();
std::span<const Option> dictSetOptions();
std::span<const Option> clueOptions();

// The option lines of a usage: "  -n COUNT          crosswords to save ...",
// the help wrapped to 79 columns; options without help are left out.
std::string optionLines(std::span<const Option> options);

// A whole decimal number (optional sign), nothing else around it.
std::optional<long long> wholeNumber(std::string_view text);

class Arguments {
 public:
  // False when the arguments cannot be used (the reason is said).
  bool parse(const Args& args, std::span<const Option> options, Console& console);

  bool help = false;
  std::vector<std::string> positional;

  bool has(std::string_view name) const;
  // The value given last for the option (by its name), or nullptr.
  const std::string* value(std::string_view name) const;
  std::string valueOr(std::string_view name, std::string_view fallback) const;

  // The option's value as a number, in the range of its table entry, into
  // `out`; true when the option is absent (`out` unchanged). False, said,
  // when it is no number or out of range.
  bool number(std::string_view name, int& out, Console& console) const;
  // The value of --language (cli/LanguageOption.h) into `out`; true when
  // absent (`out` unchanged).
  bool language(LanguageId& out, Console& console) const;

 private:
  bool number(std::string_view name, long long low, long long high, int& out,
              Console& console) const;

  std::vector<std::pair<std::string, std::string>> given_;  // option name, value
  std::span<const Option> options_;
};

// Writes the usage to `out` and answers 0: the reply to --help.
int printUsage(std::ostream& out, std::string_view usage);
// A command group ("vorkel path ...") given no command or one it lacks:
// says so on `err` with the group's usage and answers 2.
int unknownCommand(std::ostream& err, std::string_view group, std::string_view verb,
                   std::string_view usage);
// Says `line`, then where the usage is to be had, and answers 2.
int usageError(Console& console, std::string_view line);

}  // namespace vorkel
