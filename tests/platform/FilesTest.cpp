#include "platform/Files.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "TempFolder.h"

namespace vorkel {
namespace {

using testing::InFolder;
using testing::TempFolder;

TEST(FilesPaths, AbsoluteInEitherNotation) {
  EXPECT_TRUE(Files::isAbsolutePath("/home/x"));
  EXPECT_TRUE(Files::isAbsolutePath("\\Q4\\x"));
  EXPECT_TRUE(Files::isAbsolutePath("C:\\Q4"));
  EXPECT_TRUE(Files::isAbsolutePath("d:x.ktd"));
  EXPECT_TRUE(Files::isAbsolutePath("\\\\server\\share\\x"));
  EXPECT_FALSE(Files::isAbsolutePath("model1.skb"));
  EXPECT_FALSE(Files::isAbsolutePath("..\\PENVIK\\"));
  EXPECT_FALSE(Files::isAbsolutePath(""));
  EXPECT_FALSE(Files::isAbsolutePath("1:x"));
}

TEST(FilesPaths, JoinAndTakeApart) {
  EXPECT_EQ(Files::joinPath("C:\\Q4\\MODELLER", "A.ktd"), "C:\\Q4\\MODELLER/A.ktd");
  EXPECT_EQ(Files::joinPath("out/", "x.txt"), "out/x.txt");
  EXPECT_EQ(Files::joinPath("out\\", "x.txt"), "out\\x.txt");
  EXPECT_EQ(Files::joinPath("", "x.txt"), "x.txt");
  EXPECT_EQ(Files::joinPath("out", "/abs/x.txt"), "/abs/x.txt");

  EXPECT_EQ(Files::fileName("a/b\\c.txt"), "c.txt");
  EXPECT_EQ(Files::fileName("C:x.txt"), "x.txt");
  EXPECT_EQ(Files::fileName("a/b/"), "");
  EXPECT_EQ(Files::parentFolder("a/b\\c"), "a/b");
  EXPECT_EQ(Files::parentFolder("/c"), "/");
  EXPECT_EQ(Files::parentFolder("C:\\c"), "C:\\");
  EXPECT_EQ(Files::parentFolder("c"), "");
  EXPECT_EQ(Files::withTrailingSeparator("C:\\Q4"), "C:\\Q4/");
  EXPECT_EQ(Files::withTrailingSeparator("C:\\Q4\\"), "C:\\Q4\\");

  // A template names its files relative to its folder only when they lie in it.
  EXPECT_EQ(Files::pathBelow("/t/m/a.ktd", "/t"), "m/a.ktd");
  EXPECT_EQ(Files::pathBelow("/t/m/a.ktd", "/t/"), "m/a.ktd");
  EXPECT_EQ(Files::pathBelow("/tx/a.ktd", "/t"), "");  // a sibling sharing the prefix
  EXPECT_EQ(Files::pathBelow("/a.ktd", "/t"), "");
  EXPECT_EQ(Files::withExtension("m/Model1.ktd", ".skb"), "m/Model1.skb");
  EXPECT_EQ(Files::withExtension("m.d/Model1", ".vej"), "m.d/Model1.vej");
}

TEST(FilesPaths, SplitLikeTheCLibrary) {
  PathParts p = Files::splitPath("D:\\MODELLER\\A.ktd");
  EXPECT_EQ(p.drive, "D:");
  EXPECT_EQ(p.dir, "\\MODELLER\\");
  EXPECT_EQ(p.name, "A");
  EXPECT_EQ(p.ext, ".ktd");

  p = Files::splitPath("\\\\server\\share\\b.c.vej");
  EXPECT_EQ(p.drive, "");
  EXPECT_EQ(p.dir, "\\\\server\\share\\");
  EXPECT_EQ(p.name, "b.c");
  EXPECT_EQ(p.ext, ".vej");

  p = Files::splitPath("C:\\Q4\\");  // a folder: no name, no extension
  EXPECT_EQ(p.name + p.ext, "");
  p = Files::splitPath("dir.d/noext");  // a dot in the folder is not an extension
  EXPECT_EQ(p.name, "noext");
  EXPECT_EQ(p.ext, "");
}

TEST(FilesWildcards, RawCrosswordPatterns) {
  EXPECT_TRUE(Files::wildcardMatch("x10_???.010", "x10_000.010"));
  EXPECT_TRUE(Files::wildcardMatch("x10_???.010", "X10_123.010"));
  EXPECT_FALSE(Files::wildcardMatch("x10_???.010", "x10_000.013"));  // model 2 is not model 1
  EXPECT_FALSE(Files::wildcardMatch("x10_???.010", "x10_0000.010"));
  EXPECT_FALSE(Files::wildcardMatch("x10_???.010", "x10_00.010"));
  EXPECT_TRUE(Files::wildcardMatch("*.0??", "x13_004.010"));
  EXPECT_FALSE(Files::wildcardMatch("*.0??", "notes.txt"));
}

TEST(FilesWildcards, StarsAndSpecialForms) {
  EXPECT_TRUE(Files::wildcardMatch("*.*", "README"));
  EXPECT_TRUE(Files::wildcardMatch("*", ".hidden"));
  EXPECT_TRUE(Files::wildcardMatch("*.DIC", "dksort.dic"));
  EXPECT_TRUE(Files::wildcardMatch("a*b*c", "aXbYbZc"));
  EXPECT_FALSE(Files::wildcardMatch("a*b*c", "aXbYbZ"));
  EXPECT_TRUE(Files::wildcardMatch("x.*", "x"));
  EXPECT_TRUE(Files::wildcardMatch("x.*", "x.ktd"));
  EXPECT_FALSE(Files::wildcardMatch("x.*", "xy"));
  EXPECT_FALSE(Files::wildcardMatch("", "x"));
}

TEST(FilesWildcards, DanishLettersInUtf8Names) {
  EXPECT_TRUE(Files::wildcardMatch("ordb?ger.dic", "ordbøger.dic"));  // one letter, two bytes
  EXPECT_TRUE(Files::sameNameIgnoringCase("ORDBØGER.DIC", "ordbøger.dic"));
  EXPECT_TRUE(Files::sameNameIgnoringCase("Åben", "åBEN"));
  EXPECT_FALSE(Files::sameNameIgnoringCase("ø", "o"));
}

TEST(FilesLookup, NamesAreFoundWithoutRegardToCase) {
  TempFolder t;
  t.write("Data/Model1.skb", "x");
  EXPECT_EQ(Files::findCaseInsensitive(t / "data/MODEL1.SKB"), t / "Data/Model1.skb");
  EXPECT_EQ(Files::findCaseInsensitive(t.path() + "\\data\\model1.skb"), t / "Data/Model1.skb");
  // Missing levels are kept as given, under the levels that do exist.
  EXPECT_EQ(Files::findCaseInsensitive(t.path() + "\\data\\model9.skb"), t / "Data/model9.skb");
  EXPECT_EQ(Files::findCaseInsensitive(t / "none/DATA/x"), t / "none/DATA/x");
  EXPECT_TRUE(Files::isFile(t / "DATA/model1.skb"));
  EXPECT_TRUE(Files::isFolder(t / "dATA"));

  InFolder here(t.path());
  EXPECT_EQ(Files::findCaseInsensitive("data\\model1.skb"), "Data/Model1.skb");
  EXPECT_EQ(Files::findCaseInsensitive("./data/../DATA/model1.skb"), "Data/../Data/Model1.skb");
  auto text = Files::readFile("DATA\\MODEL1.SKB");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, "x");
}

TEST(FilesListing, PatternsFoldersAndOrder) {
  TempFolder t;
  t.write("out/x10_001.010", "a");
  t.write("out/x10_000.010", "bb");
  t.write("out/x10_000.013", "c");
  t.write("out/notes.txt", "d");
  std::filesystem::create_directory(t / "out/sub.010");
  // Links count as what they lead to; one that leads nowhere is not listed.
  std::filesystem::create_symlink("x10_000.010", t / "out/link.010");
  std::filesystem::create_directory_symlink("sub.010", t / "out/folder.010");
  std::filesystem::create_symlink("gone.010", t / "out/dangling.010");

  std::vector<DirEntry> list;
  ASSERT_TRUE(Files::listDirectory(t.path() + "\\OUT\\x10_???.010", list));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "x10_000.010");
  EXPECT_EQ(list[0].size, 2u);
  EXPECT_EQ(list[1].name, "x10_001.010");

