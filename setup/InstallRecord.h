#pragma once
// What one installation made, so that the uninstaller removes exactly that.
//
// The uninstall log "UnInst.inf" lists every destination the copy run
// meant to fill, also those whose source was missing from the medium; it
// cannot tell a file the installation copied from one that was there
// before. This record, "UnInst.dat" beside it, lists what was really made:
// the files copied (with size and content hash, so a file changed since can
// be recognised), the folders and registry keys created, and the registry
// values written. A reinstallation appends; a later line about the same
// file replaces the earlier one.
//
// One line per item, fields separated by tabs:
//   F <size> <hash> <path>      D <path>
//   K <root> <key>              V <root> <key> <name>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace vorkel::setup {

struct RecordedFile {
  std::uint64_t size = 0;
  std::uint64_t hash = 0;
  std::string path;
};

struct RecordedValue {
  RegistryRoot root = RegistryRoot::LocalMachine;
  std::string key;
  std::string name;
  // What was written ("S:text" or "D:number"), so that an uninstall leaves a
  // value another installation has written since; empty in older records.
  std::string data;
};

// The form a value takes in the record's data field.
std::string recordedData(const RegistryValue& value);

struct RecordedKey {
  RegistryRoot root = RegistryRoot::LocalMachine;
  std::string key;
};

// The content hash of a file (64-bit FNV-1a) with its size; nullopt when it
// cannot be read.
std::optional<RecordedFile> fingerprint(const std::string& path);

class InstallRecord {
 public:
  static constexpr const char* FileName = "UnInst.dat";

  void addFile(const RecordedFile& file);
  void addFolder(std::string_view path);
  void addKey(RegistryRoot root, std::string_view key);
  void addValue(RegistryRoot root, std::string_view key, std::string_view name,
                std::string_view data = {});

  // Appends the items added since the last save; false when the file could
  // not be written.
  bool save(const std::string& path);

  // Reads a record; damaged lines are skipped. Items come in file order,
  // files and values without repeats (the last line about one counts).
  static InstallRecord load(const std::string& path);

  const std::vector<RecordedFile>& files() const { return files_; }
  const std::vector<std::string>& folders() const { return folders_; }
  const std::vector<RecordedKey>& keys() const { return keys_; }
  const std::vector<RecordedValue>& values() const { return values_; }

 private:
  std::vector<RecordedFile> files_;
  std::vector<std::string> folders_;
  std::vector<RecordedKey> keys_;
  std::vector<RecordedValue> values_;
  std::vector<std::string> unsaved_;
};

// Creates a folder with every missing level and records the levels it
// made, so the uninstaller can remove them again once they are empty.
// False when the folder does not exist afterwards.
bool createFoldersRecorded(const std::string& path, InstallRecord& record);
// Records the levels of the folder that are missing now without making
// them: for a folder that a program of the installation makes later.
void recordMissingFolders(const std::string& path, InstallRecord& record);

// Writes registry values and keys, remembers what it made in a record, and
// ignores failures, as every registry write of the installer does.
class RecordingRegistry {
 public:
  RecordingRegistry(Registry& registry, InstallRecord& record)
      : registry_(registry), record_(record) {}

  void setString(RegistryRoot root, std::string_view key, std::string_view name,
                 std::string_view value);
  void setDword(RegistryRoot root, std::string_view key, std::string_view name,
                std::uint32_t value);
  // Writes only when the value does not exist yet and the key does (the key
  // is opened, not created).
  void setStringIfMissing(RegistryRoot root, std::string_view key, std::string_view name,
                          std::string_view value);

  Registry& registry() { return registry_; }

 private:
  void recordNewKeys(RegistryRoot root, std::string_view key);
  Registry& registry_;
  InstallRecord& record_;
};

}  // namespace vorkel::setup
