#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

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
// must name every option its table parses, and --help must say each range.
TEST(OptionTable, HelpAndManualNameEveryOptionTheCommandParses) {
  const struct {
    const char* command;
    std::span<const Option> options;
    int (*run)(const Args&, std::ostream&, std::ostream&);
  } commands[] = {{"generate", generateOptions(), runGenerateCommand},
                  {"anagram", anagramOptions(), runAnagramCommand},
                  {"template new", templateOptions(), runTemplateCommand},
                  {"path auto", pathOptions(), runPathCommand},
                  {"grid", gridOptions(), runGridCommand}};
  for (const auto& c : commands) {
    std::ostringstream out, err;
    Args args;
    std::istringstream words(c.command);
    for (std::string w; words >> w;) args.push_back(w);
    args.erase(args.begin());  // the group's name is not its argument
    args.push_back("--help");
    ASSERT_EQ(c.run(args, out, err), 0) << c.command;
    const std::string help = out.str();
    const std::string manual = manualSection(c.command);
    ASSERT_FALSE(manual.empty()) << c.command << " has no section in the manual";
    for (const Option& o : c.options) {
      EXPECT_NE(help.find(std::string("  ") + o.name), std::string::npos) << c.command << " " << o.name;
      EXPECT_NE(manual.find(std::string("*") + o.name + "*"), std::string::npos)
          << "the manual's " << c.command << " lacks " << o.name;
      EXPECT_TRUE(o.help) << c.command << " " << o.name << " has no help";
      EXPECT_TRUE(!o.isNumber() || o.takesValue) << o.name;
    }
  }
}

}  // namespace
}  // namespace vorkel
