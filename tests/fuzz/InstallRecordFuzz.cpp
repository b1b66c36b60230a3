// The uninstaller's install record (UnInst.dat): whatever the file holds,
// reading answers, and the items it yields, written to a new record, read
// back as the same items in the same order.
#include <cstdio>

#include "setup/InstallRecord.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorkel;
  using namespace vorkel::setup;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const InstallRecord read = InstallRecord::load(fuzz::scratchFile("UnInst.dat", bytes));

  InstallRecord copy;
  for (const RecordedFile& f : read.files()) copy.addFile(f);
  for (const std::string& folder : read.folders()) copy.addFolder(folder);
  for (const RecordedKey& k : read.keys()) copy.addKey(k.root, k.key);
  for (const RecordedValue& v : read.values()) copy.addValue(v.root, v.key, v.name, v.data);
  const std::string again = fuzz::scratchFile("again.dat", "");
  fuzz::expect(copy.save(again), "a record is written");
  const InstallRecord back = InstallRecord::load(again);

  fuzz::expect(back.files().size() == read.files().size(), "as many files");
  for (std::size_t i = 0; i < read.files().size(); ++i)
    fuzz::expect(back.files()[i].path == read.files()[i].path &&
                     back.files()[i].size == read.files()[i].size &&
                     back.files()[i].hash == read.files()[i].hash,
                 "the same files");
  fuzz::expect(back.folders() == read.folders(), "the same folders");
  fuzz::expect(back.keys().size() == read.keys().size(), "as many keys");
  for (std::size_t i = 0; i < read.keys().size(); ++i)
    fuzz::expect(back.keys()[i].root == read.keys()[i].root && back.keys()[i].key == read.keys()[i].key,
                 "the same keys");
  fuzz::expect(back.values().size() == read.values().size(), "as many values");
  for (std::size_t i = 0; i < read.values().size(); ++i)
    fuzz::expect(back.values()[i].key == read.values()[i].key &&
                     back.values()[i].name == read.values()[i].name &&
                     back.values()[i].data == read.values()[i].data,
                 "the same values");
  return 0;
}
