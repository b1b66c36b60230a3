#include "setup/Installations.h"

#include "platform/Files.h"
#include "platform/Registry.h"
#include "setup/InstallRecord.h"

namespace vorkel::setup {

namespace {

constexpr RegistryRoot kRoot = RegistryRoot::LocalMachine;
constexpr const char* kVendor = "SOFTWARE\\Vendrik";
constexpr const char* kList = "SOFTWARE\\Vendrik\\Installations";

bool isEmptyKey(const Registry& registry, const char* key) {
  RegistryValue v;
  return registry.openKey(kRoot, key) == Registry::Success &&
         registry.enumValue(kRoot, key, 0, v) == Registry::NoMoreItems &&
         registry.subkeys(kRoot, key).empty();
}

}  // namespace

void addInstallation(Registry& registry, const std::string& installRoot) {
  registry.setString(kRoot, kList, installRoot, "1");
}

void removeInstallation(Registry& registry, const std::string& installRoot) {
  registry.deleteValue(kRoot, kList, installRoot);
  if (isEmptyKey(registry, kList)) registry.deleteKey(kRoot, kList);
  if (isEmptyKey(registry, kVendor)) registry.deleteKey(kRoot, kVendor);
}

std::vector<std::string> otherInstallations(const Registry& registry,
                                            const std::string& installRoot) {
  std::vector<std::string> roots;
  RegistryValue v;
  for (std::size_t i = 0; registry.enumValue(kRoot, kList, i, v) == Registry::Success; ++i)
    if (v.name != installRoot && Files::isFile(v.name + InstallRecord::FileName))
      roots.push_back(v.name);
  return roots;
}

}  // namespace vorkel::setup
