#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandOptions.h"
#include "cli/ManualOptions.h"
#include "cli/Commands.h"

namespace vorkel {
namespace {

std::string fileText(const char* path) {
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// Every section of the manual whose heading begins with the command ("grid"
// takes "grid show", "grid export", ...).
std::string manualSection(const std::string& text, const std::string& command) {
  std::string sections;
  for (std::size_t at = text.find("\n*" + command); at != std::string::npos;
       at = text.find("\n*" + command, at + 1)) {
    const char next = text[at + 2 + command.size()];
    if (next != '*' && next != ' ') continue;
    const std::size_t end = text.find("\n*", text.find('\n', at + 1) + 1);
    sections += text.substr(at, end - at);
  }
  return sections;
}

bool lists(const CommandOptions& c, const Option& o) {
  return c.listed.empty() || std::find(c.listed.begin(), c.listed.end(), o.name) != c.listed.end();
}

// An option is declared once: --help and the manual page as built must list
// every option of every command, and every option a table parses must be
// described somewhere in the manual.
TEST(OptionTable, HelpAndManualListEveryOptionOfEveryCommand) {
  using Run = int (*)(const Args&, std::ostream&, std::ostream&);
  const std::map<std::string_view, std::pair<Run, Args>> helps = {
      {"generate", {runGenerateCommand, {"--help"}}},
      {"template new", {runTemplateCommand, {"new", "--help"}}},
      {"path auto", {runPathCommand, {"auto", "--help"}}},
      {"grid", {runGridCommand, {"--help"}}},
      {"dict import", {runDictCommand, {"import", "--help"}}},
      {"dict export", {runDictCommand, {"export", "--help"}}},
      {"dict stats", {runDictCommand, {"stats", "--help"}}},
      {"dict search", {runDictCommand, {"search", "--help"}}},
      {"dict index", {runDictCommand, {"index", "--help"}}},
      {"dict union", {runDictCommand, {"union", "--help"}}},
      {"anagram", {runAnagramCommand, {"--help"}}},
      {"clue suggest", {runClueCommand, {"suggest", "--help"}}},
      {"clue add", {runClueCommand, {"add", "--help"}}},
      {"clue import", {runClueCommand, {"import", "--help"}}},
      {"clue export", {runClueCommand, {"export", "--help"}}},
  };
  const ManualPage page = expandManualOptions(fileText(VORKEL_SOURCE_DIR "/docs/vorkel.1.scd"));
  EXPECT_TRUE(page.problems.empty()) << page.problems.front();
  const std::string common =
      manualSection(page.text, "--language") + manualSection(page.text, "--encoding");
  for (const CommandOptions& c : commandOptions()) {
    ASSERT_TRUE(helps.contains(c.command)) << c.command;
    const auto& [run, args] = helps.at(c.command);
    std::ostringstream help, err;
    ASSERT_EQ(run(args, help, err), 0) << c.command;
    const std::string manual = manualSection(page.text, std::string(c.command));
    ASSERT_FALSE(manual.empty()) << c.command << " has no section in the manual";
    for (const Option& o : c.table) {
      EXPECT_TRUE(o.help) << c.command << " " << o.name << " has no help";
      EXPECT_TRUE(!o.isNumber() || o.takesValue) << o.name;
      const std::string bold = std::string("\t*") + o.name + "*";
      if (lists(c, o)) {
        EXPECT_NE(help.str().find(std::string("  ") + o.name), std::string::npos)
            << c.command << " --help lacks " << o.name;
        EXPECT_NE(manual.find(bold), std::string::npos) << "the manual's " << c.command
                                                        << " lacks " << o.name;
      } else {
        // Another command of the same table lists it, or it is common to all.
        const bool elsewhere = std::ranges::any_of(commandOptions(), [&](const CommandOptions& d) {
          return d.table.data() == c.table.data() && lists(d, o);
        });
        EXPECT_TRUE(elsewhere || common.find(std::string("*") + o.name + "*") != std::string::npos)
            << o.name << " of " << c.command << " is described nowhere";
      }
    }
  }
}

TEST(OptionTable, ManualMarkersMustNameCommands) {
  const ManualPage page = expandManualOptions("a\n; @options no such@\nb\n");
  EXPECT_EQ(page.text, "a\nb\n");
  ASSERT_FALSE(page.problems.empty());
  EXPECT_NE(page.problems.front().find("no such"), std::string::npos);
  EXPECT_EQ(page.problems.size(), 1 + commandOptions().size());  // and every command unlisted
}

}  // namespace
}  // namespace vorkel
