#pragma once
// A folder made like the generator's installation, for the window tests:
// Model1's template with its model, path, parameters and the stock
// dictionary, the output folder "Lager" named by Q4DK.ini, and the
// installation's folders in the registry store.

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Registry.h"

namespace vorkel::testing {

inline void makeInstallation(const std::string& folder) {
  const std::string stock = std::string(VORKEL_BINARY_DIR) + "/Stock";
  std::filesystem::create_directories(folder + "/Lager");
  for (const char* name : {"Model1.skb", "Model1.ktd", "Model1.vej", "default.par"})
    std::filesystem::copy_file(stock + "/" + name, folder + "/" + name);
  std::filesystem::copy_file(std::filesystem::canonical(stock + "/dksort.dic"),
                             folder + "/dksort.dic");
  std::ofstream(folder + "/Q4DK.ini", std::ios::binary) << "[Opsat]\r\nGemmested=Lager\r\n";
}

// The values an installation registers, all naming `folder`.
inline void registerInstallation(const std::string& registryPath, const std::string& folder) {
  Registry reg(registryPath);
  for (const char* name : {"Gemmested", "Dictionary", "ModelOgVej", "Skabelon"})
    reg.setString(RegistryRoot::ClassesRoot, std::string("Q4.Application\\") + name, "", folder);
}

}  // namespace vorkel::testing
