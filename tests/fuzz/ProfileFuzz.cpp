// INI files through the profile: templates (.skb), the program profile and
// every other settings file. Whatever the file holds, reading answers, and
// writing one key changes that key and no other value of the file.
#include <map>
#include <string>

#include "platform/Cp1252Case.h"
#include "platform/Profile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

// The value of the (section, key) pairs the file offers, as getString reads
// them: up to 4 sections of up to 8 keys, since every read reads the file.
Values valuesOf(const vorkel::Profile& profile) {
  Values out;
  int sections = 0;
  for (const std::string& section : profile.sections()) {
    if (++sections > 4) break;
    const vorkel::Profile p = profile.withSection(section);
    int keys = 0;
    for (const std::string& key : p.keys()) {
      if (++keys > 8) break;
      out[{section, key}] = p.getString(key);
      p.getInt(key, -1);
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Profile skb(fuzz::scratchFile("fuzz.skb", bytes), "Skabelon");
  for (const char* key : {"Model", "Trie", "Vej", "Parametre", "DestDir"}) skb.getString(key, "x", 511);
  skb.getInt("Sprog", 0);
  const Values before = valuesOf(skb);

  if (!skb.writeString("Vej", "ny.vej")) return 0;
  fuzz::expect(skb.getString("Vej") == "ny.vej", "a written value reads back");
  const Values after = valuesOf(skb);
  for (const auto& [where, value] : before) {
    if (equalsIgnoringCase(where.first, "Skabelon") && equalsIgnoringCase(where.second, "Vej"))
      continue;  // the written key itself
    const auto it = after.find(where);
    fuzz::expect(it != after.end() && it->second == value, "other values stay as they were");
  }
  return 0;
}
