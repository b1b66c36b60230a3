#include "app/Startup.h"

#include "platform/Cp1252Case.h"
#include "platform/Registry.h"

namespace vorkel {

namespace {

// "u", "UNREG", "unregister" ...: a non-empty prefix of "unregister".
bool isUnregister(std::string_view name) {
  constexpr std::string_view full = "unregister";
  return !name.empty() && name.size() <= full.size() &&
         equalsIgnoringCase(name, full.substr(0, name.size()));
}

}  // namespace

StartupOptions parseStartupOptions(const std::vector<std::string>& arguments) {
  StartupOptions options;
  for (const std::string& arg : arguments) {
    if (arg == "--version") options.version = true;
    else if (arg == "--help" || arg == "-h" || arg == "/?") options.help = true;
    else if (arg.size() > 1 && (arg[0] == '-' || arg[0] == '/') && isUnregister(arg.substr(1)))
      options.unregister = true;
    // A leading "/" names an absolute file on this platform; only a name
    // that exists neither as an option nor as a word of it is an option.
    else if (arg.size() > 1 && arg[0] == '-') options.unknown.push_back(arg);
    else if (!arg.empty() && options.templatePath.empty()) options.templatePath = arg;
    else if (!arg.empty()) options.unknown.push_back(arg);
  }
  return options;
}

std::string startupUsage() {
  return "usage: q4 [/u | -unregister] [TEMPLATE.skb | GRID.ktd]\n"
         "       q4 --version | --help\n"
         "\n"
         "Krydsords-vorkel, the crossword generator's window.\n"
         "  TEMPLATE.skb      load this template once the window is open\n"
         "  GRID.ktd          read this crossword grid as the model instead\n"
         "  /u, -unregister   remove the .skb file type from the registry store\n"
         "                    instead of writing it\n";
}

void registerTemplateType(Registry& registry, std::string_view programPath) {
  const std::string path(programPath);
  registry.setString(RegistryRoot::ClassesRoot, "Q4.Application\\DefaultIcon", "", path);
  registry.setString(RegistryRoot::ClassesRoot, ".skb", "", path);
  registry.setString(RegistryRoot::ClassesRoot, "Q4.Document.1\\DefaultIcon", "", path + ",1");
}

void unregisterTemplateType(Registry& registry) {
  // A key that still has keys below it stays: "Q4.Application" also holds
  // the installation's folders (Gemmested, Dictionary, ...), which the next
  // start needs; removing the file type must not take them along.
  for (const char* key : {"Q4.Application\\DefaultIcon", "Q4.Document.1\\DefaultIcon",
                          "Q4.Application", "Q4.Document.1", ".skb"})
    if (registry.subkeys(RegistryRoot::ClassesRoot, key).empty())
      registry.deleteKey(RegistryRoot::ClassesRoot, key);
}

}  // namespace vorkel
