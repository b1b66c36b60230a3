#include "app/TemplateCheck.h"


#include <cerrno>
#include <cstring>
#include <optional>

#include "app/ApplicationContext.h"
#include "app/FileKind.h"
#include "app/InstallationFolders.h"
#include "app/Template.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Registry.h"

namespace vorkel {

namespace {

struct TemplateKey {
  const char* key;
  const char* defaultName;
  const char* registryName;  // the installation's folder for the kind
  const char* profileKey;
  const char* what;  // its part in the template
  const char* kind;  // what the file must be
  bool (*fits)(FileKind);
};

// In the order the loader reads them.
constexpr TemplateKey kKeys[] = {
    {"Model", "PuslFlad.ktd", "Skabelon", "Skabelon", "the model", "a crossword model", isGridKind},
    {"Trie", "dksort.dic", "Dictionary", "Dictionary", "the dictionary", "a dictionary or word list",
     isWordFileKind},
    {"Vej", "Puslflad.vej", "ModelOgVej", "ModelOgVej", "the path", "a path",
     [](FileKind k) { return k == FileKind::Path || k == FileKind::Empty; }},
    {"Parametre", "Default.par", "ModelOgVej", "Parametre", "the parameters",
     "a parameter file",
     [](FileKind k) { return k == FileKind::Parameters; }},
};

// The registry value "q4.Application\<name>", read as the loader reads it
// but without a message when there is no installation.
std::string registeredValue(ApplicationContext& context, const char* name) {
  RegistryValue value;
  const std::string key = std::string("q4.Application\\") + name;
  if (context.registry.enumValue(RegistryRoot::ClassesRoot, key, 0, value) ==
          Registry::Success &&
      value.type == RegistryType::String)
    return value.text;
  return {};
}

// The installation's folder for a kind of file.
std::string installationFolder(ApplicationContext& context, const TemplateKey& k) {
  const std::string registered = registeredValue(context, k.registryName);
  if (registered.empty()) return {};
  return context.programProfile().getString(k.profileKey, registered, Template::MaxValue);
}

}  // namespace

std::string installedOutputFolder(ApplicationContext& context) {
  return context.programProfile().getString("Gemmested", registeredValue(context, "Gemmested"),
                                            Template::MaxDestDir);
}

std::string unreadableReason(const std::string& path) {
  if (Files::isFolder(path)) return "a folder, not a file";
  int error = 0;
  if (Files::canRead(path, &error)) return {};
  return error == ENOENT || error == ENOTDIR ? "no such file" : std::strerror(error);
}

// Enough of a file's start for its first lines, however long they are.
constexpr std::size_t kKindBytes = 64 << 10;

std::vector<std::string> checkTemplateFiles(ApplicationContext& context,
                                            const std::string& templatePath) {
  std::vector<std::string> problems;
  const Profile skb(templatePath, "Skabelon");
  for (const TemplateKey& k : kKeys) {
    const bool named = skb.hasKey(k.key);
    const std::string name = skb.getString(k.key, k.defaultName, Template::MaxValue);
    const std::string where = context.locate(name);
    std::string found;
    std::string looked = where;
    std::string reason = unreadableReason(where);
    if (reason.empty()) {
      found = where;
    } else if (const std::string folder = installationFolder(context, k); !folder.empty()) {
      const std::string fallback = context.locate(placeInFolder(name, folder, context.ui));
      looked += " and " + fallback + " (the installation's folder)";
      if (unreadableReason(fallback).empty()) found = fallback;
    }
    const std::string subject =
        named ? std::string(k.key) + "=" + name + " (" + k.what + ")"
              : std::string("no ") + k.key + " key (" + k.what + "), and the default " + name;
    if (found.empty()) {
      problems.push_back(subject + ": cannot open '" + name + "' (looked for " + looked +
                         "): " + reason);
      continue;
    }
    // The start tells the kind (recogniseFile looks at the first lines);
    // only a start of nothing but blanks needs the rest.
    std::optional<std::string> bytes = Files::readFileStart(found, kKindBytes);
    if (bytes && bytes->size() == kKindBytes &&
        bytes->find_first_not_of(" \t\r\n") == std::string::npos)
      bytes = Files::readFile(found, 256u << 20);
    const FileKind kind = bytes ? recogniseFile(*bytes, context.language) : FileKind::Unknown;
    if (!k.fits(kind))
      problems.push_back(subject + ": " + found + " is not " + k.kind + " (it looks like " +
                         describeFileKind(kind) + ")");
  }
  return problems;
}

}  // namespace vorkel
