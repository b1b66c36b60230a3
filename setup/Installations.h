#pragma once
// The installations on this machine: a value per installation's folder in
// the registry store (HKLM\SOFTWARE\Vendrik\Installations), so that an
// uninstall can leave what another installation still uses (the menu and
// desktop files two installations share).
//
//   addInstallation(registry, "/home/u/Vendrik/");        // by the installer
//   for (auto& root : otherInstallations(registry, mine))  // by the uninstaller
//   removeInstallation(registry, mine);

#include <string>
#include <vector>

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

void addInstallation(Registry& registry, const std::string& installRoot);
// Removes the installation's value, and the list's keys once they are empty.
void removeInstallation(Registry& registry, const std::string& installRoot);
// The folders of the listed installations other than `installRoot` that
// still hold their install record.
std::vector<std::string> otherInstallations(const Registry& registry,
                                            const std::string& installRoot);

}  // namespace vorkel::setup
