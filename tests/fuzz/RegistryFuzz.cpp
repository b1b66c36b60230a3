// The registry store: whatever the file holds, reading answers, and writing
// one value changes that value and no other.
#include <map>
#include <string>
#include <tuple>

#include "platform/Registry.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using vorkel::Registry;
using vorkel::RegistryRoot;
using vorkel::RegistryValue;
using Values = std::map<std::tuple<int, std::string, std::string>,
                        std::tuple<std::uint32_t, std::string, std::uint32_t>>;

// Every value of the keys up to three levels below each root: at most 12
// keys of 8 values, since every question reads the whole store again.
void collect(const Registry& registry, RegistryRoot root, const std::string& path, int depth,
             int& budget, Values& out) {
  if (--budget < 0) return;
  RegistryValue v;
  for (std::size_t i = 0; registry.enumValue(root, path, i, v) == Registry::Success && i < 8; ++i) {
    RegistryValue again;
    vorkel::fuzz::expect(registry.getValue(root, path, v.name, again) == Registry::Success,
                         "an enumerated value can be read");
    out[{static_cast<int>(root), path, v.name}] = {static_cast<std::uint32_t>(v.type), v.text,
                                                   v.number};
  }
  if (depth == 3) return;
  for (const std::string& child : registry.subkeys(root, path))
    collect(registry, root, path.empty() ? child : path + "\\" + child, depth + 1, budget, out);
}

Values valuesOf(const Registry& registry) {
  Values out;
  int budget = 12;
  for (RegistryRoot root : {RegistryRoot::ClassesRoot, RegistryRoot::LocalMachine,
                            RegistryRoot::CurrentUser})
    collect(registry, root, "", 0, budget, out);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Registry registry(fuzz::scratchFile("registry.ini", bytes));
  registry.readString(RegistryRoot::ClassesRoot, "q4.Application\\Gemmested");
  const Values before = valuesOf(registry);

  const char* key = "Software\\Vorkel Fuzz";
  if (registry.setString(RegistryRoot::CurrentUser, key, "v", "tekst") != Registry::Success)
    return 0;
  fuzz::expect(registry.readString(RegistryRoot::CurrentUser, key, "v") == "tekst",
               "a written value reads back");
  const Values after = valuesOf(registry);
  for (const auto& [where, value] : before) {
    if (std::get<0>(where) == static_cast<int>(RegistryRoot::CurrentUser)) continue;
    const auto it = after.find(where);
    fuzz::expect(it != after.end() && it->second == value, "other values stay as they were");
  }
  return 0;
}
