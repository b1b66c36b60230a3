#include "cli/ManualOptions.h"

#include <algorithm>

#include "cli/CommandOptions.h"

namespace vorkel {

namespace {

constexpr std::string_view kMarkerStart = "; @options ";

// scdoc reads * and _ as bold and underline and \ as an escape.
std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '*' || c == '_' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string entry(const Option& o) {
  std::string head = "\t*" + escaped(o.name) + "*";
  if (o.alias) head += ", *" + escaped(o.alias) + "*";
  if (o.placeholder) head += " _" + escaped(o.placeholder) + "_";
  return head + "\n\t\t" + escaped(o.help) + "\n\n";
}

std::string optionList(const CommandOptions& command) {
  std::string out = "\tOptions:\n\n";
  for (const Option& o : command.table) {
    if (o.help == nullptr) continue;
    const bool listed =
        command.listed.empty() ||
        std::find(command.listed.begin(), command.listed.end(), o.name) != command.listed.end();
    if (listed) out += entry(o);
  }
  return out;
}

}  // namespace

ManualPage expandManualOptions(std::string_view source) {
  ManualPage page;
  std::vector<std::string_view> expanded;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    const std::string_view line = source.substr(0, end);
    source = end == std::string_view::npos ? std::string_view() : source.substr(end + 1);
    if (!line.starts_with(kMarkerStart) || !line.ends_with('@')) {
      page.text.append(line).append(end == std::string_view::npos ? "" : "\n");
      continue;
    }
    const std::string_view name =
        line.substr(kMarkerStart.size(), line.size() - kMarkerStart.size() - 1);
    const CommandOptions* command = findCommandOptions(name);
    if (command == nullptr) {
      page.problems.push_back("no command \"" + std::string(name) + "\" has options");
      continue;
    }
    expanded.push_back(command->command);
    page.text += optionList(*command);
  }
  for (const CommandOptions& c : commandOptions())
    if (std::find(expanded.begin(), expanded.end(), c.command) == expanded.end())
      page.problems.push_back("the page lists no options of \"" + std::string(c.command) + "\"");
  return page;
}

}  // namespace vorkel
