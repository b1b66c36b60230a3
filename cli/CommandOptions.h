#pragma once
// Which options each command of `vorkel` takes, under the heading the manual
// gives the command: its option table and, where one table serves several
// commands (the dictionary commands share theirs), the options the command's
// usage lists. The option lines of --help and the option lists of the manual
// are both made from here, so the two cannot disagree.

#include <span>
#include <string>
#include <string_view>

#include "cli/Arguments.h"

namespace vorkel {

struct CommandOptions {
  std::string_view command;                  // "dict import", as the manual's heading begins
  std::span<const Option> table;             // what the command parses
  std::span<const std::string_view> listed;  // the options it lists; empty: every one with help
};

// Every command of vorkel that takes options, in the manual's order.
std::span<const CommandOptions> commandOptions();
// The entry of one command; nullptr for a command not listed.
const CommandOptions* findCommandOptions(std::string_view command);

// The option lines of the command's usage (see optionLines).
std::string optionLines(const CommandOptions& command);

}  // namespace vorkel
