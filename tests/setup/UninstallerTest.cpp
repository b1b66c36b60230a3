// Install, then uninstall: exactly what the installation made goes.
#include "setup/Uninstaller.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SetupTestSupport.h"
#include "setup/InstallRecord.h"
#include "setup/InstallationRun.h"
#include "setup/Selection.h"

namespace vorkel::setup {
namespace {

namespace fs = std::filesystem;

using testing::tree;

struct UninstallerTest : ::testing::Test {
  testing::Machine m;
  WizardState state;
  std::vector<std::string> before;
  std::string registryBefore;

  void SetUp() override {
    m.makeMedium();
    m.addSolverAndDrawer(true);
    // Things of the user's that no installation may touch.
    m.tmp.write("home/.local/share/applications/other.desktop", "mine");
    m.tmp.write("home/.local/share/fonts/own.ttf", "mine");
    m.registry.setString(RegistryRoot::ClassesRoot, ".txt", "", "txtfile");
    before = tree(m.tmp / "home");
    registryBefore = m.tmp.read("registry.ini");

    state.selection = ProgramSelection{};
    state.destinationBase = m.tmp / "home/";
    state.destinationName = "Vendrik";
    state.programFolderName = "Plindra";
    state.programsFolder = m.tmp / "home/.local/share/applications/";
    setAllLanguages(state.languages, InstallerLanguage::Danish);
    testing::NoProgress progress;
    ASSERT_TRUE(InstallationRun(state, m.ports, progress).run());
  }

  Uninstaller uninstaller() { return Uninstaller(m.ui, m.registry, m.system, m.folders); }
};

TEST_F(UninstallerTest, LeavesNothingOfTheInstallationBehind) {
  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), /*confirm=*/true));
  EXPECT_EQ(tree(m.tmp / "home"), before);
  EXPECT_EQ(m.tmp.read("registry.ini"), registryBefore);
  EXPECT_TRUE(u.kept().empty());
  ASSERT_EQ(m.ui.messages.size(), 2u);
  EXPECT_EQ(m.ui.messages[0].text, "Vil du fjerne Plindra programmerne fra din computer?");
  EXPECT_EQ(m.ui.messages[1].text, "Plindra programmerne er fjernet fra din computer.");
  EXPECT_EQ(m.system.fontRefreshes, 2);  // after the copy and after the removal

  // Nothing there any more: said, and nothing done.
  EXPECT_FALSE(u.run(m.installRoot(), true));
  EXPECT_NE(m.ui.lastMessage().text.find("Der er ingen installation"), std::string::npos);
}

TEST_F(UninstallerTest, KeepsTheUsersFilesAndAsksAboutAChangedDictionary) {
  m.tmp.write("home/Vendrik/Lager/x10_001.010", "a crossword");
  m.tmp.write("home/Vendrik/Dic/SVbyg.dic", "changed by the user");
  // A file in the log that the installation did not copy (the medium had
  // none) but that is there now is not the installation's.
  m.tmp.write("home/Vendrik/Vorkel/Stor.skb", "the user's template");

  m.ui.answers = {Answer::Yes, Answer::No};
  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), true));
  ASSERT_EQ(m.ui.messages.size(), 3u);
  EXPECT_EQ(m.ui.messages[1].text, "Ordbogen " + m.installRoot() +
                                       "Dic/SVbyg.dic er ændret efter installationen. Vil du "
                                       "slette den alligevel?");
  EXPECT_EQ(u.kept(), (std::vector<std::string>{m.installRoot() + "Dic/SVbyg.dic",
                                                m.installRoot() + "Lager/x10_001.010",
                                                m.installRoot() + "Vorkel/Stor.skb"}));
  EXPECT_NE(m.ui.lastMessage().text.find("Lager/x10_001.010"), std::string::npos);
  EXPECT_FALSE(fs::exists(m.installRoot() + "Vorkel/q4dk.ini"));  // as installed: goes
  EXPECT_FALSE(fs::exists(m.installRoot() + "UnInst.inf"));
  EXPECT_EQ(m.tmp.read("registry.ini"), registryBefore);
}

