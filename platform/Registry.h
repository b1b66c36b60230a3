#pragma once
// The registry store: the keys and values that the programs and the
// installer keep under HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER, held in one text file.
//
//   Registry reg(Registry::defaultFilePath());
//   reg.setString(RegistryRoot::ClassesRoot, "Q4.Application\\Gemmested", "", "C:\\Lager");
//   RegistryValue v;
//   long rc = reg.enumValue(RegistryRoot::ClassesRoot, "q4.Application\\Gemmested", 0, v);
//
// Key paths use "\" between levels; key and value names are compared
// without regard to case (the installer writes "Q4.Application", the
// generator reads "q4.Application"). The empty value name is the key's
// default value. Values keep the order in which they were first written, so
// "the first value of a key" means the same on every run.
//
// Operations answer with the system's error codes (Success, NotFound, ...),
// which callers show in their messages. Every call reads the file; every
// change writes it back at once (through a temporary file, under a lock
// file), so several processes may share one store without losing writes.
//
// The file looks like this (strings escape "\", '"', control bytes as \xNN):
//   [HKEY_CLASSES_ROOT\Q4.Application\Gemmested]
//   @="C:\\Plindra\\Lager"
//   "Count"=dword:00000003
// A damaged file never crashes a reader: lines that do not parse are skipped.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

enum class RegistryRoot { ClassesRoot, LocalMachine, CurrentUser };

// The type numbers of the original registry.
enum class RegistryType : std::uint32_t { None = 0, String = 1, Dword = 4 };

struct RegistryValue {
  std::string name;  // empty: the default value
  RegistryType type = RegistryType::None;
  std::string text;        // String: the bytes as written
  std::uint32_t number = 0;  // Dword
};

class Registry {
 public:
  static constexpr long Success = 0;
  static constexpr long NotFound = 2;
  static constexpr long AccessDenied = 5;  // the store file cannot be written
  static constexpr long InvalidParameter = 87;
  static constexpr long NoMoreItems = 259;

  explicit Registry(std::string filePath);

  // $VORKEL_REGISTRY, else $XDG_CONFIG_HOME/vorkel/registry.ini, else
  // $HOME/.config/vorkel/registry.ini.
  static std::string defaultFilePath();

  const std::string& filePath() const { return filePath_; }

  static const char* rootName(RegistryRoot root);

  // Success when the key exists (a root always does), NotFound otherwise.
  long openKey(RegistryRoot root, std::string_view path) const;

  // Creates the key and every missing level above it.
  long createKey(RegistryRoot root, std::string_view path);

  // Writes a value. With createMissing false a missing key is not created
  // and the write answers NotFound.
  long setString(RegistryRoot root, std::string_view path, std::string_view name,
                 std::string_view value, bool createMissing = true);
  long setDword(RegistryRoot root, std::string_view path, std::string_view name,
                std::uint32_t value, bool createMissing = true);

  // NotFound when the key or the value is missing.
  long getValue(RegistryRoot root, std::string_view path, std::string_view name,
                RegistryValue& out) const;

  // The index-th value of the key in order; NoMoreItems past the last one,
  // NotFound when the key is missing.
  long enumValue(RegistryRoot root, std::string_view path, std::size_t index,
                 RegistryValue& out) const;

  // The string value, or empty when it is missing or not a string.
  std::string readString(RegistryRoot root, std::string_view path,
                         std::string_view name = {}) const;

  // Deletes the key with its values and every key below it.
  long deleteKey(RegistryRoot root, std::string_view path);
  long deleteValue(RegistryRoot root, std::string_view path, std::string_view name);

  // The names of the keys one level below, in file order.
  std::vector<std::string> subkeys(RegistryRoot root, std::string_view path) const;

 private:
  std::string filePath_;
};

}  // namespace vorkel
