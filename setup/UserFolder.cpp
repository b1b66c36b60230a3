#include "setup/UserFolder.h"

#include <unistd.h>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "setup/Configuration.h"
#include "setup/InstallPaths.h"
#include "setup/InstallRecord.h"

namespace vorkel::setup {

bool makeUserFolder(const std::string& stockFolder, const std::string& userFolder,
                    Registry& registry, std::string& error) {
  const std::string stock = Files::withTrailingSeparator(Files::absolutePath(stockFolder));
  const std::string user = Files::withTrailingSeparator(Files::absolutePath(userFolder));
  if (!Files::createFolders(user + "Lager")) {
    error = "cannot make the folder " + user + "Lager";
    return false;
  }
  InstallPaths paths;
  paths.sourceRoot = paths.installRoot = paths.dictionaryBase = stock;
  paths.templateFolder = stock + "Model";
  paths.pathFolder = stock + "Vej";
  paths.outputFolder = user + "Lager";
  paths.generatorIni = user + "Q4DK.ini";

  if (!Files::exists(paths.generatorIni)) {
    // The package's template is read-only; the user's profile is not.
    bool ok = Files::copyFile(stock + "q4dk.ini", paths.generatorIni, /*failIfExists=*/true);
    if (auto attributes = ok ? Files::getAttributes(paths.generatorIni) : std::nullopt)
      Files::setAttributes(paths.generatorIni, *attributes & ~FileAttribute::ReadOnly);
    if (!ok || !appendGeneratorSettings(paths)) {
      error = "cannot write " + paths.generatorIni;
      return false;
    }
  }
  // Links, so a newer package brings newer templates; saving a template
  // replaces its link with the user's own file.
  for (int i = 1; i <= 6; ++i) {
    const std::string name = "Model" + std::to_string(i) + ".skb";
    if (!Files::exists(user + name) && Files::exists(stock + name))
      (void)::symlink((stock + name).c_str(), (user + name).c_str());
  }
  // The window program looks for its help in its start folder first.
  if (!Files::exists(user + "help") && Files::isFolder(stock + "help"))
    (void)::symlink((stock + "help").c_str(), (user + "help").c_str());
  // An installation made with the installer keeps its own values.
  if (registry.openKey(RegistryRoot::ClassesRoot, "Q4.Application\\Skabelon") != Registry::Success) {
    InstallRecord record;
    RecordingRegistry recording(registry, record);
    writeGeneratorValues(recording, paths);
  }
  return true;
}

}  // namespace vorkel::setup