// Changes every installed template, model, settings file and dictionary:
// every other one keeps its size with other bytes, the rest grow. The
// changed files, sorted.
std::vector<std::string> changeInstalledFiles(const std::string& installRoot) {
  std::vector<std::string> changed;
  const InstallRecord record = InstallRecord::load(installRoot + "UnInst.dat");
  for (const RecordedFile& f : record.files()) {
    const std::string ext = fs::path(f.path).extension().string();
    if (ext != ".dic" && ext != ".skb" && ext != ".ktd" && ext != ".ini") continue;
    std::fstream file(f.path, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), {});
    if (bytes.empty()) continue;
    if (changed.size() % 2 == 0)
      bytes[bytes.size() / 2] ^= 1;  // the same size, other bytes
    else
      bytes += "x";
    file.seekp(0);
    file << bytes;
    changed.push_back(f.path);
  }
  std::sort(changed.begin(), changed.end());
  return changed;
}

std::vector<std::string> keptOf(const Uninstaller& u, const std::vector<std::string>& among) {
  std::vector<std::string> kept;
  for (const std::string& k : u.kept())
    if (std::binary_search(among.begin(), among.end(), k)) kept.push_back(k);
  return kept;
}

// Every installed file the user changed stays, whether its size changed or
// only its bytes: templates, models, settings and dictionaries alike. Kept
// without a word when quiet; in the window asked about one by one.
TEST_F(UninstallerTest, EveryChangedFileStaysWhateverItsKindOrSize) {
  const std::vector<std::string> changed = changeInstalledFiles(m.installRoot());
  ASSERT_GE(changed.size(), 6u);
  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), /*confirm=*/false));
  EXPECT_TRUE(m.ui.messages.empty());
  EXPECT_EQ(keptOf(u, changed), changed);
}

TEST_F(UninstallerTest, InTheWindowEveryChangedFileIsAskedAbout) {
  const std::vector<std::string> changed = changeInstalledFiles(m.installRoot());
  m.ui.answers.assign(1 + changed.size(), Answer::No);
  m.ui.answers.front() = Answer::Yes;
  m.ui.answers.back() = Answer::Yes;  // the last one goes
  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), /*confirm=*/true));
  EXPECT_EQ(m.ui.messages.size(), 2 + changed.size());
  EXPECT_EQ(keptOf(u, changed).size(), changed.size() - 1);
}

// What the uninstaller removes stays inside what the installation made,
// whatever the user did to the folder or the record: a folder of the
// installation replaced by a link to one of the user's own is not emptied
// through it, and a record line that climbs out with ".." removes nothing,
// even when its fingerprint matches the file it names.
TEST_F(UninstallerTest, NeverRemovesThroughALinkOrAClimbingPath) {
  const std::string root = m.installRoot();
  const InstallRecord record = InstallRecord::load(root + "UnInst.dat");
  std::string folder;  // a folder of the installation with files, below the root
  for (const RecordedFile& f : record.files())
    if (f.path.rfind(root, 0) == 0 && fs::path(f.path).parent_path().string() + "/" != root)
      folder = fs::path(f.path).parent_path().string();
  ASSERT_FALSE(folder.empty());
  const std::string mine = m.tmp / "home/mine";
  fs::rename(folder, mine);
  fs::create_directory_symlink(mine, folder);
  const auto mineBefore = tree(mine);
  ASSERT_FALSE(mineBefore.empty());

  const std::string secret = m.tmp.write("home/secret.txt", "the user's");
  const RecordedFile print = *fingerprint(secret);
  std::FILE* out = std::fopen((root + "UnInst.dat").c_str(), "ab");
  std::fprintf(out, "F\t%llu\t%016llx\t%sVorkel/../../secret.txt\n",
               static_cast<unsigned long long>(print.size),
               static_cast<unsigned long long>(print.hash), root.c_str());
  std::fclose(out);

  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(root, /*confirm=*/false));
  EXPECT_EQ(tree(mine), mineBefore);
  EXPECT_TRUE(fs::exists(secret));
}