  ASSERT_TRUE(Files::listDirectory(t / "out/*.*", list));
  EXPECT_EQ(list.size(), 7u);  // never "." or ".."
  EXPECT_EQ(Files::countFiles(t / "out/*.*"), 5);  // folders are not files
  EXPECT_EQ(Files::countFiles(t / "out/*.0??"), 4);

  ASSERT_TRUE(Files::listDirectory(t / "out/*.zzz", list));
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(Files::listDirectory(t / "missing/*.*", list));
  EXPECT_EQ(Files::countFiles(t / "missing/*.*"), 0);

  InFolder here(t / "out");
  EXPECT_EQ(Files::countFiles("*.*"), 5);
}

TEST(FilesAttributes, ReadOnlyAndFolders) {
  TempFolder t;
  std::string f = t.write("a.txt", "x");
  auto a = Files::getAttributes(f);
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(*a & FileAttribute::ReadOnly, 0u);
  EXPECT_NE(*a & FileAttribute::Archive, 0u);

  ASSERT_TRUE(Files::setAttributes(f, *a | FileAttribute::ReadOnly));
  EXPECT_NE(*Files::getAttributes(f) & FileAttribute::ReadOnly, 0u);
  // Clearing read-only and archive, as the installer does after a copy.
  ASSERT_TRUE(Files::setAttributes(f, *Files::getAttributes(f) & ~0x21u));
  EXPECT_EQ(*Files::getAttributes(f) & FileAttribute::ReadOnly, 0u);

  EXPECT_NE(*Files::getAttributes(t.path()) & FileAttribute::Directory, 0u);
  EXPECT_NE(*Files::getAttributes(t.write(".hidden", "")) & FileAttribute::Hidden, 0u);
  EXPECT_FALSE(Files::getAttributes(t / "none").has_value());
  EXPECT_FALSE(Files::setAttributes(t / "none", 0));
}

