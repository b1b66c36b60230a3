#include "setup/Prerequisites.h"

#include "platform/Registry.h"
#include "setup/InstallerSystem.h"

namespace vorkel::setup {

namespace {

bool dcomEnabled(const Registry& registry) {
  std::string value =
      registry.readString(RegistryRoot::LocalMachine, "SOFTWARE\\MICROSOFT\\OLE", "EnableDCOM");
  std::size_t first = value.find_first_not_of(" \t");
  return first != std::string::npos && (value[first] == 'Y' || value[first] == 'y');
}

// The medium keeps the prerequisite installers in one folder per language.
std::string languageFolder(InstallerLanguage language) {
  switch (language) {
    case InstallerLanguage::Danish: return "da";
  }
  return "da";  // not reached: every enumerator is handled above
}

}  // namespace

bool openCommandRegistered(const Registry& registry, const std::string& extension) {
  std::string cls = registry.readString(RegistryRoot::ClassesRoot, extension);
  if (cls.empty()) return false;
  return !registry.readString(RegistryRoot::ClassesRoot, cls + "\\SHELL\\OPEN\\COMMAND").empty();
}

SystemFacts readSystemFacts(const Registry& registry, InstallerSystem& system) {
  SystemFacts f;
  f.htmOpens = openCommandRegistered(registry, ".htm") || system.hasDefaultApplication("text/html");
  f.chmOpens = openCommandRegistered(registry, ".chm") ||
               system.hasDefaultApplication("application/vnd.ms-htmlhelp") ||
               system.hasDefaultApplication("application/x-chm");
  f.dcomEnabled = dcomEnabled(registry);
  f.windows95 = false;
  return f;
}

bool prerequisitesNeeded(const SystemFacts& f) {
  return !f.htmOpens || (f.windows95 && !f.chmOpens) || (f.windows95 && !f.dcomEnabled);
}

std::vector<std::string> prerequisiteCommands(const SystemFacts& f, InstallerLanguage language,
                                              const std::string& sourceRoot) {
  const std::string lang = languageFolder(language);
  const std::string ie = sourceRoot + "ie5/" + lang + "/";
  const std::string hh = sourceRoot + "HHUpd/" + lang + "/";
  std::vector<std::string> commands;
  if (!f.htmOpens) {
    commands.push_back(ie + "ie5setup.exe");
    return commands;
  }
  bool started = false;
  if (!f.chmOpens) {
    if (f.windows95) {
      started = true;
      commands.push_back(ie + "ie5setup.exe");
    } else {
      commands.push_back(hh + "hhupd.exe");
    }
  }
  // The browser installer brings DCOM along: once it is started, the DCOM
  // installer is not started beside it.
  if (!f.dcomEnabled && !started)
    commands.push_back(f.windows95 ? ie + "ie5setup.exe" : ie + "Dcom95.exe /c");
  return commands;
}

}  // namespace vorkel::setup