// Two installations side by side: removing the older leaves the newer
// whole. The registry values and the shared files (desktop entries, the
// menu) now hold what the newer one wrote, so they stay; so does every file
// of the newer installation.
TEST_F(UninstallerTest, RemovingOneInstallationLeavesAnotherWhole) {
  WizardState second = state;
  second.destinationName = "Anden";
  testing::NoProgress progress;
  ASSERT_TRUE(InstallationRun(second, m.ports, progress).run());
  const std::string other = m.tmp / "home/Anden/";
  const std::string registryWithBoth = m.tmp.read("registry.ini");
  ASSERT_NE(registryWithBoth.find("Anden"), std::string::npos);

  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), /*confirm=*/false));
  const InstallRecord record = InstallRecord::load(other + "UnInst.dat");
  for (const RecordedFile& f : record.files()) EXPECT_TRUE(fs::exists(f.path)) << f.path;
  for (const RecordedValue& v : record.values()) {
    RegistryValue now;
    ASSERT_EQ(m.registry.getValue(v.root, v.key, v.name, now), Registry::Success) << v.key;
    EXPECT_EQ(recordedData(now), v.data) << v.key << " " << v.name;
  }

  // The second one goes as cleanly as a lone one.
  Uninstaller again = uninstaller();
  ASSERT_TRUE(again.run(other, /*confirm=*/false));
  EXPECT_EQ(tree(m.tmp / "home"), before);
  EXPECT_EQ(m.tmp.read("registry.ini"), registryBefore);
}

TEST_F(UninstallerTest, WithoutQuestionsAChangedDictionaryStays) {
  m.tmp.write("home/Vendrik/Dic/SVsmall.dic", "changed");
  Uninstaller u = uninstaller();
  ASSERT_TRUE(u.run(m.installRoot(), /*confirm=*/false));
  EXPECT_TRUE(m.ui.messages.empty());
  EXPECT_EQ(u.kept(), std::vector<std::string>{m.installRoot() + "Dic/SVsmall.dic"});
}

