#pragma once
// What the generator does at start-up before its window opens: reading its
// command line, and registering (or removing) the template file type.
//
//   StartupOptions options = parseStartupOptions(arguments);
//   if (options.unregister) unregisterTemplateType(registry);
//   else registerTemplateType(registry, programPath);
//   context.readProgramProfile();            // app/ApplicationContext.h
//
// The command line is `q4 [/u | -unregister] [TEMPLATE.skb]`: an option
// (after "-" or "/") whose name is a prefix of "unregister", in any case,
// removes the file type's five keys instead of writing its three values; a
// template named on the command line is loaded once the window is up, as
// the open command loads one. "--version" and "--help" print and end.

#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class Registry;

struct StartupOptions {
  bool unregister = false;
  bool version = false;
  bool help = false;
  std::string templatePath;             // empty: none named
  std::vector<std::string> unknown;     // options the program does not know
};

StartupOptions parseStartupOptions(const std::vector<std::string>& arguments);

// The usage text of "--help".
std::string startupUsage();

// Writes the template file type's values under HKEY_CLASSES_ROOT:
// "Q4.Application\DefaultIcon" and ".skb" = the program's full path,
// "Q4.Document.1\DefaultIcon" = the path followed by ",1". Failures are
// ignored: a store that cannot be written costs only the association.
void registerTemplateType(Registry& registry, std::string_view programPath);

// Deletes "Q4.Application\DefaultIcon", "Q4.Document.1\DefaultIcon",
// "Q4.Application", "Q4.Document.1" and ".skb" under HKEY_CLASSES_ROOT.
void unregisterTemplateType(Registry& registry);

}  // namespace vorkel
