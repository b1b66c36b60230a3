#include "app/InstallationFolders.h"

#include <cstdio>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "platform/Cp1252Case.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

constexpr const char* kApplicationKey = "q4.Application\\";

// Line numbers the registry messages have always named; users quote them.
constexpr int kQueryLine = 102;
constexpr int kEnumLine = 126;

std::string format(const char* pattern, long a) {
  char buf[256];
  std::snprintf(buf, sizeof buf, pattern, static_cast<int>(a));
  return buf;
}

bool folderIsEmpty(const std::string& folder) {
  std::vector<DirEntry> entries;
  return !Files::listDirectory(Files::joinPath(folder, "*.*"), entries) || entries.empty();
}

// Whether `folder` lies on the installation medium `cdRoot`. A medium named
// by a drive letter ("E:\") is matched by the folder's first character, as
// drive letters are; a mounted medium ("/media/cdrom") by the folder lying
// below it, since every absolute path here starts with the same "/".
bool onMedium(std::string_view folder, std::string_view cdRoot) {
  if (cdRoot.empty() || folder.empty()) return false;
  if (cdRoot.size() >= 2 && cdRoot[1] == ':')
    return foldCp1252(static_cast<unsigned char>(cdRoot[0])) ==
           foldCp1252(static_cast<unsigned char>(folder[0]));
  std::string root = Files::toSlashes(cdRoot);
  std::string dir = Files::toSlashes(folder);
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  if (dir.compare(0, root.size(), root) != 0) return false;
  return dir.size() == root.size() || dir[root.size()] == '/' || root == "/";
}

}  // namespace

std::string readClassesRootValue(const Registry& registry, std::string_view key, Ui& ui) {
  long rc = registry.openKey(RegistryRoot::ClassesRoot, key);
  if (rc != Registry::Success) {
    ui.messageBox(format(texts::registryOpenFailed, rc), texts::registryOpenFailedCaption,
                  Icon::Error);
    return {};
  }
  RegistryValue value;
  rc = registry.enumValue(RegistryRoot::ClassesRoot, key, 0, value);
  if (rc == Registry::NotFound) {
    // The key vanished between opening and asking for its values.
    char buf[256];
    std::snprintf(buf, sizeof buf, texts::registryQueryFailed, static_cast<int>(rc), kQueryLine);
    ui.messageBox(buf, texts::registryOpenFailedCaption, Icon::Error);
    return {};
  }
  if (rc != Registry::Success) {
    char buf[256];
    std::snprintf(buf, sizeof buf, texts::registryEnumFailed, static_cast<int>(rc), "0",
                  kEnumLine);
    ui.messageBox(buf, texts::registryOpenFailedCaption, Icon::Error);
    return {};
  }
  if (value.type == RegistryType::String) return value.text;
  if (value.type != RegistryType::None)
    ui.messageBox(format(texts::registryWrongType, static_cast<long>(value.type)),
                  texts::registryWrongTypeCaption, Icon::Error);
  return {};
}

std::string applicationValue(ApplicationContext& context, std::string_view name) {
  return readClassesRootValue(context.registry, std::string(kApplicationKey) + std::string(name),
                              context.ui);
}

std::string programSetting(ApplicationContext& context, std::string_view profileKey,
                           std::string_view registryName, std::size_t maxChars) {
  std::string fallback = applicationValue(context, registryName);
  return context.programProfile().getString(profileKey, fallback, maxChars);
}

std::string placeInFolder(std::string_view file, std::string_view folder, Ui& ui) {
  // Keep the folder's own separator, so that "C:\Q4\MODELLER" gives
  // "C:\Q4\MODELLER\A.ktd"; both kinds are read everywhere.
  const bool backslashes =
      folder.find('\\') != std::string_view::npos && folder.find('/') == std::string_view::npos;
  const char separator = backslashes ? '\\' : '/';
  auto join = [&](std::string_view name) {
    std::string out(folder);
    if (!out.empty() && !Files::isSeparator(out.back())) out += separator;
    return out + std::string(name);
  };

  // An absolute name: a drive ("D:\..."), a server ("\\server\..."), or a
  // rooted path, which here is the native absolute form.
  if (file.find(':') != std::string_view::npos || Files::isAbsolutePath(file)) {
    PathParts parts = Files::splitPath(file);
    if (parts.name.empty() && parts.ext.empty()) {
      ui.messageBox(texts::notInFolder, file, Icon::Error);
      return std::string(file);
    }
    return join(parts.name + parts.ext);
  }
  return join(file);
}

std::optional<std::string> resolveInFolder(ApplicationContext& context, std::string_view file,
                                           std::string_view folder) {
  while (folderIsEmpty(context.locate(folder))) {
    std::string cdRoot = applicationValue(context, "CDRom");
    if (onMedium(folder, cdRoot)) {
      if (context.ui.messageBox(texts::insertCd, texts::insertCdCaption, Icon::None,
                                Buttons::OkCancel) == Answer::Cancel)
        return std::nullopt;
      continue;
    }
    if (context.ui.messageBox(texts::installationError, texts::installationErrorFolderCaption,
                              Icon::Error, Buttons::OkCancel) == Answer::Cancel)
      return std::nullopt;
    return std::string(file);
  }
  return placeInFolder(file, folder, context.ui);
}

}  // namespace vorkel