// What the programs write on their own while they are used goes with the
// installation while it is this installation's: the generator's file type
// naming its program, the drawing program's log of crossword hand-overs,
// the window link's session key once no window is open, the folders they
// made. What names anything else, or is in use, stays.
TEST_F(UninstallerTest, WhatTheProgramsWroteGoesWhileItIsTheInstallations) {
  const std::string root = m.installRoot();
  const struct {
    const char* name;
    std::string program;  // the generator that registered the file type
    std::string handedOver;  // the crossword in the drawing program's log
    bool windowOpen;  // a program's window has its socket beside the key
    bool registrationStays;
    bool logStays;
  } cases[] = {
      {"this installation's generator and crosswords", root + "Vorkel/q4",
       root + "Lager/x10_001.010", false, false, false},
      {"the generator named through a link to the installation", "LINK/Vorkel/q4",
       "LINK/Lager/x10_002.010", false, false, false},
      {"the package's generator, a crossword elsewhere, a window open", "/usr/lib/vorkel/q4",
       m.tmp.path() + "/home/Vorkel/Lager/x10_001.010", true, true, true},
  };
  const std::string link = m.tmp / "link";
  fs::create_directory_symlink(m.tmp / "home/Vendrik", link);
  auto linked = [&](std::string path) {
    if (path.rfind("LINK/", 0) == 0) path = link + path.substr(4);
    return path;
  };
  const std::string log = m.tmp / "home/.local/state/vorkel/penvik.log";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (&c != &cases[0]) SetUp();  // installed again
    const std::string program = linked(c.program);
    m.registry.setString(RegistryRoot::ClassesRoot, "Q4.Application\\DefaultIcon", "", program);
    m.registry.setString(RegistryRoot::ClassesRoot, ".skb", "", program);
    m.registry.setString(RegistryRoot::ClassesRoot, "Q4.Document.1\\DefaultIcon", "", program + ",1");
    m.tmp.write("home/.local/state/vorkel/penvik.log",
                "2026-12-10T11:00:00+01:00\t" + linked(c.handedOver) +
                    "\n2026-12-10T11:00:01+01:00\t\tno name in the shared block\n"
                    // A damaged escape in a name (the log is the user's file).
                    "2026-12-10T11:00:02+01:00\t" + linked(c.handedOver) + "\\xZZ\n");
    m.tmp.write("home/.cache/vorkel-windows/session-key", std::string(32, 'k'));
    if (c.windowOpen) m.tmp.write("home/.cache/vorkel-windows/Penvik", "a socket");
    ASSERT_TRUE(uninstaller().run(root, /*confirm=*/false));
    EXPECT_EQ(m.registry.readString(RegistryRoot::ClassesRoot, ".skb") == program, c.registrationStays);
    EXPECT_EQ(m.registry.readString(RegistryRoot::ClassesRoot, "Q4.Document.1\\DefaultIcon") ==
                  program + ",1",
              c.registrationStays);
    EXPECT_EQ(fs::exists(log), c.logStays);
    EXPECT_EQ(fs::exists(m.tmp / "home/.cache/vorkel-windows/session-key"), c.windowOpen);
    if (!c.registrationStays) {
      EXPECT_EQ(m.tmp.read("registry.ini"), registryBefore);
      EXPECT_EQ(tree(m.tmp / "home"), before);  // the state folders the log made go too
    }
  }
}

// The registry store goes with the last thing in it, and its lock with it.
TEST_F(UninstallerTest, AnEmptyRegistryStoreGoesWithItsLock) {
  m.registry.deleteKey(RegistryRoot::ClassesRoot, ".txt");
  ASSERT_TRUE(fs::exists(m.tmp / "registry.ini.lock"));
  ASSERT_TRUE(uninstaller().run(m.installRoot(), /*confirm=*/false));
  EXPECT_FALSE(fs::exists(m.tmp / "registry.ini"));
  EXPECT_FALSE(fs::exists(m.tmp / "registry.ini.lock"));
}

TEST(InstallRecord, ReadsBackWhatItWroteAndSkipsDamage) {
  vorkel::testing::TempFolder t;
  InstallRecord r;
  r.addFile({12, 0xabcdef, "/a/b"});
  r.addFolder("/a");
  r.addKey(RegistryRoot::ClassesRoot, "Q4.Application");
  r.addValue(RegistryRoot::LocalMachine, "SOFTWARE\\Vendrik", "Path");
  r.addFile({13, 0x1, "/a/b"});  // the later line counts
  r.addFile({1, 1, "/bad\tpath"});  // cannot be written back: not recorded
  ASSERT_TRUE(r.save(t / "r.dat"));
  std::string text = t.read("r.dat");
  t.write("r.dat", text + "F\tx\t1\t/c\nV\tHKXX\tk\tn\nF\t1\n\x01\xff garbage\nD\n");

  InstallRecord back = InstallRecord::load(t / "r.dat");
  ASSERT_EQ(back.files().size(), 1u);
  EXPECT_EQ(back.files()[0].size, 13u);
  EXPECT_EQ(back.files()[0].hash, 1u);
  EXPECT_EQ(back.folders(), std::vector<std::string>{"/a"});
  ASSERT_EQ(back.keys().size(), 1u);
  EXPECT_EQ(back.keys()[0].key, "Q4.Application");
  ASSERT_EQ(back.values().size(), 1u);
  EXPECT_EQ(back.values()[0].name, "Path");
}

}  // namespace
}  // namespace vorkel::setup
