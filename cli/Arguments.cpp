#include "cli/Arguments.h"

#include <ostream>

#include "cli/Console.h"
#include "cli/LanguageOption.h"
#include "platform/Numbers.h"

namespace vorkel {

std::optional<long long> wholeNumber(std::string_view text) {
  long long value = 0;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || !parseNumber(text, value)) return std::nullopt;
  return value;
}

std::string optionLines(std::span<const Option> options) {
  constexpr std::size_t kHelpColumn = 20;
  constexpr std::size_t kWidth = 79;
  std::string out;
  for (const Option& o : options) {
    if (o.help == nullptr) continue;
    std::string line = "  " + std::string(o.name);
    if (o.alias) line += ", " + std::string(o.alias);
    if (o.placeholder) line += " " + std::string(o.placeholder);
    line += line.size() + 1 > kHelpColumn ? "\n" + std::string(kHelpColumn, ' ')
                                           : std::string(kHelpColumn - line.size(), ' ');
    std::size_t column = kHelpColumn;
    std::string_view words = o.help;
    bool first = true;
    while (!words.empty()) {
      const std::size_t end = words.find(' ');
      const std::string_view word = words.substr(0, end);
      words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
      if (word.empty()) continue;
      if (!first && column + 1 + word.size() > kWidth) {
        line += "\n" + std::string(kHelpColumn, ' ');
        column = kHelpColumn;
      } else if (!first) {
        line += ' ';
        ++column;
      }
      line += word;
      column += word.size();
      first = false;
    }
    out += line + "\n";
  }
  return out;
}

bool Arguments::parse(const Args& args, std::span<const Option> options, Console& console) {
  options_ = options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    if (a == "-h" || a == "--help") {
      help = true;
      continue;
    }
    const Option* option = nullptr;
    for (const Option& o : options)
      if (a == o.name || (o.alias != nullptr && a == o.alias)) option = &o;
    if (option == nullptr) {
      // Help wins over every mistake around it.
      for (std::size_t k = i; k < args.size(); ++k)
        if (args[k] == "-h" || args[k] == "--help") {
          help = true;
          return true;
        }
      usageError(console, "unknown option " + a);
      return false;
    }
    if (!option->takesValue) {
      given_.emplace_back(option->name, std::string());
      continue;
    }
    if (i + 1 >= args.size()) {
      if (help) return true;
      usageError(console, "option " + a + " needs a value");
      return false;
    }
    given_.emplace_back(option->name, args[++i]);
  }
  return true;
}

bool Arguments::has(std::string_view name) const {
  for (const auto& [n, v] : given_)
    if (n == name) return true;
  return false;
}

const std::string* Arguments::value(std::string_view name) const {
  const std::string* found = nullptr;
  for (const auto& [n, v] : given_)
    if (n == name) found = &v;
  return found;
}

std::string Arguments::valueOr(std::string_view name, std::string_view fallback) const {
  const std::string* v = value(name);
  return v ? *v : std::string(fallback);
}

bool Arguments::number(std::string_view name, long long low, long long high, int& out,
                       Console& console) const {
  const std::string* text = value(name);
  if (text == nullptr) return true;
  const std::optional<long long> n = wholeNumber(*text);
  if (!n || *n < low || *n > high) {
    usageError(console, std::string(name) + " takes a number from " + std::to_string(low) +
                            " to " + std::to_string(high) + ", not '" + *text + "'");
    return false;
  }
  out = static_cast<int>(*n);
  return true;
}

bool Arguments::number(std::string_view name, int& out, Console& console) const {
  for (const Option& o : options_)
    if (name == o.name && o.isNumber()) return number(name, o.low, o.high, out, console);
  usageError(console, "internal: " + std::string(name) + " is no number option");
  return false;
}

bool Arguments::language(LanguageId& out, Console& console) const {
  const std::string* text = value("--language");
  if (text == nullptr) return true;
  std::string error;
  const std::optional<LanguageId> n = parseLanguage(*text, error);
  if (!n) {
    usageError(console, error);
    return false;
  }
  out = *n;
  return true;
}

int printUsage(std::ostream& out, std::string_view usage) {
  out << usage;
  return ExitOk;
}

int unknownCommand(std::ostream& err, std::string_view group, std::string_view verb,
                   std::string_view usage) {
  err << "vorkel " << group << ": ";
  if (verb.empty()) err << "which command?\n";
  else err << "unknown command '" << verb << "'\n";
  err << usage;
  return ExitUsage;
}

int usageError(Console& console, std::string_view line) {
  console.say(std::string(line) + " (see 'vorkel " + console.command() + " --help')");
  return ExitUsage;
}

}  // namespace vorkel
