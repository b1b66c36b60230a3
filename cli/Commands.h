#pragma once
// The command groups of the `vorkel` command line. Each takes its arguments
// after the group name and returns the process exit code.

#include <iosfwd>
#include <string>
#include <vector>

namespace vorkel {

using Args = std::vector<std::string>;

int runDictCommand(const Args& args, std::ostream& out, std::ostream& err);  // vorkel dict ...
int runGridCommand(const Args& args, std::ostream& out, std::ostream& err);  // vorkel grid ...
int runPathCommand(const Args& args, std::ostream& out, std::ostream& err);  // vorkel path ...
int runAnagramCommand(const Args& args, std::ostream& out,
                      std::ostream& err);  // vorkel anagram PHRASE ...
int runGenerateCommand(const Args& args, std::ostream& out,
                       std::ostream& err);  // vorkel generate TEMPLATE.skb ...
int runTemplateCommand(const Args& args, std::ostream& out,
                       std::ostream& err);  // vorkel template new MODEL.ktd ...
int runClueCommand(const Args& args, std::ostream& out,
                   std::ostream& err);  // vorkel clue import|export ...

class Console;
class Language;

// Lays the automatic path over the model file and writes it; `stops` gets
// the number of stops. The exit code; failures are said on the console.
int writeAutoPath(Console& console, const std::string& model, const std::string& output,
                  const Language& language, std::size_t& stops);

}  // namespace vorkel
