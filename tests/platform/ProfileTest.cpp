#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <climits>

#include "TempFolder.h"
#include "platform/Random.h"

namespace vorkel {
namespace {

using testing::InFolder;
using testing::TempFolder;

TEST(ProfileRead, NamesWithoutCaseFirstOccurrenceWins) {
  TempFolder t;
  t.write("q4dk.ini",
          "stray=before any section\r\n"
          "[Opsat]\r\n"
          "  Gemmested = C:\\Plindra\\Lager  \r\n"
          "; Dictionary=commented\r\n"
          "Dictionary=C:\\Plindra\\Dic\r\n"
          "Dictionary=second\r\n"
          "[OPSAT]\r\n"
          "ModelOgVej=shadowed\r\n"
          "[Andet]\r\n"
          "ModelOgVej=other\r\n");
  Profile p(t / "Q4DK.INI", "opsat");  // the file under another case
  EXPECT_EQ(p.getString("gemmested"), "C:\\Plindra\\Lager");
  EXPECT_EQ(p.getString("Dictionary"), "C:\\Plindra\\Dic");
  EXPECT_EQ(p.getString("ModelOgVej", "dflt"), "dflt");
  EXPECT_EQ(p.getString("stray", "dflt"), "dflt");
  EXPECT_EQ(p.withSection("andet").getString("modelogvej"), "other");
  EXPECT_EQ(p.sections(), (std::vector<std::string>{"Opsat", "Andet"}));
  EXPECT_EQ(p.keys(), (std::vector<std::string>{"Gemmested", "Dictionary"}));
}

TEST(ProfileRead, ValuesDefaultsQuotesAndLimits) {
  TempFolder t;
  t.write("a.ini",
          "[Skabelon]\n"
          "Model=\"model 1.ktd\"\n"
          "Trie='half\"\n"
          "Vej=\n"
          "NoValue\n"
          "Sprog= 12abc\n"
          "Neg=-7\n"
          "Word=abc\n"
          "Huge=99999999999999\n"
          "\xC6gte=\xE6" "ble\n");  // Windows-1252 names and values
  Profile p(t / "a.ini", "Skabelon");
  EXPECT_EQ(p.getString("Model"), "model 1.ktd");
  EXPECT_EQ(p.getString("Trie"), "'half\"");
  EXPECT_EQ(p.getString("Vej", "Puslflad.vej"), "");  // present but empty
  EXPECT_EQ(p.getString("NoValue", "dflt"), "dflt");
  EXPECT_EQ(p.getString("Model", "", 5), "model");
  EXPECT_EQ(p.getString("Missing", "Default.par", 3), "Def");  // the default is cut as well
  EXPECT_EQ(p.getString("\xE6GTE"), "\xE6" "ble");

  EXPECT_EQ(p.getInt("Sprog", 5), 12);
  EXPECT_EQ(p.getInt("Neg", 5), -7);
  EXPECT_EQ(p.getInt("Word", 5), 0);
  EXPECT_EQ(p.getInt("Vej", 5), 5);
  EXPECT_EQ(p.getInt("Missing", 5), 5);
  EXPECT_EQ(p.getInt("Huge", 5), INT_MAX);
}

TEST(ProfileRead, MissingFileOrFolderReadsAsEmpty) {
  TempFolder t;
  Profile p(t / "none.ini", "Opsat");
  EXPECT_EQ(p.getString("Gemmested", "dflt"), "dflt");
  EXPECT_TRUE(p.sections().empty());
  Profile dir(t.path(), "Opsat");
  EXPECT_EQ(dir.getString("x", "dflt"), "dflt");
  EXPECT_FALSE(dir.writeString("x", "1"));
}

TEST(ProfileRead, ArbitraryBytesNeverCrash) {
  TempFolder t;
  Random rnd(20240611);
  static const char kAlphabet[] = "[]=;\"' \t\r\n\0abcOpsat\xC6\xFF";
  const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
  for (int round = 0; round < 300; ++round) {
    std::string junk;
    int len = rnd.below(400);
    for (int i = 0; i < len; ++i)
      junk += rnd.below(4) == 0 ? static_cast<char>(rnd.below(256))
                                : alphabet[static_cast<std::size_t>(rnd.below(static_cast<int>(alphabet.size())))];
    t.write("junk.ini", junk);
    Profile p(t / "junk.ini", "Opsat");
    (void)p.getString("a", "d", 10);
    (void)p.getInt("b", 1);
    (void)p.keys();
    // A write afterwards is read back whatever the file held before.
    ASSERT_TRUE(p.writeString("Gemmested", "ud"));
    ASSERT_EQ(p.getString("Gemmested"), "ud") << "round " << round;
  }
}

TEST(ProfileWrite, NewFileSectionAndKeysWithCrLf) {
  TempFolder t;
  Profile p(t / "new.skb", "Skabelon");
  ASSERT_TRUE(p.writeString("Model", "PuslFlad.ktd"));
  ASSERT_TRUE(p.writeInt("Sprog", 3));
  ASSERT_TRUE(p.withSection("Andet").writeString("k", "v"));
  EXPECT_EQ(t.read("new.skb"), "[Skabelon]\r\nModel=PuslFlad.ktd\r\nSprog=3\r\n\r\n[Andet]\r\nk=v\r\n");
  EXPECT_EQ(p.getInt("Sprog", 0), 3);
}

TEST(ProfileWrite, ExistingLinesCommentsAndOtherSectionsStay) {
  TempFolder t;
  t.write("t.skb",
          "; comment\n"
          "[Skabelon]\n"
          "  MODEL = old.ktd\n"
          "Extra=keep\n"
          "\n"
          "[Other]\n"
          "x=1\n");
  Profile p(t / "t.skb", "skabelon");
  ASSERT_TRUE(p.writeString("Model", "new.ktd"));
  ASSERT_TRUE(p.writeString("Trie", "dksort.dic"));
  EXPECT_EQ(t.read("t.skb"),
            "; comment\r\n"
            "[Skabelon]\r\n"
            "  MODEL=new.ktd\r\n"
            "Extra=keep\r\n"
            "Trie=dksort.dic\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=1\r\n");
  ASSERT_TRUE(p.removeKey("extra"));
  ASSERT_TRUE(p.removeKey("not there"));
  EXPECT_FALSE(p.hasKey("Extra"));
  ASSERT_TRUE(p.withSection("OTHER").removeSection());
  EXPECT_EQ(p.sections(), std::vector<std::string>{"Skabelon"});
}

TEST(ProfileWrite, LineBreaksCannotSmuggleKeys) {
  TempFolder t;
  Profile p(t / "a.ini", "Opsat");
  ASSERT_TRUE(p.writeString("Gemmested", "C:\\Lager\r\n[Opsat]\r\nDictionary=evil"));
  EXPECT_EQ(p.getString("Dictionary", "none"), "none");
  EXPECT_EQ(p.keys(), std::vector<std::string>{"Gemmested"});
  EXPECT_FALSE(p.writeString("a=b", "x"));
  EXPECT_FALSE(p.writeString("", "x"));
  EXPECT_FALSE(p.writeString("[x", "x"));
  EXPECT_FALSE(p.withSection("a]b").writeString("k", "x"));
  EXPECT_FALSE(p.withSection("a\nb").writeString("k", "x"));
}

TEST(ProfileWrite, TwoObjectsOnOneFileSeeEachOther) {
  TempFolder t;
  Profile a(t / "q4dk.ini", "Opsat");
  Profile b(t / "Q4DK.ini", "OPSAT");
  ASSERT_TRUE(a.writeString("Gemmested", "one"));
  EXPECT_EQ(b.getString("Gemmested"), "one");
  ASSERT_TRUE(b.writeString("gemmested", "two"));
  EXPECT_EQ(a.getString("Gemmested"), "two");
  EXPECT_EQ(a.keys().size(), 1u);
}

TEST(ProfileWrite, PathIsFixedWhenMade) {
  TempFolder t;
  std::filesystem::create_directory(t / "elsewhere");
  std::optional<Profile> p;
  {
    InFolder start(t.path());
    p.emplace(".\\Q4DK.ini", "Opsat");
  }
  InFolder later(t / "elsewhere");
  ASSERT_TRUE(p->writeString("Gemmested", "x"));
  EXPECT_EQ(t.read("Q4DK.ini"), "[Opsat]\r\nGemmested=x\r\n");
  EXPECT_FALSE(std::filesystem::exists(t / "elsewhere/Q4DK.ini"));
}

TEST(ProfileWrite, InstallerAppendedLinesJoinTheLastSection) {
  TempFolder t;
  // The installer appends bare lines to the copied profile.
  t.write("q4dk.ini", "[Opsat]\r\nSprog=0\r\n\r\nGemmested=C:\\Plindra\\Lager\r\nCDRom=D:\r\n");
  Profile p(t / "q4dk.ini", "Opsat");
  EXPECT_EQ(p.getString("Gemmested"), "C:\\Plindra\\Lager");
  EXPECT_EQ(p.getString("CDRom"), "D:");
}

}  // namespace
}  // namespace vorkel
