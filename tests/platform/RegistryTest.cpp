#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "TempFolder.h"
#include "platform/Random.h"

namespace vorkel {
namespace {

using testing::TempFolder;
constexpr auto HKCR = RegistryRoot::ClassesRoot;
constexpr auto HKLM = RegistryRoot::LocalMachine;

TEST(Registry, WrittenAsQ4ReadAsq4) {
  TempFolder t;
  Registry reg(t / "reg.ini");
  ASSERT_EQ(reg.setString(HKCR, "Q4.Application\\Gemmested", "", "C:\\Plindra\\Lager"), Registry::Success);
  EXPECT_EQ(reg.readString(HKCR, "q4.application\\GEMMESTED"), "C:\\Plindra\\Lager");
  EXPECT_EQ(reg.openKey(HKCR, "Q4.APPLICATION"), Registry::Success);  // parents exist
  EXPECT_EQ(reg.openKey(HKLM, "Q4.Application"), Registry::NotFound);  // other root
  EXPECT_EQ(reg.openKey(HKCR, ""), Registry::Success);

  // A second object on the same file sees the value.
  Registry other(t / "reg.ini");
  EXPECT_EQ(other.readString(HKCR, "\\q4.Application\\Gemmested\\"), "C:\\Plindra\\Lager");
}

TEST(Registry, FirstValueOrderTypesAndOverwrite) {
  TempFolder t;
  Registry reg(t / "reg.ini");
  const char* key = "SOFTWARE\\Vendrik\\Rundel";
  ASSERT_EQ(reg.setDword(HKLM, key, "MainLanguage", 7), Registry::Success);
  ASSERT_EQ(reg.setString(HKLM, key, "", "default"), Registry::Success);
  ASSERT_EQ(reg.setString(HKLM, key, "mainlanguage", "now text"), Registry::Success);

  RegistryValue v;
  ASSERT_EQ(reg.enumValue(HKLM, key, 0, v), Registry::Success);
  EXPECT_EQ(v.name, "MainLanguage");  // keeps its first spelling and its place
  EXPECT_EQ(v.type, RegistryType::String);
  EXPECT_EQ(v.text, "now text");
  ASSERT_EQ(reg.enumValue(HKLM, key, 1, v), Registry::Success);
  EXPECT_EQ(v.name, "");
  EXPECT_EQ(reg.enumValue(HKLM, key, 2, v), Registry::NoMoreItems);
  EXPECT_EQ(reg.enumValue(HKLM, "SOFTWARE\\None", 0, v), Registry::NotFound);
  EXPECT_EQ(reg.enumValue(HKLM, "SOFTWARE\\Vendrik", 0, v), Registry::NoMoreItems);  // key without values

  ASSERT_EQ(reg.setDword(HKLM, key, "Count", 0xFFFFFFFFu), Registry::Success);
  ASSERT_EQ(reg.getValue(HKLM, key, "COUNT", v), Registry::Success);
  EXPECT_EQ(v.type, RegistryType::Dword);
  EXPECT_EQ(v.number, 0xFFFFFFFFu);
  EXPECT_EQ(reg.readString(HKLM, key, "Count"), "");  // not a string
  EXPECT_EQ(reg.getValue(HKLM, key, "none", v), Registry::NotFound);
}

TEST(Registry, OpenOnlyWritesAndDeletes) {
  TempFolder t;
  Registry reg(t / "sub/dir/reg.ini");  // the folder is made on the first write
  const char* fonts = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
  EXPECT_EQ(reg.setString(HKLM, fonts, "Technical (TrueType)", "techncln.ttf", false), Registry::NotFound);
  EXPECT_EQ(reg.openKey(HKLM, fonts), Registry::NotFound);
  ASSERT_EQ(reg.createKey(HKLM, fonts), Registry::Success);
  EXPECT_EQ(reg.setString(HKLM, fonts, "Technical (TrueType)", "techncln.ttf", false), Registry::Success);

  // Unregistering: the association keys go, children first or not.
  reg.setString(HKCR, "Q4.Application\\DefaultIcon", "", "/opt/q4");
  reg.setString(HKCR, "Q4.Document.1\\DefaultIcon", "", "/opt/q4,1");
  reg.setString(HKCR, ".skb", "", "/opt/q4");
  EXPECT_EQ(reg.subkeys(HKCR, ""), (std::vector<std::string>{"Q4.Application", "Q4.Document.1", ".skb"}));
  EXPECT_EQ(reg.deleteKey(HKCR, "q4.application\\defaulticon"), Registry::Success);
  EXPECT_EQ(reg.deleteKey(HKCR, "Q4.Application"), Registry::Success);
  EXPECT_EQ(reg.deleteKey(HKCR, "Q4.Document.1"), Registry::Success);  // with its subkey
  EXPECT_EQ(reg.openKey(HKCR, "Q4.Document.1\\DefaultIcon"), Registry::NotFound);
  EXPECT_EQ(reg.deleteKey(HKCR, "Q4.Application"), Registry::NotFound);
  EXPECT_EQ(reg.deleteKey(HKCR, ""), Registry::InvalidParameter);  // never a whole root
  EXPECT_EQ(reg.subkeys(HKCR, ""), std::vector<std::string>{".skb"});

  EXPECT_EQ(reg.deleteValue(HKCR, ".skb", ""), Registry::Success);
  EXPECT_EQ(reg.deleteValue(HKCR, ".skb", ""), Registry::NotFound);
  EXPECT_EQ(reg.openKey(HKCR, ".skb"), Registry::Success);  // the key stays
}

TEST(Registry, AwkwardTextSurvivesTheFile) {
  TempFolder t;
  Registry reg(t / "reg.ini");
  std::string nasty = "a\"b\\c\r\n[HKEY_CLASSES_ROOT\\evil]\t\x01\xE6\xF8\xE5";
  ASSERT_EQ(reg.setString(HKCR, "k]ey", "na\"me=", nasty), Registry::Success);
  EXPECT_EQ(reg.readString(HKCR, "K]EY", "NA\"ME="), nasty);
  EXPECT_EQ(reg.openKey(HKCR, "evil"), Registry::NotFound);
  EXPECT_EQ(reg.setString(HKCR, "a\nb", "", "x"), Registry::InvalidParameter);
  EXPECT_EQ(reg.setString(HKCR, "", "", "x"), Registry::InvalidParameter);
}

TEST(Registry, DamagedFilesAreReadAsFarAsTheyGo) {
  TempFolder t;
  std::string file = t.write("reg.ini",
                             "@=\"before any key\"\n"
                             "[HKEY_NOWHERE\\x]\n"
                             "@=\"lost\"\n"
                             "[HKCR\\ok]\n"
                             "\"unterminated=\"x\n"
                             "\"n\"=dword:123456789\n"
                             "\"m\"=dword:zz\n"
                             "\"s\"=\"fine\"\n"
                             "@=dword:0000002a\r\n"
                             "[HKEY_CLASSES_ROOT\\half");
  Registry reg(file);
  RegistryValue v;
  ASSERT_EQ(reg.enumValue(HKCR, "ok", 0, v), Registry::Success);
  EXPECT_EQ(v.text, "fine");
  ASSERT_EQ(reg.getValue(HKCR, "ok", "", v), Registry::Success);
  EXPECT_EQ(v.number, 42u);
  EXPECT_EQ(reg.enumValue(HKCR, "ok", 2, v), Registry::NoMoreItems);
  EXPECT_EQ(reg.openKey(HKCR, "half"), Registry::NotFound);

  Random rnd(7);
  for (int round = 0; round < 200; ++round) {
    std::string junk;
    const std::string pieces[] = {"[", "]", "HKCR\\", "\\", "@", "=", "\"", "dword:", "\n", "ab", "\\x4", "\r"};
    int n = rnd.below(60);
    for (int i = 0; i < n; ++i)
      junk += rnd.below(5) == 0 ? std::string(1, static_cast<char>(rnd.below(256))) : pieces[rnd.below(12)];
    t.write("reg.ini", junk);
    (void)reg.enumValue(HKCR, "ab", 0, v);
    (void)reg.subkeys(HKCR, "");
    ASSERT_EQ(reg.setString(HKCR, "ab", "v", "w"), Registry::Success);
    ASSERT_EQ(reg.readString(HKCR, "ab", "v"), "w");
  }
}

TEST(Registry, UnwritableStoreReportsAccessDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  TempFolder t;
  std::filesystem::create_directory(t / "ro");
  ::chmod((t / "ro").c_str(), 0555);
  Registry reg(t / "ro/reg.ini");
  EXPECT_EQ(reg.setString(HKCR, "x", "", "y"), Registry::AccessDenied);
  EXPECT_EQ(reg.readString(HKCR, "x"), "");
}

// A store that is there but cannot be read (too large to be ours) was once
// replaced by a store of the one value written; a read-only store is kept
// as the user made it, also for root.
TEST(Registry, AStoreThatCannotBeReadOrIsReadOnlyIsNeverReplaced) {
  TempFolder t;
  const std::string big = t.write("big.ini", "[HKEY_CLASSES_ROOT\\x]\r\n");
  ASSERT_EQ(::truncate(big.c_str(), 5 << 20), 0);
  EXPECT_EQ(Registry(big).setString(HKCR, "x", "", "y"), Registry::AccessDenied);
  EXPECT_EQ(std::filesystem::file_size(big), 5u << 20);

  const std::string locked = t.write("locked.ini", "[HKEY_CLASSES_ROOT\\x]\r\n@=\"old\"\r\n");
  ::chmod(locked.c_str(), 0444);
  Registry reg(locked);
  EXPECT_EQ(reg.setString(HKCR, "x", "", "new"), Registry::AccessDenied);
  EXPECT_EQ(reg.readString(HKCR, "x"), "old");
}

TEST(Registry, ConcurrentWritersLoseNothing) {
  TempFolder t;
  std::string file = t / "reg.ini";
  constexpr int kWriters = 4, kEach = 15;
  std::vector<pid_t> kids;
  for (int w = 0; w < kWriters; ++w) {
    pid_t pid = ::fork();
    if (pid == 0) {
      Registry reg(file);
      for (int i = 0; i < kEach; ++i)
        reg.setDword(HKCR, "w" + std::to_string(w), "v" + std::to_string(i), static_cast<std::uint32_t>(i));
      std::_Exit(0);
    }
    kids.push_back(pid);
  }
  for (pid_t k : kids) ::waitpid(k, nullptr, 0);
  Registry reg(file);
  for (int w = 0; w < kWriters; ++w) {
    RegistryValue v;
    EXPECT_EQ(reg.enumValue(HKCR, "w" + std::to_string(w), kEach - 1, v), Registry::Success) << w;
  }
}

TEST(Registry, DefaultFileComesFromTheEnvironment) {
  const char* saved = std::getenv("VORKEL_REGISTRY");
  std::string keep = saved ? saved : "";
  ::setenv("VORKEL_REGISTRY", "/tmp/explicit.ini", 1);
  EXPECT_EQ(Registry::defaultFilePath(), "/tmp/explicit.ini");
  ::unsetenv("VORKEL_REGISTRY");
  ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(Registry::defaultFilePath(), "/cfg/vorkel/registry.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  if (saved) ::setenv("VORKEL_REGISTRY", keep.c_str(), 1);
}

}  // namespace
}  // namespace vorkel
