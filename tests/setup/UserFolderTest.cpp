#include "setup/UserFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "../platform/TempFolder.h"
#include "platform/Registry.h"
#include "setup/Drives.h"

namespace vorkel::setup {
namespace {

namespace fs = std::filesystem;
constexpr auto HKCR = RegistryRoot::ClassesRoot;

TEST(UserFolder, MadeOnceFromTheStockAndNeverOverwritten) {
  vorkel::testing::TempFolder t;
  t.write("stock/q4dk.ini", "[Opsat]\r\n");
  t.write("stock/Model1.skb", "[Skabelon]\r\n");
  t.write("stock/help/index.html", "hjælp");
  ::chmod((t / "stock/q4dk.ini").c_str(), 0444);  // as a package installs it
  Registry reg(t / "reg.ini");
  std::string error;
  ASSERT_TRUE(makeUserFolder(t / "stock", t / "user", reg, error)) << error;
  EXPECT_EQ(t.read("user/Q4DK.ini"),
            "[Opsat]\r\n\r\nGemmested=" + t.path() + "/user/Lager\r\nSkabelon=" + t.path() +
                "/stock/Model\r\nCDRom=" + t.path() + "/stock\r\nDictionary=" + t.path() +
                "/stock/Dic\r\nModelOgVej=" + t.path() + "/stock/Vej\r\nParametre=" + t.path() +
                "/stock/Vej\r\n");
  EXPECT_TRUE(fs::is_symlink(t / "user/Model1.skb"));
  EXPECT_FALSE(fs::exists(t / "user/Model2.skb"));  // no stock template, no link
  EXPECT_TRUE(fs::is_directory(t / "user/Lager"));
  EXPECT_EQ(t.read("user/help/index.html"), "hjælp");
  EXPECT_EQ(reg.readString(HKCR, "q4.Application\\Gemmested"), t.path() + "/user/Lager");
  EXPECT_EQ(reg.readString(HKCR, "q4.Application\\Dictionary"), t.path() + "/stock/Dic");

  // A second start changes nothing the user or an installation made.
  t.write("user/Q4DK.ini", "mine");
  reg.setString(HKCR, "Q4.Application\\Gemmested", "", "/elsewhere");
  ASSERT_TRUE(makeUserFolder(t / "stock", t / "user", reg, error));
  EXPECT_EQ(t.read("user/Q4DK.ini"), "mine");
  EXPECT_EQ(reg.readString(HKCR, "q4.Application\\Gemmested"), "/elsewhere");

  // A user folder that cannot be made is reported.
  t.write("file", "x");
  EXPECT_FALSE(makeUserFolder(t / "stock", t / "file/user", reg, error));
  EXPECT_NE(error.find("file/user/Lager"), std::string::npos);
}

TEST(Drives, MountPointsOfRealFileSystems) {
  std::string table =
      "proc /proc proc rw 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
      "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
      "broken\n";
  std::vector<std::string> drives = mountPoints(table);
  EXPECT_EQ(drives, (std::vector<std::string>{"/", "/media/usb stick", "/run"}));
  EXPECT_EQ(driveOf("/media/usb stick/x", drives), "/media/usb stick");
  EXPECT_EQ(driveOf("/media/usb", drives), "/");
  EXPECT_EQ(mountPoints(""), std::vector<std::string>{"/"});
}

}  // namespace
}  // namespace vorkel::setup