TEST(FilesCopy, FailIfExistsAndOverwrite) {
  TempFolder t;
  std::string src = t.write("src.dic", "new");
  std::string dst = t.write("Dst.dic", "old");

  EXPECT_FALSE(Files::copyFile(src, dst, true));
  EXPECT_EQ(t.read("Dst.dic"), "old");
  EXPECT_TRUE(Files::copyFile(src, t / "dst.DIC", false));  // the existing file, whatever its case
  EXPECT_EQ(t.read("Dst.dic"), "new");
  EXPECT_FALSE(std::filesystem::exists(t / "dst.DIC"));

  EXPECT_TRUE(Files::copyFile(src, t / "fresh.dic", true));
  EXPECT_EQ(t.read("fresh.dic"), "new");
  EXPECT_TRUE(Files::copyFile(src, src, false));  // onto itself: nothing lost
  EXPECT_EQ(t.read("src.dic"), "new");

  EXPECT_FALSE(Files::copyFile(t / "missing", t / "x", false));
  EXPECT_FALSE(std::filesystem::exists(t / "x"));
  EXPECT_FALSE(Files::copyFile(t.path(), t / "y", false));  // a folder is not copied
  EXPECT_FALSE(Files::copyFile(src, t / "no/such/folder/x", false));
}

TEST(FilesWrite, AtomicReplaceKeepsModeAndLeavesNoTemporaries) {
  TempFolder t;
  std::string f = t.write("a.ini", "old");
  ::chmod(f.c_str(), 0640);
  ASSERT_TRUE(Files::writeFileAtomically(f, std::string("new\0bytes", 9)));
  EXPECT_EQ(t.read("a.ini"), std::string("new\0bytes", 9));
  struct stat st {};
  ::stat(f.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  ASSERT_TRUE(Files::writeFileAtomically(t / "A.INI", "case"));  // the same file
  EXPECT_EQ(t.read("a.ini"), "case");

  std::vector<DirEntry> list;
  Files::listDirectory(t / "*", list);
  EXPECT_EQ(list.size(), 1u);

  EXPECT_FALSE(Files::writeFileAtomically(t / "no/folder/a.ini", "x"));
  EXPECT_FALSE(Files::writeFileAtomically(t.path(), "x"));  // a folder
}

// A disk that fills during the write (a file-size limit stands in for it):
// the write says it failed, the old file stays whole and no temporary is
// left. A write of exactly the limit still succeeds.
TEST(FilesWrite, AWriteCutShortByAFullDiskFailsAndKeepsTheOldFile) {
  constexpr rlim_t kLimit = 4096;
  for (const std::size_t size : {std::size_t{kLimit}, std::size_t{kLimit + 1}, std::size_t{3 * kLimit}}) {
    TempFolder t;
    const std::string f = t.write("a.ktd", "old");
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{kLimit, kLimit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      ::_exit(Files::writeFileAtomically(f, std::string(size, 'x')) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const bool fits = size <= kLimit;
    EXPECT_EQ(WEXITSTATUS(status), fits ? 0 : 1) << size << " bytes";
    EXPECT_EQ(t.read("a.ktd"), fits ? std::string(size, 'x') : "old") << size << " bytes";
    std::vector<DirEntry> list;
    Files::listDirectory(t / "*", list);
    EXPECT_EQ(list.size(), 1u) << size << " bytes: a temporary is left";
  }
}

TEST(FilesRead, RefusesWhatIsNoRegularFileOrTooLargeWithoutReadingIt) {
  TempFolder t;
  ReadFailure why = ReadFailure::None;
  t.write("big", std::string(1000, 'x'));
  EXPECT_FALSE(Files::readFile(t / "big", 999, &why).has_value());
  EXPECT_EQ(why, ReadFailure::TooLarge);
  EXPECT_EQ(Files::readFile(t / "BIG", 1000, &why)->size(), 1000u);  // found whatever its case
  EXPECT_EQ(why, ReadFailure::None);
  EXPECT_EQ(*Files::readFile(t.write("empty", "")), "");
  EXPECT_FALSE(Files::readFile(t / "none", 10, &why).has_value());
  EXPECT_EQ(why, ReadFailure::NotFound);

  // A huge sparse file is refused by its size, before any memory is taken.
  const std::string sparse = t / "sparse";
  ASSERT_EQ(::truncate(t.write("sparse", "").c_str(), off_t{1} << 40), 0);
  EXPECT_FALSE(Files::readFile(sparse, kMaxGenericFileBytes, &why).has_value());
  EXPECT_EQ(why, ReadFailure::TooLarge);

  // A folder, a FIFO nobody writes to and an endless device: refused at once.
  ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0600), 0);
  for (const std::string& p : {t.path(), t / "fifo", std::string("/dev/zero")}) {
    EXPECT_FALSE(Files::readFile(p, kMaxGenericFileBytes, &why).has_value()) << p;
    EXPECT_EQ(why, ReadFailure::NotAFile) << p;
  }
}

TEST(FilesWrite, NewFilesTakeTheUmaskReadOnlyAndSpecialTargetsAreRefused) {
  TempFolder t;
  const mode_t old = ::umask(027);
  EXPECT_TRUE(Files::writeFileAtomically(t / "new.ktd", "x"));
  EXPECT_TRUE(Files::copyFile(t / "new.ktd", t / "copy.ktd", true));
  const std::string tool = t.write("tool", "#!/bin/sh\n");
  ::chmod(tool.c_str(), 0755);
  EXPECT_TRUE(Files::copyFile(tool, t / "tool2", false));
  ::umask(old);
  struct stat st {};
  ::stat((t / "new.ktd").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  ::stat((t / "copy.ktd").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  ::stat((t / "tool2").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0750u);

  // Read-only means kept, also for root (who may write anything).
  const std::string locked = t.write("locked.dic", "old");
  ::chmod(locked.c_str(), 0444);
  errno = 0;
  EXPECT_FALSE(Files::writeFileAtomically(locked, "new"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_FALSE(Files::copyFile(tool, locked, false));
  EXPECT_EQ(t.read("locked.dic"), "old");

  ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(Files::writeFileAtomically(t / "fifo", "x"));
  EXPECT_EQ(errno, EINVAL);
  EXPECT_FALSE(Files::writeFileAtomically("/dev/null", "x"));
  std::vector<DirEntry> list;
  Files::listDirectory(t / "*", list);
  EXPECT_EQ(list.size(), 6u);  // no temporary file left behind
}

TEST(FilesWrite, SymbolicLinksStayAndTheFileTheyNameIsReplaced) {
  TempFolder t;
  std::filesystem::create_directory(t / "real");
  const std::string real = t.write("real/words.dic", "old");
  ::chmod(real.c_str(), 0604);
  std::filesystem::create_symlink("real/words.dic", t / "link.dic");
  ASSERT_TRUE(Files::writeFileAtomically(t / "LINK.DIC", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(t / "link.dic"));
  EXPECT_EQ(t.read("real/words.dic"), "new");
  struct stat st {};
  ::stat(real.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t / "real"),
                          std::filesystem::directory_iterator()), 1);

  std::filesystem::create_symlink("real/later.dic", t / "dangling.dic");
  ASSERT_TRUE(Files::writeFileAtomically(t / "dangling.dic", "made"));
  EXPECT_EQ(t.read("real/later.dic"), "made");

  std::filesystem::create_symlink("loop", t / "loop");
  EXPECT_FALSE(Files::writeFileAtomically(t / "loop", "x"));
  EXPECT_TRUE(std::filesystem::is_symlink(t / "loop"));
}

// In a sticky folder anyone may write to (/tmp), a link another user made
// is not followed: it would let them choose which file of ours is replaced.
TEST(FilesWrite, LinksOtherUsersPlantInASharedFolderAreRefused) {
  TempFolder t;
  const std::string victim = t.write("home/.profile", "mine");
  std::filesystem::create_directory(t / "shared");
  ASSERT_EQ(::chmod((t / "shared").c_str(), 01777), 0);
  std::filesystem::create_symlink(victim, t / "shared/own.pdf");
  ASSERT_TRUE(Files::writeFileAtomically(t / "shared/own.pdf", "%PDF"));  // our own link
  EXPECT_EQ(t.read("home/.profile"), "%PDF");
  if (::geteuid() != 0) GTEST_SKIP() << "making a link of another user needs root";
  const uid_t nobody = 65534;
  for (const char* name : {"x.pdf", "dangling.pdf"}) {
    const std::string link = t / ("shared/" + std::string(name));
    std::filesystem::create_symlink(name[0] == 'x' ? victim : t / "home/new", link);
    ASSERT_EQ(::lchown(link.c_str(), nobody, nobody), 0);
    EXPECT_FALSE(Files::writeFileAtomically(link, "%PDF-1.4")) << name;
    EXPECT_EQ(errno, EACCES);
    EXPECT_FALSE(Files::copyFile(victim, link, false)) << name;
  }
  EXPECT_EQ(t.read("home/.profile"), "%PDF");
  EXPECT_FALSE(std::filesystem::exists(t / "home/new"));
}

TEST(FilesSystem, FoldersDirectoriesAndSpace) {
  TempFolder t;
  EXPECT_TRUE(Files::createFolders(t.path() + "\\a\\b\\c"));
  EXPECT_TRUE(Files::isFolder(t / "a/b/c"));
  EXPECT_TRUE(Files::createFolders(t / "A/B/d"));  // existing levels reused whatever their case
  EXPECT_TRUE(Files::isFolder(t / "a/b/d"));

  Files::writeFileAtomically(t / "a/f.txt", "four");
  EXPECT_EQ(Files::fileSize(t / "A/F.TXT"), 4u);
  EXPECT_EQ(Files::fileSize(t / "a"), std::nullopt);  // a folder has no file size
  EXPECT_EQ(Files::fileSize(t / "none"), std::nullopt);
  int error = 0;
  EXPECT_TRUE(Files::canRead(t / "A/f.txt"));
  EXPECT_FALSE(Files::canRead(t / "none", &error));
  EXPECT_EQ(error, ENOENT);
  EXPECT_TRUE(Files::canWriteInto(t / "a"));
  if (::geteuid() != 0) {  // root reads and writes through any mode
    ::chmod((t / "a/f.txt").c_str(), 0);
    ::chmod((t / "a/b").c_str(), 0500);
    EXPECT_FALSE(Files::canRead(t / "a/f.txt", &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_FALSE(Files::canWriteInto(t / "a/b"));
    ::chmod((t / "a/b").c_str(), 0700);
  }

  EXPECT_GT(Files::freeSpace(t.path()), 0.0);
  EXPECT_GT(Files::freeSpace(t / "not/yet/made"), 0.0);  // asks the nearest existing folder

  std::string before = Files::currentDirectory();
  {
    InFolder here(t.path());
    EXPECT_FALSE(Files::changeDirectory(t / "nowhere"));
    EXPECT_TRUE(Files::changeDirectory("A\\B"));
    EXPECT_EQ(Files::currentDirectory(),
              std::filesystem::canonical(t / "a/b").string());
    EXPECT_EQ(Files::absolutePath("..\\x/./y"), std::filesystem::canonical(t / "a").string() + "/x/y");
    EXPECT_EQ(Files::absolutePath("/p/q/"), "/p/q");
    EXPECT_EQ(Files::absolutePath("C:\\Q4"), "C:/Q4");
  }
  EXPECT_EQ(Files::currentDirectory(), before);
}

}  // namespace
}  // namespace vorkel
