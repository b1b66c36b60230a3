#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"

namespace vorkel {
namespace {

// Every section of the manual whose heading begins with the command ("grid"
// takes "grid show", "grid export", ...).
std::string manualSection(const std::string& command) {
  std::ifstream in(VORKEL_SOURCE_DIR "/docs/vorkel.1.scd");
  std::stringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
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

// An option is declared once; what --help and the manual say of a command
// must name every option its table parses.
TEST(OptionTable, HelpAndManualNameEveryOptionTheCommandParses) {
  using Run = int (*)(const Args&, std::ostream&, std::ostream&);
  const struct {
    const char* command;  // as the manual's headings begin
    std::span<const Option> options;
    Run run;
    std::vector<Args> helps;  // the --help of each of its commands
  } commands[] = {
      {"generate", generateOptions(), runGenerateCommand, {{"--help"}}},
      {"anagram", anagramOptions(), runAnagramCommand, {{"--help"}}},
      {"template new", templateOptions(), runTemplateCommand, {{"new", "--help"}}},
      {"path auto", pathOptions(), runPathCommand, {{"auto", "--help"}}},
      {"grid", gridOptions(), runGridCommand, {{"--help"}}},
      {"dict", dictOptions(), runDictCommand,
       {{"import", "--help"}, {"export", "--help"}, {"stats", "--help"}, {"search", "--help"}}},
      {"dict", dictSetOptions(), runDictCommand, {{"union", "--help"}, {"test", "--help"}}},
  };
  const std::string common = manualSection("--language") + manualSection("--encoding");
  for (const auto& c : commands) {
    std::string help;
    for (const Args& args : c.helps) {
      std::ostringstream out, err;
      ASSERT_EQ(c.run(args, out, err), 0) << c.command << " " << args[0];
      help += out.str();
    }
    const std::string manual = manualSection(c.command);
    ASSERT_FALSE(manual.empty()) << c.command << " has no section in the manual";
    for (const Option& o : c.options) {
      EXPECT_NE(help.find(std::string("  ") + o.name), std::string::npos) << c.command << " " << o.name;
      const std::string bold = std::string("*") + o.name + "*";
      EXPECT_TRUE(manual.find(bold) != std::string::npos || common.find(bold) != std::string::npos)
          << "the manual's " << c.command << " lacks " << o.name;
      EXPECT_TRUE(o.help) << c.command << " " << o.name << " has no help";
      EXPECT_TRUE(!o.isNumber() || o.takesValue) << o.name;
    }
  }
}

}  // namespace
}  // namespace vorkel
