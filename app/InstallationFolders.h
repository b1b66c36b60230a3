#pragma once
// Where the installer put things: the registry values under q4.Application
// (HKEY_CLASSES_ROOT), the program profile's section "Opsat" that may
// override them, and finding a file a template names in one of those
// folders when it is not where the template says.

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

class ApplicationContext;
class Registry;
class Ui;

// The first value of a key under HKEY_CLASSES_ROOT, when it is a string;
// otherwise empty, after telling the user why (key missing, no value, a
// value of another type). A value of type 0 reads as empty without a word.
std::string readClassesRootValue(const Registry& registry, std::string_view key, Ui& ui);

// The registry value "q4.Application\<name>" (HKEY_CLASSES_ROOT).
std::string applicationValue(ApplicationContext& context, std::string_view name);

// The program profile's key `profileKey` (section "Opsat"), with the
// registry value "q4.Application\<registryName>" as its default.
std::string programSetting(ApplicationContext& context, std::string_view profileKey,
                           std::string_view registryName, std::size_t maxChars);

// The file a template names, moved into `folder` (the two last steps of
// resolving): an absolute name ("X:..." or "\\server\...") keeps its name
// and extension, a relative name is put below the folder. An absolute name
// without a file name is reported ("Kan ikke finde filen i dette
// bibliotek") and comes back unchanged.
std::string placeInFolder(std::string_view file, std::string_view folder, Ui& ui);

// Resolves `file` in the fallback `folder`. While the folder holds nothing,
// the user is asked to insert the CD when the folder lies on the registered
// CD drive (OK looks again, Cancel gives up), and otherwise told the
// installation is broken (OK uses `file` as it is, Cancel gives up).
// nullopt: the user gave up, the load should stop.
std::optional<std::string> resolveInFolder(ApplicationContext& context, std::string_view file,
                                           std::string_view folder);

}  // namespace vorkel
