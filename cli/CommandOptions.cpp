#include "cli/CommandOptions.h"

#include <array>

namespace vorkel {

namespace {

// The options each dictionary command lists (in its table's order); --language and --encoding,
// which every one of them takes, are described once for all.
constexpr std::string_view kDictImport[] = {"--stock", "--capitalised", "--seed", "--scores",
                                            "--min-score"};
constexpr std::string_view kDictExport[] = {"-o", "--with-scores"};
constexpr std::string_view kDictStats[] = {"--plan"};
constexpr std::string_view kDictSearch[] = {"--sort", "--count"};
constexpr std::string_view kDictIndex[] = {"--min-score"};
constexpr std::string_view kDictSet[] = {"-o", "--seed"};
constexpr std::string_view kClueSuggest[] = {"--all", "--database"};
constexpr std::string_view kClueAdd[] = {"--database"};
constexpr std::string_view kClueImport[] = {"--database", "--clue-language"};
constexpr std::string_view kClueExport[] = {"-o", "--database"};

const std::array<CommandOptions, 15>& all() {
  static const std::array<CommandOptions, 15> commands = {{
      {"generate", generateOptions(), {}},
      {"template new", templateOptions(), {}},
      {"path auto", pathOptions(), {}},
      {"grid", gridOptions(), {}},
      {"dict import", dictOptions(), kDictImport},
      {"dict export", dictOptions(), kDictExport},
      {"dict stats", dictOptions(), kDictStats},
      {"dict search", dictOptions(), kDictSearch},
      {"dict index", dictOptions(), kDictIndex},
      {"dict union", dictSetOptions(), kDictSet},
      {"anagram", anagramOptions(), {}},
      {"clue suggest", clueOptions(), kClueSuggest},
      {"clue add", clueOptions(), kClueAdd},
      {"clue import", clueOptions(), kClueImport},
      {"clue export", clueOptions(), kClueExport},
  }};
  return commands;
}

}  // namespace

std::span<const CommandOptions> commandOptions() { return all(); }

const CommandOptions* findCommandOptions(std::string_view command) {
  for (const CommandOptions& c : all())
    if (c.command == command) return &c;
  return nullptr;
}

std::string optionLines(const CommandOptions& command) {
  if (command.listed.empty()) return optionLines(command.table);
  std::string out;
  for (const Option& o : command.table)
    for (std::string_view name : command.listed)
      if (name == o.name) out += optionLines(std::span<const Option>(&o, 1));
  return out;
}

}  // namespace vorkel
